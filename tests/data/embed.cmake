# cmake -DINPUT=file -DOUTPUT=file.cpp -DNAME=identifier -P embed.cmake
# Writes a C++ source defining tolmer::testdata::NAME(), the bytes of INPUT as
# a std::string_view, so that programs run under emulators (qemu, Wine,
# node) read the table without reaching the source tree.
file(READ "${INPUT}" bytes HEX)
string(LENGTH "${bytes}" hex_length)
math(EXPR size "${hex_length} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${bytes}")
string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)" "\\1\n" bytes "${bytes}")
file(WRITE "${OUTPUT}.tmp"
  "// Generated from ${INPUT} by tests/data/embed.cmake.\n"
  "#include <string_view>\n"
  "namespace tolmer::inline v1::testdata {\n"
  "namespace {\nconst unsigned char kBytes[] = {\n${bytes}0};\n}  // namespace\n"
  "std::string_view ${NAME}() { return {reinterpret_cast<const char*>(kBytes), ${size}}; }\n"
  "}  // namespace tolmer::testdata\n")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
