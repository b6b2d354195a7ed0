# Installs the built library into a fresh prefix, then builds and runs a small
# consumer project against it twice: with find_package and with pkg-config.
#
# Variables: TOLMER_BUILD_DIR, TOLMER_CONFIG, TOLMER_CONSUMER_DIR,
# TOLMER_WORK_DIR, TOLMER_C_COMPILER, TOLMER_CXX_COMPILER, TOLMER_GENERATOR, TOLMER_EXTRA_FLAGS
# (compiler flags the library was built with that a consumer needs too, such
# as the sanitizers).

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT code EQUAL 0)
    string(REPLACE ";" " " command "${ARGN}")
    message(FATAL_ERROR "failed (${code}): ${command}\n${out}\n${err}")
  endif()
  set(RUN_OUTPUT "${out}" PARENT_SCOPE)
endfunction()

set(prefix ${TOLMER_WORK_DIR}/prefix)
file(REMOVE_RECURSE ${TOLMER_WORK_DIR})
file(MAKE_DIRECTORY ${TOLMER_WORK_DIR})

set(config_args)
if(TOLMER_CONFIG)
  set(config_args --config ${TOLMER_CONFIG})
endif()
run(${CMAKE_COMMAND} --install ${TOLMER_BUILD_DIR} --prefix ${prefix} ${config_args})

foreach(installed include/tolmerdll.h include/tolmer/tolmer.h include/tolmer/library.h bin/tolmer)
  if(NOT EXISTS ${prefix}/${installed})
    message(FATAL_ERROR "the installation lacks ${installed}")
  endif()
endforeach()
file(GLOB_RECURSE package_files ${prefix}/*tolmerdllConfig.cmake)
file(GLOB_RECURSE pc_files ${prefix}/*tolmerdll.pc)
if(NOT package_files OR NOT pc_files)
  message(FATAL_ERROR "the installation lacks the CMake package or tolmerdll.pc")
endif()
list(GET pc_files 0 pc_file)
get_filename_component(pc_dir ${pc_file} DIRECTORY)
get_filename_component(libdir ${pc_dir} DIRECTORY)

# The installed tool runs and finds its library.
run(${prefix}/bin/tolmer call GETMEASUREMENTLABEL 0 0 1.5)
if(NOT RUN_OUTPUT STREQUAL "result = \"Feet\"\n")
  message(FATAL_ERROR "the installed tolmer printed: ${RUN_OUTPUT}")
endif()

# 1. CMake: find_package(tolmerdll) and tolmerdll::tolmerdll.
run(${CMAKE_COMMAND} -S ${TOLMER_CONSUMER_DIR} -B ${TOLMER_WORK_DIR}/cmake-build
    -G ${TOLMER_GENERATOR} -DCMAKE_PREFIX_PATH=${prefix} -DCMAKE_BUILD_TYPE=Release
    -DCMAKE_C_COMPILER=${TOLMER_C_COMPILER} "-DCMAKE_C_FLAGS=${TOLMER_EXTRA_FLAGS}"
    -DCMAKE_CXX_COMPILER=${TOLMER_CXX_COMPILER} "-DCMAKE_CXX_FLAGS=${TOLMER_EXTRA_FLAGS}")
run(${CMAKE_COMMAND} --build ${TOLMER_WORK_DIR}/cmake-build)
run(${TOLMER_WORK_DIR}/cmake-build/consumer)
message(STATUS "CMake consumer: ${RUN_OUTPUT}")
run(${TOLMER_WORK_DIR}/cmake-build/consumer_cpp)
message(STATUS "CMake C++ consumer: ${RUN_OUTPUT}")
run(${TOLMER_WORK_DIR}/cmake-build/consumer_cpp_only)
message(STATUS "CMake C++-only consumer (component cpp, C++23): ${RUN_OUTPUT}")

# 1b. A C-only project links the same target.
run(${CMAKE_COMMAND} -S ${TOLMER_CONSUMER_DIR}/c-only -B ${TOLMER_WORK_DIR}/c-only-build
    -G ${TOLMER_GENERATOR} -DCMAKE_PREFIX_PATH=${prefix} -DCMAKE_BUILD_TYPE=Release
    -DCMAKE_C_COMPILER=${TOLMER_C_COMPILER} "-DCMAKE_C_FLAGS=${TOLMER_EXTRA_FLAGS}")
run(${CMAKE_COMMAND} --build ${TOLMER_WORK_DIR}/c-only-build)
run(${TOLMER_WORK_DIR}/c-only-build/consumer)
message(STATUS "CMake C-only consumer: ${RUN_OUTPUT}")

# 1c. A component the package does not have finds no package.
run(${CMAKE_COMMAND} -S ${TOLMER_CONSUMER_DIR}/unknown-component -B ${TOLMER_WORK_DIR}/unknown-component-build
    -G ${TOLMER_GENERATOR} -DCMAKE_PREFIX_PATH=${prefix})

# 2. pkg-config.
find_program(PKG_CONFIG NAMES pkg-config pkgconf REQUIRED)
set(ENV{PKG_CONFIG_PATH} ${pc_dir})
run(${PKG_CONFIG} --cflags --libs tolmerdll)
string(STRIP "${RUN_OUTPUT}" flags)
separate_arguments(flags UNIX_COMMAND "${flags}")
separate_arguments(extra_flags UNIX_COMMAND "${TOLMER_EXTRA_FLAGS}")
run(${TOLMER_C_COMPILER} ${extra_flags} ${TOLMER_CONSUMER_DIR}/consumer.c ${flags} -o ${TOLMER_WORK_DIR}/consumer-pkg-config)
set(ENV{LD_LIBRARY_PATH} ${libdir})
run(${TOLMER_WORK_DIR}/consumer-pkg-config)
message(STATUS "pkg-config consumer: ${RUN_OUTPUT}")

# 3. pkg-config, the C++ interface.
run(${PKG_CONFIG} --cflags --libs tolmer)
string(STRIP "${RUN_OUTPUT}" cxx_flags)
separate_arguments(cxx_flags UNIX_COMMAND "${cxx_flags}")
# The flags name no language standard: the program chooses its own (C++20
# or later).
if(cxx_flags MATCHES "-std=")
  message(FATAL_ERROR "pkg-config tolmer names a standard: ${cxx_flags}")
endif()
run(${TOLMER_CXX_COMPILER} -std=c++20 ${extra_flags} ${TOLMER_CONSUMER_DIR}/consumer.cpp ${cxx_flags} -o ${TOLMER_WORK_DIR}/consumer-cpp-pkg-config)
run(${TOLMER_WORK_DIR}/consumer-cpp-pkg-config)
message(STATUS "pkg-config C++ consumer: ${RUN_OUTPUT}")
# The C++ interface alone, as C++23: the flags leave the standard to the
# program.
run(${TOLMER_CXX_COMPILER} -std=c++23 -DTOLMER_EXPECT_CPP23 ${extra_flags}
    ${TOLMER_CONSUMER_DIR}/consumer_cpp_only.cpp ${cxx_flags} -o ${TOLMER_WORK_DIR}/consumer-cpp-only-pkg-config)
run(${TOLMER_WORK_DIR}/consumer-cpp-only-pkg-config)
message(STATUS "pkg-config C++-only consumer (C++23): ${RUN_OUTPUT}")
