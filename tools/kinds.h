// The kinds of the export table as C++ types: each kind names the C type an
// export receives or returns, so that a table entry becomes a function type.
#pragma once

#include <cstdint>

#include "tolmerdll.h"

namespace tolmer::inline v1::tool {

// Every kind of result and argument, for decisions at run time.
enum class Kind {
  Void,
  Integer,
  Single,
  Double,
  LibString,
  IntegerRef,
  SingleRef,
  DoubleRef,
  Text,
  TextBuffer,
  LibStringHandle,
  DoubleRectRef,
  IntArrayDescriptorRef,
  IntArrayRef,
  BitsRef,
  ByteRef,
  HostServicesRef,
};

// What a kind is called in messages ("integer reference").
const char* kind_name(Kind kind);

// True for the kinds passed as an address (which may be null).
bool is_address(Kind kind);

namespace kinds {

// The table's kind names as types: `type` is the C type of the public
// header that the export receives or returns.
#define TOLMER_TOOL_KIND(name, c_type) \
  struct name {                        \
    using type = c_type;               \
    static constexpr Kind kind = Kind::name; \
  };
TOLMER_TOOL_KIND(Void, void)
TOLMER_TOOL_KIND(Integer, int32_t)
TOLMER_TOOL_KIND(Single, float)
TOLMER_TOOL_KIND(Double, double)
TOLMER_TOOL_KIND(LibString, ::LibString)
TOLMER_TOOL_KIND(IntegerRef, int32_t*)
TOLMER_TOOL_KIND(SingleRef, float*)
TOLMER_TOOL_KIND(DoubleRef, double*)
TOLMER_TOOL_KIND(Text, const char*)
TOLMER_TOOL_KIND(TextBuffer, char*)
TOLMER_TOOL_KIND(LibStringHandle, ::LibString)
TOLMER_TOOL_KIND(DoubleRectRef, const DoubleRect*)
TOLMER_TOOL_KIND(IntArrayDescriptorRef, const TolmerLongArray*)
TOLMER_TOOL_KIND(IntArrayRef, const int32_t*)
TOLMER_TOOL_KIND(BitsRef, void*)
TOLMER_TOOL_KIND(ByteRef, uint8_t*)
TOLMER_TOOL_KIND(HostServicesRef, const TolmerHostServices*)
#undef TOLMER_TOOL_KIND

}  // namespace kinds

// Turns the parenthesised argument list of a table entry into a list.
#define TOLMER_TOOL_UNPAREN(...) __VA_ARGS__

}  // namespace tolmer::tool
