// The pieces of a typed length (reading_lexer.h).
#include "measure/reading_lexer.h"

#include <array>
#include <cmath>
#include <string>
#include <system_error>

#include "frame/charconv.h"

namespace tolmer::inline v1::reading {
namespace {

bool digit_at(std::string_view text, std::size_t at) noexcept {
  return at < text.size() && text[at] >= '0' && text[at] <= '9';
}

std::size_t digits_end(std::string_view text, std::size_t at) noexcept {
  while (digit_at(text, at)) ++at;
  return at;
}

bool is_letter(char c) noexcept { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// The code point at `at` when it is not ASCII (value 0 otherwise, or when
// the bytes are not UTF-8).
char32_t wide_at(std::string_view text, std::size_t at, std::size_t& size) noexcept {
  size = 0;
  if (at >= text.size() || static_cast<unsigned char>(text[at]) < 0x80) return 0;
  const CodePoint c = decode(text, at);
  size = c.size;
  return c.size == 0 ? 0 : c.value;
}

// A vulgar fraction character: its numerator, denominator and size.
struct Vulgar {
  double numerator = 0;
  double denominator = 0;
  std::size_t size = 0;
};
Vulgar vulgar_at(std::string_view text, std::size_t at) noexcept {
  std::size_t size = 0;
  const char32_t c = wide_at(text, at, size);
  struct Entry {
    char32_t c;
    double numerator, denominator;
  };
  static constexpr std::array<Entry, 19> kVulgar{{
      {0xBC, 1, 4},    {0xBD, 1, 2},    {0xBE, 3, 4},    {0x2150, 1, 7},  {0x2151, 1, 9},
      {0x2152, 1, 10}, {0x2153, 1, 3},  {0x2154, 2, 3},  {0x2155, 1, 5},  {0x2156, 2, 5},
      {0x2157, 3, 5},  {0x2158, 4, 5},  {0x2159, 1, 6},  {0x215A, 5, 6},  {0x215B, 1, 8},
      {0x215C, 3, 8},  {0x215D, 5, 8},  {0x215E, 7, 8},  {0x2189, 0, 3},
  }};
  if (c == 0) return {};
  for (const Entry& e : kVulgar)
    if (e.c == c) return {e.numerator, e.denominator, size};
  return {};
}

// The size of a fraction bar at `at`: the slash, U+2044 fraction slash,
// U+2215 division slash; 0 when none.
std::size_t bar_at(std::string_view text, std::size_t at) noexcept {
  if (at < text.size() && text[at] == '/') return 1;
  std::size_t size = 0;
  const char32_t c = wide_at(text, at, size);
  return c == 0x2044 || c == 0x2215 ? size : 0;
}

// The size of a space that groups digits at `at`: no-break, figure, thin
// and narrow no-break spaces, and with the decimal comma also the space.
std::size_t group_space_at(std::string_view text, std::size_t at, bool decimal_comma) noexcept {
  if (at >= text.size()) return 0;
  if (text[at] == ' ') return decimal_comma ? 1 : 0;
  std::size_t size = 0;
  const char32_t c = wide_at(text, at, size);
  return c == 0xA0 || c == 0x2007 || c == 0x2009 || c == 0x202F ? size : 0;
}

// The end of the characters that make up numbers, from `at`: where a number
// runs on into more number characters, all of them are the malformed number.
std::size_t number_run_end(std::string_view text, std::size_t at) noexcept {
  for (;;) {
    if (at >= text.size()) return at;
    const char c = text[at];
    if ((c >= '0' && c <= '9') || c == '.' || c == ',') {
      ++at;
    } else if (const std::size_t bar = bar_at(text, at)) {
      at += bar;
    } else if (const Vulgar v = vulgar_at(text, at); v.size != 0) {
      at += v.size;
    } else {
      return at;
    }
  }
}

// Whether the number just read runs on into a character that cannot follow
// it (a second point, a fraction bar, a vulgar fraction, a second decimal
// comma).
bool runs_on(std::string_view text, std::size_t at, bool decimal_comma) noexcept {
  if (at >= text.size()) return false;
  const char c = text[at];
  if (c == '.' || (decimal_comma && c == ',')) return true;
  return bar_at(text, at) != 0 || vulgar_at(text, at).size != 0;
}

NumberAt failure(ParseError error, std::size_t begin, std::size_t end) noexcept {
  NumberAt n;
  n.found = true;
  n.error = error;
  n.where = {begin, end};
  return n;
}

NumberAt malformed(std::string_view text, std::size_t begin, std::size_t at) noexcept {
  return failure(ParseError::MalformedNumber, begin, number_run_end(text, at));
}

// Digits as a double, exactly (correctly rounded).
bool convert(const char* first, const char* last, double& value) noexcept {
  const std::from_chars_result r = from_chars_general(first, last, value);
  return r.ec == std::errc{} && r.ptr == last && std::isfinite(value);
}

// digits, a fraction bar, digits at `at` (the caller saw the digits and the
// bar).
NumberAt fraction_at(std::string_view text, std::size_t at, bool decimal_comma) noexcept {
  const std::size_t numerator_end = digits_end(text, at);
  const std::size_t bar = bar_at(text, numerator_end);
  const std::size_t denominator_begin = numerator_end + bar;
  if (!digit_at(text, denominator_begin)) return malformed(text, at, denominator_begin);
  const std::size_t end = digits_end(text, denominator_begin);
  if (runs_on(text, end, decimal_comma) || (text.size() > end && text[end] == ',' && digit_at(text, end + 1)))
    return malformed(text, at, end);
  double numerator = 0;
  double denominator = 0;
  if (!convert(text.data() + at, text.data() + numerator_end, numerator) ||
      !convert(text.data() + denominator_begin, text.data() + end, denominator))
    return failure(ParseError::OutOfRange, at, end);
  if (denominator == 0) return failure(ParseError::ZeroDenominator, at, end);
  NumberAt n;
  n.found = true;
  n.where = {at, end};
  n.value = numerator / denominator;
  return n;
}

// The characters of a decimal number without its group separators, as
// from_chars reads them.
class Gathered {
 public:
  void push(char c) {
    if (size_ < small_.size()) {
      small_[size_] = c;
    } else {
      if (size_ == small_.size()) large_.assign(small_.data(), small_.size());
      large_.push_back(c);
    }
    ++size_;
  }
  void push(std::string_view text) {
    for (const char c : text) push(c);
  }
  const char* begin() const noexcept { return size_ <= small_.size() ? small_.data() : large_.data(); }
  const char* end() const noexcept { return begin() + size_; }

 private:
  std::array<char, 64> small_{};
  std::string large_;
  std::size_t size_ = 0;
};

}  // namespace

CodePoint decode(std::string_view text, std::size_t at) noexcept {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(at);
  if (lead < 0x80) return {lead, 1};
  std::size_t size = 0;
  char32_t value = 0;
  char32_t least = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    size = 2, value = lead & 0x1F, least = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    size = 3, value = lead & 0x0F, least = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    size = 4, value = lead & 0x07, least = 0x10000;
  } else {
    return {};
  }
  if (text.size() - at < size) return {};
  for (std::size_t i = 1; i < size; ++i) {
    const unsigned char b = byte(at + i);
    if ((b & 0xC0) != 0x80) return {};
    value = (value << 6) | (b & 0x3F);
  }
  if (value < least || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return {};
  return {value, size};
}

bool is_space(char32_t c) noexcept {
  return c == ' ' || c == '\t' || c == 0xA0 || (c >= 0x2000 && c <= 0x200A) || c == 0x202F;
}

std::size_t skip_spaces(std::string_view text, std::size_t at) noexcept {
  while (at < text.size()) {
    if (text[at] == ' ' || text[at] == '\t') {
      ++at;
      continue;
    }
    std::size_t size = 0;
    const char32_t c = wide_at(text, at, size);
    if (c == 0 || !is_space(c)) break;
    at += size;
  }
  return at;
}

DashAt dash_at(std::string_view text, std::size_t at) noexcept {
  if (at >= text.size()) return {};
  if (text[at] == '-') return {Dash::Hyphen, 1};
  if (text[at] == '+') return {Dash::Plus, 1};
  std::size_t size = 0;
  switch (wide_at(text, at, size)) {
    case 0x2010:
    case 0x2011: return {Dash::Hyphen, size};
    case 0x2013: return {Dash::EnDash, size};
    case 0x2014: return {Dash::EmDash, size};
    case 0x2212: return {Dash::Minus, size};
    default: return {};
  }
}

Scale scale_of(Unit unit) noexcept {
  switch (unit) {
    case Unit::Yards: return Scale::Yards;
    case Unit::Feet: return Scale::Feet;
    case Unit::Inches: return Scale::Inches;
    case Unit::Meters: return Scale::Meters;
    case Unit::Decimeters: return Scale::Decimeters;
    case Unit::Centimeters: return Scale::Centimeters;
    case Unit::Millimeters: return Scale::Millimeters;
  }
  return Scale::Inches;
}

UnitAt unit_at(std::string_view text, std::size_t at) noexcept {
  if (at >= text.size()) return {};
  // Marks: a foot mark, two foot marks (inches), an inch mark.
  const auto foot_mark = [&](std::size_t i) -> std::size_t {
    if (i >= text.size()) return 0;
    if (text[i] == '\'') return 1;
    std::size_t size = 0;
    const char32_t c = wide_at(text, i, size);
    return c == 0x2032 || c == 0x2019 || c == 0x2018 ? size : 0;
  };
  if (const std::size_t first = foot_mark(at)) {
    if (const std::size_t second = foot_mark(at + first)) return {Scale::Inches, at + first + second};
    return {Scale::Feet, at + first};
  }
  if (text[at] == '"') return {Scale::Inches, at + 1};
  if (static_cast<unsigned char>(text[at]) >= 0x80) {
    std::size_t size = 0;
    const char32_t c = wide_at(text, at, size);
    if (c == 0x2033 || c == 0x201D || c == 0x201C) return {Scale::Inches, at + size};
    return {};
  }
  // Words: the whole run of letters, any case, then an optional period.
  std::size_t end = at;
  while (end < text.size() && is_letter(text[end])) ++end;
  const std::size_t length = end - at;
  if (length == 0 || length > 11) return {};
  std::array<char, 12> lower{};
  for (std::size_t i = 0; i < length; ++i) lower[i] = static_cast<char>(text[at + i] | 0x20);
  const std::string_view word(lower.data(), length);
  struct Word {
    std::string_view word;
    Scale scale;
  };
  static constexpr std::array<Word, 35> kWords{{
      {"in", Scale::Inches},
      {"inch", Scale::Inches},
      {"inches", Scale::Inches},
      {"ft", Scale::Feet},
      {"foot", Scale::Feet},
      {"feet", Scale::Feet},
      {"yd", Scale::Yards},
      {"yds", Scale::Yards},
      {"yard", Scale::Yards},
      {"yards", Scale::Yards},
      {"mm", Scale::Millimeters},
      {"millimeter", Scale::Millimeters},
      {"millimeters", Scale::Millimeters},
      {"millimetre", Scale::Millimeters},
      {"millimetres", Scale::Millimeters},
      {"cm", Scale::Centimeters},
      {"centimeter", Scale::Centimeters},
      {"centimeters", Scale::Centimeters},
      {"centimetre", Scale::Centimeters},
      {"centimetres", Scale::Centimeters},
      {"dm", Scale::Decimeters},
      {"decimeter", Scale::Decimeters},
      {"decimeters", Scale::Decimeters},
      {"decimetre", Scale::Decimeters},
      {"decimetres", Scale::Decimeters},
      {"m", Scale::Meters},
      {"meter", Scale::Meters},
      {"meters", Scale::Meters},
      {"metre", Scale::Meters},
      {"metres", Scale::Meters},
      {"km", Scale::Kilometers},
      {"kilometer", Scale::Kilometers},
      {"kilometers", Scale::Kilometers},
      {"kilometre", Scale::Kilometers},
      {"kilometres", Scale::Kilometers},
  }};
  for (const Word& w : kWords) {
    if (w.word == word) {
      if (end < text.size() && text[end] == '.') ++end;
      return {w.scale, end};
    }
  }
  return {};
}

std::size_t unknown_end(std::string_view text, std::size_t at) noexcept {
  if (at >= text.size()) return at;
  if (is_letter(text[at])) {
    while (at < text.size() && (is_letter(text[at]) || text[at] == '.')) ++at;
    return at;
  }
  const CodePoint c = decode(text, at);
  return at + (c.size == 0 ? 1 : c.size);
}

NumberAt number_at(std::string_view text, std::size_t at, bool decimal_comma) {
  const std::size_t begin = at;
  NumberAt n;
  n.found = true;
  // A vulgar fraction alone.
  if (const Vulgar v = vulgar_at(text, at); v.size != 0) {
    const std::size_t end = at + v.size;
    if (runs_on(text, end, decimal_comma) || digit_at(text, end)) return malformed(text, begin, end);
    n.where = {begin, end};
    n.value = v.numerator / v.denominator;
    return n;
  }
  const char point = decimal_comma ? ',' : '.';
  const char group = decimal_comma ? '.' : ',';
  Gathered gathered;
  bool grouped = false;
  // The whole digits, with their group separators.
  const std::size_t first_group_end = digits_end(text, at);
  const bool whole = first_group_end > at;
  if (whole) {
    const bool may_group = first_group_end - at <= 3;
    gathered.push(text.substr(at, first_group_end - at));
    at = first_group_end;
    for (;;) {
      if (at < text.size() && text[at] == group && digit_at(text, at + 1)) {
        const std::size_t group_end = digits_end(text, at + 1);
        if (!may_group || group_end - at != 4) return failure(ParseError::BadGrouping, at, at + 1);
        gathered.push(text.substr(at + 1, 3));
        at = group_end;
        grouped = true;
        continue;
      }
      if (const std::size_t space = group_space_at(text, at, decimal_comma); space != 0 && may_group) {
        const std::size_t group_end = digits_end(text, at + space);
        if (group_end - (at + space) == 3 && bar_at(text, group_end) == 0) {
          gathered.push(text.substr(at + space, 3));
          at = group_end;
          grouped = true;
          continue;
        }
      }
      break;
    }
  }
  // The decimal point and the digits after it.
  bool has_point = false;
  if (at < text.size() && text[at] == point && (whole || digit_at(text, at + 1))) {
    has_point = true;
    gathered.push('.');
    const std::size_t end = digits_end(text, at + 1);
    gathered.push(text.substr(at + 1, end - at - 1));
    at = end;
    if (!decimal_comma && at < text.size() && text[at] == ',' && digit_at(text, at + 1))
      return failure(ParseError::BadGrouping, at, at + 1);
  } else if (!whole) {
    n.found = false;
    return n;
  }
  // The exponent.
  bool has_exponent = false;
  if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
    std::size_t i = at + 1;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    if (!digit_at(text, i)) return failure(ParseError::MalformedNumber, begin, i);
    const std::size_t end = digits_end(text, i);
    gathered.push('e');
    gathered.push(text.substr(at + 1, end - at - 1));
    at = end;
    has_exponent = true;
  }
  const bool integer = !has_point && !has_exponent;
  // A fraction: digits, a bar, digits.
  if (integer && !grouped && bar_at(text, at) != 0) return fraction_at(text, begin, decimal_comma);
  if (runs_on(text, at, decimal_comma) && !(integer && vulgar_at(text, at).size != 0))
    return malformed(text, begin, at);
  double value = 0;
  if (!convert(gathered.begin(), gathered.end(), value)) return failure(ParseError::OutOfRange, begin, at);
  n.where = {begin, at};
  n.value = value;
  if (!integer) return n;
  // A whole number and a fraction: 6½, 6 ½, 6-½, 6 1/2, 6-1/2, 6 - 1/2.
  if (const Vulgar v = vulgar_at(text, at); v.size != 0) {
    const std::size_t end = at + v.size;
    if (runs_on(text, end, decimal_comma) || digit_at(text, end)) return malformed(text, begin, end);
    n.where.end = end;
    n.value = value + v.numerator / v.denominator;
    return n;
  }
  std::size_t next = skip_spaces(text, at);
  if (const DashAt dash = dash_at(text, next); dash.kind == Dash::Hyphen) next = skip_spaces(text, next + dash.size);
  if (next == at) return n;
  if (const Vulgar v = vulgar_at(text, next); v.size != 0) {
    const std::size_t end = next + v.size;
    if (runs_on(text, end, decimal_comma) || digit_at(text, end)) return malformed(text, next, end);
    n.where.end = end;
    n.value = value + v.numerator / v.denominator;
    return n;
  }
  if (digit_at(text, next) && bar_at(text, digits_end(text, next)) != 0) {
    const NumberAt fraction = fraction_at(text, next, decimal_comma);
    if (fraction.error != ParseError::None) return fraction;
    n.where.end = fraction.where.end;
    n.value = value + fraction.value;
  }
  return n;
}

}  // namespace tolmer::reading
