# Sourced by scripts/cross.sh and scripts/digest.sh: how each cross target is
# built and run.

# Optimised as CI's Linux build (-O2; without debug information).
optimise=(-DCMAKE_BUILD_TYPE=Release "-DCMAKE_C_FLAGS_RELEASE=-O2 -DNDEBUG"
          "-DCMAKE_CXX_FLAGS_RELEASE=-O2 -DNDEBUG" -DTOLMER_BUILD_BENCH=OFF)

# setup TARGET sets, for aarch64, i686 or wasm: packages (Debian packages it
# needs), emulator (the command that runs one of its programs), configure
# (the cmake command, without -S/-B), programs (its GoogleTest programs,
# relative to the build directory), digest_program, build_targets, and
# left_out_filter / left_out_regex: tests not run there (a GoogleTest pattern
# and the same as a regular expression), empty for none.
setup() {
  left_out_filter=""
  left_out_regex=""
  case "$1" in
    aarch64 | i686)
      local triplet qemu
      if [ "$1" = aarch64 ]; then triplet=aarch64-linux-gnu; qemu=qemu-aarch64
      else triplet=i686-linux-gnu; qemu=qemu-i386; fi
      packages=("g++-$triplet" qemu-user googletest)
      emulator=("$qemu" -L "/usr/$triplet")
      export QEMU_LD_PREFIX="/usr/$triplet"
      if [ "$1" = i686 ]; then
        # qemu-i386 runs the eight-thread stress tests too slowly to finish;
        # they run natively, under ThreadSanitizer, on aarch64 and under Wine.
        left_out_filter='Threads.*:ContextThreads.*'
        left_out_regex='^(Threads|ContextThreads)\.'
      fi
      configure=(cmake -DCMAKE_TOOLCHAIN_FILE="cmake/$1-linux.cmake")
      programs=(tests/tolmer_tests tests/tolmer_alloc_tests)
      digest_program=tests/tolmer_digest
      build_targets=(tolmer_tests tolmer_alloc_tests tolmer_host tolmer_digest)
      ;;
    wasm)
      packages=(emscripten nodejs node-acorn googletest)
      # Debian's JavaScript modules (emscripten's optimiser needs acorn), also
      # for a node that does not look there itself. The fetch of node 18 and
      # later cannot read a file path: this emscripten's loader then falls
      # back to reading the file.
      export NODE_PATH="/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}"
      emulator=(node --no-experimental-fetch)
      configure=(emcmake cmake "-DCMAKE_CROSSCOMPILING_EMULATOR=node;--no-experimental-fetch")
      programs=(tests/tolmer_tests.js tests/tolmer_alloc_tests.js)
      digest_program=tests/tolmer_digest.js
      build_targets=(tolmer_tests tolmer_alloc_tests tolmer_digest)
      ;;
  esac
}

