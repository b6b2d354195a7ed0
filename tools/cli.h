// What the subcommands of the tool share: exit codes, errors, option
// parsing, number reading and writing, and results of the library.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <ostream>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "tolmerdll.h"

namespace tolmer::inline v1::tool {

// Exit codes of every command.
enum Exit : int {
  kSuccess = 0,      // done
  kRejected = 1,     // the library rejected the input, or a lookup found nothing
  kUsage = 2,        // the command line is wrong
  kUnavailable = 3,  // this build of the library lacks an export the command needs
};

// Measurement systems of the library.
inline constexpr int32_t kEnglish = TOLMER_ENGLISH;
inline constexpr int32_t kMetric = TOLMER_METRIC;

// A wrong command line: exit code 2, the message and the command's usage.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A subcommand.
struct Command {
  const char* name;
  const char* summary;  // one line for the list of commands
  const char* usage;    // the synopsis, without "usage: "
  const char* help;     // the rest of --help: description, options, examples
  int (*run)(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);
};

// The parsed command line of a subcommand.
struct Options {
  std::vector<std::string> positional;
  std::map<std::string, std::string> values;
  std::set<std::string> flags;

  bool has(const std::string& flag) const { return flags.count(flag) != 0; }
  std::optional<std::string> value(const std::string& option) const;
};

// Splits arguments into positional ones, flags and options with a value
// ("--format 6" or "--format=6"). An argument that starts with "-" and then a
// digit or "." is a number, not an option. "--" ends the options.
Options parse_options(const std::vector<std::string>& arguments, const std::set<std::string>& flags,
                      const std::set<std::string>& valued);

// Numbers of the command line; `what` names the value in the error message.
int32_t parse_integer(std::string_view text, const std::string& what);
double parse_real(std::string_view text, const std::string& what);
// As parse_real, refusing infinities and NaN.
double parse_finite(std::string_view text, const std::string& what);

// Shortest text that reads back as the same number ("0.1", "150.5", "inf").
std::string format_number(float value);
std::string format_number(double value);

// The text padded with spaces to `width` bytes, on the right / on the left
// (a longer text as it is): the columns of the table commands.
std::string pad(std::string text, std::size_t width);
std::string pad_left(const std::string& text, std::size_t width);

// The text with a-z upper-cased and every other byte as it is: command
// names, export names and paper names are ASCII, and a mapping of its own
// keeps the tool's matching independent of the locale.
std::string ascii_upper(std::string text);

// Bytes in double quotes, with \" \\ and \xHH for every byte outside 32..126.
std::string quoted(std::string_view bytes);

// The bytes of a LibString result; the result is released with FREELIBSTRING.
std::string take(LibString result);

// Calls INITIALIZEDLL, as every host does before its first call.
void initialize_library();

}  // namespace tolmer::tool
