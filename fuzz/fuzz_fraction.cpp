// Fractions in text: splitting, re-expressing, reducing, values and
// extraction into an exactly sized buffer.
#include <cmath>
#include <numeric>

#include "frame/primitives.h"
#include "fuzz_input.h"
#include "measure/fraction.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::Input in(data, size);
  const int32_t denominator = in.small(-2, 130);
  const int32_t reversed = in.small(-1, 1);
  const float value = in.single();
  const uint32_t ratio = in.take<uint32_t>();
  const std::string text = in.rest();

  int32_t whole = -9, numerator = -9, below = -9;
  char separator[2] = {'?', '?'};
  BREAKFRACTIONAPART(text.c_str(), &whole, &numerator, &below, separator);
  const bool has_bar = text.find_first_of("/\\") != std::string::npos;
  if (has_bar) {
    fuzz::check(separator[1] == '\0' && (separator[0] == '/' || separator[0] == '\\'));
    fuzz::check(whole >= 0 && numerator >= 0 && below >= 0);
  } else {
    fuzz::check(whole == -9 && numerator == -9 && below == -9 && separator[0] == '?');
  }

  const std::string converted = fuzz::take_result(CONVERTFRACTIONDENOMINATOR(text.c_str(), denominator));
  const std::string reduced = fuzz::take_result(REDUCEFRACTION(text.c_str(), denominator));
  fuzz::check(converted.size() < 40 && reduced.size() < 40);
  if (!reduced.empty() && reduced.find('/') != std::string::npos) {
    // Lowest terms, under the cap.
    const auto parts = tolmer::break_fraction_apart(reduced);
    fuzz::check(parts.has_value() && parts->numerator >= 1 && parts->numerator < parts->denominator);
    fuzz::check(std::gcd(parts->numerator, parts->denominator) == 1);
    fuzz::check(parts->denominator <= std::max(denominator, 1));
  }
  const float decimal = FRACTIONSTRINGTODECIMAL(text.c_str());
  fuzz::check(!(decimal < 0));

  // A value exact in 2^-n with the cap at 2^n comes back exactly.
  const int32_t power = 1 << (ratio % 7);
  const int32_t parts_of = static_cast<int32_t>((ratio >> 3) % static_cast<uint32_t>(power * 50));
  const float exact = static_cast<float>(parts_of) / static_cast<float>(power);
  const std::string shown = fuzz::take_result(DECIMALTOFRACTIONSTRING(exact, power));
  const float whole_part = std::floor(exact);
  const auto shown_parts = tolmer::break_fraction_apart(shown);
  if (exact == whole_part) {
    fuzz::check(shown == tolmer::single_to_text(exact));
  } else {
    fuzz::check(shown_parts.has_value());
    fuzz::check(static_cast<float>(shown_parts->whole) == whole_part);
    fuzz::check(FRACTIONSTRINGTODECIMAL(shown.c_str()) == exact - whole_part);
  }
  // A value of 1 and more never loses its whole part.
  const std::string any = fuzz::take_result(DECIMALTOFRACTIONSTRING(value, denominator));
  if (std::isfinite(value) && std::fabs(value) >= 1) fuzz::check(!any.empty());

  // Extraction: the remainder buffer holds exactly the text and its NUL.
  fuzz::Buffer remainder(text, text.size() + 1);
  int32_t remainder_length = -9;
  float found = -9;
  const std::string fraction = fuzz::take_result(
      EXTRACTFRACTIONINTEXTSTRING(text.c_str(), reversed, remainder.data(), &remainder_length, &found));
  const std::string left = remainder.str();
  fuzz::check(left.size() == text.size());
  fuzz::check(remainder_length >= 0 && static_cast<size_t>(remainder_length) <= text.size());
  if (fraction.empty()) {
    fuzz::check(found == -9 && remainder_length == 0);
    fuzz::check(left.find_first_not_of(' ') == std::string::npos);
  } else {
    fuzz::check(has_bar && !(found < 0));
  }
  return 0;
}
