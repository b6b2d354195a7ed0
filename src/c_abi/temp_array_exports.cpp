// Exports of the temporary string array, over the process context.
#include "c_abi/process.h"
#include "c_abi/abi.h"
#include "text/temp_array.h"

TOLMER_EXPORT(int32_t) ACCESSTEMPSTRINGARRAY(int32_t operation, const char* text) {
  return tolmer::abi::guarded(int32_t{0}, [&]() -> int32_t {
    return tolmer::temp_array_access(tolmer::state(), operation, tolmer::abi::text_view(text));
  });
}

TOLMER_EXPORT(LibString) READTEMPSTRINGARRAY(int32_t index) {
  return tolmer::abi::guarded(LibString{}, [&]() -> LibString {
    return tolmer::abi::result(tolmer::process_library().temp_entry(index).value_or(std::string()));
  });
}
