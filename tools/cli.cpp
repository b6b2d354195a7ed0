// Shared parts of the subcommands.
#include "cli.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>

#include "library.h"

namespace tolmer::inline v1::tool {

std::optional<std::string> Options::value(const std::string& option) const {
  const auto found = values.find(option);
  if (found == values.end()) return std::nullopt;
  return found->second;
}

namespace {

bool looks_like_number(const std::string& argument) {
  return argument.size() >= 2 && argument[0] == '-' &&
         ((argument[1] >= '0' && argument[1] <= '9') || argument[1] == '.');
}

}  // namespace

Options parse_options(const std::vector<std::string>& arguments, const std::set<std::string>& flags,
                      const std::set<std::string>& valued) {
  Options options;
  bool only_positional = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (only_positional || argument.empty() || argument[0] != '-' || argument == "-" ||
        looks_like_number(argument)) {
      options.positional.push_back(argument);
      continue;
    }
    if (argument == "--") {
      only_positional = true;
      continue;
    }
    const std::size_t equals = argument.find('=');
    const std::string name = argument.substr(0, equals);
    if (flags.count(name) != 0) {
      if (equals != std::string::npos) throw UsageError(name + " takes no value");
      options.flags.insert(name);
    } else if (valued.count(name) != 0) {
      if (equals != std::string::npos) {
        options.values[name] = argument.substr(equals + 1);
      } else if (i + 1 < arguments.size()) {
        options.values[name] = arguments[++i];
      } else {
        throw UsageError(name + " needs a value");
      }
    } else {
      throw UsageError("unknown option " + name);
    }
  }
  return options;
}

int32_t parse_integer(std::string_view text, const std::string& what) {
  std::string_view digits = text;
  bool negative = false;
  if (!digits.empty() && (digits[0] == '-' || digits[0] == '+')) {
    negative = digits[0] == '-';
    digits.remove_prefix(1);
  }
  int base = 10;
  if (digits.size() > 2 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X')) {
    base = 16;
    digits.remove_prefix(2);
  }
  uint64_t magnitude = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), magnitude, base);
  const bool whole = !digits.empty() && error == std::errc() && end == digits.data() + digits.size();
  // Hexadecimal gives the 32 bits themselves (0xFFFFFFFF is -1).
  const uint64_t limit = base == 16 && !negative ? 0xFFFFFFFFull : (negative ? 0x80000000ull : 0x7FFFFFFFull);
  if (!whole || magnitude > limit)
    throw UsageError(what + " must be a 32-bit integer, not '" + std::string(text) + "'");
  const uint32_t bits = static_cast<uint32_t>(negative ? 0u - static_cast<uint32_t>(magnitude)
                                                       : static_cast<uint32_t>(magnitude));
  int32_t value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

double parse_real(std::string_view text, const std::string& what) {
  const std::string copy(text);
  char* end = nullptr;
  const double value = copy.empty() || std::isspace(static_cast<unsigned char>(copy[0]))
                           ? 0.0
                           : std::strtod(copy.c_str(), &end);
  if (end == nullptr || end == copy.c_str() || *end != '\0')
    throw UsageError(what + " must be a number, not '" + copy + "'");
  return value;
}

double parse_finite(std::string_view text, const std::string& what) {
  const double value = parse_real(text, what);
  if (!std::isfinite(value)) throw UsageError(what + " must be a finite number, not '" + std::string(text) + "'");
  return value;
}

namespace {

template <class Real>
std::string shortest(Real value) {
  char text[64];
  const auto [end, error] = std::to_chars(text, text + sizeof text, value);
  if (error != std::errc()) return "?";
  return std::string(text, end);
}

}  // namespace

std::string format_number(float value) { return shortest(value); }
std::string format_number(double value) { return shortest(value); }

std::string pad(std::string text, std::size_t width) {
  if (text.size() < width) text.append(width - text.size(), ' ');
  return text;
}

std::string pad_left(const std::string& text, std::size_t width) {
  return text.size() < width ? std::string(width - text.size(), ' ') + text : text;
}

std::string ascii_upper(std::string text) {
  for (char& c : text) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return text;
}

std::string quoted(std::string_view bytes) {
  static const char digits[] = "0123456789ABCDEF";
  std::string text = "\"";
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      text += '\\';
      text += c;
    } else if (byte >= 32 && byte <= 126) {
      text += c;
    } else {
      text += "\\x";
      text += digits[byte >> 4];
      text += digits[byte & 15];
    }
  }
  return text + "\"";
}

std::string take(LibString result) {
  if (result == nullptr) return {};
  uint32_t count = 0;
  std::memcpy(&count, result - sizeof count, sizeof count);
  std::string bytes(result, count);
  api::FREELIBSTRING(result);
  return bytes;
}

void initialize_library() { api::INITIALIZEDLL(); }

}  // namespace tolmer::tool
