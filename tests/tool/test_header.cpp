// The public header as documentation: its named constants hold the codes the
// exports take (from C and from C++), every text buffer states its room in
// one phrase, and every position argument says it is 1-based.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "header_constants.h"
#include "tolmerdll.h"

namespace {

// The codes, in the order header_constants.c lists them.
const int32_t kExpected[] = {
    0, 1,                                            // systems
    0, 1, 2,                                         // English units
    0, 1, 2, 3,                                      // metric units
    0, 1,                                            // conversion targets
    0, 1, 2, 3, 4, 5, 6, 7,                          // English label styles
    0, 1, 2, 3, 4,                                   // metric label styles
    0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13,    // English formats
    0, 1, 2, 3, 4, 5, 6,                             // metric formats
    0, 1,                                            // fraction modes
    -1, -2, -3, -4, -5, -6, -7,                      // conversion errors: m, yd, dm, ft, cm, in, mm
    1, 2,                                            // orientation
    0x00, 0x05, 0x0D, 0x0E, 0x10, 0x14, 0x15, 0x1A, 0x1C, 0x20, 0x23, 0x26, 0x27, 0x28,  // folders
};

TEST(HeaderConstants, HoldTheCodesInC) {
  const int count = static_cast<int>(sizeof kExpected / sizeof kExpected[0]);
  ASSERT_EQ(tolmer_c_constant_count(), count);
  for (int i = 0; i < count; ++i) EXPECT_EQ(tolmer_c_constant(i), kExpected[i]) << "constant " << i;
}

struct Named {
  const char* name;
  int32_t value;
  int32_t code;
};

TEST(HeaderConstants, HoldTheCodesInCxxAndPassAsIntegers) {
  // Unscoped enumerations convert to the exports' int32_t arguments.
  const Named named[] = {
      {"TOLMER_METRIC", TOLMER_METRIC, 1},
      {"TOLMER_INCHES", TOLMER_INCHES, 2},
      {"TOLMER_MILLIMETERS", TOLMER_MILLIMETERS, 3},
      {"TOLMER_TO_METERS", TOLMER_TO_METERS, 1},
      {"TOLMER_LABEL_INCH_MARK", TOLMER_LABEL_INCH_MARK, 7},
      {"TOLMER_LABEL_CM", TOLMER_LABEL_CM, 4},
      {"TOLMER_FEET_INCHES_MARKS", TOLMER_FEET_INCHES_MARKS, 6},
      {"TOLMER_INCHES_BARE", TOLMER_INCHES_BARE, 13},
      {"TOLMER_METERS_CENTIMETERS", TOLMER_METERS_CENTIMETERS, 6},
      {"TOLMER_DECIMAL_INCHES", TOLMER_DECIMAL_INCHES, 1},
      {"TOLMER_TOO_MANY_FEET", TOLMER_TOO_MANY_FEET, -4},
      {"TOLMER_TOO_MANY_MILLIMETERS", TOLMER_TOO_MANY_MILLIMETERS, -7},
      {"TOLMER_LANDSCAPE", TOLMER_LANDSCAPE, 2},
      {"TOLMER_FOLDER_PROFILE", TOLMER_FOLDER_PROFILE, 0x28},
  };
  for (const Named& n : named) EXPECT_EQ(n.value, n.code) << n.name;
}

// --- the header's comments --------------------------------------------------

std::string header_text() {
  std::ifstream in(TOLMER_HEADER_PATH);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

struct Declared {
  std::string name;
  std::string comment;     // the text between the previous declaration and this one
  std::string parameters;  // the text between the parentheses
};

std::vector<Declared> declarations() {
  const std::string text = header_text();
  std::vector<Declared> found;
  const std::regex declaration(R"(TOLMER_API[^;]*?TOLMER_CALL\s+([A-Z0-9]+)\s*\(([^)]*)\)\s*;)");
  std::size_t previous_end = 0;
  for (auto it = std::sregex_iterator(text.begin(), text.end(), declaration); it != std::sregex_iterator(); ++it) {
    const auto& match = *it;
    const auto start = static_cast<std::size_t>(match.position(0));
    found.push_back({match[1].str(), text.substr(previous_end, start - previous_end), match[2].str()});
    previous_end = start + static_cast<std::size_t>(match.length(0));
  }
  return found;
}

// The names of the text buffers (char*, not const) among the parameters.
std::vector<std::string> buffers(const std::string& parameters) {
  std::vector<std::string> names;
  const std::regex buffer(R"((?:^|[(,])\s*char\s*\*\s*([a-z_]+))");
  for (auto it = std::sregex_iterator(parameters.begin(), parameters.end(), buffer); it != std::sregex_iterator(); ++it)
    names.push_back((*it)[1].str());
  return names;
}

TEST(HeaderComments, StateEveryBuffersRoomInOnePhrase) {
  const auto found = declarations();
  ASSERT_GT(found.size(), 100u);
  int buffers_seen = 0;
  for (const Declared& d : found) {
    std::string comment = d.comment;
    // Comments wrap: read them as one line.
    comment = std::regex_replace(comment, std::regex(R"(\s*\n\s*\*?\s*)"), " ");
    for (const std::string& name : buffers(d.parameters)) {
      ++buffers_seen;
      const std::regex phrase("Room: " + name + " needs [^.;]*bytes, the NUL included");
      EXPECT_TRUE(std::regex_search(comment, phrase)) << d.name << ": the room of " << name << " is not stated as "
                                                      << "\"Room: " << name << " needs N bytes, the NUL included\"";
    }
  }
  EXPECT_EQ(buffers_seen, 14);
}

// Exports that take a text and a position, start or end in it (an angle's
// start or a bit's start is no text position).
TEST(HeaderComments, SayPositionsAreOneBased) {
  int seen = 0;
  for (const Declared& d : declarations()) {
    if (!std::regex_search(d.parameters, std::regex(R"(\b(position|start|end)\b)"))) continue;
    if (!std::regex_search(d.parameters, std::regex(R"(char\s*\*|LibString)"))) continue;
    ++seen;
    EXPECT_NE(d.comment.find("1-based"), std::string::npos) << d.name << " takes a position but does not say it is 1-based";
  }
  EXPECT_EQ(seen, 7);
}

}  // namespace
