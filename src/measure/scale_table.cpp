#include "measure/scales.h"

namespace tolmer::inline v1 {

namespace {
// Entries 0 to 11 are the standard scales from full size down; entry 12 is an
// empty slot holding 0 : 0.
constexpr float kEnglishDenominators[13] = {1, 2, 12, 24, 48, 64, 96, 128, 192, 256, 384, 768, 0};
constexpr float kMetricDenominators[13] = {1, 2, 5, 10, 20, 25, 50, 100, 200, 250, 500, 1000, 0};
}  // namespace

void fill_scale_table(ScaleTable& table) {
  for (int i = 0; i < 13; ++i) {
    const float numerator = i < 12 ? 1.0f : 0.0f;
    table[0][0][i] = numerator;
    table[0][1][i] = kEnglishDenominators[i];
    table[1][0][i] = numerator;
    table[1][1][i] = kMetricDenominators[i];
  }
}

}  // namespace tolmer
