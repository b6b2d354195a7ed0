// The symbol catalog's exports: numbering, names, wall snapping, object
// tests, descriptions and name rules.
#include "c_abi/abi.h"
#include "catalog/categories.h"
#include "catalog/descriptions.h"
#include "catalog/item_names.h"
#include "catalog/sub_item_names.h"
#include "catalog/wall_snap.h"
#include "frame/primitives.h"

namespace abi = tolmer::abi;

// ------------------------------------------------- categories and libraries

TOLMER_EXPORT(LibString) GETDESCRIPTIONFORCATEGORYTYPE(int32_t category, int32_t sub_category) {
  return tolmer::abi::guarded(LibString{}, [&]() -> LibString {
    return abi::result(tolmer::description_for_category_type(category, sub_category));
  });
}

TOLMER_EXPORT(LibString) GETSUBCATEGORIESCODESTRING(int32_t category) {
  return tolmer::abi::guarded(LibString{}, [&]() -> LibString {
    return abi::result(tolmer::subcategories_code_string(category));
  });
}

TOLMER_EXPORT(LibString) GETITEMTYPESCODESTRING(int32_t category, int32_t sub_category) {
  return tolmer::abi::guarded(LibString{}, [&]() -> LibString {
    return abi::result(tolmer::item_types_code_string(category, sub_category));
  });
}

TOLMER_EXPORT(LibString)
GETSUBITEMTYPESCODESTRING(int32_t category, int32_t sub_category, int32_t item_type) {
  return tolmer::abi::guarded(LibString{}, [&]() -> LibString {
    return abi::result(tolmer::sub_item_types_code_string(category, sub_category, item_type));
  });
}

TOLMER_EXPORT(LibString)
GETLIBRARYNAMEFROMCATEGORIES(int32_t category, int32_t sub_category, int32_t item_type) {
  return tolmer::abi::guarded(LibString{}, [&]() -> LibString {
    const auto name = tolmer::library_name_from_categories(category, sub_category, item_type);
    return abi::result(name.view());
  });
}

TOLMER_EXPORT(int32_t)
GETCATEGORIESFROMLIBRARYNAME(const char* name, int32_t* category, int32_t* sub_category,
                             int32_t* item_type) {
  return tolmer::abi::guarded(int32_t{0}, [&]() -> int32_t {
    const tolmer::LibraryNameNumbers fields = tolmer::categories_from_library_name(abi::text_view(name));
    // All three are first set to -1, then each number the name holds is
    // written: a variable passed twice ends with the number written last.
    abi::write(category, -1);
    abi::write(sub_category, -1);
    abi::write(item_type, -1);
    abi::write(category, fields.category);
    if (fields.sub_category_read) abi::write(sub_category, fields.sub_category);
    if (fields.item_type_read) abi::write(item_type, fields.item_type);
    return 0;
  });
}

TOLMER_EXPORT(int32_t) ISVALIDLIBRARYNAME(const char* name) {
  return tolmer::abi::guarded(int32_t{0}, [&]() -> int32_t {
    return tolmer::is_valid_library_name(abi::text_view(name)) ? 1 : 0;
  });
}

// ------------------------------------------------------------------- names

TOLMER_EXPORT(LibString)
GETSYMBOLITEMNAMEFROMTYPE(int32_t category, int32_t sub_category, int32_t item_type,
                          int32_t plural) {
  return tolmer::abi::guarded(LibString{}, [&]() -> LibString {
    return abi::result(tolmer::symbol_item_name(category, sub_category, item_type, plural != 0 ? 1 : 0));
  });
}

TOLMER_EXPORT(int32_t)
GETSYMBOLITEMTYPEFROMNAME(int32_t category, int32_t sub_category, char* name) {
  return tolmer::abi::guarded(int32_t{0}, [&]() -> int32_t {
    const std::string_view read = abi::text_view(name);
    if (tolmer::trim(read).empty()) return 0;  // a blank name leaves the buffer untouched
    const int32_t type = tolmer::symbol_item_type_from_name(category, sub_category, read);
    // The name is left trimmed and upper-cased in the caller's buffer.
    const std::size_t length = abi::trim_and_upper_in_place(name, read.size());
    // The NUL goes inside the bytes that were read, or onto the NUL that ended them.
    if (length < read.size() || read.size() < abi::kTextCap) name[length] = '\0';
    return type;
  });
}

TOLMER_EXPORT(LibString)
GETSYMBOLSUBITEMNAMEFROMTYPE(int32_t category, int32_t sub_category, int32_t item_type,
                             int32_t sub_item_type) {
  return tolmer::abi::guarded(LibString{}, [&]() -> LibString {
    return abi::result(tolmer::symbol_sub_item_name(category, sub_category, item_type, sub_item_type));
  });
}

// ---------------------------------------------------- wall snapping, tests

TOLMER_EXPORT(int32_t)
GETOBJECTWALLSNAPINDEXFROMCATEGORIES(int32_t category, int32_t sub_category, int32_t item_type,
                                     int32_t sub_item_type) {
  return tolmer::abi::guarded(int32_t{0}, [&]() -> int32_t {
    return tolmer::object_wall_snap_index(category, sub_category, item_type, sub_item_type);
  });
}

TOLMER_EXPORT(int32_t) GETHIGHESTOBJECTWALLSNAPINFOARRAYINDEX(void) {
  return tolmer::abi::guarded(int32_t{0}, [&]() -> int32_t {
    return tolmer::highest_object_wall_snap_index();
  });
}

TOLMER_EXPORT(int32_t) ISOBJECTAWALL(const char* key) {
  return tolmer::abi::guarded(int32_t{0}, [&]() -> int32_t {
    return tolmer::is_object_a_wall(abi::text_view(key)) ? 1 : 0;
  });
}

TOLMER_EXPORT(int32_t) ISOBJECTAWIRE(const char* key) {
  return tolmer::abi::guarded(int32_t{0}, [&]() -> int32_t {
    return tolmer::object_wire_type(abi::text_view(key));
  });
}

TOLMER_EXPORT(int32_t) ISSYMBOLVIEWNUMBERVALID(int32_t view, const char* view_list) {
  return tolmer::abi::guarded(int32_t{0}, [&]() -> int32_t {
    return tolmer::is_symbol_view_number_valid(view, abi::text_view(view_list)) ? -1 : 0;
  });
}

// ------------------------------------------------ descriptions, name rules

TOLMER_EXPORT(LibString) GETDESCRIPTIONFORWIRETYPE(int32_t wire_type) {
  return tolmer::abi::guarded(LibString{}, [&]() -> LibString {
    return abi::result(tolmer::wire_type_description(wire_type));
  });
}

TOLMER_EXPORT(LibString) GETDESCRIPTIONFORDRAWINGTOOLTYPE(int32_t tool_type) {
  return tolmer::abi::guarded(LibString{}, [&]() -> LibString {
    return abi::result(tolmer::drawing_tool_type_description(tool_type));
  });
}

TOLMER_EXPORT(int32_t) ISOBJECTPARTOFTEXTBOX(const char* object_name) {
  return tolmer::abi::guarded(int32_t{0}, [&]() -> int32_t {
    return tolmer::text_box_part(abi::text_view(object_name));
  });
}

TOLMER_EXPORT(LibString) GETFOLDERNAMEINVALIDCHARACTERS(void) {
  return tolmer::abi::guarded(LibString{}, [&]() -> LibString {
    return abi::result(tolmer::folder_name_invalid_characters());
  });
}

TOLMER_EXPORT(LibString) GETCATEGORYNAMEINVALIDCHARACTERS(void) {
  return tolmer::abi::guarded(LibString{}, [&]() -> LibString {
    return abi::result(tolmer::category_name_invalid_characters());
  });
}

TOLMER_EXPORT(LibString) GETCIRCUITNAMEINVALIDCHARACTERS(void) {
  return tolmer::abi::guarded(LibString{}, [&]() -> LibString {
    return abi::result(tolmer::circuit_name_invalid_characters());
  });
}

TOLMER_EXPORT(LibString) GETSYMBOLNAMEINVALIDCHARACTERS(void) {
  return tolmer::abi::guarded(LibString{}, [&]() -> LibString {
    return abi::result(tolmer::symbol_name_invalid_characters());
  });
}
