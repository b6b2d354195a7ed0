// The paper size table: any index, name and size.
#include <vector>

#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool initialised = (INITIALIZEDLL(), true);
  (void)initialised;
  fuzz::Input in(data, size);
  const int32_t index = in.small(-2, 42);
  const int32_t orientation = in.small(0, 3);
  const int32_t system = in.small(0, 1);
  const float width = in.single();
  const float height = in.single();
  const std::string name = in.text(64);

  SETPAPERINFOITEM(index, name.c_str(), width, height, width, height, width, height);
  const std::string stored = fuzz::take_result(GETPAPERINFONAME(index));
  fuzz::check(stored.size() <= 16 && static_cast<int32_t>(stored.size()) == GETPAPERINFONAMELENGTH(index));
  char item[17 + 1];
  item[17] = '\x7F';
  float values[6] = {};
  GETPAPERINFOITEM(index, item, &values[0], &values[1], &values[2], &values[3], &values[4], &values[5]);
  fuzz::check(item[17] == '\x7F');
  (void)GETPAPERINFOWIDTH(index, orientation);
  (void)GETPAPERINFOHEIGHT(index, orientation);

  std::vector<char> lookup(name.begin(), name.end());
  lookup.push_back('\0');
  const int32_t by_name = GETPAPERINDEXFROMPAPERNAME(lookup.data());
  fuzz::check(by_name >= -1 && by_name <= GETUBPAPERINFOARRAY());
  fuzz::check(std::strlen(lookup.data()) <= name.size());
  int32_t turned = 0;
  const int32_t by_size = GETPAPERINDEXFROMPAPERSIZE(system, width, height, &turned);
  fuzz::check(by_size == -1 ? turned == 0 : (turned == 1 || turned == 2));
  return 0;
}
