// A header with two names its document lacks (the test expects exactly
// these two reported) beside names it has.
#pragma once

namespace planted {

enum class Colour : int { Red, PlantedUndocumentedEnumerator };

struct Box {
  int width = 0;
  int documented_member() const noexcept { return width; }
};

int documented_function(int value);
int planted_undocumented_function(int value);

class Hidden {
  int private_name_not_reported = 0;
  void private_function_not_reported();

 public:
  Hidden();
};

}  // namespace planted

namespace planted::detail {
int detail_function_not_reported();
}  // namespace planted::detail
