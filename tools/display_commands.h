// Today's display in the tool: the display settings of the command line as
// a tolmer::LengthDisplay, and tolmer format by today's rules.
#pragma once

#include <ostream>
#include <string>

#include "cli.h"
#include "tolmer/display.h"

namespace tolmer::inline v1::tool {

// Today's display of a length given in inches, with --round applied.
struct TodayDisplay {
  tolmer::LengthDisplay display;
  bool all_formats = false;  // --format all
  int32_t round = 0;         // --round N: the length goes to the nearest 1/N inch first (0: not)
  std::string text(double inches) const;
};

// --metric, --format, --decimal/--fraction, --places, --denominator,
// --decimals, --round.
TodayDisplay today_display(const Options& options, bool allow_all);

// tolmer format INCHES by today's rules.
int run_format_today(const Options& options, std::ostream& out, std::ostream& err);

}  // namespace tolmer::tool
