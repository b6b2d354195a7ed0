// The symbol catalog's exports: numbering, names, wall snapping, object
// tests, descriptions and name rules.
#include "c_abi/abi.h"
#include "tolmer/catalog.h"
#include "tolmer/text.h"

namespace abi = tolmer::abi;
namespace catalog = tolmer::catalog;

// ------------------------------------------------- categories and libraries

TOLMER_EXPORT(LibString) GETDESCRIPTIONFORCATEGORYTYPE(int32_t category, int32_t sub_category) {
  return abi::result(catalog::category_description(category, sub_category));
}

TOLMER_EXPORT(LibString) GETSUBCATEGORIESCODESTRING(int32_t category) {
  return abi::result(catalog::subcategories_code_string(category));
}

TOLMER_EXPORT(LibString) GETITEMTYPESCODESTRING(int32_t category, int32_t sub_category) {
  return abi::result(catalog::item_types_code_string(category, sub_category));
}

TOLMER_EXPORT(LibString)
GETSUBITEMTYPESCODESTRING(int32_t category, int32_t sub_category, int32_t item_type) {
  return abi::result(catalog::sub_item_types_code_string(category, sub_category, item_type));
}

TOLMER_EXPORT(LibString)
GETLIBRARYNAMEFROMCATEGORIES(int32_t category, int32_t sub_category, int32_t item_type) {
  return abi::result(catalog::library_name_value(category, sub_category, item_type).view());
}

TOLMER_EXPORT(int32_t)
GETCATEGORIESFROMLIBRARYNAME(const char* name, int32_t* category, int32_t* sub_category,
                             int32_t* item_type) {
  const catalog::LibraryNameFields fields = catalog::library_name_fields(abi::text_view(name));
  // All three are first set to -1, then each number the name holds is
  // written: a variable passed twice ends with the number written last.
  abi::write(category, -1);
  abi::write(sub_category, -1);
  abi::write(item_type, -1);
  abi::write(category, fields.category);
  if (fields.sub_category) abi::write(sub_category, *fields.sub_category);
  if (fields.item_type) abi::write(item_type, *fields.item_type);
  return 0;
}

TOLMER_EXPORT(int32_t) ISVALIDLIBRARYNAME(const char* name) {
  return catalog::is_valid_library_name(abi::text_view(name)) ? 1 : 0;
}

// ------------------------------------------------------------------- names

TOLMER_EXPORT(LibString)
GETSYMBOLITEMNAMEFROMTYPE(int32_t category, int32_t sub_category, int32_t item_type,
                          int32_t plural) {
  return abi::result(catalog::item_name(category, sub_category, item_type, plural != 0));
}

TOLMER_EXPORT(int32_t)
GETSYMBOLITEMTYPEFROMNAME(int32_t category, int32_t sub_category, char* name) {
  const std::string_view read = abi::text_view(name);
  if (tolmer::text::strip_blanks(read).empty()) return 0;  // a blank name leaves the buffer untouched
  const int32_t type = catalog::item_type_from_name(category, sub_category, read).value_or(0);
  // The name is left trimmed and upper-cased in the caller's buffer.
  const std::size_t length = abi::trim_and_upper_in_place(name, read.size());
  // The NUL goes inside the bytes that were read, or onto the NUL that ended them.
  if (length < read.size() || read.size() < abi::kTextCap) name[length] = '\0';
  return type;
}

TOLMER_EXPORT(LibString)
GETSYMBOLSUBITEMNAMEFROMTYPE(int32_t category, int32_t sub_category, int32_t item_type,
                             int32_t sub_item_type) {
  return abi::result(catalog::sub_item_name({category, sub_category, item_type, sub_item_type}));
}

// ---------------------------------------------------- wall snapping, tests

TOLMER_EXPORT(int32_t)
GETOBJECTWALLSNAPINDEXFROMCATEGORIES(int32_t category, int32_t sub_category, int32_t item_type,
                                     int32_t sub_item_type) {
  return catalog::wall_snap_index({category, sub_category, item_type, sub_item_type}).value_or(0);
}

TOLMER_EXPORT(int32_t) GETHIGHESTOBJECTWALLSNAPINFOARRAYINDEX(void) {
  return catalog::highest_wall_snap_index();
}

TOLMER_EXPORT(int32_t) ISOBJECTAWALL(const char* key) {
  return catalog::is_wall(abi::text_view(key)) ? 1 : 0;
}

TOLMER_EXPORT(int32_t) ISOBJECTAWIRE(const char* key) {
  return catalog::wire_type(abi::text_view(key));
}

TOLMER_EXPORT(int32_t) ISSYMBOLVIEWNUMBERVALID(int32_t view, const char* view_list) {
  return catalog::is_symbol_view_number_valid(view, abi::text_view(view_list)) ? -1 : 0;
}

// ------------------------------------------------ descriptions, name rules

TOLMER_EXPORT(LibString) GETDESCRIPTIONFORWIRETYPE(int32_t wire_type) {
  return abi::result(catalog::wire_type_description(wire_type));
}

TOLMER_EXPORT(LibString) GETDESCRIPTIONFORDRAWINGTOOLTYPE(int32_t tool_type) {
  return abi::result(catalog::drawing_tool_description(tool_type));
}

TOLMER_EXPORT(int32_t) ISOBJECTPARTOFTEXTBOX(const char* object_name) {
  return catalog::text_box_part(abi::text_view(object_name));
}

TOLMER_EXPORT(LibString) GETFOLDERNAMEINVALIDCHARACTERS(void) {
  return abi::result(catalog::folder_name_invalid_characters());
}

TOLMER_EXPORT(LibString) GETCATEGORYNAMEINVALIDCHARACTERS(void) {
  return abi::result(catalog::category_name_invalid_characters());
}

TOLMER_EXPORT(LibString) GETCIRCUITNAMEINVALIDCHARACTERS(void) {
  return abi::result(catalog::circuit_name_invalid_characters());
}

TOLMER_EXPORT(LibString) GETSYMBOLNAMEINVALIDCHARACTERS(void) {
  return abi::result(catalog::symbol_name_invalid_characters());
}
