// The C++ interface where it adds behaviour: contexts, reading diagnostics,
// validation as values, appending formats, views into the catalog.
#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "test_support.h"
#include "tolmer/tolmer.h"
#include "tolmerdll.h"

namespace {

using tolmer::ByteRange;
using tolmer::DisplayFormat;
using tolmer::Library;
using tolmer::Unit;

std::vector<std::string> texts(std::string_view entry, const std::vector<ByteRange>& ranges) {
  std::vector<std::string> out;
  for (const ByteRange& r : ranges) out.emplace_back(entry.substr(r.begin, r.end - r.begin));
  return out;
}

TEST(LibraryContext, IsCreatedInitialised) {
  const Library library;
  ASSERT_TRUE(library.paper_upper_bound().has_value());
  EXPECT_EQ(*library.paper_upper_bound(), 40);
  EXPECT_EQ(library.paper(0)->name, "Generic Letter");
  EXPECT_EQ(library.scale_ratio(tolmer::System::English, tolmer::ScalePart::Denominator, 11), 768);
  EXPECT_EQ(library.temp_upper_bound(), 0);
  EXPECT_EQ(library.conversion_places(tolmer::System::Metric), 0);
  EXPECT_EQ(library.inches_to_millimeters(1.0), 25.399999618530273);
}

TEST(LibraryContext, ContextsAreIndependent) {
  Library a{tolmer::RandomSeed{3}};
  Library b{tolmer::RandomSeed{3}};
  a.set_paper_field(0, tolmer::PaperField::Width, 99);
  a.temp_append("only in a");
  a.set_conversion_places(tolmer::System::English, 5);
  const int32_t first = a.random_value();
  EXPECT_EQ(b.paper(0)->width, 8.5f);
  EXPECT_FALSE(b.temp_find("only in a").has_value());
  EXPECT_EQ(b.conversion_places(tolmer::System::English), 0);
  EXPECT_EQ(b.random_value(), first);  // b's stream (the same seed) had not moved
  // Neither touches the C interface's context.
  INITIALIZEDLL();
  EXPECT_EQ(GETPAPERINFOWIDTH(0, 1), 8.5f);
  EXPECT_EQ(ACCESSTEMPSTRINGARRAY(0, "only in a"), -1);
}

TEST(LibraryContext, ReinitialiseKeepsPlacesAndSeed) {
  Library library;
  library.set_conversion_places(tolmer::System::Metric, 3);
  library.set_paper_field(0, tolmer::PaperField::Width, 1);
  library.temp_append("x");
  library.set_seed(7);
  library.reinitialize();
  EXPECT_EQ(library.paper(0)->width, 8.5f);
  EXPECT_EQ(library.temp_upper_bound(), 0);
  EXPECT_EQ(library.conversion_places(tolmer::System::Metric), 3);
  EXPECT_EQ(library.seed(), 7u);
}

TEST(LibraryContext, MovedFromContextsCanBeReassigned) {
  Library a;
  a.temp_append("kept");
  Library b = std::move(a);
  EXPECT_EQ(b.temp_find("kept"), 1);
  a = Library();
  EXPECT_EQ(a.temp_upper_bound(), 0);
}

// Reading reports the bytes no unit word consumed, in the entry as typed.
TEST(CppLengthReading, ReportsUnreadBytes) {
  struct Case {
    std::string_view entry;
    float inches;
    std::vector<std::string> unread;
  };
  const std::vector<Case> cases = {
      {"12'6", 144, {"6"}},
      {"2,500 mm", static_cast<float>(500 / 25.399999618530273), {"2,"}},
      {"12' 6\"", 150, {}},
      {"12'6 1/2\"", 150.5f, {}},
      {"  5 ft 3 in  ", 63, {}},
      {"abc 3 in", 3, {"abc"}},
      {"7", 0, {"7"}},
      {"", 0, {}},
      // A hyphen that joins feet and inches, or inches and a fraction, reads
      // as a space and is not reported; one that joins nothing is.
      {"12'-6\"", 150, {}},
      {"3'-4 3/8\"", 40.375f, {}},
      {"12 ft-6 in", 150, {}},
      {"6-1/2\"", 6.5f, {}},
      {"12' 6 - 1/2\"", 150.5f, {}},
      {"1 - 1/2", 0, {"1 - 1/2"}},
      {"12'-6", 144, {"6"}},
      // Spaces the reading skips: between a number and its unit, between a
      // whole number and its fraction.
      {"6  in", 6, {}},
      {"6  1/2\"", 6.5f, {}},
      {"6 -  1/2 in", 6.5f, {}},
  };
  const Library library;
  INITIALIZEDLL();  // the C interface's context, compared with below
  for (const Case& c : cases) {
    const tolmer::LengthReading r = library.read_length(c.entry);
    EXPECT_TRUE(r.ok()) << c.entry;
    EXPECT_FLOAT_EQ(r.inches, c.inches) << c.entry;
    EXPECT_EQ(texts(c.entry, r.unread), c.unread) << c.entry;
    // The C interface reads the same length from the separated text.
    const std::string separated = tolmer::measure::separate_measurements(c.entry);
    EXPECT_EQ(r.inches, CONVERTTEXTSTRINGVALUETOINCHES(separated.c_str(), 0, nullptr, nullptr))
        << c.entry;
  }
}

TEST(CppLengthReading, NamesTheUnitOverItsMaximumWithItsBytes) {
  struct Case {
    std::string_view entry;
    Unit unit;
    std::string number;
  };
  const std::vector<Case> cases = {
      {"300' 6\"", Unit::Feet, "300"},
      {"1' 250\"", Unit::Inches, "250"},
      {"2 m 700 mm", Unit::Millimeters, "700"},
      {"150  ft", Unit::Feet, "150"},
      {"101-1/2\"", Unit::Inches, "101-1/2"},
  };
  const Library library;
  for (const Case& c : cases) {
    const tolmer::LengthReading r = library.read_length(c.entry, 100);
    ASSERT_FALSE(r.ok()) << c.entry;
    EXPECT_EQ(*r.too_large, c.unit) << c.entry;
    EXPECT_EQ(std::string(c.entry.substr(r.number.begin, r.number.end - r.number.begin)), c.number)
        << c.entry;
  }
}

TEST(CppValidation, GivesMessageSelectionAndEchoAsValues) {
  const Library library;
  const DisplayFormat display{};  // English, 12' 6 1/2", sixteenths
  const tolmer::Validation ok = library.validate("12'6 1/2", {0, 1000, 10000}, display);
  EXPECT_TRUE(ok.accepted);
  EXPECT_EQ(ok.result, 144);  // the 6 1/2 has no unit word: it is reported
  EXPECT_EQ(ok.echo, "12'");
  EXPECT_EQ(texts("12'6 1/2", ok.unread), std::vector<std::string>{"6 1/2"});

  const tolmer::Validation big = library.validate("3' 250\"", {0, 100, 10000}, display);
  EXPECT_FALSE(big.accepted);
  EXPECT_EQ(big.result, -1);
  EXPECT_EQ(big.message, "The value you have entered for inches is invalid. The value cannot exceed 100.");
  ASSERT_TRUE(big.select.has_value());
  EXPECT_EQ(*big.select, (ByteRange{3, 6}));  // "250"

  const tolmer::Validation small = library.validate("2\"", {6, 100, 10000}, display);
  EXPECT_FALSE(small.accepted);
  EXPECT_EQ(small.result, 0);
  EXPECT_EQ(small.message, "The minimum value for this measurement is 6 inches.");
  EXPECT_FALSE(small.select.has_value());
}

TEST(CppFormatting, AppendsToTheCallersBufferAndMatchesTheExport) {
  const Library library;
  INITIALIZEDLL();  // the C interface's context, compared with below
  const std::array<DisplayFormat, 3> displays = {
      DisplayFormat{},
      DisplayFormat{tolmer::System::Metric, tolmer::Format::MillimetersShort,
                    tolmer::FractionMode::Decimal, 3},
      DisplayFormat{tolmer::System::English, tolmer::Format::FeetInchesWords,
                    tolmer::FractionMode::Fraction, 16},
  };
  for (const DisplayFormat& d : displays) {
    std::string buffer = "prefix|";
    buffer.reserve(64);
    const char* storage = buffer.data();
    library.format_to(buffer, 150.5, d);
    EXPECT_EQ(buffer.data(), storage);  // no new storage
    const std::string exported = test_support::take(GETFORMATEDTEXTFROMINCHES(
        static_cast<int32_t>(d.system), static_cast<int32_t>(d.format),
        static_cast<int32_t>(d.mode), 150.5, d.places, 0));
    EXPECT_EQ(buffer, "prefix|" + exported);
    EXPECT_EQ(library.format(150.5, d), exported);
  }
}

TEST(CppCatalog, LookupsAreViewsIntoConstantTables) {
  const std::string_view a = tolmer::catalog::category_description(1, 0);
  const std::string_view b = tolmer::catalog::category_description(1, 0);
  EXPECT_FALSE(a.empty());
  EXPECT_EQ(a.data(), b.data());
  EXPECT_EQ(a, test_support::take(GETDESCRIPTIONFORCATEGORYTYPE(1, 0)));
  EXPECT_TRUE(tolmer::catalog::item_name(7, 0, 0, false).empty());
  EXPECT_FALSE(tolmer::catalog::wall_snap_index({7, 0, 0, 0}).has_value());
}

TEST(CppBits, StayInsideTheSpan) {
  std::array<std::byte, 2> bits{};
  tolmer::geometry::set_bit(bits, 9);
  tolmer::geometry::set_bit(bits, 16);  // outside: nothing written
  tolmer::geometry::set_bit(bits, -1);
  EXPECT_EQ(bits[1], std::byte{2});
  EXPECT_EQ(bits[0], std::byte{0});
  EXPECT_TRUE(tolmer::geometry::examine_bit(bits, 9));
  EXPECT_FALSE(tolmer::geometry::examine_bit(bits, 16));
}

TEST(CppText, ListWithoutKeepsTheRejoinedListWhenNothingIsRemoved) {
  struct Case {
    std::string_view list;
    std::size_t position;  // 0-based
    std::string_view delimiter;
    std::string rejoined;
    bool removed;
  };
  const std::vector<Case> cases = {
      {",a,b", 4, ",", "a,b", false},  // no field 4: the empty front field still vanishes
      {",a,b", SIZE_MAX, ",", "a,b", false},
      {"a,b,c", 1, "", "a,c", true},   // empty delimiter: ","
      {"a;;b", 1, ";", "a;b", true},
      {"a;b", 2, ";", "a;b", false},
  };
  for (const Case& c : cases) {
    const tolmer::text::ListRemoval r = tolmer::text::list_without(c.list, c.position, c.delimiter);
    EXPECT_EQ(r.list, c.rejoined) << c.list << " " << c.position;
    EXPECT_EQ(r.removed, c.removed) << c.list << " " << c.position;
    const auto optional = tolmer::text::remove_from_list(c.list, c.position, c.delimiter);
    EXPECT_EQ(optional.has_value(), c.removed) << c.list;
  }
  EXPECT_EQ(tolmer::text::effective_delimiter(""), ",");
  EXPECT_EQ(tolmer::text::effective_delimiter(";"), ";");
}

TEST(CppCatalog, LibraryNameFieldsTellAReadMinusOneFromAMissingField) {
  struct Case {
    std::string_view name;
    int32_t category;
    std::optional<int32_t> sub_category;
    std::optional<int32_t> item_type;
  };
  const std::vector<Case> cases = {
      {"lib_1_2", 1, 2, std::nullopt},
      {"lib_1_2_3", 1, 2, 3},
      {"lib_1_-1", 1, -1, std::nullopt},  // read, though it equals the "missing" -1
      {"lib_4_0_-1_LIB.VDF", 4, 0, -1},
      {"lib", 0, std::nullopt, std::nullopt},
  };
  for (const Case& c : cases) {
    const tolmer::catalog::LibraryNameFields f = tolmer::catalog::library_name_fields(c.name);
    EXPECT_EQ(f.category, c.category) << c.name;
    EXPECT_EQ(f.sub_category, c.sub_category) << c.name;
    EXPECT_EQ(f.item_type, c.item_type) << c.name;
  }
}

TEST(CppCatalog, LibraryNameValueHoldsTheLongestName) {
  struct Case {
    int32_t category, sub_category, item_type;
    std::string_view name;
  };
  constexpr int32_t kMin = INT32_MIN, kMax = INT32_MAX;
  const std::vector<Case> cases = {
      {1, 2, 3, "lib_1_2_3"},
      {1, 2, 0, "lib_1_2"},  // no item type at 0 or below
      {kMin, kMin, kMax, "lib_-2147483648_-2147483648_2147483647"},
  };
  for (const Case& c : cases) {
    const auto value = tolmer::catalog::library_name_value(c.category, c.sub_category, c.item_type);
    EXPECT_EQ(value.view(), c.name);
    EXPECT_EQ(tolmer::catalog::library_name(c.category, c.sub_category, c.item_type), c.name);
  }
}

TEST(CppCatalog, ItemTypeFromNameTrimsAndUpperCases) {
  EXPECT_EQ(tolmer::catalog::item_type_from_name(1, 5, "  speaker  "), 11);
  EXPECT_EQ(tolmer::catalog::item_type_from_name(1, 5, "Speaker"), 11);
  EXPECT_FALSE(tolmer::catalog::item_type_from_name(1, 5, std::string(300, 'x')).has_value());
  EXPECT_FALSE(tolmer::catalog::item_type_from_name(1, 5, "   ").has_value());
}

TEST(CppTypedText, NumberAtTakesTheCallersStartWhereItFindsNone) {
  struct Case {
    std::string_view text;
    std::size_t position;
    bool backwards;
    std::size_t start_before;
    std::optional<std::size_t> start;
    std::optional<std::size_t> end;
  };
  const std::vector<Case> cases = {
      // A number at the very start has no start of its own: its end is
      // reckoned from the caller's start.
      {"5 FT", 0, false, 0, std::nullopt, 1},
      {"5 FT", 0, false, 2, std::nullopt, 3},
      {"12 FT", 0, false, 1, std::nullopt, 3},
      // An end past the text is none.
      {"12 FT", 0, false, 7, std::nullopt, std::nullopt},
      // A start found in the text wins over the caller's.
      {"AB 12 FT", 4, true, 8, 3, 5},
      // Backwards from past the end: from the text's end.
      {"AB 12", 99, true, 0, 3, 5},
      // Forwards from the end or past it: nothing.
      {"AB 12", 5, false, 0, std::nullopt, std::nullopt},
      {"AB 12", static_cast<std::size_t>(-1), false, 0, std::nullopt, std::nullopt},
      {"", 0, true, 0, std::nullopt, std::nullopt},
  };
  for (const Case& c : cases) {
    const tolmer::measure::NumberAt r = tolmer::measure::number_at(
        tolmer::System::English, c.text, c.position, c.backwards, c.start_before);
    EXPECT_EQ(r.start, c.start) << c.text << " " << c.position << " " << c.start_before;
    EXPECT_EQ(r.end, c.end) << c.text << " " << c.position << " " << c.start_before;
  }
}

}  // namespace
