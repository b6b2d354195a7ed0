// Reads the rows of tests/data/lengths.tsv.
#include "lengths_table.h"

#include <array>
#include <cstdlib>
#include <stdexcept>

namespace tolmer::inline v1::testdata {
namespace {

constexpr std::array<std::string_view, 16> kErrorNames{
    "None",           "Empty",           "InvalidUtf8", "UnknownText",  "MissingNumber", "MissingUnit",
    "AmbiguousAfterMeters", "MalformedNumber", "ZeroDenominator", "OutOfRange",  "BadGrouping",
    "MisplacedDash",  "MisplacedSign",   "RepeatedUnit", "UnitOrder",    "MixedSystems",
};

[[noreturn]] void bad(int line, const std::string& why) {
  throw std::runtime_error("lengths.tsv line " + std::to_string(line) + ": " + why);
}

void append_utf8(std::string& out, unsigned long c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

std::string unescape(std::string_view text, int line) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\') {
      out += text[i];
      continue;
    }
    if (i + 1 >= text.size()) bad(line, "a backslash ends the entry");
    const char kind = text[++i];
    if (kind == 't') {
      out += '\t';
    } else if (kind == '\\') {
      out += '\\';
    } else if (kind == 'x' || kind == 'u') {
      const std::size_t digits = kind == 'x' ? 2 : 4;
      if (i + digits >= text.size()) bad(line, "a short escape");
      const std::string hex(text.substr(i + 1, digits));
      char* end = nullptr;
      const unsigned long value = std::strtoul(hex.c_str(), &end, 16);
      if (hex.size() != digits || end != hex.c_str() + digits) bad(line, "a malformed escape");
      if (kind == 'x') {
        out += static_cast<char>(value);
      } else {
        append_utf8(out, value);
      }
      i += digits;
    } else {
      bad(line, std::string("an unknown escape \\") + kind);
    }
  }
  return out;
}

std::vector<std::string_view> split(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  for (;;) {
    const std::size_t at = text.find(separator);
    parts.push_back(text.substr(0, at));
    if (at == std::string_view::npos) return parts;
    text.remove_prefix(at + 1);
  }
}

std::size_t number(std::string_view text, int line) {
  if (text.empty()) bad(line, "a byte position is missing");
  std::size_t value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') bad(line, "a byte position is not a number: " + std::string(text));
    value = value * 10 + static_cast<std::size_t>(c - '0');
  }
  return value;
}

ByteRange range(std::string_view text, int line) {
  const std::size_t dash = text.find('-');
  if (dash == std::string_view::npos) bad(line, "a byte range without a dash");
  return {number(text.substr(0, dash), line), number(text.substr(dash + 1), line)};
}

ParseOptions options(std::string_view text, int line) {
  ParseOptions options;
  if (text == "-") return options;
  for (const std::string_view option : split(text, ',')) {
    if (option == "decimal_comma") {
      options.decimal_comma = true;
    } else if (option == "lenient") {
      options.lenient = true;
    } else if (option.substr(0, 5) == "unit=") {
      static constexpr std::array<std::pair<std::string_view, Unit>, 7> kUnits{{
          {"yd", Unit::Yards}, {"ft", Unit::Feet}, {"in", Unit::Inches}, {"m", Unit::Meters},
          {"dm", Unit::Decimeters}, {"cm", Unit::Centimeters}, {"mm", Unit::Millimeters},
      }};
      for (const auto& [name, unit] : kUnits)
        if (option.substr(5) == name) options.default_unit = unit;
      if (!options.default_unit) bad(line, "an unknown unit in " + std::string(option));
    } else {
      bad(line, "an unknown option " + std::string(option));
    }
  }
  return options;
}

}  // namespace

std::string_view error_name(ParseError error) {
  const auto index = static_cast<std::size_t>(error);
  return index < kErrorNames.size() ? kErrorNames[index] : std::string_view();
}

std::vector<LengthRow> length_rows() {
  std::vector<LengthRow> rows;
  int line_number = 0;
  for (std::string_view line : split(lengths_tsv(), '\n')) {
    ++line_number;
    if (line.empty() || line.front() == '#') continue;
    const std::vector<std::string_view> columns = split(line, '\t');
    if (columns.size() < 3 || columns.size() > 4) bad(line_number, "three or four columns expected");
    LengthRow row;
    row.line = line_number;
    row.source = std::string(line);
    row.entry = unescape(columns[0], line_number);
    row.options = options(columns[1], line_number);
    const std::string_view expected = columns[2];
    if (expected.substr(0, 6) == "error:") {
      const std::size_t at = expected.find('@');
      if (at == std::string_view::npos) bad(line_number, "an error without its bytes");
      const std::string_view name = expected.substr(6, at - 6);
      for (std::size_t i = 1; i < kErrorNames.size(); ++i)
        if (kErrorNames[i] == name) row.error = static_cast<ParseError>(i);
      if (row.error == ParseError::None) bad(line_number, "an unknown error " + std::string(name));
      row.where = range(expected.substr(at + 1), line_number);
    } else {
      const std::string text(expected);
      char* end = nullptr;
      row.inches = std::strtod(text.c_str(), &end);
      if (text.empty() || end != text.c_str() + text.size()) bad(line_number, "expected inches or error:");
    }
    if (columns.size() == 4)
      for (const std::string_view r : split(columns[3], ',')) row.unread.push_back(range(r, line_number));
    rows.push_back(std::move(row));
  }
  return rows;
}

}  // namespace tolmer::testdata
