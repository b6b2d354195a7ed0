// tolmer catalog: the catalog numbering and its names.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "cli.h"
#include "commands.h"
#include "library.h"

namespace tolmer::inline v1::tool {
namespace {

constexpr int32_t kHighestCategoryProbed = 99;

// The numbers of a code string (separated by the byte 255).
std::vector<int32_t> codes(const std::string& code_string) {
  std::vector<int32_t> numbers;
  if (code_string.empty()) return numbers;
  std::size_t start = 0;
  while (true) {
    const std::size_t end = code_string.find('\xFF', start);
    numbers.push_back(parse_integer(code_string.substr(start, end - start), "a catalog code"));
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return numbers;
}

std::string key(std::initializer_list<int32_t> numbers) {
  std::string text;
  for (const int32_t number : numbers) text += (text.empty() ? "" : ".") + std::to_string(number);
  return text;
}

void print_item(std::ostream& out, int32_t category, int32_t sub, int32_t item) {
  const std::string plural = take(api::GETSYMBOLITEMNAMEFROMTYPE(category, sub, item, 1));
  const std::string singular = take(api::GETSYMBOLITEMNAMEFROMTYPE(category, sub, item, 0));
  std::string names = plural.empty() ? "(no name)" : plural;
  if (singular != plural) names += " / " + singular;
  out << "    " << key({category, sub, item}) << "  " << names;
  if (item > 0) out << "  [" << take(api::GETLIBRARYNAMEFROMCATEGORIES(category, sub, item)) << "]";
  out << '\n';
  for (const int32_t sub_item : codes(take(api::GETSUBITEMTYPESCODESTRING(category, sub, item)))) {
    out << "      " << key({category, sub, item, sub_item}) << "  "
        << take(api::GETSYMBOLSUBITEMNAMEFROMTYPE(category, sub, item, sub_item));
    const int32_t snap = api::GETOBJECTWALLSNAPINDEXFROMCATEGORIES(category, sub, item, sub_item);
    if (snap > 0) out << "  (wall snap " << snap << ")";
    out << '\n';
  }
}

void print_sub(std::ostream& out, int32_t category, int32_t sub, std::optional<int32_t> only_item) {
  out << "  " << key({category, sub}) << "  " << take(api::GETDESCRIPTIONFORCATEGORYTYPE(category, sub)) << "  ["
      << take(api::GETLIBRARYNAMEFROMCATEGORIES(category, sub, 0)) << "]\n";
  if (only_item) {
    print_item(out, category, sub, *only_item);
    return;
  }
  for (const int32_t item : codes(take(api::GETITEMTYPESCODESTRING(category, sub)))) print_item(out, category, sub, item);
}

void print_category(std::ostream& out, int32_t category, std::optional<int32_t> only_sub,
                    std::optional<int32_t> only_item) {
  out << category << "  " << take(api::GETDESCRIPTIONFORCATEGORYTYPE(category, 0)) << "  ["
      << take(api::GETLIBRARYNAMEFROMCATEGORIES(category, 0, 0)) << "]\n";
  if (only_sub) {
    print_sub(out, category, *only_sub, only_item);
    return;
  }
  for (const int32_t sub : codes(take(api::GETSUBCATEGORIESCODESTRING(category)))) print_sub(out, category, sub, {});
}

bool contains(const std::vector<int32_t>& numbers, int32_t number) {
  for (const int32_t n : numbers)
    if (n == number) return true;
  return false;
}

}  // namespace

int run_catalog(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
  const Options options = parse_options(arguments, {}, {});
  if (options.positional.size() > 3)
    throw UsageError("at most three numbers expected (CATEGORY SUB ITEM), got " +
                     std::to_string(options.positional.size()));
  std::vector<int32_t> path;
  const char* names[] = {"CATEGORY", "SUB", "ITEM"};
  for (std::size_t i = 0; i < options.positional.size(); ++i)
    path.push_back(parse_integer(options.positional[i], names[i]));
  initialize_library();

  if (path.empty()) {
    for (int32_t category = 0; category <= kHighestCategoryProbed; ++category)
      if (!take(api::GETDESCRIPTIONFORCATEGORYTYPE(category, 0)).empty()) print_category(out, category, {}, {});
    return kSuccess;
  }
  const int32_t category = path[0];
  if (take(api::GETDESCRIPTIONFORCATEGORYTYPE(category, 0)).empty()) {
    err << "no category " << category << " in the catalog\n";
    return kRejected;
  }
  std::optional<int32_t> sub, item;
  if (path.size() >= 2) {
    sub = path[1];
    // A listed sub-category, or one with a description of its own in a
    // category that has sub-categories at all.
    const std::vector<int32_t> subs = codes(take(api::GETSUBCATEGORIESCODESTRING(category)));
    const bool described = !subs.empty() && !take(api::GETDESCRIPTIONFORCATEGORYTYPE(category, *sub)).empty();
    if (!contains(subs, *sub) && !described) {
      err << "no sub-category " << key({category, *sub}) << " in the catalog\n";
      return kRejected;
    }
  }
  if (path.size() == 3) {
    item = path[2];
    const bool listed = contains(codes(take(api::GETITEMTYPESCODESTRING(category, *sub))), *item);
    if (!listed && take(api::GETSYMBOLITEMNAMEFROMTYPE(category, *sub, *item, 1)).empty()) {
      err << "no item type " << key({category, *sub, *item}) << " in the catalog\n";
      return kRejected;
    }
  }
  print_category(out, category, sub, item);
  return kSuccess;
}

}  // namespace tolmer::tool
