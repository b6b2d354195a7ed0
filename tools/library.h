// The library as a host sees it: exports found by name at run time.
//
// The tool is linked to the shared library and finds every export the way a
// host does (dlsym on the library's handle; GetProcAddress on Windows), so it
// builds whatever the library holds and reports an export the library lacks.
// Every export is called through this table, never by a direct reference, so
// that a missing export is a message of the tool rather than a failure to
// load it. (The static C++ interface the tool also links holds the core only,
// no export.)
#pragma once

#include <cstring>
#include <stdexcept>
#include <string>
#include <tuple>

#include "kinds.h"

namespace tolmer::inline v1::tool {

// The library lacks an export that a command needs.
class Unavailable : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The address of an export of the library, or null when it has none.
void* find_export(const char* name);

// The address of an export; throws Unavailable when the library lacks it.
void* require_export(const char* name);

// A function type of the library: result and arguments as C types.
template <class Result, class Arguments>
struct ExportSignature;

template <class Result, class... Arguments>
struct ExportSignature<Result, std::tuple<Arguments...>> {
  using Pointer = typename Result::type(TOLMER_CALL*)(typename Arguments::type...);
};

// Converts an address found by name into a function pointer.
template <class Pointer>
Pointer as_function(void* address) {
  static_assert(sizeof(Pointer) == sizeof(void*));
  Pointer function;
  std::memcpy(&function, &address, sizeof function);
  return function;
}

// One export, callable with the C types of its table entry.
template <class Result, class Arguments>
class Export;

template <class Result, class... Arguments>
class Export<Result, std::tuple<Arguments...>> {
 public:
  explicit constexpr Export(const char* name) : name_(name) {}
  typename Result::type operator()(typename Arguments::type... arguments) const {
    using Pointer = typename ExportSignature<Result, std::tuple<Arguments...>>::Pointer;
    return as_function<Pointer>(require_export(name_))(arguments...);
  }
  const char* name() const { return name_; }

 private:
  const char* name_;
};

// Every export of the table as tolmer::tool::api::NAME.
namespace api {
using namespace kinds;
using kinds::LibString;  // the kind, not the C type of the same name
#define TOLMER_EXPORT_ENTRY(name, result, args) \
  inline constexpr Export<result, std::tuple<TOLMER_TOOL_UNPAREN args>> name{#name};
#include "c_abi/export_table.h"
#undef TOLMER_EXPORT_ENTRY
}  // namespace api

}  // namespace tolmer::tool
