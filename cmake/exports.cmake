# The ELF shared library exports exactly the export table's names: an
# anonymous version script made here from src/c_abi/export_table.h keeps
# every other symbol local (a C++ template's static in an inline function,
# say, would otherwise be exported beside them). The symbol check in the
# test suite (Exports.DynamicSymbols) compares `nm -D` with the same table.
set(TOLMER_EXPORT_TABLE ${PROJECT_SOURCE_DIR}/src/c_abi/export_table.h)
set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${TOLMER_EXPORT_TABLE})
file(STRINGS ${TOLMER_EXPORT_TABLE} tolmer_version_entries REGEX "^TOLMER_EXPORT_ENTRY\\(")
set(tolmer_version_script "{\n  global:\n")
foreach(entry IN LISTS tolmer_version_entries)
  if(NOT entry MATCHES "^TOLMER_EXPORT_ENTRY\\(([A-Z0-9_]+),")
    message(FATAL_ERROR "export table: cannot read the line: ${entry}")
  endif()
  string(APPEND tolmer_version_script "    ${CMAKE_MATCH_1};\n")
endforeach()
string(APPEND tolmer_version_script "  local:\n    *;\n};\n")
file(WRITE ${PROJECT_BINARY_DIR}/tolmerdll.map "${tolmer_version_script}")
target_link_options(tolmerdll PRIVATE "LINKER:--version-script=${PROJECT_BINARY_DIR}/tolmerdll.map")
set_property(TARGET tolmerdll APPEND PROPERTY LINK_DEPENDS ${PROJECT_BINARY_DIR}/tolmerdll.map)
