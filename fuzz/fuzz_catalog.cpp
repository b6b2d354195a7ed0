// The symbol catalog: numbers to names and code strings, library names and
// keys read back, names looked up in exactly sized buffers.
#include <string>

#include "frame/primitives.h"
#include "fuzz_input.h"

namespace {

// Every code string is decimal numbers separated by the byte 255.
void check_code_string(const std::string& codes) {
  if (codes.empty()) return;
  fuzz::check(codes.front() != '\xFF' && codes.back() != '\xFF');
  for (char c : codes) fuzz::check((c >= '0' && c <= '9') || c == '\xFF');
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::Input in(data, size);
  const int32_t category = in.small(-1, 8);
  const int32_t sub_category = in.small(-1, 8);
  const int32_t item_type = in.small(-1, 255);
  const int32_t sub_item_type = in.small(-1, 40);
  const int32_t plural = in.small(-1, 1);
  const int32_t view = in.small(-2, 20);
  const std::string text = in.rest();

  check_code_string(fuzz::take_result(GETSUBCATEGORIESCODESTRING(category)));
  check_code_string(fuzz::take_result(GETITEMTYPESCODESTRING(category, sub_category)));
  check_code_string(fuzz::take_result(GETSUBITEMTYPESCODESTRING(category, sub_category, item_type)));
  (void)fuzz::take_result(GETDESCRIPTIONFORCATEGORYTYPE(category, sub_category));
  (void)fuzz::take_result(GETSYMBOLSUBITEMNAMEFROMTYPE(category, sub_category, item_type, sub_item_type));
  (void)fuzz::take_result(GETDESCRIPTIONFORWIRETYPE(item_type));
  (void)fuzz::take_result(GETDESCRIPTIONFORDRAWINGTOOLTYPE(item_type));
  const int32_t snap = GETOBJECTWALLSNAPINDEXFROMCATEGORIES(category, sub_category, item_type, sub_item_type);
  fuzz::check(snap >= 0 && snap <= GETHIGHESTOBJECTWALLSNAPINFOARRAYINDEX());

  // Library names read back as their numbers.
  const std::string library = fuzz::take_result(GETLIBRARYNAMEFROMCATEGORIES(category, sub_category, item_type));
  int32_t c = -9, s = -9, t = -9;
  fuzz::check(GETCATEGORIESFROMLIBRARYNAME(library.c_str(), &c, &s, &t) == 0);
  fuzz::check(c == category && s == sub_category && t == (item_type > 0 ? item_type : -1));
  const std::string file = "LIB" + library.substr(3) + "_lib.vdf";
  fuzz::check(ISVALIDLIBRARYNAME(file.c_str()) ==
              (category >= 0 && sub_category >= 0 ? 1 : 0));

  // Item names read back as a type of the same name.
  const std::string name = fuzz::take_result(GETSYMBOLITEMNAMEFROMTYPE(category, sub_category, item_type, plural));
  if (!name.empty()) {
    fuzz::Buffer buffer(name, name.size() + 1);
    const int32_t type = GETSYMBOLITEMTYPEFROMNAME(category, sub_category, buffer.data());
    fuzz::check(buffer.str() == tolmer::to_upper(tolmer::trim(name)));
    if (type != 0) {
      const std::string again = fuzz::take_result(GETSYMBOLITEMNAMEFROMTYPE(category, sub_category, type, plural));
      const std::string other = fuzz::take_result(GETSYMBOLITEMNAMEFROMTYPE(category, sub_category, type, !plural));
      fuzz::check(tolmer::equal_ignoring_ascii_case(again, name) || tolmer::equal_ignoring_ascii_case(other, name) ||
                  type == 28 || type == 11 || type == 235);
    }
  }

  // Any text: keys, view lists, names in a buffer of exactly its size.
  const int32_t wall = ISOBJECTAWALL(text.c_str());
  fuzz::check(wall == 0 || wall == 1);
  (void)ISOBJECTAWIRE(text.c_str());
  const int32_t valid_view = ISSYMBOLVIEWNUMBERVALID(view, text.c_str());
  fuzz::check(valid_view == 0 || valid_view == -1);
  const int32_t part = ISOBJECTPARTOFTEXTBOX(text.c_str());
  fuzz::check(part >= 0 && part <= 4);
  const int32_t valid = ISVALIDLIBRARYNAME(text.c_str());
  fuzz::check(valid == 0 || valid == 1);
  c = s = t = -9;
  fuzz::check(GETCATEGORIESFROMLIBRARYNAME(text.c_str(), &c, &s, &t) == 0);
  fuzz::Buffer typed(text, text.size() + 1);
  const int32_t type = GETSYMBOLITEMTYPEFROMNAME(category, sub_category, typed.data());
  fuzz::check(type >= 0 && type <= 10201);
  const std::string trimmed(tolmer::trim(text));
  fuzz::check(typed.str() == (trimmed.empty() ? text : tolmer::to_upper(trimmed)));
  const std::string export_name = fuzz::take_result(GETEXPORTFILENAME(text.c_str(), category, item_type));
  fuzz::check(export_name.size() >= trimmed.size() + 3);
  return 0;
}
