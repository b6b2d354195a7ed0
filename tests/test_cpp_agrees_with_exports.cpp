// The C++ interface's free functions and the C exports give the same answers
// on the same inputs. They are separate roads into the core (an export never
// calls a public C++ function), so this is where a difference would show.
// When the C++ interface is given a different answer on purpose, its row
// here changes with it.
#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "c_abi/process.h"
#include "frame/charconv.h"
#include "measure/scales.h"
#include "tolmer/tolmer.h"
#include "tolmerdll.h"

namespace {

std::string taken(LibString s) {
  std::string text = s == nullptr ? std::string() : std::string(s, std::strlen(s));
  FREELIBSTRING(s);
  return text;
}

uint64_t bits(double v) { return tolmer::bits_cast<uint64_t>(v); }
uint32_t bits(float v) { return tolmer::bits_cast<uint32_t>(v); }

const char* const kTexts[] = {"", "  ", "abc", "12 3/4", "3/16", "1,2.5,,x", "a\"b\",c", "Lib_3_12_5",
                              "lib_1_2", "Wall_1_2_3_4", "Wire_3_0_250_1", "TextBox_2", "12'6\"",
                              "C:\\plans\\a b\\plan.dwg", "/home/u/plan.dwg", "\\\\srv\\share\\x.txt",
                              "  Outlet  ", "duplex receptacle", "0", "-7.5", "1e3"};
const char* const kDelimiters[] = {"", ",", ";", "ab", " "};
const int32_t kIntegers[] = {-3, -1, 0, 1, 2, 3, 5, 12, 40, 250, 1000};
const double kReals[] = {-725.5, -360, -0.0, 0, 0.5, 1, 45, 90.25, 359, 360, 359.999, 725.5, 1e10};

TEST(CppAgreesWithExports, Text) {
  for (const char* text : kTexts) {
    for (const char* d : kDelimiters) {
      SCOPED_TRACE(std::string(text) + " | " + d);
      EXPECT_EQ(static_cast<int32_t>(tolmer::text::field_count(text, d)), PARSECOUNTDLL(text, d));
      for (int32_t position : kIntegers) {
        if (position < 1) continue;  // the C++ interface counts from 0 and never from the end
        const auto index = static_cast<std::size_t>(position) - 1;
        EXPECT_EQ(std::string(tolmer::text::field(text, index, d)),
                  taken(GETSTRINGPARTFROMSTRINGBYPOSITION(text, position, d)));
        EXPECT_EQ(bits(tolmer::text::field_value(text, index, d)),
                  bits(GETVALUEFROMSTRINGBYPOSITION(text, position, d)));
        char buffer[256];
        std::strcpy(buffer, text);
        const int32_t length = SETSTRINGPARTINSTRINGBYPOSITION(buffer, position, "XY", d);
        const auto replaced = tolmer::text::replace_field(text, index, "XY", d);
        EXPECT_EQ(replaced.has_value(), length >= 0);
        if (replaced) EXPECT_EQ(*replaced, buffer);
        std::strcpy(buffer, text);
        const int32_t removed = REMOVESTRINGINDELIMITEDSTRINGBYPOSITION(buffer, position, d);
        const tolmer::text::ListRemoval without = tolmer::text::list_without(text, index, d);
        EXPECT_EQ(without.removed, removed == 1);
        EXPECT_EQ(without.list, buffer);
        EXPECT_EQ(tolmer::text::remove_from_list(text, index, d).has_value(), removed == 1);
      }
      char delimiter[8];
      std::strcpy(delimiter, d);
      char list[256];
      std::strcpy(list, text);
      EXPECT_EQ(tolmer::text::add_to_list(text, "new", d), taken(ADDTODELIMITEDSTRING(list, "new", delimiter)));
      for (int keep : {0, 1}) {
        for (int match : {0, 1}) {
          std::strcpy(delimiter, d);
          const auto found = tolmer::text::find_in_list(text, "ABC", d, keep != 0, match != 0);
          EXPECT_EQ(found ? static_cast<int32_t>(*found) + 1 : 0,
                    ISSTRINGINDELIMITEDSTRING(text, "ABC", delimiter, keep, match));
        }
      }
      std::strcpy(delimiter, d);
      const std::array<std::string_view, 3> items{text, "", "z"};
      EXPECT_EQ(tolmer::text::join(items, d),
                taken(CREATEDELIMITEDSTRING(delimiter, text, "", "z", nullptr, nullptr, nullptr, nullptr,
                                            nullptr, nullptr, nullptr)));
      EXPECT_EQ(std::string(tolmer::text::effective_delimiter(d)), delimiter);
    }
    EXPECT_EQ(tolmer::text::reverse(text), taken(REVERSESTRING(text)));
    EXPECT_EQ(std::string(tolmer::text::strip_blanks(text)), taken(STRIPNULL(text)));
    EXPECT_EQ(tolmer::text::is_numeric(text), ISNUMERICDLL(text) != 0);
    const auto first = tolmer::text::first_of(text, "b,3");
    EXPECT_EQ(first ? static_cast<int32_t>(*first) + 1 : 0, STRINGCONTAINSCHARACTERS(text, "b,3"));
  }
  int32_t values[] = {4, 9, -2, 9, 0};
  TolmerLongArray array{};
  array.elements = values;
  array.flags = TOLMER_LONG_ARRAY_HAS_STORAGE;
  array.upper_bound = 4;
  char delimiter[8] = ";";
  EXPECT_EQ(tolmer::text::join(std::span<const int32_t>(values), ";"),
            taken(CREATEDELIMITEDSTRINGFROMLONGARRAY(delimiter, &array)));
  for (int32_t value : {9, -2, 7}) {
    for (int32_t first : {0, 2, 4, 9}) {
      const auto at = tolmer::text::index_of(value, values, static_cast<std::size_t>(first));
      EXPECT_EQ(at ? static_cast<int32_t>(*at) : -1, ISVALUEINLONGARRAY(value, values, 4, first));
    }
  }
}

TEST(CppAgreesWithExports, Catalog) {
  namespace catalog = tolmer::catalog;
  for (int32_t c : kIntegers) {
    for (int32_t s : kIntegers) {
      EXPECT_EQ(std::string(catalog::category_description(c, s)), taken(GETDESCRIPTIONFORCATEGORYTYPE(c, s)));
      EXPECT_EQ(std::string(catalog::item_types_code_string(c, s)), taken(GETITEMTYPESCODESTRING(c, s)));
      for (int32_t i : {0, 1, 2, 5, 250}) {
        EXPECT_EQ(std::string(catalog::sub_item_types_code_string(c, s, i)),
                  taken(GETSUBITEMTYPESCODESTRING(c, s, i)));
        EXPECT_EQ(catalog::library_name(c, s, i), taken(GETLIBRARYNAMEFROMCATEGORIES(c, s, i)));
        for (int32_t plural : {0, 1}) {
          EXPECT_EQ(std::string(catalog::item_name(c, s, i, plural != 0)),
                    taken(GETSYMBOLITEMNAMEFROMTYPE(c, s, i, plural)));
        }
        for (int32_t sub : {0, 1, 3}) {
          EXPECT_EQ(std::string(catalog::sub_item_name({c, s, i, sub})),
                    taken(GETSYMBOLSUBITEMNAMEFROMTYPE(c, s, i, sub)));
          EXPECT_EQ(catalog::wall_snap_index({c, s, i, sub}).value_or(0),
                    GETOBJECTWALLSNAPINDEXFROMCATEGORIES(c, s, i, sub));
        }
      }
      for (const char* name : kTexts) {
        char buffer[64];
        std::strcpy(buffer, name);
        EXPECT_EQ(catalog::item_type_from_name(c, s, name).value_or(0), GETSYMBOLITEMTYPEFROMNAME(c, s, buffer));
      }
    }
    EXPECT_EQ(std::string(catalog::subcategories_code_string(c)), taken(GETSUBCATEGORIESCODESTRING(c)));
    EXPECT_EQ(std::string(catalog::wire_type_description(c)), taken(GETDESCRIPTIONFORWIRETYPE(c)));
    EXPECT_EQ(std::string(catalog::drawing_tool_description(c)), taken(GETDESCRIPTIONFORDRAWINGTOOLTYPE(c)));
    EXPECT_EQ(catalog::is_symbol_view_number_valid(c, "1,2,3,12"), ISSYMBOLVIEWNUMBERVALID(c, "1,2,3,12") != 0);
  }
  for (const char* text : kTexts) {
    SCOPED_TRACE(text);
    int32_t c = 0, s = 0, i = 0;
    GETCATEGORIESFROMLIBRARYNAME(text, &c, &s, &i);
    const catalog::CatalogKey key = catalog::categories_from_library_name(text);
    EXPECT_EQ(key.category, c);
    EXPECT_EQ(key.sub_category, s);
    EXPECT_EQ(key.item_type, i);
    EXPECT_EQ(catalog::is_valid_library_name(text), ISVALIDLIBRARYNAME(text) != 0);
    EXPECT_EQ(catalog::is_wall(text), ISOBJECTAWALL(text) != 0);
    EXPECT_EQ(catalog::wire_type(text), ISOBJECTAWIRE(text));
    EXPECT_EQ(catalog::text_box_part(text), ISOBJECTPARTOFTEXTBOX(text));
  }
  EXPECT_EQ(catalog::highest_wall_snap_index(), GETHIGHESTOBJECTWALLSNAPINFOARRAYINDEX());
  EXPECT_EQ(std::string(catalog::folder_name_invalid_characters()), taken(GETFOLDERNAMEINVALIDCHARACTERS()));
  EXPECT_EQ(std::string(catalog::category_name_invalid_characters()), taken(GETCATEGORYNAMEINVALIDCHARACTERS()));
  EXPECT_EQ(std::string(catalog::circuit_name_invalid_characters()), taken(GETCIRCUITNAMEINVALIDCHARACTERS()));
  EXPECT_EQ(std::string(catalog::symbol_name_invalid_characters()), taken(GETSYMBOLNAMEINVALIDCHARACTERS()));
}

TEST(CppAgreesWithExports, Measure) {
  namespace measure = tolmer::measure;
  INITIALIZEDLL();
  for (int32_t system : {0, 1}) {
    for (int32_t unit = 0; unit < 4; ++unit) {
      for (int32_t index : {0, 1, 2, 5}) {
        const std::string bare = taken(GETMEASUREMENTDESIGNATOR(system, unit, index, 1));
        if (system == 0 && unit > 2) continue;
        const auto u = static_cast<tolmer::Unit>(system == 1 ? 3 + unit : unit);
        EXPECT_EQ(std::string(measure::designator_word(u, index)), bare);
      }
    }
    for (int32_t style = 0; style < 8; ++style) {
      for (float quantity : {0.5f, 1.0f, 2.0f}) {
        EXPECT_EQ(std::string(measure::measurement_label(static_cast<tolmer::System>(system),
                                                         static_cast<tolmer::LabelStyle>(style), quantity)),
                  taken(GETMEASUREMENTLABEL(system, style, quantity)));
      }
    }
    for (char c : std::string_view("0123456789./-' a\"")) {
      const char one[2] = {c, 0};
      EXPECT_EQ(measure::is_measurement_numeral(static_cast<tolmer::System>(system), c),
                ISVALIDMEASUREMENTSCALENUMERICALCHARACTER(system, one) != 0);
    }
    // The nearest standard scale is today's rule in the C++ interface (the
    // standard lists of tolmer/scale.h); the export keeps the classic rule
    // (tests/test_scale_notation.cpp shows where they part).
    for (double scale : {0.0, 0.02, 0.0416, 0.05, 1.0, 3.0}) {
      const auto family = system == 1 ? tolmer::scale::Family::Metric : tolmer::scale::Family::Architectural;
      EXPECT_EQ(measure::nearest_scale_denominator(static_cast<tolmer::System>(system), scale),
                tolmer::scale::nearest_standard(family, scale).value_or(0));
      EXPECT_EQ(GETNEARESTSCALERATIOVALUE(system, scale),
                tolmer::nearest_scale_denominator(static_cast<tolmer::System>(system), scale));
    }
  }
  for (float inches : {-30.0f, 0.0f, 1.0f, 12.0f, 150.5f, 1e6f}) {
    EXPECT_EQ(bits(measure::inches_to_feet(inches)), bits(CONVERTMEASUREMENT(inches, 0)));
    EXPECT_EQ(bits(measure::inches_to_meters(inches)), bits(CONVERTMEASUREMENT(inches, 1)));
    for (float denominator : {0.0f, 1.0f, 48.0f, 96.0f}) {
      EXPECT_EQ(bits(measure::inches_per_foot(inches, denominator)),
                bits(GETINCHESPERFOOTFROMSCALERATIO(inches, denominator)));
    }
  }
  for (const char* text : {"3/4", "12 3/4", "5\\8", "x 7/16 y", "1 1/2 and 3/8", "", "12"}) {
    SCOPED_TRACE(text);
    int32_t whole = -9, numerator = -9, denominator = -9;
    char separator[2] = "?";
    BREAKFRACTIONAPART(text, &whole, &numerator, &denominator, separator);
    const auto parts = measure::break_fraction_apart(text);
    if (parts) {
      EXPECT_EQ(parts->whole, whole);
      EXPECT_EQ(parts->numerator, numerator);
      EXPECT_EQ(parts->denominator, denominator);
      EXPECT_EQ(parts->separator, separator[0]);
    } else {
      EXPECT_EQ(whole, -9);
    }
    for (int32_t d : {2, 16, 64}) {
      EXPECT_EQ(measure::convert_fraction_denominator(text, d), taken(CONVERTFRACTIONDENOMINATOR(text, d)));
      EXPECT_EQ(measure::reduce_fraction(text, d), taken(REDUCEFRACTION(text, d)));
    }
    EXPECT_EQ(bits(measure::fraction_to_decimal(text)), bits(FRACTIONSTRINGTODECIMAL(text)));
    for (int32_t reversed : {0, -1}) {
      char remainder[64];
      std::strcpy(remainder, text);
      int32_t length = 0;
      float value = -1;
      const std::string fraction = taken(EXTRACTFRACTIONINTEXTSTRING(text, reversed, remainder, &length, &value));
      const auto found = measure::extract_fraction(text, reversed == -1);
      EXPECT_EQ(found.has_value(), !fraction.empty());
      if (found) {
        EXPECT_EQ(found->fraction, fraction);
        EXPECT_EQ(bits(found->value), bits(value));
      }
    }
    char entry[64];
    std::strcpy(entry, text);
    const std::string separated = taken(SEPARATEMEASUREMENTSINTEXTSTRING(entry));
    if (!tolmer::text::strip_blanks(text).empty()) EXPECT_EQ(measure::separate_measurements(text), separated);
  }
  for (float value : {0.0f, 0.5f, 0.3f, 2.75f, -1.125f}) {
    EXPECT_EQ(measure::decimal_to_fraction(value, 16), taken(DECIMALTOFRACTIONSTRING(value, 16)));
  }
  LibString text = MAKELIBSTRING("12 3/4 FT 6", 11);
  for (int32_t position : {1, 4, 6, 11}) {
    for (int32_t backwards : {0, -1}) {
      // The export counts from 1 and takes the caller's start from *start:
      // 1 there is byte 0, the C++ default.
      int32_t start = 1, end = 0;
      const float value = GETMEASUREMENTVALUEINTEXTSTRINGBYPOSITION(0, text, position, backwards, &start, &end);
      const measure::NumberAt at = measure::number_at(tolmer::System::English, "12 3/4 FT 6",
                                                      static_cast<std::size_t>(position - 1), backwards == -1);
      EXPECT_EQ(bits(at.value), bits(value));
      if (at.start) {
        EXPECT_EQ(*at.start + 1, static_cast<std::size_t>(start));
      }
      if (at.end) {
        EXPECT_EQ(*at.end, static_cast<std::size_t>(end));
      }
    }
  }
  FREELIBSTRING(text);
}

TEST(CppAgreesWithExports, GeometryAndHost) {
  namespace geometry = tolmer::geometry;
  for (double a : kReals) {
    for (double b : kReals) {
      EXPECT_EQ(bits(geometry::add_angle_offset(a, b)), bits(ADDANGLEOFFSET(a, b)));
      EXPECT_EQ(bits(geometry::rotate_degrees(a, b)), bits(ROTATEDEGREESVALUE(a, b)));
      EXPECT_EQ(bits(geometry::rotate_to_next_degree(a, b)), bits(ROTATETONEXTDEGREEVALUE(a, b)));
      EXPECT_EQ(static_cast<int32_t>(geometry::angle_passed_through_zero(a, b)), ANGLEPASSEDTHROUGHZERO(a, b));
      for (int32_t direction : {0, 1, 2, 3}) {
        EXPECT_EQ(bits(geometry::offset_from_angles(a, b, static_cast<geometry::Turn>(direction), 90)),
                  bits(GETOFFSETFROMANGLES(a, b, direction, 90)));
      }
      const tolmer::Rect r{a, b, b, a};
      const DoubleRect c{a, b, b, a};
      const DoubleRect unit{0, 0, 1, 1};
      EXPECT_EQ(static_cast<int32_t>(geometry::rect_in_rect(r, {0, 0, 1, 1})), RECTINRECT(&c, &unit));
      EXPECT_EQ(static_cast<int32_t>(geometry::rect_in_rect({0, 0, 1, 1}, r)), RECTINRECT(&unit, &c));
      EXPECT_EQ(geometry::is_point_in_rect(0.5, 0.5, r, true), ISPOINTINRECTDOUBLE(0.5, 0.5, &c, 1) != 0);
      double x1 = a, y1 = b, x2 = b, y2 = a;
      SETRECTLOWERLEFTJUSTIFIED(&x1, &y1, &x2, &y2);
      const tolmer::Rect j = geometry::lower_left_justified(r);
      EXPECT_EQ(bits(j.x1), bits(x1));
      EXPECT_EQ(bits(j.y2), bits(y2));
    }
    for (int32_t allow : {0, 1}) {
      EXPECT_EQ(bits(geometry::reduce_to_360(a, allow != 0)), bits(REDUCETO360DEGREEANGLE(a, allow)));
    }
  }
  for (int32_t value : {0, 1, 0x55, -1, INT32_MIN}) {
    for (int32_t count : {-1, 0, 1, 7, 31, 32, 33}) {
      EXPECT_EQ(geometry::total_bits_set(value, count), GETTOTALBITSSET(value, count));
      EXPECT_EQ(geometry::first_bit_set(value, 2, count), GETFIRSTBITSET(value, 2, count));
      EXPECT_EQ(geometry::shift_bits_left(value, count), SHIFTBITSLEFT(value, count));
      EXPECT_EQ(geometry::shift_bits_right(value, count), SHIFTBITSRIGHT(value, count));
      uint8_t byte = static_cast<uint8_t>(value);
      ROTATEBITSLEFT(&byte, count);
      EXPECT_EQ(geometry::rotate_left(std::byte(static_cast<uint8_t>(value)), count), std::byte(byte));
      byte = static_cast<uint8_t>(value);
      ROTATEBITSRIGHT(&byte, count);
      EXPECT_EQ(geometry::rotate_right(std::byte(static_cast<uint8_t>(value)), count), std::byte(byte));
    }
  }
  for (int32_t bit : {-1, 0, 5, 14}) {  // bit + 1 stays inside the two bytes
    std::array<std::byte, 2> cpp{std::byte{0x21}, std::byte{0x80}};
    uint8_t c[2] = {0x21, 0x80};
    EXPECT_EQ(geometry::examine_bit(cpp, bit), EXAMINEBIT(c, bit) != 0);
    geometry::toggle_bit(cpp, bit);
    TOGGLEBIT(c, bit);
    geometry::set_bit(cpp, bit + 1);
    SETBIT(c, bit + 1);
    geometry::clear_bit(cpp, 0);
    CLEARBIT(c, 0);
    EXPECT_EQ(std::memcmp(cpp.data(), c, 2), 0) << bit;
  }
  for (const char* path : kTexts) {
    // The path parts of the C++ interface also take '/' and UNC prefixes
    // (tests/test_host_portable_paths.cpp); on a path of the exports' own
    // form, backslashes, a drive and no surrounding spaces, they agree.
    const std::string_view p = path;
    if (p.find('/') == std::string_view::npos && !p.starts_with("\\\\") && p == tolmer::text::strip_blanks(p)) {
      EXPECT_EQ(std::string(tolmer::host::drive_of(path)), taken(GETDRIVEFROMPATH(path))) << p;
      EXPECT_EQ(std::string(tolmer::host::directory_of(path)), taken(GETDIRECTORYFROMPATH(path))) << p;
      EXPECT_EQ(std::string(tolmer::host::file_name_of(path)), taken(GETFILENAMEFROMPATH(path))) << p;
      EXPECT_EQ(std::string(tolmer::host::without_file_name(path)), taken(REMOVEFILENAMEFROMFULLPATH(path))) << p;
    }
    for (int32_t number : {0, 7, 123}) {
      EXPECT_EQ(tolmer::host::export_file_name(path, 3, number), taken(GETEXPORTFILENAME(path, 3, number)));
    }
  }
}

}  // namespace
