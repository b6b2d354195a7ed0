// Exports of the string helpers.
#include "c_abi/abi.h"
#include "frame/primitives.h"
#include "text/strings.h"

namespace {

LibString reversed(std::string_view bytes) {
  return tolmer::abi::result(tolmer::reverse_bytes(bytes));
}

}  // namespace

TOLMER_EXPORT(LibString) REVERSESTRINGDLL(LibString string) {
  return tolmer::abi::guarded(LibString{}, [&]() -> LibString {
    return reversed(tolmer::abi::libstring(string));
  });
}

TOLMER_EXPORT(LibString) REVERSESTRING(const char* string) {
  return tolmer::abi::guarded(LibString{}, [&]() -> LibString {
    return reversed(tolmer::abi::text_view(string));
  });
}

TOLMER_EXPORT(LibString) STRIPNULL(const char* string) {
  return tolmer::abi::guarded(LibString{}, [&]() -> LibString {
    return tolmer::abi::result(tolmer::trim(tolmer::abi::text_view(string)));
  });
}

TOLMER_EXPORT(int32_t) ISNUMERICDLL(const char* string) {
  return tolmer::abi::guarded(int32_t{0}, [&]() -> int32_t {
    return tolmer::is_unsigned_decimal(tolmer::abi::text_view(string)) ? 1 : 0;
  });
}

TOLMER_EXPORT(int32_t) STRINGCONTAINSCHARACTERS(const char* string, const char* characters) {
  return tolmer::abi::guarded(int32_t{0}, [&]() -> int32_t {
    return tolmer::first_contained_character(tolmer::abi::text_view(string),
                                             tolmer::abi::text_view(characters));
  });
}
