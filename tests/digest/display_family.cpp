// The digest family of today's display: tolmer::format_length over a fixed
// set of lengths in every format, fraction mode and step, and the length
// shown. The same texts and bits on every target.
#include <cstdint>
#include <string>
#include <vector>

#include "digest.h"
#include "tolmer/display.h"

namespace digest {

void display_lengths() {
  using tolmer::EnglishFormat;
  using tolmer::FractionMode;
  using tolmer::Length;
  using tolmer::LengthDisplay;
  using tolmer::MetricFormat;
  std::vector<double> inches;
  for (int n = -64 * 13; n <= 64 * 30; n += 3) inches.push_back(dratio(n, 64));      // sixty-fourths
  for (int n = -3000; n <= 3000; n += 7) inches.push_back(dratio(n, 100));           // hundredths
  for (int n = 0; n <= 5000; n += 13) inches.push_back(dratio(n * 10 + 5, 254));     // millimetres, halves
  for (int n = 1; n <= 400; n += 3) inches.push_back(dratio(n, 3));                  // thirds
  for (int n = 0; n < 300; ++n) inches.push_back(dratio(spread(n, 1000003), 97));    // a walk
  // 1.234567 x 10^e, e = -12 to 14.
  for (int e = -12; e <= 14; ++e) {
    std::int64_t p = 1234567, q = 1;
    for (int k = e; k > 6; --k) p *= 10;
    for (int k = e; k < 6; ++k) q *= 10;
    inches.push_back(dratio(p, q));
  }
  for (int n = 0; n < 200; ++n) inches.push_back(fratio(spread(n, 100003), 64 + n % 37));  // singles
  const int32_t denominators[] = {1, 2, 3, 8, 16, 64, 100, 1024};
  std::string text;
  const auto show = [&](double value, const LengthDisplay& display) {
    text.clear();
    tolmer::format_length_to(text, Length::from_inches(value), display);
    put_text(text.c_str());
    put(tolmer::shown_length(Length::from_inches(value), display).inches());
    done();
  };
  for (const double value : inches) {
    for (int32_t code = 0; code < tolmer::english_format_count; ++code) {
      const auto format = static_cast<EnglishFormat>(code);
      for (const int32_t d : denominators) show(value, {format, FractionMode::Fraction, d, 3});
      for (int32_t decimals = 0; decimals <= 9; decimals += 3) show(value, {format, FractionMode::Decimal, 16, decimals});
    }
    for (int32_t code = 0; code < tolmer::metric_format_count; ++code)
      for (int32_t decimals = 0; decimals <= 9; ++decimals)
        show(value, {static_cast<MetricFormat>(code), FractionMode::Decimal, 16, decimals});
    // A float length taken as its shortest decimal.
    const Length single = tolmer::length_from_float(static_cast<float>(value));
    put(single.inches());
    done();
  }
}

}  // namespace digest
