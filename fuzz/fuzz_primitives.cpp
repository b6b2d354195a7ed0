// Number-to-text, text-to-number and the field rules.
#include <cmath>

#include "frame/primitives.h"
#include "text/fields.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::Input in(data, size);
  const double value = in.real();
  const int digits = in.small(1, 18);
  const std::string text = tolmer::number_to_text(value, digits);
  // Every finite value written with 15 or more digits reads back within the
  // rounding of its last digit; 17+ digits read back exactly.
  if (std::isfinite(value)) {
    const double back = tolmer::text_to_number(text);
    if (digits >= 17) fuzz::check(back == value || (value == 0 && back == 0));
    // (Within rounding of the largest double, 15 digits round past it and
    // read back as an infinity.)
    if (digits >= 15 && value != 0) {
      fuzz::check(std::isinf(back) ? std::fabs(value) > 1.79769313486231e308
                                   : std::fabs(back - value) <= std::fabs(value) * 1e-14);
    }
  }
  (void)tolmer::six_place_text(value);
  const std::string delimiter = in.text(4);
  const int64_t k = in.small(-4, 8);
  const std::string subject = in.rest();
  (void)tolmer::text_to_number(subject);
  const tolmer::FieldDelimiter by_text = tolmer::FieldDelimiter::text(delimiter);
  const size_t count = tolmer::count_fields(subject, by_text);
  fuzz::check(count >= 1);
  const std::string_view f = tolmer::field_at(subject, k, by_text);
  fuzz::check(f.size() <= subject.size());
  // Joining every field with the delimiter gives the text back.
  if (!delimiter.empty() && count < 64) {
    std::string joined;
    for (size_t i = 1; i <= count; ++i) {
      if (i > 1) joined += delimiter;
      joined += tolmer::field_at(subject, static_cast<int64_t>(i), by_text);
    }
    fuzz::check(joined == subject);
  }
  const size_t default_count = tolmer::count_fields(subject, tolmer::FieldDelimiter::comma_rule());
  fuzz::check(default_count >= 1);
  (void)tolmer::field_at(subject, k, tolmer::FieldDelimiter::comma_rule());
  return 0;
}
