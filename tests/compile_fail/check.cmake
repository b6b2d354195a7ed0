# One compile check, run as a test: cmake -DMODE=... -DCOMPILER=... -P check.cmake
#
#   MODE=misuse   SOURCE must not compile (-std=c++20), and the compiler's
#                 messages must match the regex of its "// expect-error:" line;
#   MODE=control  SOURCE compiles with -DTOLMER_CONTROL, without warnings;
#   MODE=header   the public header HEADER (tolmer/x.h) compiles alone with
#                 -Wall -Wextra -Wpedantic -Werror;
#   MODE=cxx17    tolmer/tolmer.h under -std=c++17 stops with the message
#                 "needs C++20" and no error from inside the headers.
#
# INCLUDE_DIR is the public include folder, WORK_DIR a folder for generated
# sources. Every compile is -fsyntax-only.
foreach(var MODE COMPILER INCLUDE_DIR)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "check.cmake needs -D${var}=...")
  endif()
endforeach()

set(strict -Wall -Wextra -Wpedantic -Werror)

function(compile result_var output_var)
  execute_process(COMMAND ${COMPILER} -fsyntax-only -I${INCLUDE_DIR} ${ARGN}
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  set(${result_var} ${rc} PARENT_SCOPE)
  set(${output_var} "${out}${err}" PARENT_SCOPE)
endfunction()

# A source holding one #include line, for the header checks.
function(including header out_var)
  string(REPLACE "/" "_" stem "${header}")
  set(file ${WORK_DIR}/${stem}.cpp)
  file(WRITE ${file} "#include \"${header}\"\n")
  set(${out_var} ${file} PARENT_SCOPE)
endfunction()

if(MODE STREQUAL "misuse")
  file(STRINGS ${SOURCE} expect REGEX "^// expect-error: ")
  list(LENGTH expect count)
  if(NOT count EQUAL 1)
    message(FATAL_ERROR "${SOURCE}: needs exactly one '// expect-error: <regex>' line")
  endif()
  string(REGEX REPLACE "^// expect-error: " "" pattern "${expect}")
  compile(rc messages -std=c++20 ${SOURCE})
  if(rc EQUAL 0)
    message(FATAL_ERROR "${SOURCE}: the misuse compiled")
  endif()
  if(NOT messages MATCHES "${pattern}")
    message(FATAL_ERROR "${SOURCE}: the misuse failed, but not with /${pattern}/:\n${messages}")
  endif()
elseif(MODE STREQUAL "control")
  compile(rc messages -std=c++20 ${strict} -DTOLMER_CONTROL ${SOURCE})
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${SOURCE}: the control does not compile:\n${messages}")
  endif()
elseif(MODE STREQUAL "header")
  including(${HEADER} source)
  compile(rc messages -std=c++20 ${strict} ${source})
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${HEADER} does not compile alone:\n${messages}")
  endif()
elseif(MODE STREQUAL "cxx17")
  including(tolmer/tolmer.h source)
  compile(rc messages -std=c++17 ${source})
  if(rc EQUAL 0)
    message(FATAL_ERROR "tolmer/tolmer.h compiled under -std=c++17")
  endif()
  if(NOT messages MATCHES "needs C\\+\\+20")
    message(FATAL_ERROR "no 'needs C++20' under -std=c++17:\n${messages}")
  endif()
  # Every error is the #error itself or the missing header that ends the
  # compilation right after it.
  # (Semicolons would split the lines of the list.)
  string(REPLACE ";" "," flat "${messages}")
  string(REGEX MATCHALL "[^\n]*error:[^\n]*" errors "${flat}")
  foreach(line IN LISTS errors)
    if(NOT line MATCHES "needs C\\+\\+20|tolmer_needs_cpp20")
      message(FATAL_ERROR "an error other than the language check under -std=c++17:\n${messages}")
    endif()
  endforeach()
  if(messages MATCHES "span|requires")
    message(FATAL_ERROR "errors from inside the headers under -std=c++17:\n${messages}")
  endif()
else()
  message(FATAL_ERROR "check.cmake: unknown MODE '${MODE}'")
endif()
