// Formatting lengths for display: any system, format, mode, places and
// length, and the texts that must read back.
#include <cmath>

#include "frame/primitives.h"
#include "fuzz_input.h"
#include "measure/parse.h"
#include "c_abi/process.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool initialised = (INITIALIZEDLL(), true);
  (void)initialised;
  fuzz::Input in(data, size);
  const int32_t system = in.small(-1, 2);
  const int32_t format = in.small(-1, 15);
  const int32_t mode = in.small(-1, 1);
  const int32_t places = in.small(-2, 70);
  const double inches = in.real();
  const int32_t sixty_fourths = in.integer();

  const std::string text = fuzz::take_result(GETFORMATEDTEXTFROMINCHES(system, format, mode, inches, places, 0));
  fuzz::check(text.size() < 512);
  fuzz::check(text.find('\0') == std::string::npos);
  // Reformatting gives the same text.
  fuzz::check(fuzz::take_result(GETFORMATEDTEXTFROMINCHES(system, format, mode, inches, places, 7)) == text);

  float major = -1, minor = -1, fraction = -1;
  GETINDIVIDUALMEASUREMENTVALUESFROMINCHES(system, static_cast<float>(inches), places, &major, &minor, &fraction, 0);
  const float length = static_cast<float>(inches);
  if (std::isfinite(length) && std::fabs(length) < 1e6f) {
    if (system == 1) {
      fuzz::check(fraction == 0 && major == std::floor(major) && minor >= 0 && minor <= 1000);
    } else {
      fuzz::check(major == std::trunc(major) && minor == std::trunc(minor) && std::fabs(minor) < 12);
      fuzz::check(std::fabs(fraction) <= 1);
    }
    // Feet, whole inches and inch fractions are written without an exponent
    // (decimal feet are one number of their own).
    const bool decimal_feet = format == 3 || format == 4 || format == 5 || format == 8;
    if (system != 1 && !decimal_feet) fuzz::check(text.find('E') == std::string::npos);
  }

  // A length exact in sixty-fourths, shown with captions in feet and inches
  // or in inches only, reads back as the same inches.
  const int32_t k = static_cast<int32_t>(static_cast<uint32_t>(sixty_fourths) % (64 * 12 * 2000));
  const float exact = static_cast<float>(k) / 64;
  static const int32_t captioned[] = {0, 1, 2, 6, 7, 9, 10, 11, 12};
  const int32_t shown = captioned[static_cast<uint32_t>(sixty_fourths) % 9];
  const std::string fractional = fuzz::take_result(GETFORMATEDTEXTFROMINCHES(0, shown, 0, exact, 64, 0));
  const tolmer::Conversion back = tolmer::convert_text_to_inches(tolmer::state(), tolmer::separate_measurements(fractional), 0);
  fuzz::check(back.ok() && back.inches == exact);
  // In decimals, sixteenths need four places.
  const float decimal_exact = static_cast<float>(k / 4) / 16;
  const std::string decimal = fuzz::take_result(GETFORMATEDTEXTFROMINCHES(0, shown, 1, decimal_exact, 4, 0));
  const tolmer::Conversion decimal_back =
      tolmer::convert_text_to_inches(tolmer::state(), tolmer::separate_measurements(decimal), 0);
  fuzz::check(decimal_back.ok() && decimal_back.inches == decimal_exact);
  return 0;
}
