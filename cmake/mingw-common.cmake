# The settings shared by the mingw-w64 toolchain files: the includer sets
# TOLMER_MINGW_PREFIX (the target triplet) first.
set(CMAKE_C_COMPILER ${TOLMER_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TOLMER_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${TOLMER_MINGW_PREFIX}-windres)
set(CMAKE_DLLTOOL ${TOLMER_MINGW_PREFIX}-dlltool)

set(CMAKE_FIND_ROOT_PATH /usr/${TOLMER_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The C and C++ runtime (libgcc, libstdc++, winpthread) linked in statically.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
