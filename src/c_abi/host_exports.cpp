// Exports of paths and special folders, mouse and keyboard state, random
// numbers and record identifiers.
#include "c_abi/process.h"
#include "c_abi/abi.h"
#include "c_abi/host_table.h"
#include "host/input.h"
#include "host/paths.h"
#include "host/random.h"

// ------------------------------------------------------ paths and folders

TOLMER_EXPORT(LibString) GETSPECIALFOLDERLOCATION(int32_t folder) {
  return tolmer::abi::guarded(LibString{}, [&]() -> LibString {
    // Any number goes to the folder service (the shell knows more folders
    // than the C++ interface names).
    return tolmer::abi::result(
        tolmer::special_folder_location(tolmer::state().services.folders(), folder));
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
    return tolmer::mouse_button(tolmer::state().services.input(), window);
  });
}

TOLMER_EXPORT(int32_t) GETKEYSTATE(int32_t virtual_key) {
  return tolmer::abi::guarded(int32_t{0}, [&]() -> int32_t {
    return tolmer::key_state(tolmer::state().services.input(), virtual_key);
  });
}

// ---------------------------------------------------------- host services

TOLMER_EXPORT(void) SETHOSTSERVICES(const TolmerHostServices* services) {
  tolmer::abi::guarded([&] {
    tolmer::abi::install_host_table(tolmer::state().services, services);
  });
}

// -------------------------------------------------- random, identifiers
// The process-wide context's own 32-bit generator (a tolmer::Library draws
// from a stream of its own instead).

TOLMER_EXPORT(void) RANDOMIZEDLLGENERATOR(void) {
  tolmer::abi::guarded([&] {
    tolmer::State& s = tolmer::state();
    tolmer::randomize_generator(s, s.services.clock());
  });
}

TOLMER_EXPORT(int32_t) GETRANDOMLONGVALUE(void) {
  return tolmer::abi::guarded(int32_t{0}, [&]() -> int32_t {
    return tolmer::random_long_value(tolmer::state());
  });
}

TOLMER_EXPORT(int32_t) GETUNIQUERECORDID(const int32_t* existing, int32_t last_index) {
  return tolmer::abi::guarded(int32_t{0}, [&]() -> int32_t {
    if (last_index < 0) return 0;
    if (existing == nullptr) return tolmer::random_long_value(tolmer::state());
    return tolmer::unique_record_id(tolmer::state(), existing, last_index);
  });
}
