// String helpers and sequences of operations on the temporary string array,
// checked against a model.
#include <string>
#include <vector>

#include "c_abi/libstring.h"
#include "frame/primitives.h"
#include "fuzz_input.h"

namespace {

bool same_ignoring_a_to_z(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x >= 'a' && x <= 'z') x = static_cast<char>(x - 32);
    if (y >= 'a' && y <= 'z') y = static_cast<char>(y - 32);
    if (x != y) return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::Input in(data, size);
  const std::string characters = in.text(8);
  const std::string text = in.text(512);

  // Reversing twice gives the text back, NUL bytes of a counted string too.
  const std::string reversed = fuzz::take_result(REVERSESTRING(text.c_str()));
  fuzz::check(reversed == std::string(text.rbegin(), text.rend()));
  std::string with_nul = text;
  with_nul.insert(with_nul.size() / 2, 1, '\0');
  LibString handle = tolmer::make_libstring(with_nul);
  const std::string counted = fuzz::take_result(REVERSESTRINGDLL(handle));
  FREELIBSTRING(handle);
  fuzz::check(counted == std::string(with_nul.rbegin(), with_nul.rend()));

  const std::string stripped = fuzz::take_result(STRIPNULL(text.c_str()));
  fuzz::check(stripped == tolmer::trim(text));
  int digits_seen = 0, points = 0;
  bool only = true;
  for (char c : text) {
    if (c >= '0' && c <= '9') ++digits_seen;
    else if (c == '.') ++points;
    else only = false;
  }
  fuzz::check(ISNUMERICDLL(text.c_str()) == ((only && points <= 1) ? 1 : 0));
  // The position in the set of its first character found in the text.
  int32_t expected = 0;
  for (size_t i = 0; i < characters.size() && expected == 0; ++i) {
    if (text.find(characters[i]) != std::string::npos) expected = static_cast<int32_t>(i) + 1;
  }
  fuzz::check(STRINGCONTAINSCHARACTERS(text.c_str(), characters.c_str()) == expected);

  // The temporary array against a model: entry 0 empty, appends numbered on.
  static const bool initialised = (INITIALIZEDLL(), true);
  (void)initialised;
  ACCESSTEMPSTRINGARRAY(-1, nullptr);
  std::vector<std::string> model{""};
  while (!in.empty()) {
    const int32_t operation = in.small(-3, 2);
    const std::string entry = in.text(16);
    const int32_t index = in.small(-2, 40);
    const int32_t answer = ACCESSTEMPSTRINGARRAY(operation, entry.c_str());
    switch (operation) {
      case 0: {
        int32_t expected = -1;
        for (size_t i = 0; i < model.size(); ++i) {
          if (same_ignoring_a_to_z(model[i], entry)) {
            expected = static_cast<int32_t>(i);
            break;
          }
        }
        fuzz::check(answer == expected);
        break;
      }
      case 1:
        model.push_back(entry);
        fuzz::check(answer == static_cast<int32_t>(model.size()) - 1);
        break;
      case -1:
        model.assign(1, "");
        fuzz::check(answer == 0);
        break;
      case -2:
        fuzz::check(answer == static_cast<int32_t>(model.size()) - 1);
        break;
      default:
        fuzz::check(answer == 0);
    }
    const std::string read = fuzz::take_result(READTEMPSTRINGARRAY(index));
    fuzz::check(read == (index >= 0 && static_cast<size_t>(index) < model.size() ? model[index] : std::string()));
  }
  return 0;
}
