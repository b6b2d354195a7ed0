// Today's reading of a typed length: the structure of an entry (a sign,
// parts, separators) over the pieces of reading_lexer.h.
#include "measure/reading.h"

#include <cmath>
#include <cstddef>

#include "measure/reading_lexer.h"

namespace tolmer::inline v1::reading {
namespace {

// Inches per English unit and millimetres per metric unit, by Scale.
double inches_per(Scale scale) noexcept {
  switch (scale) {
    case Scale::Yards: return 36.0;
    case Scale::Feet: return 12.0;
    default: return 1.0;
  }
}
double millimeters_per(Scale scale) noexcept {
  switch (scale) {
    case Scale::Kilometers: return 1e6;
    case Scale::Meters: return 1000.0;
    case Scale::Decimeters: return 100.0;
    case Scale::Centimeters: return 10.0;
    default: return 1.0;
  }
}

bool is_ascii_letter(char c) noexcept { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// The first byte of `text` that is not UTF-8, or the size of the text.
std::size_t first_invalid(std::string_view text) noexcept {
  std::size_t at = 0;
  while (at < text.size()) {
    if (static_cast<unsigned char>(text[at]) < 0x80) {
      ++at;
      continue;
    }
    const CodePoint c = decode(text, at);
    if (c.size == 0) return at;
    at += c.size;
  }
  return at;
}

class Reader {
 public:
  Reader(std::string_view text, const ParseOptions& options) : text_(text), options_(options) {}

  ParseResult read() {
    if (!options_.lenient) {
      if (const std::size_t bad = first_invalid(text_); bad < text_.size()) {
        fail(ParseError::InvalidUtf8, bad, bad + 1);
        return std::move(result_);
      }
    }
    if (read_entry()) {
      const Length total = metric_ ? Length::from_millimeters(millimeters_) : Length::from_inches(inches_);
      result_.length = negative_ ? -total : total;
    } else {
      result_.length = Length();
      result_.unread.clear();
    }
    return std::move(result_);
  }

 private:
  bool fail(ParseError error, std::size_t begin, std::size_t end) {
    result_.error = error;
    result_.where = {begin, end};
    return false;
  }

  // Text not understood: an error, or with the lenient option a range of
  // unread bytes (the first such error is kept for an entry of which
  // nothing is read).
  bool not_understood(ParseError error, std::size_t begin, std::size_t end) {
    if (!options_.lenient) return fail(error, begin, end);
    if (first_skipped_ == ParseError::None) {
      first_skipped_ = error;
      first_skipped_where_ = {begin, end};
    }
    result_.unread.push_back({begin, end});
    return true;
  }

  // A leading sign; false on an error.
  bool read_sign() {
    const DashAt sign = dash_at(text_, at_);
    switch (sign.kind) {
      case Dash::None: return true;
      case Dash::EmDash: return fail(ParseError::MisplacedDash, at_, at_ + sign.size);
      case Dash::Plus: break;
      default: negative_ = true; break;
    }
    const std::size_t sign_at = at_;
    at_ = skip_spaces(text_, at_ + sign.size);
    if (at_ == text_.size()) return fail(ParseError::MisplacedDash, sign_at, sign_at + sign.size);
    const DashAt second = dash_at(text_, at_);
    if (second.kind == Dash::Plus) return fail(ParseError::MisplacedSign, at_, at_ + second.size);
    if (second.kind != Dash::None) return fail(ParseError::MisplacedDash, at_, at_ + second.size);
    return true;
  }

  // One part: a number and its unit (or a bare number). `number` was read
  // at at_.
  bool read_part(const NumberAt& number) {
    const std::size_t after = skip_spaces(text_, number.where.end);
    const UnitAt unit = unit_at(text_, after);
    Scale scale = Scale::Inches;
    ByteRange where = number.where;
    if (unit.end != 0) {
      scale = unit.scale;
      where = {after, unit.end};
      at_ = unit.end;
    } else {
      // A word that is no unit, right after the number: that word is the
      // error (lenient: it is skipped, and the number stands bare).
      if (!options_.lenient && after < text_.size() && is_ascii_letter(text_[after]))
        return fail(ParseError::UnknownText, after, unknown_end(text_, after));
      at_ = number.where.end;
      if (parts_ > 0 && last_ == Scale::Feet) {
        scale = Scale::Inches;
      } else if (parts_ > 0 && last_ == Scale::Meters) {
        return fail(ParseError::AmbiguousAfterMeters, number.where.begin, number.where.end);
      } else if (options_.default_unit) {
        scale = scale_of(*options_.default_unit);
      } else {
        return not_understood(ParseError::MissingUnit, number.where.begin, number.where.end);
      }
    }
    if (parts_ > 0) {
      if (is_metric(scale) != is_metric(last_)) return fail(ParseError::MixedSystems, where.begin, where.end);
      if (scale == last_) return fail(ParseError::RepeatedUnit, where.begin, where.end);
      if (scale < last_) return fail(ParseError::UnitOrder, where.begin, where.end);
    }
    metric_ = is_metric(scale);
    double& sum = metric_ ? millimeters_ : inches_;
    sum += number.value * (metric_ ? millimeters_per(scale) : inches_per(scale));
    if (!std::isfinite(sum)) return fail(ParseError::OutOfRange, number.where.begin, number.where.end);
    last_ = scale;
    ++parts_;
    return read_separator();
  }

  // After a part: one dash (hyphen, en or em dash) may separate it from the
  // next; a second dash, a trailing dash or a sign is an error.
  bool read_separator() {
    at_ = skip_spaces(text_, at_);
    const DashAt dash = dash_at(text_, at_);
    if (dash.kind == Dash::Plus || dash.kind == Dash::Minus)
      return fail(ParseError::MisplacedSign, at_, at_ + dash.size);
    if (dash.kind == Dash::None) return true;
    const std::size_t dash_at_ = at_;
    at_ = skip_spaces(text_, at_ + dash.size);
    if (at_ == text_.size()) return fail(ParseError::MisplacedDash, dash_at_, dash_at_ + dash.size);
    const DashAt second = dash_at(text_, at_);
    if (second.kind == Dash::Plus || second.kind == Dash::Minus)
      return fail(ParseError::MisplacedSign, at_, at_ + second.size);
    if (second.kind != Dash::None) return fail(ParseError::MisplacedDash, at_, at_ + second.size);
    return true;
  }

  bool read_entry() {
    at_ = skip_spaces(text_, 0);
    if (at_ == text_.size()) return fail(ParseError::Empty, 0, text_.size());
    if (!read_sign()) return false;
    while ((at_ = skip_spaces(text_, at_)) < text_.size()) {
      const NumberAt number = number_at(text_, at_, options_.decimal_comma);
      if (number.found) {
        if (number.error != ParseError::None) return fail(number.error, number.where.begin, number.where.end);
        if (!read_part(number)) return false;
        continue;
      }
      if (const UnitAt unit = unit_at(text_, at_); unit.end != 0)
        return fail(ParseError::MissingNumber, at_, unit.end);
      if (const DashAt dash = dash_at(text_, at_); dash.kind != Dash::None)
        return fail(dash.kind == Dash::Plus ? ParseError::MisplacedSign : ParseError::MisplacedDash, at_,
                    at_ + dash.size);
      const bool valid = decode(text_, at_).size != 0;
      const std::size_t end = valid ? unknown_end(text_, at_) : at_ + 1;
      if (!not_understood(valid ? ParseError::UnknownText : ParseError::InvalidUtf8, at_, end)) return false;
      at_ = end;
    }
    if (parts_ == 0) return fail(first_skipped_, first_skipped_where_.begin, first_skipped_where_.end);
    return true;
  }

  std::string_view text_;
  const ParseOptions& options_;
  ParseResult result_;
  std::size_t at_ = 0;
  bool negative_ = false;
  bool metric_ = false;
  int parts_ = 0;
  Scale last_ = Scale::Inches;
  double inches_ = 0;
  double millimeters_ = 0;
  ParseError first_skipped_ = ParseError::None;
  ByteRange first_skipped_where_;
};

}  // namespace

ParseResult parse(std::string_view text, const ParseOptions& options) { return Reader(text, options).read(); }

std::string_view message(ParseError error) noexcept {
  switch (error) {
    case ParseError::None: return {};
    case ParseError::Empty: return "the entry is empty: type a length such as 12' 6\" or 2.5 m";
    case ParseError::InvalidUtf8: return "this byte is not UTF-8 text";
    case ParseError::UnknownText: return "this is not part of a length";
    case ParseError::MissingNumber: return "this unit has no number before it";
    case ParseError::MissingUnit:
      return "this number has no unit: type one after it (' \" ft in yd m cm mm)";
    case ParseError::AmbiguousAfterMeters:
      return "a number after metres needs its unit: centimetres or millimetres?";
    case ParseError::MalformedNumber: return "this is not a well-formed number";
    case ParseError::ZeroDenominator: return "this fraction divides by zero";
    case ParseError::OutOfRange: return "this number is too large or too small to be held";
    case ParseError::BadGrouping:
      return "a digit-group separator stands only before exactly three digits (for a decimal comma, "
             "choose the decimal-comma option)";
    case ParseError::MisplacedDash:
      return "a dash here is not understood: one dash may stand between two parts, and one before the "
             "length makes it negative";
    case ParseError::MisplacedSign:
      return "a sign here is not understood: only a minus before the whole length makes it negative";
    case ParseError::RepeatedUnit: return "this unit was already given";
    case ParseError::UnitOrder: return "parts go from larger to smaller units: this unit is larger than the one before";
    case ParseError::MixedSystems: return "English and metric units are mixed in one length";
  }
  return "unknown error";
}

}  // namespace tolmer::reading
