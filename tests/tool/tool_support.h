// Running the tolmer tool as a user runs it, for the tool's tests: a
// separate process, its standard output, standard error and exit code.
#pragma once

#include <gtest/gtest.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

extern char** environ;

namespace tool_test {

struct Outcome {
  int code = -1;
  std::string out;
  std::string err;
};

inline std::string slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// Runs the tool with the arguments; standard output and error go to files.
inline Outcome tolmer(const std::vector<std::string>& arguments) {
  const std::string base = testing::TempDir() + "tolmer_test_tool_" + std::to_string(getpid());
  const std::string out_path = base + ".out";
  const std::string err_path = base + ".err";
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, out_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  posix_spawn_file_actions_addopen(&actions, 2, err_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  std::vector<std::string> words = {TOLMER_TOOL_PATH};
  words.insert(words.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  for (auto& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);
  Outcome outcome;
  pid_t child = 0;
  const int spawned = posix_spawn(&child, TOLMER_TOOL_PATH, &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) return outcome;
  int status = 0;
  if (waitpid(child, &status, 0) == child && WIFEXITED(status)) outcome.code = WEXITSTATUS(status);
  outcome.out = slurp(out_path);
  outcome.err = slurp(err_path);
  std::remove(out_path.c_str());
  std::remove(err_path.c_str());
  return outcome;
}

// One run of the tool and what it must give. An empty `out` or `err` is
// checked for emptiness only when `exact_out` / `exact_err` is set;
// otherwise each is a text that the output must contain.
struct Case {
  const char* label;
  std::vector<std::string> arguments;
  int code;
  std::string out;
  std::string err;
  bool exact_out = true;
  bool exact_err = false;
};

inline void PrintTo(const Case& c, std::ostream* out) { *out << c.label; }

inline std::string case_name(const testing::TestParamInfo<Case>& info) { return info.param.label; }

inline void check(const Case& c) {
  const Outcome outcome = tolmer(c.arguments);
  EXPECT_EQ(outcome.code, c.code) << "stdout:\n" << outcome.out << "stderr:\n" << outcome.err;
  if (c.exact_out) {
    EXPECT_EQ(outcome.out, c.out);
  } else {
    EXPECT_NE(outcome.out.find(c.out), std::string::npos) << "stdout lacks:\n" << c.out << "\nstdout:\n" << outcome.out;
  }
  if (c.exact_err) {
    EXPECT_EQ(outcome.err, c.err);
  } else {
    EXPECT_NE(outcome.err.find(c.err), std::string::npos) << "stderr lacks:\n" << c.err << "\nstderr:\n" << outcome.err;
  }
  // Every error is one line, then the usage.
  if (outcome.code == 2 && outcome.err.rfind("tolmer ", 0) == 0) {
    const std::size_t first = outcome.err.find('\n');
    EXPECT_EQ(outcome.err.compare(first + 1, 7, "usage: "), 0) << outcome.err;
  }
}

inline Case exact(const char* label, std::vector<std::string> arguments, int code, std::string out, std::string err = "") {
  return Case{label, std::move(arguments), code, std::move(out), std::move(err), true, true};
}

inline Case has(const char* label, std::vector<std::string> arguments, int code, std::string out, std::string err = "") {
  return Case{label, std::move(arguments), code, std::move(out), std::move(err), false, false};
}

inline Case usage(const char* label, std::vector<std::string> arguments, std::string err) {
  return Case{label, std::move(arguments), 2, "", std::move(err), true, false};
}

inline Case rejected(const char* label, std::vector<std::string> arguments, std::string err, std::string out = "") {
  return Case{label, std::move(arguments), 1, std::move(out), std::move(err), true, true};
}

// The words of a command line as a shell splits it: spaces separate words
// outside double quotes; inside them \" and \\ stand for themselves.
inline std::vector<std::string> shell_words(const std::string& line) {
  std::vector<std::string> words;
  std::string word;
  bool in_word = false, in_quotes = false;
  for (std::size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (in_quotes && c == '\\' && i + 1 < line.size() && (line[i + 1] == '"' || line[i + 1] == '\\')) {
      word += line[++i];
    } else if (c == '"') {
      in_quotes = !in_quotes;
      in_word = true;
    } else if (c == ' ' && !in_quotes) {
      if (in_word) words.push_back(word);
      word.clear();
      in_word = false;
    } else {
      word += c;
      in_word = true;
    }
  }
  if (in_word) words.push_back(word);
  return words;
}

}  // namespace tool_test
