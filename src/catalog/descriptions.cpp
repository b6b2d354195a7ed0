// Wire and drawing-tool descriptions, text box parts, invalid-character sets.
#include "catalog/descriptions.h"

#include <iterator>

#include "frame/primitives.h"

namespace tolmer::inline v1 {
namespace {

struct Description {
  int32_t number;
  std::string_view text;
};

constexpr Description kWireTypes[] = {
    {1, "Curved"},
    {2, "Straight"},
    {3, "Sweeping"},
};

constexpr Description kDrawingToolTypes[] = {
    {1, "Line"},
    {2, "Polyline"},
    {3, "Rectangle"},
    {4, "Circle"},
    {5, "Ellipse"},
    {6, "Arc"},
    {7, "Text"},
    {8, "Label"},
    {9, "Image"},
    {10, "Dimension"},
    {11, "Box"},
};

// Text box part codes and the object-name prefixes that identify them, in
// the order they are tested.
struct TextBoxPart {
  int32_t code;
  std::string_view prefix;
};

constexpr TextBoxPart kTextBoxParts[] = {
    {1, "TEXTBOX PRIMARY"},
    {2, "TEXTBOX SECONDARY"},
    {3, "TEXTBOX BOUNDRY"},
    {4, "TEXTBOX BACKGROUND"},
};

template <std::size_t N>
constexpr std::string_view describe(const Description (&table)[N], int32_t number) {
  for (const Description& row : table) {
    if (row.number == number) return row.text;
  }
  return {};
}

}  // namespace

std::string_view wire_type_description(int32_t wire_type) {
  return describe(kWireTypes, wire_type);
}

std::string_view drawing_tool_type_description(int32_t tool_type) {
  return describe(kDrawingToolTypes, tool_type);
}

int32_t text_box_part(std::string_view object_name) {
  for (const TextBoxPart& part : kTextBoxParts) {
    const auto length = static_cast<int64_t>(part.prefix.size());
    if (left(object_name, length) == part.prefix) return part.code;
  }
  return 0;
}

std::string_view folder_name_invalid_characters() { return "/\\:*?<>|\""; }
std::string_view category_name_invalid_characters() { return ".,/\\:*?<>|_\""; }
std::string_view circuit_name_invalid_characters() { return ".,:*?\""; }
std::string_view symbol_name_invalid_characters() { return ".,/\\:*?\""; }

}  // namespace tolmer
