// Fields of a text by position: count, read, replace. One scanner splits
// every field list of the library; how fields are separated is its
// FieldDelimiter:
//
// - a delimiter text: the fields lie between its non-overlapping occurrences
//   found from the left (an empty delimiter text never occurs, so the whole
//   text is one field);
// - the comma rule: spaces before a field are skipped, a field that starts
//   with a double quote runs to the next double quote (commas inside do not
//   split) and whatever follows its closing quote up to the next comma is
//   ignored.
//
// The functions taking the delimiter as a plain text read an empty one as the
// comma rule.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tolmer::inline v1 {

// The three bytes double quote, comma, double quote: the delimiter whose
// joined text is also wrapped in one double quote at each end.
inline constexpr std::string_view kQuotedCommaDelimiter = "\",\"";

// How the fields of a text are separated: a delimiter text or the comma rule.
class FieldDelimiter {
 public:
  // The fields between occurrences of `delimiter` (empty: one field).
  [[nodiscard]] static constexpr FieldDelimiter text(std::string_view delimiter) noexcept {
    return FieldDelimiter(delimiter, false);
  }
  // The comma rule.
  [[nodiscard]] static constexpr FieldDelimiter comma_rule() noexcept { return FieldDelimiter({}, true); }
  // A non-empty `delimiter` as a delimiter text, an empty one as the comma rule.
  constexpr FieldDelimiter(std::string_view delimiter) noexcept  // NOLINT: implicit, the text convention
      : FieldDelimiter(delimiter, delimiter.empty()) {}
  constexpr FieldDelimiter(const char* delimiter) noexcept  // NOLINT
      : FieldDelimiter(std::string_view(delimiter)) {}
  FieldDelimiter(const std::string& delimiter) noexcept  // NOLINT
      : FieldDelimiter(std::string_view(delimiter)) {}

  [[nodiscard]] constexpr bool is_comma_rule() const noexcept { return comma_rule_; }
  // The delimiter text (empty under the comma rule).
  [[nodiscard]] constexpr std::string_view delimiter_text() const noexcept { return text_; }

 private:
  constexpr FieldDelimiter(std::string_view text, bool comma_rule) noexcept
      : text_(text), comma_rule_(comma_rule) {}
  std::string_view text_;
  bool comma_rule_ = false;
};

// One field found by FieldScanner, as 0-based byte offsets into the text.
// The raw span runs from just after the previous separator to just before the
// next one; the content is the field's value (equal to the raw span with a
// delimiter; under the comma rule without the skipped spaces, the quotes and
// what follows a closing quote).
struct FieldSpan {
  std::size_t raw_begin = 0;
  std::size_t raw_end = 0;
  std::size_t content_begin = 0;
  std::size_t content_end = 0;
};

// Walks the fields of a text once, left to right: every call of next() finds
// the following field without looking at bytes before it, so visiting all the
// fields takes time linear in the text. The scanner keeps views of the text
// and of the delimiter text: both must outlive it.
class FieldScanner {
 public:
  FieldScanner(std::string_view text, FieldDelimiter delimiter) noexcept;
  // Finds the next field; false once every field has been visited. A text
  // always has at least one field (an empty text has one empty field).
  bool next(FieldSpan& span);

 private:
  std::string_view text_;
  FieldDelimiter delimiter_;
  std::size_t position_ = 0;  // start of the next field's raw span
  bool done_ = false;
};

// The number of fields (at least 1).
[[nodiscard]] std::size_t count_fields(std::string_view text, FieldDelimiter delimiter) noexcept;

// Field number `position` (1-based; a negative position counts from the end,
// -1 the last); 0 or a position beyond the count gives the empty text.
[[nodiscard]] std::string_view field_at(std::string_view text, int64_t position,
                                        FieldDelimiter delimiter) noexcept;

// The same field read as a number (an empty or non-numeric field gives 0).
[[nodiscard]] double field_value(std::string_view text, int64_t position, FieldDelimiter delimiter);

// The list with field number `position` replaced by `part`, the fields joined
// back with the delimiter and the whole joined text stripped of leading and
// trailing spaces. Gives nothing when the position is below 1 or beyond the
// field count.
//
// Joining:
// - with a delimiter, the fields with the delimiter between neighbours; with
//   the quote-comma-quote delimiter the joined text also gets one double
//   quote at its start and one at its end. A list that (after its outer
//   spaces) is itself wrapped in double quotes, and whose inside has as many
//   fields as the whole list, is split inside those quotes, so that the new
//   outer quotes take their place instead of doubling them; any other list
//   is split as it stands, so the positions are always those of
//   count_fields and field_at;
// - with the comma rule (empty delimiter), every other field keeps its bytes
//   as they stand (spaces and quotes included) and the part takes the place
//   of the whole field between its separating commas.
std::optional<std::string> replace_field(std::string_view list, int64_t position,
                                         std::string_view part, std::string_view delimiter);

}  // namespace tolmer
