# The settings shared by the Linux cross toolchain files: the includer sets
# TOLMER_CROSS_TRIPLET (Debian's multiarch triplet) and TOLMER_CROSS_QEMU (the
# qemu-user program of the target) first. Debian's cross compilers
# (g++-<triplet>) and their C library under /usr/<triplet>; the programs run
# under qemu-user with that library as their root (-L), so ctest and
# gtest_discover_tests run them on the build machine.
set(CMAKE_C_COMPILER ${TOLMER_CROSS_TRIPLET}-gcc)
set(CMAKE_CXX_COMPILER ${TOLMER_CROSS_TRIPLET}-g++)

set(CMAKE_FIND_ROOT_PATH /usr/${TOLMER_CROSS_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

find_program(TOLMER_CROSS_QEMU_PROGRAM ${TOLMER_CROSS_QEMU})
if(TOLMER_CROSS_QEMU_PROGRAM)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${TOLMER_CROSS_QEMU_PROGRAM} -L /usr/${TOLMER_CROSS_TRIPLET})
endif()
