// Fraction exports.
#include <optional>
#include <string>

#include "c_abi/abi.h"
#include "measure/fraction.h"


TOLMER_EXPORT(void)
BREAKFRACTIONAPART(const char* text, int32_t* whole, int32_t* numerator, int32_t* denominator,
                   char* separator) {
  tolmer::abi::guarded([&] {
    const std::string input = tolmer::abi::text(text);
    const std::optional<tolmer::measure::Fraction> parts = tolmer::break_fraction_apart(input);
    if (!parts) return;
    // Written in this order: separator, numerator, denominator, whole number.
    const char sep[1] = {parts->separator};
    tolmer::abi::write_buffer(separator, std::string_view(sep, 1));
    tolmer::abi::write(numerator, parts->numerator);
    tolmer::abi::write(denominator, parts->denominator);
    tolmer::abi::write(whole, parts->whole);
  });
}

TOLMER_EXPORT(LibString) CONVERTFRACTIONDENOMINATOR(const char* text, int32_t new_denominator) {
  return tolmer::abi::guarded(LibString{}, [&]() -> LibString {
    return tolmer::abi::result(
        tolmer::convert_fraction_denominator(tolmer::abi::text_view(text), new_denominator));
  });
}

TOLMER_EXPORT(LibString) REDUCEFRACTION(const char* text, int32_t largest_denominator) {
  return tolmer::abi::guarded(LibString{}, [&]() -> LibString {
    return tolmer::abi::result(
        tolmer::reduce_fraction(tolmer::abi::text_view(text), largest_denominator));
  });
}

TOLMER_EXPORT(float) FRACTIONSTRINGTODECIMAL(const char* text) {
  return tolmer::abi::guarded(0.0f, [&]() -> float {
    return tolmer::fraction_string_to_decimal(tolmer::abi::text_view(text));
  });
}

TOLMER_EXPORT(LibString) DECIMALTOFRACTIONSTRING(float value, int32_t largest_denominator) {
  return tolmer::abi::guarded(LibString{}, [&]() -> LibString {
    return tolmer::abi::result(tolmer::decimal_to_fraction_string(value, largest_denominator));
  });
}

TOLMER_EXPORT(LibString)
EXTRACTFRACTIONINTEXTSTRING(const char* text, int32_t reversed, char* remainder,
                            int32_t* remainder_length, float* value) {
  return tolmer::abi::guarded(LibString{}, [&]() -> LibString {
    // The text is copied first: the host often passes the remainder buffer
    // itself, or a copy of the text in it.
    const std::string input = tolmer::abi::text(text);
    const std::optional<tolmer::measure::FoundFraction> found =
        tolmer::extract_fraction(input, reversed == -1);
    // The buffer keeps its length: the remainder, cut to the length of the text
    // it held on entry, then spaces up to that length, then the NUL. It is
    // made before anything is written (a call that runs out of memory writes
    // nothing); only when `value` lies inside the buffer does its write
    // change that length, and the remainder is cut again.
    const std::size_t room_before = tolmer::abi::text_view(remainder).size();
    std::string written = found ? found->remainder.substr(0, room_before) : std::string();
    written.reserve(room_before);
    if (found) tolmer::abi::write(value, found->value);
    const std::size_t room = tolmer::abi::text_view(remainder).size();
    if (room != room_before) written = found ? found->remainder.substr(0, room) : std::string();
    tolmer::abi::write(remainder_length, static_cast<int32_t>(written.size()));
    written.resize(room, ' ');
    tolmer::abi::write_buffer(remainder, written);
    if (!found) return tolmer::abi::result({});
    return tolmer::abi::result(found->fraction);
  });
}
