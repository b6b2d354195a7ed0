# Floating-point code generation, the same for every target and every program
# of the build (the library, the tests, the tools, GoogleTest):
#
#   - no contraction of a multiplication and an addition into one fused
#     multiply-add (-ffp-contract=off): every product is rounded before it is
#     added, as on a CPU without the instruction;
#   - no fast-math (-fno-fast-math): no reassociation, no reciprocal
#     approximations, NaN and infinities kept;
#   - on 32-bit x86, float and double arithmetic in SSE2 registers
#     (-msse2 -mfpmath=sse), rounded to its type at every operation as on
#     x86-64, instead of the x87 unit's excess precision. long double stays on
#     the x87 unit with its 64-bit significand.
#
# A configure-time check compiles a probe with these flags and stops the
# configuration when the compiler does not accept one of them or still
# evaluates float and double with excess precision (FLT_EVAL_METHOD other
# than 0), or when fast-math is still in effect after them. The flags come
# after CMAKE_<LANG>_FLAGS, so they override a -ffast-math or
# -ffp-contract=fast given there.
include(CheckCSourceCompiles)
include(CheckCXXSourceCompiles)

set(tolmer_fp_probe [=[
#include <float.h>
#if defined(__i386__) || defined(_M_IX86)
#error 32-bit x86
#endif
int main(void) { return 0; }
]=])
check_c_source_compiles("${tolmer_fp_probe}" TOLMER_TARGET_NOT_X86_32)

if(MSVC)
  # MSVC contracts only under /fp:contract or /fp:fast; 32-bit code uses SSE2
  # (/arch:SSE2, its default).
  set(TOLMER_FP_FLAGS /fp:precise)
  if(NOT TOLMER_TARGET_NOT_X86_32)
    list(APPEND TOLMER_FP_FLAGS /arch:SSE2)
  endif()
else()
  set(TOLMER_FP_FLAGS -ffp-contract=off -fno-fast-math)
  if(NOT TOLMER_TARGET_NOT_X86_32)
    list(APPEND TOLMER_FP_FLAGS -msse2 -mfpmath=sse)
  endif()
endif()

set(tolmer_fp_check [=[
#include <float.h>
#if !defined(FLT_EVAL_METHOD) || FLT_EVAL_METHOD != 0
#error float and double are evaluated with excess precision
#endif
#if defined(__FAST_MATH__) || (defined(__FINITE_MATH_ONLY__) && __FINITE_MATH_ONLY__)
#error fast-math is in effect
#endif
int main(void) { return 0; }
]=])
list(JOIN TOLMER_FP_FLAGS " " tolmer_fp_flags_string)
set(CMAKE_REQUIRED_FLAGS "${tolmer_fp_flags_string}")
set(CMAKE_REQUIRED_QUIET ON)
# A flag the compiler ignores with a warning does not count as accepted.
set(tolmer_fp_fail_regex "unrecognized|unknown|unsupported|not supported|ignored|invalid")
check_c_source_compiles("${tolmer_fp_check}" TOLMER_FP_SETTINGS_C FAIL_REGEX ${tolmer_fp_fail_regex})
check_cxx_source_compiles("${tolmer_fp_check}" TOLMER_FP_SETTINGS_CXX FAIL_REGEX ${tolmer_fp_fail_regex})
unset(CMAKE_REQUIRED_FLAGS)
unset(CMAKE_REQUIRED_QUIET)
if(NOT TOLMER_FP_SETTINGS_C OR NOT TOLMER_FP_SETTINGS_CXX)
  message(FATAL_ERROR
    "This target cannot be built with the floating-point settings the library needs "
    "(${tolmer_fp_flags_string}): the compiler rejects one of them, evaluates float or "
    "double with excess precision (FLT_EVAL_METHOD != 0), or fast-math is in effect. "
    "See CMakeFiles/CMakeError.log.")
endif()
message(STATUS "Floating-point settings: ${tolmer_fp_flags_string}")

foreach(flag IN LISTS TOLMER_FP_FLAGS)
  add_compile_options($<$<COMPILE_LANGUAGE:C,CXX>:${flag}>)
endforeach()
