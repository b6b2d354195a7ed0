// tolmer scale: the drawing-scale table.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli.h"
#include "commands.h"
#include "library.h"
#include "tolmer/scale.h"
#include "tolmer/text.h"

namespace tolmer::inline v1::tool {
namespace {

constexpr int32_t kStandardScales = 12;  // entries 0 to 11 of each system

const char* system_name(int32_t system) { return system == kMetric ? "Metric" : "English"; }

std::vector<int32_t> systems_of(const Options& options) {
  if (options.has("--metric") && options.has("--english")) throw UsageError("--metric and --english exclude each other");
  if (options.has("--metric")) return {kMetric};
  if (options.has("--english")) return {kEnglish};
  return {kEnglish, kMetric};
}

// "1:50", "1/48" or "0.02", or a drawing length and the real length it
// stands for ("1/4\"=1'-0\"", "1/4 in = 1 ft"), read by the C++ interface's
// scale::parse.
scale::Ratio parse_ratio(const std::string& text) {
  const std::string what = "the ratio (N:D, 1/D, a positive number, or DRAWING=REAL such as 1/4\"=1'-0\")";
  const scale::NotationResult read = scale::parse(text);
  switch (read.error) {
    case scale::NotationError::None: return read.ratio;
    case scale::NotationError::Empty:
    case scale::NotationError::MalformedNumber: throw UsageError(what + " must be a number, not '" + text + "'");
    case scale::NotationError::ZeroDenominator:
      throw UsageError(what + " needs a positive denominator, not '" + text + "'");
    case scale::NotationError::NotPositive: throw UsageError(what + " must be positive, not '" + text + "'");
    case scale::NotationError::MissingLength:
    case scale::NotationError::BadLength:
      throw UsageError(what + " needs a length with a unit on each side of '=', not '" + text + "'");
  }
  throw UsageError(what + ": " + std::string(read.message()));
}

std::string scale_text(float numerator, float denominator) {
  return scale::format(scale::Ratio{numerator, denominator}, scale::Notation::Colon);
}

std::string per_foot(float inches) {
  return format_number(inches) + (inches == 1 ? " inch per foot" : " inches per foot");
}

}  // namespace

int run_scale(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
  const Options options = parse_options(arguments, {"--metric", "--english"}, {});
  if (options.positional.size() > 1) throw UsageError("one ratio expected, got " + std::to_string(options.positional.size()));
  const std::vector<int32_t> systems = systems_of(options);
  initialize_library();
  const std::optional<scale::Ratio> ratio = options.positional.empty()
                                                ? std::nullopt
                                                : std::optional<scale::Ratio>(parse_ratio(options.positional[0]));

  if (!ratio) {
    for (std::size_t s = 0; s < systems.size(); ++s) {
      const int32_t system = systems[s];
      if (s > 0) out << '\n';
      out << system_name(system) << " scales\nindex  ratio   inches per foot\n";
      for (int32_t index = 0; index < kStandardScales; ++index) {
        const float numerator = api::GETSCALERATIOVALUE(system, 0, index);
        const float denominator = api::GETSCALERATIOVALUE(system, 1, index);
        out << pad_left(std::to_string(index), 5) << "  " << pad(scale_text(numerator, denominator), 8)
            << format_number(api::GETINCHESPERFOOTFROMSCALERATIO(numerator, denominator)) << '\n';
      }
    }
    return kSuccess;
  }

  bool found = false;
  for (const int32_t system : systems) {
    out << pad(system_name(system), 9);
    // A ratio written as a standard scale is that scale.
    int32_t index = api::GETINDEXFORSCALERATIOVALUES(system, static_cast<float>(ratio->numerator),
                                                     static_cast<float>(ratio->denominator));
    float denominator = 0;
    if (index >= 0 && index < kStandardScales) {
      denominator = api::GETSCALERATIOVALUE(system, 1, index);
    } else {
      const int32_t nearest = api::GETNEARESTSCALERATIOVALUE(system, ratio->value());
      if (nearest <= 0) {
        out << "none: smaller than the smallest standard scale 1:" << -static_cast<int64_t>(nearest) << '\n';
        continue;
      }
      denominator = static_cast<float>(nearest);
      index = api::GETINDEXFORSCALERATIOVALUES(system, 1.0f, denominator);
    }
    found = true;
    out << pad(scale_text(1.0f, denominator), 8) << "index " << index << ", "
        << per_foot(api::GETINCHESPERFOOTFROMSCALERATIO(1.0f, denominator)) << '\n';
  }
  if (!found) {
    err << "no standard scale for " << options.positional[0] << '\n';
    return kRejected;
  }
  return kSuccess;
}

}  // namespace tolmer::tool
