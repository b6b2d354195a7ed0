// Exports of the temporary string array.
#include "frame/abi.h"
#include "text/temp_array.h"

TOLMER_EXPORT(int32_t) ACCESSTEMPSTRINGARRAY(int32_t operation, const char* text) {
  return tolmer::temp_array_access(tolmer::state(), operation, tolmer::abi::text_view(text));
}

TOLMER_EXPORT(LibString) READTEMPSTRINGARRAY(int32_t index) {
  const std::optional<std::string> entry = tolmer::temp_array_entry(tolmer::state(), index);
  return tolmer::abi::result(entry ? std::string_view(*entry) : std::string_view());
}
