# WebAssembly with Emscripten (emcmake cmake ...), the programs run under
# node. Included by the top-level CMakeLists.txt when EMSCRIPTEN is set.
#
# - C++ exceptions caught as natively (Emscripten's default aborts on a throw);
# - printf writes long double exactly (Emscripten's default prints it as a
#   double), as the exact decimal conversions need (src/frame/charconv.h);
# - the memory grows as needed;
# - node only, with its real file system (the tests read files of the source
#   tree and make directories).
# long double is IEEE quad precision here, computed in software.
# TOLMER_WASM_NATIVE_EXCEPTIONS: WebAssembly's own exception handling
# instead (the npm package, scripts/web.sh): no detour through JavaScript at
# every call that may throw, which costs microseconds per length read.
option(TOLMER_WASM_NATIVE_EXCEPTIONS "WebAssembly exception handling (-fwasm-exceptions)" OFF)
if(TOLMER_WASM_NATIVE_EXCEPTIONS)
  set(tolmer_wasm_exceptions -fwasm-exceptions)
else()
  set(tolmer_wasm_exceptions -fexceptions "SHELL:-s DISABLE_EXCEPTION_CATCHING=0")
endif()
add_compile_options(${tolmer_wasm_exceptions})
add_link_options(${tolmer_wasm_exceptions}
                 "SHELL:-s ALLOW_MEMORY_GROWTH=1" "SHELL:-s ENVIRONMENT=node"
                 "SHELL:-s NODERAWFS=1" "SHELL:-s EXIT_RUNTIME=1"
                 "SHELL:-s PRINTF_LONG_DOUBLE=1")
# GoogleTest without threads: the programs are single-threaded.
set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
