#include "text/fields.h"

#include "frame/primitives.h"

namespace tolmer {

namespace {

constexpr std::string_view kComma = ",";
constexpr std::string_view kQuote = "\"";

// The 0-based offset of the first `pattern` at or after 0-based `from`, or
// npos. `from` may be one past the end.
std::size_t find_from(std::string_view text, std::string_view pattern, std::size_t from) {
  const std::size_t hit = find(text, pattern, static_cast<int64_t>(from) + 1);
  return hit == 0 ? std::string_view::npos : hit - 1;
}

}  // namespace

FieldScanner::FieldScanner(std::string_view text, std::string_view delimiter)
    : text_(text), delimiter_(delimiter) {}

bool FieldScanner::next(FieldSpan& span) {
  if (done_) return false;
  const std::size_t size = text_.size();
  span.raw_begin = position_;
  std::size_t separator = std::string_view::npos;
  std::size_t separator_length = 0;

  if (!delimiter_.empty()) {
    separator = find_from(text_, delimiter_, position_);
    separator_length = delimiter_.size();
    span.raw_end = separator == std::string_view::npos ? size : separator;
    span.content_begin = span.raw_begin;
    span.content_end = span.raw_end;
  } else {
    // The comma rule: spaces before the field are skipped.
    std::size_t start = position_;
    while (start < size && text_[start] == ' ') ++start;
    separator_length = kComma.size();
    if (start < size && text_[start] == '"') {
      // Quoted: the content runs to the next quote (or the end); commas inside
      // do not split and what follows the closing quote is ignored.
      span.content_begin = start + 1;
      const std::size_t closing = find_from(text_, kQuote, start + 1);
      span.content_end = closing == std::string_view::npos ? size : closing;
      separator = closing == std::string_view::npos ? std::string_view::npos
                                                    : find_from(text_, kComma, closing + 1);
    } else {
      separator = find_from(text_, kComma, start);
      span.content_begin = start;
      span.content_end = separator == std::string_view::npos ? size : separator;
    }
    span.raw_end = separator == std::string_view::npos ? size : separator;
  }

  if (separator == std::string_view::npos) {
    done_ = true;
  } else {
    position_ = separator + separator_length;
  }
  return true;
}

std::size_t count_fields(std::string_view text, std::string_view delimiter) {
  return delimiter.empty() ? default_field_count(text) : field_count(text, delimiter);
}

std::string_view field_at(std::string_view text, int64_t position, std::string_view delimiter) {
  return delimiter.empty() ? default_field(text, position) : field(text, delimiter, position);
}

double field_value(std::string_view text, int64_t position, std::string_view delimiter) {
  return text_to_number(field_at(text, position, delimiter));
}

std::optional<std::string> replace_field(std::string_view list, int64_t position,
                                         std::string_view part, std::string_view delimiter) {
  if (position < 1) return std::nullopt;

  const bool wrap = delimiter == kQuotedCommaDelimiter;
  std::string_view body = list;
  if (wrap) {
    // A list already wrapped in quotes is split inside them, so that the
    // quotes added by the join take their place; but only when the inside
    // has as many fields as the list itself, so that the positions stay
    // those of count_fields and field_at (the quotes of `","a","` belong to
    // its delimiters: its first and last fields are empty).
    const std::string_view bare = trim(list);
    if (bare.size() >= 2 && bare.front() == '"' && bare.back() == '"') {
      const std::string_view inside = bare.substr(1, bare.size() - 2);
      if (count_fields(inside, delimiter) == count_fields(list, delimiter)) body = inside;
    }
  }

  // One pass: count the fields and keep the span of the one replaced.
  const auto wanted = static_cast<uint64_t>(position);
  FieldScanner scanner(body, delimiter);
  FieldSpan span;
  FieldSpan target;
  uint64_t count = 0;
  while (scanner.next(span)) {
    ++count;
    if (count == wanted) target = span;
  }
  if (count < wanted) return std::nullopt;

  // Joining the fields back with the delimiter gives the same bytes around the
  // replaced field as the list had, so only that field's raw span changes.
  std::string joined;
  joined.reserve(body.size() - (target.raw_end - target.raw_begin) + part.size() + 2);
  if (wrap) joined += '"';
  joined.append(body.substr(0, target.raw_begin));
  joined.append(part);
  joined.append(body.substr(target.raw_end));
  if (wrap) joined += '"';

  // Strip the outer spaces of the whole joined text in place.
  const std::size_t trailing = joined.size() - trim_right(joined).size();
  joined.erase(joined.size() - trailing);
  const std::size_t leading = joined.size() - trim_left(joined).size();
  joined.erase(0, leading);
  return joined;
}

}  // namespace tolmer
