// Exports of positional fields.
#include <new>

#include "c_abi/abi.h"
#include "text/fields.h"

namespace {

// Both replacing exports: the list buffer is read, the new list built apart
// and only then written back, so views of the buffer stay valid throughout.
int32_t replace_in_buffer(char* list, int32_t position, const char* part, const char* delimiter) {
  try {
    const std::optional<std::string> rewritten =
        tolmer::replace_field(tolmer::abi::text_view(list), position, tolmer::abi::text_view(part),
                              tolmer::abi::text_view(delimiter));
    if (!rewritten) return -1;
    tolmer::abi::write_buffer(list, *rewritten);
    return static_cast<int32_t>(rewritten->size());
  } catch (const std::bad_alloc&) {
    return -1;  // no room for the new list: the buffer keeps the old one
  }
}

}  // namespace

TOLMER_EXPORT(int32_t) PARSECOUNTDLL(const char* text, const char* delimiter) {
  return tolmer::abi::guarded(int32_t{0}, [&]() -> int32_t {
    const std::string_view delimiter_text = tolmer::abi::text_view(delimiter);
    if (delimiter_text.size() == 1) {
      // A one-byte delimiter cannot straddle two pieces: the text is counted
      // piece by piece as its end is found, in one pass.
      std::size_t fields = 1;
      tolmer::abi::for_each_text_piece(text, [&](std::string_view piece) {
        fields += tolmer::count_fields(piece, delimiter_text) - 1;
      });
      return static_cast<int32_t>(fields);
    }
    return static_cast<int32_t>(
        tolmer::count_fields(tolmer::abi::text_view(text), delimiter_text));
  });
}

TOLMER_EXPORT(LibString)
GETSTRINGPARTFROMSTRINGBYPOSITION(const char* text, int32_t position, const char* delimiter) {
  return tolmer::abi::guarded(LibString{}, [&]() -> LibString {
    return tolmer::abi::result(tolmer::field_at(tolmer::abi::text_view(text), position,
                                                  tolmer::abi::text_view(delimiter)));
  });
}

TOLMER_EXPORT(double)
GETVALUEFROMSTRINGBYPOSITION(const char* text, int32_t position, const char* delimiter) {
  return tolmer::abi::guarded(0.0, [&]() -> double {
    return tolmer::field_value(tolmer::abi::text_view(text), position, tolmer::abi::text_view(delimiter));
  });
}

TOLMER_EXPORT(int32_t)
SETSTRINGPARTINSTRINGBYPOSITION(char* list, int32_t position, const char* part,
                                const char* delimiter) {
  return tolmer::abi::guarded(int32_t{0}, [&]() -> int32_t {
    return replace_in_buffer(list, position, part, delimiter);
  });
}

TOLMER_EXPORT(int32_t)
SETSTRINGPARTINSTRINGBYPOSITION2(char* list, int32_t position, const char* part,
                                 const char* delimiter) {
  return tolmer::abi::guarded(int32_t{0}, [&]() -> int32_t {
    return replace_in_buffer(list, position, part, delimiter);
  });
}
