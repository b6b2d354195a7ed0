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
add_compile_options(-fexceptions "SHELL:-s DISABLE_EXCEPTION_CATCHING=0")
add_link_options(-fexceptions "SHELL:-s DISABLE_EXCEPTION_CATCHING=0"
                 "SHELL:-s ALLOW_MEMORY_GROWTH=1" "SHELL:-s ENVIRONMENT=node"
                 "SHELL:-s NODERAWFS=1" "SHELL:-s EXIT_RUNTIME=1"
                 "SHELL:-s PRINTF_LONG_DOUBLE=1")
# GoogleTest without threads: the programs are single-threaded.
set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
