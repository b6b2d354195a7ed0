# The Windows DLL: its exports come from the module-definition file made here
# from src/c_abi/export_table.h, the one list of every export.
#
# 32-bit: every export is __stdcall, which the compiler decorates as
# NAME@N (N the bytes of its arguments: 4 each, 8 for a double). The .def
# file lists each as NAME@N, with N computed from the table's argument kinds,
# so an export whose arguments differ from the table does not link; the
# linker's --kill-at exports it under its plain NAME. The import library
# (for C and C++ callers that link against the DLL, which call NAME@N) is
# made from the same .def by dlltool -k: decorated symbols that import the
# plain names. 64-bit: no decoration; the .def lists the names.
#
# Also written: exports.txt, one "NAME BYTES" line per export, for the checks
# of scripts/check-dll32.sh.

set(TOLMER_EXPORT_TABLE ${PROJECT_SOURCE_DIR}/src/c_abi/export_table.h)
set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
             ${TOLMER_EXPORT_TABLE} ${PROJECT_SOURCE_DIR}/include/tolmerdll.h)

option(TOLMER_EXPORTS_DECLARED_ONLY
       "Export only the table's entries that include/tolmerdll.h declares (while exports are being written)"
       OFF)

file(STRINGS ${TOLMER_EXPORT_TABLE} tolmer_entries REGEX "^TOLMER_EXPORT_ENTRY\\(")
if(TOLMER_EXPORTS_DECLARED_ONLY)
  file(READ ${PROJECT_SOURCE_DIR}/include/tolmerdll.h tolmer_header)
endif()

if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  set(tolmer_decorated ON)
else()
  set(tolmer_decorated OFF)
endif()

set(tolmer_def "LIBRARY TOLMERDLL.dll\nEXPORTS\n")
set(tolmer_list "")
set(tolmer_count 0)
foreach(entry IN LISTS tolmer_entries)
  if(NOT entry MATCHES "^TOLMER_EXPORT_ENTRY\\(([A-Z0-9_]+), *([A-Za-z]+), *\\(([^)]*)\\)\\)")
    message(FATAL_ERROR "export table: cannot read the line: ${entry}")
  endif()
  set(name ${CMAKE_MATCH_1})
  set(kinds "${CMAKE_MATCH_3}")
  if(TOLMER_EXPORTS_DECLARED_ONLY AND NOT tolmer_header MATCHES "TOLMER_CALL ${name}\\(")
    continue()
  endif()
  string(REPLACE "," ";" kinds "${kinds}")
  set(bytes 0)
  foreach(kind IN LISTS kinds)
    string(STRIP "${kind}" kind)
    if(kind STREQUAL "")
      continue()
    elseif(kind STREQUAL "Double")
      math(EXPR bytes "${bytes} + 8")
    else()
      math(EXPR bytes "${bytes} + 4")
    endif()
  endforeach()
  if(tolmer_decorated)
    string(APPEND tolmer_def "  ${name}@${bytes}\n")
  else()
    string(APPEND tolmer_def "  ${name}\n")
  endif()
  string(APPEND tolmer_list "${name} ${bytes}\n")
  math(EXPR tolmer_count "${tolmer_count} + 1")
endforeach()

set(TOLMER_DEF_FILE ${PROJECT_BINARY_DIR}/TOLMERDLL.def)
file(CONFIGURE OUTPUT ${TOLMER_DEF_FILE} CONTENT "${tolmer_def}" @ONLY)
file(CONFIGURE OUTPUT ${PROJECT_BINARY_DIR}/exports.txt CONTENT "${tolmer_list}" @ONLY)
message(STATUS "TOLMERDLL.def: ${tolmer_count} exports")

target_sources(tolmerdll PRIVATE ${TOLMER_DEF_FILE})
set_property(TARGET tolmerdll APPEND PROPERTY LINK_DEPENDS ${TOLMER_DEF_FILE})
set_target_properties(tolmerdll PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR})
if(tolmer_decorated)
  target_link_options(tolmerdll PRIVATE -Wl,--kill-at)
  if(NOT CMAKE_DLLTOOL)
    find_program(CMAKE_DLLTOOL NAMES ${TOLMER_MINGW_PREFIX}-dlltool dlltool REQUIRED)
  endif()
  add_custom_command(TARGET tolmerdll POST_BUILD
    COMMAND ${CMAKE_DLLTOOL} -k -d ${TOLMER_DEF_FILE} -D TOLMERDLL.dll
            -l $<TARGET_LINKER_FILE:tolmerdll>
    COMMENT "Import library of TOLMERDLL.dll (decorated names, plain imports)"
    VERBATIM)
endif()
