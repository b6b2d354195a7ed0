// Exports of paths and special folders, mouse and keyboard state, random
// numbers and record identifiers.
#include <span>

#include "c_abi/process.h"
#include "c_abi/abi.h"
#include "host/paths.h"

// ------------------------------------------------------ paths and folders

TOLMER_EXPORT(LibString) GETSPECIALFOLDERLOCATION(int32_t folder) {
  return tolmer::abi::guarded(LibString{}, [&]() -> LibString {
    return tolmer::abi::result(tolmer::process_library().special_folder(folder));
  });
}

TOLMER_EXPORT(LibString) GETDRIVEFROMPATH(const char* path) {
  return tolmer::abi::guarded(LibString{}, [&]() -> LibString {
    return tolmer::abi::result(tolmer::drive_from_path(tolmer::abi::text_view(path)));
  });
}

TOLMER_EXPORT(LibString) GETDIRECTORYFROMPATH(const char* path) {
  return tolmer::abi::guarded(LibString{}, [&]() -> LibString {
    return tolmer::abi::result(tolmer::directory_from_path(tolmer::abi::text_view(path)));
  });
}

TOLMER_EXPORT(LibString) GETFILENAMEFROMPATH(const char* path) {
  return tolmer::abi::guarded(LibString{}, [&]() -> LibString {
    return tolmer::abi::result(tolmer::file_name_from_path(tolmer::abi::text_view(path)));
  });
}

TOLMER_EXPORT(LibString) REMOVEFILENAMEFROMFULLPATH(const char* path) {
  return tolmer::abi::guarded(LibString{}, [&]() -> LibString {
    return tolmer::abi::result(tolmer::remove_file_name_from_full_path(tolmer::abi::text_view(path)));
  });
}

TOLMER_EXPORT(LibString) GETEXPORTFILENAME(const char* base_name, int32_t category, int32_t number) {
  return tolmer::abi::guarded(LibString{}, [&]() -> LibString {
    return tolmer::abi::result(
        tolmer::export_file_name(tolmer::abi::text_view(base_name), category, number));
  });
}

// ------------------------------------------------------- mouse, keyboard

TOLMER_EXPORT(int32_t) GETMOUSEBUTTON(int32_t window) {
  return tolmer::abi::guarded(int32_t{0}, [&]() -> int32_t {
    return tolmer::process_library().mouse_button(window);
  });
}

TOLMER_EXPORT(int32_t) GETKEYSTATE(int32_t virtual_key) {
  return tolmer::abi::guarded(int32_t{0}, [&]() -> int32_t {
    return tolmer::process_library().key_down(virtual_key) ? 1 : 0;
  });
}

// ---------------------------------------------------------- host services

TOLMER_EXPORT(void) SETHOSTSERVICES(const TolmerHostServices* services) {
  tolmer::abi::guarded([&] {
    tolmer::process_library().set_host_services(services);
  });
}

// -------------------------------------------------- random, identifiers

TOLMER_EXPORT(void) RANDOMIZEDLLGENERATOR(void) {
  tolmer::abi::guarded([&] {
    tolmer::process_library().randomize();
  });
}

TOLMER_EXPORT(int32_t) GETRANDOMLONGVALUE(void) {
  return tolmer::abi::guarded(int32_t{0}, [&]() -> int32_t {
    return tolmer::process_library().random_value();
  });
}

TOLMER_EXPORT(int32_t) GETUNIQUERECORDID(const int32_t* existing, int32_t last_index) {
  return tolmer::abi::guarded(int32_t{0}, [&]() -> int32_t {
    if (last_index < 0) return 0;
    const std::span<const int32_t> values =
        existing == nullptr ? std::span<const int32_t>()
                            : std::span(existing, static_cast<std::size_t>(last_index) + 1);
    return tolmer::process_library().unique_record_id(values);
  });
}
