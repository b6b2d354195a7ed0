// The C++ interface speaks 0-based std::size_t indices and enums where the
// exports speak 1-based positions and codes; its bit operations are
// constexpr and give the exports' answers for every count.
#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "tolmer/geometry.h"
#include "tolmer/text.h"
#include "tolmerdll.h"

namespace {

constexpr std::size_t kHuge = SIZE_MAX;

TEST(CppTextIndices, FieldsCountFromZero) {
  struct Case {
    std::string_view list;
    std::size_t index;
    std::string_view field;
    double value;
    std::optional<std::string> replaced;  // field `index` replaced by "X"
    std::optional<std::string> removed;
  };
  const Case cases[] = {
      {"a,2.5,c", 0, "a", 0.0, "X,2.5,c", "2.5,c"},
      {"a,2.5,c", 1, "2.5", 2.5, "a,X,c", "a,c"},
      {"a,2.5,c", 2, "c", 0.0, "a,2.5,X", "a,2.5"},
      {"a,2.5,c", 3, "", 0.0, std::nullopt, std::nullopt},  // one past the last field
      {"a,2.5,c", kHuge, "", 0.0, std::nullopt, std::nullopt},
      {"", 0, "", 0.0, "X", ""},  // an empty text is one empty field
      {"", 1, "", 0.0, std::nullopt, std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.list) + " #" + std::to_string(c.index));
    EXPECT_EQ(tolmer::text::field(c.list, c.index, ","), c.field);
    EXPECT_EQ(tolmer::text::field_value(c.list, c.index, ","), c.value);
    EXPECT_EQ(tolmer::text::replace_field(c.list, c.index, "X", ","), c.replaced);
    EXPECT_EQ(tolmer::text::remove_from_list(c.list, c.index, ","), c.removed);
    EXPECT_EQ(tolmer::text::list_without(c.list, c.index, ",").removed, c.removed.has_value());
  }
}

TEST(CppTextIndices, SearchesGiveAnIndexOrNothing) {
  EXPECT_EQ(tolmer::text::find_in_list("a,b,c", "a", ",", false, true), std::optional<std::size_t>(0));
  EXPECT_EQ(tolmer::text::find_in_list("a,b, c ", "C", ",", false, false), std::optional<std::size_t>(2));
  EXPECT_EQ(tolmer::text::find_in_list("a,b,c", "d", ",", false, true), std::nullopt);
  EXPECT_EQ(tolmer::text::first_of("hello", "xyl"), std::optional<std::size_t>(2));  // 'l' in "xyl"
  EXPECT_EQ(tolmer::text::first_of("hello", "oh"), std::optional<std::size_t>(0));
  EXPECT_EQ(tolmer::text::first_of("hello", "xyz"), std::nullopt);
  EXPECT_EQ(tolmer::text::first_of("", "a"), std::nullopt);

  const int32_t values[] = {4, 9, -2, 9, 0};
  struct Case {
    int32_t value;
    std::size_t first;
    std::optional<std::size_t> at;
  };
  const Case cases[] = {
      {9, 0, 1}, {9, 1, 1}, {9, 2, 3}, {9, 4, std::nullopt}, {0, 4, 4},
      {4, 5, std::nullopt}, {4, kHuge, std::nullopt}, {7, 0, std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(tolmer::text::index_of(c.value, values, c.first), c.at) << c.value << " from " << c.first;
  }
  EXPECT_EQ(tolmer::text::index_of(1, {}, 0), std::nullopt);
}

TEST(CppGeometryEnums, RectRelations) {
  using tolmer::geometry::RectRelation;
  const tolmer::Rect a{0, 0, 10, 10};
  struct Case {
    tolmer::Rect b;
    RectRelation relation;
  };
  const Case cases[] = {
      {{2, 2, 8, 8}, RectRelation::Within},
      {{0, 0, 10, 10}, RectRelation::Within},     // edges included
      {{8, 8, 2, 2}, RectRelation::Within},       // corners in any order
      {{-1, -1, 11, 11}, RectRelation::HoldsCorner},  // b covers a
      {{5, 5, 15, 15}, RectRelation::HoldsCorner},    // b overlaps the corner (10, 10)
      {{10, 10, 12, 12}, RectRelation::HoldsCorner},  // touching the corner counts
      {{20, 20, 30, 30}, RectRelation::Neither},       // apart
      {{-5, 4, 15, 6}, RectRelation::Neither},         // a band across a: no corner
  };
  for (const Case& c : cases) {
    EXPECT_EQ(tolmer::geometry::rect_in_rect(a, c.b), c.relation)
        << c.b.x1 << "," << c.b.y1 << " " << c.b.x2 << "," << c.b.y2;
  }
}

TEST(CppGeometryEnums, TurnsAndZeroCrossings) {
  using tolmer::geometry::Turn;
  using tolmer::geometry::ZeroCrossing;
  struct OffsetCase {
    double start, end;
    Turn turn;
    double limit;
    double offset;
  };
  const OffsetCase offsets[] = {
      {350, 10, Turn::Shorter, 0, 20},     {350, 10, Turn::Increasing, 0, 20},
      {350, 10, Turn::Decreasing, 0, -340}, {350, 10, Turn::Difference, 0, -340},
      {10, 350, Turn::Shorter, 0, -20},    {10, 350, Turn::Increasing, 0, 340},
      {350, 10, Turn::Decreasing, 90, -90}, {10, 350, Turn::Increasing, 90, 90},
  };
  for (const OffsetCase& c : offsets) {
    EXPECT_EQ(tolmer::geometry::offset_from_angles(c.start, c.end, c.turn, c.limit), c.offset)
        << c.start << " to " << c.end << " turn " << static_cast<int>(c.turn);
  }
  struct CrossingCase {
    double angle, change;
    ZeroCrossing crossing;
  };
  const CrossingCase crossings[] = {
      {350, 20, ZeroCrossing::Upward},  {359, 0.5, ZeroCrossing::Upward},
      {10, -20, ZeroCrossing::Downward}, {10, 20, ZeroCrossing::None},
      {0, 0, ZeroCrossing::None},       {359, 0, ZeroCrossing::None},
  };
  for (const CrossingCase& c : crossings) {
    EXPECT_EQ(tolmer::geometry::angle_passed_through_zero(c.angle, c.change), c.crossing)
        << c.angle << " + " << c.change;
  }
}

// ------------------------------------------------------------------- bits

constexpr int32_t kValues[] = {0, 1, 0x55, -1, INT32_MIN, INT32_MAX, 0x12345678};
constexpr int32_t kCounts[] = {INT32_MIN, -33, -1, 0, 1, 7, 8, 9, 31, 32, 33, 64, 1000, INT32_MAX};
constexpr std::size_t kRows = std::size(kValues) * std::size(kCounts);

struct BitRow {
  int32_t total, first, left, right;
  std::byte rotated_left, rotated_right;
};

// Every word and byte operation over the table, evaluated by the compiler.
constexpr std::array<BitRow, kRows> bit_table() {
  std::array<BitRow, kRows> rows{};
  std::size_t i = 0;
  for (int32_t value : kValues) {
    for (int32_t count : kCounts) {
      namespace g = tolmer::geometry;
      const std::byte byte{static_cast<uint8_t>(value)};
      rows[i++] = {g::total_bits_set(value, count), g::first_bit_set(value, 2, count),
                   g::shift_bits_left(value, count), g::shift_bits_right(value, count),
                   g::rotate_left(byte, count), g::rotate_right(byte, count)};
    }
  }
  return rows;
}

TEST(CppBits, ConstantEvaluationGivesTheExportsAnswersForEveryCount) {
  constexpr std::array<BitRow, kRows> rows = bit_table();
  std::size_t i = 0;
  for (int32_t value : kValues) {
    for (int32_t count : kCounts) {
      SCOPED_TRACE(std::to_string(value) + " by " + std::to_string(count));
      const BitRow& row = rows[i++];
      EXPECT_EQ(row.total, GETTOTALBITSSET(value, count));
      EXPECT_EQ(row.first, GETFIRSTBITSET(value, 2, count));
      EXPECT_EQ(row.left, SHIFTBITSLEFT(value, count));
      EXPECT_EQ(row.right, SHIFTBITSRIGHT(value, count));
      uint8_t byte = static_cast<uint8_t>(value);
      ROTATEBITSLEFT(&byte, count);
      EXPECT_EQ(row.rotated_left, std::byte{byte});
      byte = static_cast<uint8_t>(value);
      ROTATEBITSRIGHT(&byte, count);
      EXPECT_EQ(row.rotated_right, std::byte{byte});
    }
  }
}

TEST(CppBits, KnownAnswers) {
  namespace g = tolmer::geometry;
  static_assert(g::total_bits_set(-1, 0) == 32);
  static_assert(g::total_bits_set(-1, 5) == 5);
  static_assert(g::first_bit_set(0x100, -5, 0) == 8);
  static_assert(g::first_bit_set(0x100, 0, 8) == -1);  // bit 8 lies beyond count 8
  static_assert(g::first_bit_set(INT32_MIN, 31, 32) == 31);
  static_assert(g::shift_bits_left(1, 33) == 2);        // 33 mod 32
  static_assert(g::shift_bits_right(INT32_MIN, 31) == 1);
  static_assert(g::shift_bits_right(-1, -1) == 1);      // -1 mod 32 is 31; zeros enter
  static_assert(g::rotate_left(std::byte{0x81}, 1) == std::byte{0x03});
  static_assert(g::rotate_left(std::byte{0x81}, -1) == std::byte{0xC0});
  static_assert(g::rotate_right(std::byte{0x81}, 9) == std::byte{0xC0});
  constexpr auto bits = [] {
    std::array<std::byte, 2> b{};
    g::set_bit(b, 9);
    g::set_bit(b, 16);  // outside: nothing
    g::set_bit(b, -1);
    g::toggle_bit(b, 0);
    g::toggle_bit(b, 0);
    g::toggle_bit(b, 15);
    g::clear_bit(b, 9);
    g::set_bit(b, 3);
    return b;
  }();
  static_assert(bits[0] == std::byte{0x08} && bits[1] == std::byte{0x80});
  static_assert(!g::examine_bit(bits, -1) && !g::examine_bit(bits, 16) && g::examine_bit(bits, 15));
  EXPECT_EQ(g::total_bits_set(0x0F0F, 12), 8);
  EXPECT_EQ(bits[0], std::byte{0x08});
}

}  // namespace
