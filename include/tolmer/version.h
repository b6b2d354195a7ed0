// The version of the C++ interface, and the language it needs.
//
// Every header of the C++ interface includes this one first, so a program
// compiled below C++20 stops here with one message instead of errors from
// inside the headers.
//
// TOLMER_VERSION_MAJOR, _MINOR and _PATCH are the version of these headers;
// tolmer::version() is the version of the library the program is linked
// with (the two differ only when headers and library come from different
// installations). Every declaration of the C++ interface lives in the inline
// namespace tolmer::v1 (spelt tolmer:: in programs): a library of another
// major version cannot be linked by mistake.
#pragma once

#include <compare>

#if defined(_MSVC_LANG)
#define TOLMER_CPLUSPLUS _MSVC_LANG
#else
#define TOLMER_CPLUSPLUS __cplusplus
#endif
#if TOLMER_CPLUSPLUS < 202002L
#error "the tolmer C++ interface needs C++20 or later (-std=c++20); C programs use tolmerdll.h"
// A compiler goes on after #error; a missing header ends the compilation
// here, before any declaration that needs C++20 can add errors of its own.
#include <tolmer_needs_cpp20>
#endif

#define TOLMER_VERSION_MAJOR 1
#define TOLMER_VERSION_MINOR 0
#define TOLMER_VERSION_PATCH 0
// One number that orders versions: 10000 * major + 100 * minor + patch.
#define TOLMER_VERSION (TOLMER_VERSION_MAJOR * 10000 + TOLMER_VERSION_MINOR * 100 + TOLMER_VERSION_PATCH)
#define TOLMER_VERSION_STRING "1.0.0"

// A view returned by a function that points into one of its arguments
// carries TOLMER_LIFETIME_BOUND on that argument: compilers that know the
// attribute warn when the argument is a temporary.
#if defined(__has_cpp_attribute)
#if __has_cpp_attribute(clang::lifetimebound)
#define TOLMER_LIFETIME_BOUND [[clang::lifetimebound]]
#elif __has_cpp_attribute(msvc::lifetimebound)
#define TOLMER_LIFETIME_BOUND [[msvc::lifetimebound]]
#endif
#endif
#ifndef TOLMER_LIFETIME_BOUND
#define TOLMER_LIFETIME_BOUND
#endif

namespace tolmer::inline v1 {

struct Version {
  int major = 0;
  int minor = 0;
  int patch = 0;
  friend constexpr auto operator<=>(const Version&, const Version&) = default;
};

// The version of these headers.
inline constexpr Version header_version{TOLMER_VERSION_MAJOR, TOLMER_VERSION_MINOR,
                                        TOLMER_VERSION_PATCH};

// The version of the library linked (compiled into it).
[[nodiscard]] Version version() noexcept;
// The same as text: "1.0.0".
[[nodiscard]] const char* version_string() noexcept;

}  // namespace tolmer::inline v1
