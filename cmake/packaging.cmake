# Installation: the header, the library, the tool, a CMake package
# (find_package(tolmerdll) gives tolmerdll::tolmerdll: the C interface, and
# for a program linked as C++ the C++ interface too; tolmerdll::tolmer is the
# C++ interface alone) and pkg-config files (tolmerdll: the C interface;
# tolmer: the C++ interface, requiring tolmerdll).
include(CMakePackageConfigHelpers)

if(NOT WIN32)
  set_target_properties(tolmerdll PROPERTIES
    VERSION ${PROJECT_VERSION}
    SOVERSION ${PROJECT_VERSION_MAJOR})
endif()

set(TOLMER_CMAKE_PACKAGE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/tolmerdll)

install(TARGETS tolmerdll EXPORT tolmerdllTargets
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
  INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(FILES ${PROJECT_SOURCE_DIR}/include/tolmerdll.h ${PROJECT_SOURCE_DIR}/include/tolmerdll_host.h DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
# The C++ interface: its headers and static library (tolmerdll::tolmer).
install(TARGETS tolmercpp EXPORT tolmerdllTargets
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
  INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/include/tolmer DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}
  FILES_MATCHING PATTERN "*.h")
install(EXPORT tolmerdllTargets
  NAMESPACE tolmerdll::
  DESTINATION ${TOLMER_CMAKE_PACKAGE_DIR})

configure_package_config_file(
  ${PROJECT_SOURCE_DIR}/cmake/tolmerdllConfig.cmake.in
  ${PROJECT_BINARY_DIR}/tolmerdllConfig.cmake
  INSTALL_DESTINATION ${TOLMER_CMAKE_PACKAGE_DIR})
write_basic_package_version_file(
  ${PROJECT_BINARY_DIR}/tolmerdllConfigVersion.cmake
  VERSION ${PROJECT_VERSION}
  COMPATIBILITY SameMajorVersion)
install(FILES
  ${PROJECT_BINARY_DIR}/tolmerdllConfig.cmake
  ${PROJECT_BINARY_DIR}/tolmerdllConfigVersion.cmake
  DESTINATION ${TOLMER_CMAKE_PACKAGE_DIR})

# pkg-config: the prefix is found from the .pc file's own place, so the
# package can be installed under any prefix (cmake --install --prefix).
get_target_property(TOLMER_PC_LIBRARY tolmerdll OUTPUT_NAME)
if(NOT TOLMER_PC_LIBRARY)
  set(TOLMER_PC_LIBRARY tolmerdll)
endif()
if(IS_ABSOLUTE "${CMAKE_INSTALL_LIBDIR}")
  set(TOLMER_PC_PREFIX "${CMAKE_INSTALL_PREFIX}")
  set(TOLMER_PC_LIBDIR "${CMAKE_INSTALL_LIBDIR}")
else()
  file(RELATIVE_PATH TOLMER_PC_UP "/${CMAKE_INSTALL_LIBDIR}/pkgconfig" "/")
  string(REGEX REPLACE "/$" "" TOLMER_PC_UP "${TOLMER_PC_UP}")
  set(TOLMER_PC_PREFIX "\${pcfiledir}/${TOLMER_PC_UP}")
  set(TOLMER_PC_LIBDIR "\${prefix}/${CMAKE_INSTALL_LIBDIR}")
endif()
if(IS_ABSOLUTE "${CMAKE_INSTALL_INCLUDEDIR}")
  set(TOLMER_PC_INCLUDEDIR "${CMAKE_INSTALL_INCLUDEDIR}")
else()
  set(TOLMER_PC_INCLUDEDIR "\${prefix}/${CMAKE_INSTALL_INCLUDEDIR}")
endif()
configure_file(${PROJECT_SOURCE_DIR}/cmake/tolmerdll.pc.in ${PROJECT_BINARY_DIR}/tolmerdll.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/tolmerdll.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
configure_file(${PROJECT_SOURCE_DIR}/cmake/tolmer.pc.in ${PROJECT_BINARY_DIR}/tolmer.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/tolmer.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)

# The installed package, used by a small consumer project built with CMake
# and with pkg-config.
# Flags the library was built with that a program linking it needs as well.
set(TOLMER_CONSUMER_FLAGS "")
if(TOLMER_SANITIZE)
  string(APPEND TOLMER_CONSUMER_FLAGS " -fsanitize=address,undefined")
endif()
if(TOLMER_COVERAGE)
  string(APPEND TOLMER_CONSUMER_FLAGS " --coverage")
endif()
if(TOLMER_BUILD_TESTS AND NOT WIN32 AND NOT CMAKE_CROSSCOMPILING AND NOT TOLMER_FUZZ)
  add_test(NAME Install.ConsumerBuildsWithCMakeAndPkgConfig
    COMMAND ${CMAKE_COMMAND}
      -DTOLMER_BUILD_DIR=${PROJECT_BINARY_DIR}
      -DTOLMER_CONFIG=$<CONFIG>
      -DTOLMER_CONSUMER_DIR=${PROJECT_SOURCE_DIR}/tests/consumer
      -DTOLMER_WORK_DIR=${PROJECT_BINARY_DIR}/consumer-test
      -DTOLMER_C_COMPILER=${CMAKE_C_COMPILER}
      -DTOLMER_CXX_COMPILER=${CMAKE_CXX_COMPILER}
      -DTOLMER_GENERATOR=${CMAKE_GENERATOR}
      "-DTOLMER_EXTRA_FLAGS=${TOLMER_CONSUMER_FLAGS}"
      -P ${PROJECT_SOURCE_DIR}/tests/consumer/run_consumer_test.cmake)
  set_tests_properties(Install.ConsumerBuildsWithCMakeAndPkgConfig PROPERTIES TIMEOUT 300 RUN_SERIAL TRUE)
endif()
