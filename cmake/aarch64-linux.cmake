# Cross-compiling for 64-bit ARM Linux (Debian: g++-aarch64-linux-gnu); the
# programs run under qemu-user (qemu-aarch64). long double is IEEE quad
# precision here.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)

set(TOLMER_CROSS_TRIPLET aarch64-linux-gnu)
set(TOLMER_CROSS_QEMU qemu-aarch64)
include(${CMAKE_CURRENT_LIST_DIR}/linux-cross-common.cmake)
