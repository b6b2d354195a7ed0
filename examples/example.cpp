// A small C++ host: one context, a typed length read with its diagnostics,
// checked against limits, formatted into a reused buffer; a catalog look-up.
#include <cstdio>
#include <string>
#include <string_view>

#include "tolmer/tolmer.h"

int main() {
  const tolmer::Library library;

  for (const std::string_view entry : {"12'6 1/2\"", "12'6", "2,500 mm", "300' 2\""}) {
    const tolmer::LengthReading reading = library.read_length(entry, 100);
    std::printf("%-12.*s", static_cast<int>(entry.size()), entry.data());
    if (!reading.ok()) {
      const auto& n = reading.number;
      std::printf(" too large for its unit: \"%.*s\"\n", static_cast<int>(n.end - n.begin),
                  entry.data() + n.begin);
      continue;
    }
    std::printf(" %g inches", static_cast<double>(reading.inches));
    for (const tolmer::ByteRange& r : reading.unread) {
      std::printf(", not read: \"%.*s\"", static_cast<int>(r.end - r.begin), entry.data() + r.begin);
    }
    std::printf("\n");
  }

  const tolmer::Validation v =
      library.validate("1' 2\"", {.minimum = 24, .maximum = 100, .maximum_total = 1000}, {});
  std::printf("validate 1' 2\": %s\n", v.accepted ? v.echo.c_str() : v.message.c_str());

  std::string buffer;
  buffer.reserve(64);
  for (const double inches : {150.5, 36.25, 1000.0}) {
    buffer.clear();
    library.format_to(buffer, inches, {});
    std::printf("%g inches: %s\n", inches, buffer.c_str());
  }
  const tolmer::DisplayFormat metric{tolmer::System::Metric, tolmer::Format::MetersMillimetersWords,
                                     tolmer::FractionMode::Decimal, 3};
  std::printf("metric: %s\n", library.format(150.5, metric).c_str());
  std::printf("category 1/0: %.*s\n",
              static_cast<int>(tolmer::catalog::category_description(1, 0).size()),
              tolmer::catalog::category_description(1, 0).data());
  return 0;
}
