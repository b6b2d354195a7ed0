// Small vocabularies around plan objects: wire-type and drawing-tool
// descriptions, the parts of a text box, and the characters forbidden in
// folder, category, circuit and symbol names.
#pragma once

#include <cstdint>
#include <string_view>

namespace tolmer::inline v1 {

// "Curved", "Straight", "Sweeping" for wire types 1 to 3; empty otherwise.
std::string_view wire_type_description(int32_t wire_type);

// "Line", "Polyline", ... "Box" for drawing tool types 1 to 11; empty
// otherwise.
std::string_view drawing_tool_type_description(int32_t tool_type);

// The text box part an object name begins with (case-sensitive, untrimmed):
// 1 "TEXTBOX PRIMARY", 2 "TEXTBOX SECONDARY", 3 "TEXTBOX BOUNDRY",
// 4 "TEXTBOX BACKGROUND", tested in that order; 0 for none.
int32_t text_box_part(std::string_view object_name);

// The bytes that may not stand in a name of each kind (each set ends with a
// double quote).
std::string_view folder_name_invalid_characters();
std::string_view category_name_invalid_characters();
std::string_view circuit_name_invalid_characters();
std::string_view symbol_name_invalid_characters();

}  // namespace tolmer
