# The table of typed lengths (tests/data/lengths.tsv) compiled into a static
# library with its reader (lengths_table.h): the test suite, the digest and
# the benchmark read it on every target, emulated ones included.
if(NOT TARGET tolmer_lengths_table)
  set(tolmer_lengths_tsv ${PROJECT_SOURCE_DIR}/tests/data/lengths.tsv)
  set(tolmer_lengths_source ${PROJECT_BINARY_DIR}/generated/lengths_tsv.cpp)
  add_custom_command(
    OUTPUT ${tolmer_lengths_source}
    COMMAND ${CMAKE_COMMAND} -DINPUT=${tolmer_lengths_tsv} -DOUTPUT=${tolmer_lengths_source}
            -DNAME=lengths_tsv -P ${PROJECT_SOURCE_DIR}/tests/data/embed.cmake
    DEPENDS ${tolmer_lengths_tsv} ${PROJECT_SOURCE_DIR}/tests/data/embed.cmake
    COMMENT "Embedding tests/data/lengths.tsv")
  # docs/cpp.md too: its table of entries is checked against the file.
  set(tolmer_cpp_md ${PROJECT_SOURCE_DIR}/docs/cpp.md)
  set(tolmer_cpp_md_source ${PROJECT_BINARY_DIR}/generated/cpp_md.cpp)
  add_custom_command(
    OUTPUT ${tolmer_cpp_md_source}
    COMMAND ${CMAKE_COMMAND} -DINPUT=${tolmer_cpp_md} -DOUTPUT=${tolmer_cpp_md_source}
            -DNAME=cpp_md -P ${PROJECT_SOURCE_DIR}/tests/data/embed.cmake
    DEPENDS ${tolmer_cpp_md} ${PROJECT_SOURCE_DIR}/tests/data/embed.cmake
    COMMENT "Embedding docs/cpp.md")
  add_library(tolmer_lengths_table STATIC ${PROJECT_SOURCE_DIR}/tests/data/lengths_table.cpp
                                          ${tolmer_lengths_source} ${tolmer_cpp_md_source})
  target_include_directories(tolmer_lengths_table PUBLIC ${PROJECT_SOURCE_DIR}/tests/data
                                                         ${PROJECT_SOURCE_DIR}/include)
  target_compile_features(tolmer_lengths_table PUBLIC cxx_std_20)
  target_compile_options(tolmer_lengths_table PRIVATE ${TOLMER_WARNINGS})
endif()
