# Configures tests/fp_settings in a fresh directory (no cached checks) with
# the compilers and extra flags given, and prints what the configuration
# printed; the test matches its output.
#   -DTOLMER_SOURCE_DIR= -DTOLMER_WORK_DIR= -DTOLMER_C_COMPILER= -DTOLMER_CXX_COMPILER=
#   -DTOLMER_EXTRA_FLAGS= (for C and C++) -DTOLMER_GENERATOR=
file(REMOVE_RECURSE ${TOLMER_WORK_DIR})
execute_process(
  COMMAND ${CMAKE_COMMAND} -S ${TOLMER_SOURCE_DIR}/tests/fp_settings -B ${TOLMER_WORK_DIR}
          -G ${TOLMER_GENERATOR}
          -DTOLMER_SOURCE_DIR=${TOLMER_SOURCE_DIR}
          -DCMAKE_C_COMPILER=${TOLMER_C_COMPILER} -DCMAKE_CXX_COMPILER=${TOLMER_CXX_COMPILER}
          "-DCMAKE_C_FLAGS=${TOLMER_EXTRA_FLAGS}" "-DCMAKE_CXX_FLAGS=${TOLMER_EXTRA_FLAGS}"
  OUTPUT_VARIABLE out ERROR_VARIABLE out RESULT_VARIABLE status)
message("${out}")
message("configure status: ${status}")
