# A plain configuration of the library needs no GoogleTest: configured with
# GoogleTest hidden, and again inside another project, the test suite is off
# and the configuration succeeds.
# Usage: cmake -DSOURCE=dir -DWORK=dir -P plain_configure.cmake
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}/parent")

function(configure label source binary)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -S "${source}" -B "${binary}" -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON
            -DTOLMER_BUILD_BENCH=OFF
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "${label}: the configuration failed:\n${output}")
  endif()
endfunction()

function(expect_tests_off label cache)
  file(STRINGS "${cache}" line REGEX "^TOLMER_BUILD_TESTS:")
  if(NOT line STREQUAL "TOLMER_BUILD_TESTS:BOOL=OFF")
    message(FATAL_ERROR "${label}: the test suite is not off by default (${line})")
  endif()
endfunction()

configure("top level without GoogleTest" "${SOURCE}" "${WORK}/top")
expect_tests_off("top level without GoogleTest" "${WORK}/top/CMakeCache.txt")

# Inside another project the tests stay off even where GoogleTest is installed.
file(WRITE "${WORK}/parent/CMakeLists.txt"
  "cmake_minimum_required(VERSION 3.25)\nproject(parent LANGUAGES C CXX)\n"
  "add_subdirectory(\"${SOURCE}\" tolmerdll)\n")
execute_process(
  COMMAND ${CMAKE_COMMAND} -S "${WORK}/parent" -B "${WORK}/parent-build" -DTOLMER_BUILD_BENCH=OFF
  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "inside another project: the configuration failed:\n${output}")
endif()
expect_tests_off("inside another project" "${WORK}/parent-build/CMakeCache.txt")
file(REMOVE_RECURSE "${WORK}")
message(STATUS "a plain configuration needs no GoogleTest")
