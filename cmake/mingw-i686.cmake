# Cross-compiling for 32-bit Windows with the mingw-w64 toolchain
# (Debian: g++-mingw-w64-i686). The posix-thread variant of the
# compilers is used; the runtime is linked statically, so the programs and the
# DLL need no compiler DLLs.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86)

set(TOLMER_MINGW_PREFIX i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)

# The caller's stack may be aligned to 4 bytes only. (float and double
# arithmetic in SSE2 registers, as on every 32-bit x86 target: see
# floating-point.cmake.)
set(CMAKE_C_FLAGS_INIT "-mincoming-stack-boundary=2")
set(CMAKE_CXX_FLAGS_INIT "-mincoming-stack-boundary=2")
