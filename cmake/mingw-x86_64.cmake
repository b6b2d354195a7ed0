# Cross-compiling for 64-bit Windows with the mingw-w64 toolchain
# (Debian: g++-mingw-w64-x86-64). The posix-thread variant of the
# compilers is used; the runtime is linked statically, so the programs and the
# DLL need no compiler DLLs.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)

set(TOLMER_MINGW_PREFIX x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
