# Cross-compiling for 32-bit x86 Linux (Debian: g++-i686-linux-gnu); the
# programs run under qemu-user (qemu-i386). float and double arithmetic in
# SSE2 registers as on every 32-bit x86 target (floating-point.cmake); long
# double on the x87 unit, as in the 32-bit Windows DLL.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR i686)

set(TOLMER_CROSS_TRIPLET i686-linux-gnu)
set(TOLMER_CROSS_QEMU qemu-i386)
include(${CMAKE_CURRENT_LIST_DIR}/linux-cross-common.cmake)
