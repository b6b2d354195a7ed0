// Fields of a text by position: count, read, replace.
//
// With a non-empty delimiter the delimiter is a whole text and the fields lie
// between its non-overlapping occurrences found from the left. With an empty
// delimiter the comma rule applies: spaces before a field are skipped, a field
// that starts with a double quote runs to the next double quote (commas inside
// do not split) and whatever follows its closing quote up to the next comma
// is ignored.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tolmer {

// The three bytes double quote, comma, double quote: the delimiter whose
// joined text is also wrapped in one double quote at each end.
inline constexpr std::string_view kQuotedCommaDelimiter = "\",\"";

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
// and delimiter: both must outlive it.
class FieldScanner {
 public:
  FieldScanner(std::string_view text, std::string_view delimiter);
  // Finds the next field; false once every field has been visited. A text
  // always has at least one field (an empty text has one empty field).
  bool next(FieldSpan& span);

 private:
  std::string_view text_;
  std::string_view delimiter_;
  std::size_t position_ = 0;  // start of the next field's raw span
  bool done_ = false;
};

// The number of fields (at least 1).
std::size_t count_fields(std::string_view text, std::string_view delimiter);

// Field number `position` (1-based; a negative position counts from the end,
// -1 the last); 0 or a position beyond the count gives the empty text.
std::string_view field_at(std::string_view text, int64_t position, std::string_view delimiter);

// The same field read as a number (an empty or non-numeric field gives 0).
double field_value(std::string_view text, int64_t position, std::string_view delimiter);

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
