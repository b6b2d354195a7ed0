// tolmer::Length: a length as a value, like std::chrono::duration. It holds
// inches as a double; one inch is exactly 25.4 millimetres. Made from and
// read in any unit; arithmetic and comparison are those of the held double,
// so everything here is constexpr.
#pragma once

#include "tolmer/version.h"

#include <compare>

#include "tolmer/types.h"

namespace tolmer::inline v1 {

class Length {
 public:
  constexpr Length() noexcept = default;

  // Inches per unit, as exact as a double holds them: English factors are
  // whole numbers; a metric unit is its millimetres divided by 25.4.
  static constexpr double millimeters_per_inch = 25.4;
  [[nodiscard]] static constexpr double millimeters_per(Unit unit) noexcept {
    switch (unit) {
      case Unit::Yards: return 914.4;
      case Unit::Feet: return 304.8;
      case Unit::Inches: return 25.4;
      case Unit::Meters: return 1000.0;
      case Unit::Decimeters: return 100.0;
      case Unit::Centimeters: return 10.0;
      case Unit::Millimeters: return 1.0;
    }
    return 25.4;
  }
  [[nodiscard]] static constexpr double inches_per(Unit unit) noexcept {
    switch (unit) {
      case Unit::Yards: return 36.0;
      case Unit::Feet: return 12.0;
      case Unit::Inches: return 1.0;
      default: return millimeters_per(unit) / millimeters_per_inch;
    }
  }

  [[nodiscard]] static constexpr Length from_inches(double inches) noexcept { return Length(inches); }
  // value in `unit`: English units multiply by a whole factor (exact for
  // every everyday value); metric units go through millimetres and one
  // division by 25.4, so 2500 mm is the double nearest 2500 / 25.4.
  [[nodiscard]] static constexpr Length from(double value, Unit unit) noexcept {
    if (system_of(unit) == System::English) return Length(value * inches_per(unit));
    return Length(value * millimeters_per(unit) / millimeters_per_inch);
  }
  [[nodiscard]] static constexpr Length from_millimeters(double millimeters) noexcept {
    return Length(millimeters / millimeters_per_inch);
  }

  [[nodiscard]] constexpr double inches() const noexcept { return inches_; }
  [[nodiscard]] constexpr double millimeters() const noexcept { return inches_ * millimeters_per_inch; }
  // The length in `unit` (English: a division by a whole factor; metric:
  // millimetres divided by the unit's millimetres).
  [[nodiscard]] constexpr double in(Unit unit) const noexcept {
    if (system_of(unit) == System::English) return inches_ / inches_per(unit);
    return millimeters() / millimeters_per(unit);
  }

  [[nodiscard]] constexpr Length operator+() const noexcept { return *this; }
  [[nodiscard]] constexpr Length operator-() const noexcept { return Length(-inches_); }
  constexpr Length& operator+=(Length other) noexcept { inches_ += other.inches_; return *this; }
  constexpr Length& operator-=(Length other) noexcept { inches_ -= other.inches_; return *this; }
  constexpr Length& operator*=(double factor) noexcept { inches_ *= factor; return *this; }
  constexpr Length& operator/=(double divisor) noexcept { inches_ /= divisor; return *this; }

  [[nodiscard]] friend constexpr Length operator+(Length a, Length b) noexcept { return a += b; }
  [[nodiscard]] friend constexpr Length operator-(Length a, Length b) noexcept { return a -= b; }
  [[nodiscard]] friend constexpr Length operator*(Length a, double f) noexcept { return a *= f; }
  [[nodiscard]] friend constexpr Length operator*(double f, Length a) noexcept { return a *= f; }
  [[nodiscard]] friend constexpr Length operator/(Length a, double d) noexcept { return a /= d; }
  // The ratio of two lengths.
  [[nodiscard]] friend constexpr double operator/(Length a, Length b) noexcept { return a.inches_ / b.inches_; }

  friend constexpr bool operator==(Length a, Length b) noexcept = default;
  [[nodiscard]] friend constexpr std::partial_ordering operator<=>(Length a, Length b) noexcept {
    return a.inches_ <=> b.inches_;
  }

 private:
  explicit constexpr Length(double inches) noexcept : inches_(inches) {}
  double inches_ = 0;
};

namespace literals {
// 12_ft + 6_in, 2500_mm, 1.5_m.
#define TOLMER_LENGTH_LITERAL(suffix, unit)                                           \
  [[nodiscard]] constexpr Length operator""_##suffix(long double v) noexcept {        \
    return Length::from(static_cast<double>(v), Unit::unit);                          \
  }                                                                                   \
  [[nodiscard]] constexpr Length operator""_##suffix(unsigned long long v) noexcept { \
    return Length::from(static_cast<double>(v), Unit::unit);                          \
  }
TOLMER_LENGTH_LITERAL(yd, Yards)
TOLMER_LENGTH_LITERAL(ft, Feet)
TOLMER_LENGTH_LITERAL(in, Inches)
TOLMER_LENGTH_LITERAL(m, Meters)
TOLMER_LENGTH_LITERAL(dm, Decimeters)
TOLMER_LENGTH_LITERAL(cm, Centimeters)
TOLMER_LENGTH_LITERAL(mm, Millimeters)
#undef TOLMER_LENGTH_LITERAL
}  // namespace literals

}  // namespace tolmer
