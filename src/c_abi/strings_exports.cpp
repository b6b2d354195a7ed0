// Exports of the string helpers.
#include <new>

#include "c_abi/abi.h"
#include "tolmer/text.h"

namespace {

LibString reversed(std::string_view bytes) {
  try {
    return tolmer::abi::result(tolmer::text::reverse(bytes));
  } catch (const std::bad_alloc&) {
    return nullptr;  // no memory for the copy: the empty string
  }
}

}  // namespace

TOLMER_EXPORT(LibString) REVERSESTRINGDLL(LibString string) {
  return reversed(tolmer::abi::libstring(string));
}

TOLMER_EXPORT(LibString) REVERSESTRING(const char* string) {
  return reversed(tolmer::abi::text_view(string));
}

TOLMER_EXPORT(LibString) STRIPNULL(const char* string) {
  return tolmer::abi::result(tolmer::text::strip_blanks(tolmer::abi::text_view(string)));
}

TOLMER_EXPORT(int32_t) ISNUMERICDLL(const char* string) {
  return tolmer::text::is_numeric(tolmer::abi::text_view(string)) ? 1 : 0;
}

TOLMER_EXPORT(int32_t) STRINGCONTAINSCHARACTERS(const char* string, const char* characters) {
  return tolmer::text::first_of(tolmer::abi::text_view(string),
                                tolmer::abi::text_view(characters));
}
