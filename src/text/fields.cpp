#include "text/fields.h"

#include <algorithm>
#include <cstring>

#include "frame/primitives.h"

namespace tolmer::inline v1 {

namespace {

constexpr std::string_view kComma = ",";
constexpr std::string_view kQuote = "\"";

// The 0-based offset of the first `pattern` at or after 0-based `from`, or
// npos. `from` may be one past the end.
std::size_t find_from(std::string_view text, std::string_view pattern, std::size_t from) {
  const std::size_t hit = find(text, pattern, static_cast<int64_t>(from) + 1);
  return hit == 0 ? std::string_view::npos : hit - 1;
}

// The occurrences of byte `c` in the `n` bytes at `p`, by comparison: blocks
// of 64 bytes are counted into one byte each, which compilers turn into
// vector compares.
std::size_t count_byte_by_compare(const char* p, std::size_t n, char c) {
  std::size_t count = 0;
  while (n >= 64) {
    unsigned char block = 0;
    for (int i = 0; i < 64; ++i) block = static_cast<unsigned char>(block + (p[i] == c ? 1 : 0));
    count += block;
    p += 64;
    n -= 64;
  }
  for (; n > 0; --n) count += *p++ == c ? 1 : 0;
  return count;
}

// The occurrences of byte `c` in `text`. Long stretches without it are
// skipped by memchr; where it occurs densely (two within 64 bytes) the next
// 2 KiB are counted by comparison instead of one memchr call per occurrence.
std::size_t count_byte(std::string_view text, char c) {
  constexpr std::ptrdiff_t kDenseGap = 64;
  constexpr std::size_t kDenseBlock = 2048;
  std::size_t count = 0;
  const char* p = text.data();
  const char* const end = p + text.size();
  while (p < end) {
    const void* found = std::memchr(p, c, static_cast<std::size_t>(end - p));
    if (found == nullptr) break;
    const char* hit = static_cast<const char*>(found);
    ++count;
    const bool dense = hit - p < kDenseGap;
    p = hit + 1;
    if (dense) {
      const std::size_t block = std::min(kDenseBlock, static_cast<std::size_t>(end - p));
      count += count_byte_by_compare(p, block, c);
      p += block;
    }
  }
  return count;
}

// The 0-based offset just after occurrence number `nth` (1 or more) of byte
// `c` in `text`, or npos. Found as count_byte counts: memchr between sparse
// occurrences, whole 64-byte blocks counted and skipped between dense ones.
std::size_t after_occurrence(std::string_view text, char c, std::size_t nth) {
  constexpr std::ptrdiff_t kDenseGap = 64;
  constexpr std::size_t kDenseBlocks = 32;
  const char* const begin = text.data();
  const char* const end = begin + text.size();
  const char* p = begin;
  while (p < end) {
    const void* found = std::memchr(p, c, static_cast<std::size_t>(end - p));
    if (found == nullptr) break;
    const char* hit = static_cast<const char*>(found);
    if (--nth == 0) return static_cast<std::size_t>(hit + 1 - begin);
    const bool dense = hit - p < kDenseGap;
    p = hit + 1;
    if (dense) {
      for (std::size_t b = 0; b < kDenseBlocks && end - p >= 64; ++b) {
        const std::size_t in_block = count_byte_by_compare(p, 64, c);
        if (in_block >= nth) break;  // the wanted one is in this block
        nth -= in_block;
        p += 64;
      }
    }
  }
  return std::string_view::npos;
}

// The 0-based offset where field number `k` (1 or more) of a delimiter text
// begins, or npos when the text has fewer fields. A one-byte delimiter is
// found by the byte counting above, a longer one by search.
std::size_t field_begin(std::string_view text, std::string_view delimiter, uint64_t k) {
  if (k == 1) return 0;
  if (delimiter.size() == 1) return after_occurrence(text, delimiter[0], k - 1);
  std::size_t begin = 0;
  for (uint64_t i = 1; i < k; ++i) {
    const std::size_t at = text.find(delimiter, begin);
    if (at == std::string_view::npos) return std::string_view::npos;
    begin = at + delimiter.size();
  }
  return begin;
}

}  // namespace

FieldScanner::FieldScanner(std::string_view text, FieldDelimiter delimiter) noexcept
    : text_(text), delimiter_(delimiter) {}

bool FieldScanner::next(FieldSpan& span) {
  if (done_) return false;
  const std::size_t size = text_.size();
  span.raw_begin = position_;
  std::size_t separator = std::string_view::npos;
  std::size_t separator_length = 0;

  if (!delimiter_.is_comma_rule()) {
    const std::string_view delimiter = delimiter_.delimiter_text();
    separator = delimiter.empty() ? std::string_view::npos : find_from(text_, delimiter, position_);
    separator_length = delimiter.size();
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

std::size_t count_fields(std::string_view text, FieldDelimiter delimiter) noexcept {
  if (delimiter.is_comma_rule()) {
    FieldScanner scanner(text, delimiter);
    FieldSpan span;
    std::size_t count = 0;
    while (scanner.next(span)) ++count;
    return count;
  }
  const std::string_view separator = delimiter.delimiter_text();
  if (separator.empty()) return 1;
  if (separator.size() == 1) return 1 + count_byte(text, separator[0]);
  std::size_t count = 1;
  std::size_t at = 0;
  while ((at = text.find(separator, at)) != std::string_view::npos) {
    ++count;
    at += separator.size();
  }
  return count;
}

std::string_view field_at(std::string_view text, int64_t position, FieldDelimiter delimiter) noexcept {
  if (position == 0) return {};
  if (position < 0) {
    position = static_cast<int64_t>(count_fields(text, delimiter)) + position + 1;
    if (position < 1) return {};
  }
  const auto wanted = static_cast<uint64_t>(position);
  if (delimiter.is_comma_rule()) {
    FieldScanner scanner(text, delimiter);
    FieldSpan span;
    for (uint64_t k = 1; scanner.next(span); ++k) {
      if (k == wanted) return text.substr(span.content_begin, span.content_end - span.content_begin);
    }
    return {};
  }
  const std::string_view separator = delimiter.delimiter_text();
  if (separator.empty()) return wanted == 1 ? text : std::string_view{};
  const std::size_t begin = field_begin(text, separator, wanted);
  if (begin == std::string_view::npos) return {};
  const std::size_t end = text.find(separator, begin);
  return text.substr(begin, end == std::string_view::npos ? std::string_view::npos : end - begin);
}

double field_value(std::string_view text, int64_t position, FieldDelimiter delimiter) {
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
