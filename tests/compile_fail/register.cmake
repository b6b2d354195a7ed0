# Compile checks of the public headers, registered as CTest tests for the
# compiler of the build and for clang++ when it is installed (included from
# tests/CMakeLists.txt; native, non-Windows builds only):
# - CompileFail.<case>.<compiler>.misuse / .control for every file of this
#   folder (the misuse must fail with the error its "// expect-error:" line
#   names; the same call on a named variable, under TOLMER_CONTROL, compiles);
# - PublicHeader.<header>.<compiler>: every include/tolmer/*.h alone, with
#   -Wall -Wextra -Wpedantic -Werror;
# - Cxx17Stops.<compiler>: tolmer/tolmer.h under -std=c++17 stops with
#   "needs C++20" alone.
set(TOLMER_COMPILE_CHECK_DIR ${CMAKE_CURRENT_LIST_DIR})

function(tolmer_add_compile_checks)
  set(compilers "${CMAKE_CXX_COMPILER}")
  set(names "${CMAKE_CXX_COMPILER_ID}")
  find_program(TOLMER_CLANGXX clang++)
  if(TOLMER_CLANGXX AND NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    list(APPEND compilers "${TOLMER_CLANGXX}")
    list(APPEND names "Clang")
  endif()
  set(include_dir ${PROJECT_SOURCE_DIR}/include)
  file(GLOB cases CONFIGURE_DEPENDS ${TOLMER_COMPILE_CHECK_DIR}/*.cpp)
  file(GLOB headers CONFIGURE_DEPENDS RELATIVE ${include_dir} ${include_dir}/tolmer/*.h)
  foreach(compiler name IN ZIP_LISTS compilers names)
    set(work ${CMAKE_CURRENT_BINARY_DIR}/compile_checks/${name})
    file(MAKE_DIRECTORY ${work})
    set(common -DCOMPILER=${compiler} -DINCLUDE_DIR=${include_dir} -DWORK_DIR=${work})
    foreach(source IN LISTS cases)
      get_filename_component(stem ${source} NAME_WE)
      foreach(mode misuse control)
        add_test(NAME CompileFail.${stem}.${name}.${mode}
                 COMMAND ${CMAKE_COMMAND} ${common} -DMODE=${mode} -DSOURCE=${source}
                         -P ${TOLMER_COMPILE_CHECK_DIR}/check.cmake)
      endforeach()
    endforeach()
    foreach(header IN LISTS headers)
      get_filename_component(stem ${header} NAME_WE)
      add_test(NAME PublicHeader.${stem}.${name}
               COMMAND ${CMAKE_COMMAND} ${common} -DMODE=header -DHEADER=${header}
                       -P ${TOLMER_COMPILE_CHECK_DIR}/check.cmake)
    endforeach()
    add_test(NAME Cxx17Stops.${name}
             COMMAND ${CMAKE_COMMAND} ${common} -DMODE=cxx17
                     -P ${TOLMER_COMPILE_CHECK_DIR}/check.cmake)
  endforeach()
endfunction()

if(NOT CMAKE_CROSSCOMPILING AND NOT WIN32 AND NOT EMSCRIPTEN)
  tolmer_add_compile_checks()
endif()
