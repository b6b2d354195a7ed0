// Finding the library's exports by name.
#include "library.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace tolmer::inline v1::tool {
namespace {

#if defined(_WIN32)
// The library the tool is linked to: by its name, else the module that holds
// FREELIBSTRING.
HMODULE library_module() {
  static const HMODULE module = [] {
    if (const HMODULE by_name = GetModuleHandleA("TOLMERDLL.dll")) return by_name;
    HMODULE handle = nullptr;
    void* address = nullptr;
    auto function = &FREELIBSTRING;
    static_assert(sizeof function == sizeof address);
    std::memcpy(&address, &function, sizeof address);
    if (!GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                            static_cast<LPCSTR>(address), &handle))
      handle = nullptr;
    return handle;
  }();
  return module;
}
#else
// The handle of the shared library the tool is linked to: by its soname,
// else by the object that holds FREELIBSTRING.
void* library_handle() {
  static void* const handle = []() -> void* {
#if defined(TOLMER_LIBRARY_SONAME)
    if (void* by_name = dlopen(TOLMER_LIBRARY_SONAME, RTLD_NOW | RTLD_NOLOAD)) return by_name;
#endif
    void* address = nullptr;
    auto function = &FREELIBSTRING;
    static_assert(sizeof function == sizeof address);
    std::memcpy(&address, &function, sizeof address);
    Dl_info info{};
    if (dladdr(address, &info) != 0 && info.dli_fname != nullptr)
      if (void* by_address = dlopen(info.dli_fname, RTLD_NOW | RTLD_NOLOAD)) return by_address;
    return RTLD_DEFAULT;
  }();
  return handle;
}
#endif

}  // namespace

void* find_export(const char* name) {
#if defined(_WIN32)
  const HMODULE module = library_module();
  if (module == nullptr) return nullptr;
  const FARPROC procedure = GetProcAddress(module, name);
  void* address = nullptr;
  static_assert(sizeof procedure == sizeof address);
  std::memcpy(&address, &procedure, sizeof address);
  return address;
#else
  return dlsym(library_handle(), name);
#endif
}

void* require_export(const char* name) {
  void* address = find_export(name);
  if (address == nullptr) throw Unavailable(std::string("this build of the library has no export ") + name);
  return address;
}

}  // namespace tolmer::tool
