// The export table against the public header: every export of the table is
// declared in include/tolmerdll.h with the table's result and argument kinds,
// and the header declares nothing that the table lacks.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct TableEntry {
  std::string name;
  std::string result;
  std::vector<std::string> arguments;
};

// "(Integer, Single)" -> {"Integer", "Single"}; "()" -> {}.
std::vector<std::string> split_kinds(std::string list) {
  std::vector<std::string> kinds;
  list.erase(std::remove_if(list.begin(), list.end(),
                            [](char c) { return c == '(' || c == ')' || c == ' '; }),
             list.end());
  std::stringstream in(list);
  for (std::string kind; std::getline(in, kind, ',');) kinds.push_back(kind);
  return kinds;
}

void PrintTo(const TableEntry& entry, std::ostream* out) { *out << entry.name; }

const std::vector<TableEntry>& table() {
  static const std::vector<TableEntry> entries = {
#define TOLMER_EXPORT_ENTRY(name, result, args) {#name, #result, split_kinds(#args)},
#include "c_abi/export_table.h"
#undef TOLMER_EXPORT_ENTRY
  };
  return entries;
}

// One declaration found in a header.
struct Declaration {
  std::string name;
  std::string result;                  // a result kind, or "?<C type>" when unknown
  std::vector<std::string> arguments;  // argument kinds, or "?<C type>"
  bool standard_call = false;          // declared with TOLMER_CALL
};

// C types of the public header and the kinds they stand for.
const std::map<std::string, std::string>& argument_kinds() {
  static const std::map<std::string, std::string> kinds = {
      {"int32_t", "Integer"},
      {"float", "Single"},
      {"double", "Double"},
      {"int32_t *", "IntegerRef"},
      {"float *", "SingleRef"},
      {"double *", "DoubleRef"},
      {"const char *", "Text"},
      {"char *", "TextBuffer"},
      {"LibString", "LibStringHandle"},
      {"const DoubleRect *", "DoubleRectRef"},
      {"const TolmerLongArray *", "IntArrayDescriptorRef"},
      {"const int32_t *", "IntArrayRef"},
      {"void *", "BitsRef"},
      {"const void *", "BitsRef"},
      {"uint8_t *", "ByteRef"},
      {"const TolmerHostServices *", "HostServicesRef"},
  };
  return kinds;
}

const std::map<std::string, std::string>& result_kinds() {
  static const std::map<std::string, std::string> kinds = {
      {"void", "Void"}, {"int32_t", "Integer"}, {"float", "Single"},
      {"double", "Double"}, {"LibString", "LibString"},
  };
  return kinds;
}

bool is_identifier(const std::string& token) {
  return !token.empty() && (std::isalpha(static_cast<unsigned char>(token[0])) || token[0] == '_');
}

// Splits C declaration text into identifiers and single punctuation marks.
std::vector<std::string> tokenize(const std::string& text) {
  std::vector<std::string> tokens;
  for (std::size_t i = 0; i < text.size();) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (std::isspace(c)) {
      ++i;
    } else if (std::isalnum(c) || c == '_') {
      std::size_t j = i;
      while (j < text.size() && (std::isalnum(static_cast<unsigned char>(text[j])) || text[j] == '_')) ++j;
      tokens.push_back(text.substr(i, j - i));
      i = j;
    } else {
      tokens.emplace_back(1, static_cast<char>(c));
      ++i;
    }
  }
  return tokens;
}

std::string join(const std::vector<std::string>& tokens) {
  std::string text;
  for (const auto& token : tokens) {
    if (!text.empty()) text += ' ';
    text += token;
  }
  return text;
}

std::string kind_of(const std::vector<std::string>& type, const std::map<std::string, std::string>& kinds) {
  const std::string text = join(type);
  const auto found = kinds.find(text);
  return found == kinds.end() ? "?" + text : found->second;
}

// Removes comments and preprocessor lines (with their continuations).
std::string strip(const std::string& source) {
  std::string code;
  for (std::size_t i = 0; i < source.size();) {
    if (source.compare(i, 2, "/*") == 0) {
      const std::size_t end = source.find("*/", i + 2);
      i = end == std::string::npos ? source.size() : end + 2;
      code += ' ';
    } else if (source.compare(i, 2, "//") == 0) {
      i = source.find('\n', i);
      if (i == std::string::npos) i = source.size();
    } else {
      code += source[i++];
    }
  }
  std::stringstream in(code);
  std::string result;
  bool continued = false;
  for (std::string line; std::getline(in, line);) {
    const auto first = line.find_first_not_of(" \t");
    const bool directive = continued || (first != std::string::npos && line[first] == '#');
    continued = directive && !line.empty() && line.back() == '\\';
    if (!directive) result += line + '\n';
  }
  return result;
}

// Every `TOLMER_API result [TOLMER_CALL] NAME(parameters);` of a header.
std::vector<Declaration> declarations(const std::string& header) {
  const std::vector<std::string> tokens = tokenize(strip(header));
  std::vector<Declaration> found;
  for (std::size_t i = 0; i < tokens.size(); ++i) {
    if (tokens[i] != "TOLMER_API") continue;
    Declaration declaration;
    std::vector<std::string> result;
    std::size_t j = i + 1;
    while (j < tokens.size() && tokens[j] != "(" && tokens[j] != ";") result.push_back(tokens[j++]);
    if (j >= tokens.size() || tokens[j] != "(" || result.empty()) continue;
    declaration.name = result.back();
    result.pop_back();
    const auto call = std::find(result.begin(), result.end(), "TOLMER_CALL");
    declaration.standard_call = call != result.end();
    if (call != result.end()) result.erase(call);
    declaration.result = kind_of(result, result_kinds());
    // Parameters up to the matching parenthesis, split at top-level commas.
    std::vector<std::vector<std::string>> parameters(1);
    int depth = 1;
    for (++j; j < tokens.size() && depth > 0; ++j) {
      if (tokens[j] == "(") ++depth;
      if (tokens[j] == ")" && --depth == 0) break;
      if (tokens[j] == "," && depth == 1) {
        parameters.emplace_back();
      } else {
        parameters.back().push_back(tokens[j]);
      }
    }
    if (parameters.size() == 1 && (parameters[0].empty() || join(parameters[0]) == "void")) parameters.clear();
    for (auto& parameter : parameters) {
      // Drop the parameter's name: a last identifier after at least one type token.
      std::size_t type_tokens = 0;
      for (std::size_t k = 0; k + 1 < parameter.size(); ++k) type_tokens += parameter[k] != "const";
      if (parameter.size() >= 2 && is_identifier(parameter.back()) && type_tokens > 0) parameter.pop_back();
      declaration.arguments.push_back(kind_of(parameter, argument_kinds()));
    }
    found.push_back(declaration);
    i = j;
  }
  return found;
}

std::string read_file(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// The public header of this source tree (found from this file's own path).
std::string public_header_path() {
  return (std::filesystem::path(__FILE__).parent_path().parent_path() / "include" / "tolmerdll.h").string();
}

const std::vector<Declaration>& public_declarations() {
  static const std::vector<Declaration> found = declarations(read_file(public_header_path()));
  return found;
}

std::optional<Declaration> declared(const std::vector<Declaration>& found, const std::string& name) {
  for (const auto& declaration : found)
    if (declaration.name == name) return declaration;
  return std::nullopt;
}

std::string describe(const std::string& result, const std::vector<std::string>& arguments) {
  std::string text = result + " (";
  for (std::size_t i = 0; i < arguments.size(); ++i) text += (i ? ", " : "") + arguments[i];
  return text + ")";
}

// --- the table itself ---------------------------------------------------

TEST(ExportTable, HoldsTheHostExportsPlusTheThreeOfThisLibrary) {
  EXPECT_EQ(table().size(), 118u + 3u);
  std::set<std::string> names;
  for (const auto& entry : table()) {
    EXPECT_TRUE(names.insert(entry.name).second) << entry.name << " appears twice";
    EXPECT_TRUE(std::all_of(entry.name.begin(), entry.name.end(),
                            [](char c) { return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'); }))
        << entry.name << " is not an upper-case name";
  }
  EXPECT_TRUE(names.count("FREELIBSTRING"));
  EXPECT_TRUE(names.count("MAKELIBSTRING"));
  EXPECT_TRUE(names.count("SETHOSTSERVICES"));
}

TEST(ExportTable, UsesOnlyKnownKinds) {
  std::set<std::string> arguments;
  for (const auto& [type, kind] : argument_kinds()) arguments.insert(kind);
  std::set<std::string> results;
  for (const auto& [type, kind] : result_kinds()) results.insert(kind);
  for (const auto& entry : table()) {
    EXPECT_TRUE(results.count(entry.result)) << entry.name << ": result kind " << entry.result;
    for (const auto& kind : entry.arguments)
      EXPECT_TRUE(arguments.count(kind)) << entry.name << ": argument kind " << kind;
  }
}

// --- the header reader, on headers made for the purpose ------------------

struct ReaderCase {
  const char* header;
  const char* name;
  const char* expected;  // describe() of the declaration, or "" when not declared
};

void PrintTo(const ReaderCase& sample, std::ostream* out) { *out << sample.name; }

class HeaderReader : public testing::TestWithParam<ReaderCase> {};

TEST_P(HeaderReader, ReadsKindsOfADeclaration) {
  const auto found = declarations(GetParam().header);
  const auto declaration = declared(found, GetParam().name);
  if (std::string(GetParam().expected).empty()) {
    EXPECT_FALSE(declaration.has_value());
  } else {
    ASSERT_TRUE(declaration.has_value());
    EXPECT_EQ(describe(declaration->result, declaration->arguments), GetParam().expected);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Samples, HeaderReader,
    testing::Values(
        ReaderCase{"TOLMER_API float TOLMER_CALL GETPAPERINFOWIDTH(int32_t index, int32_t orientation);",
                   "GETPAPERINFOWIDTH", "Single (Integer, Integer)"},
        ReaderCase{"TOLMER_API void TOLMER_CALL INITIALIZEDLL(void);", "INITIALIZEDLL", "Void ()"},
        ReaderCase{"TOLMER_API LibString TOLMER_CALL F(const char* text,\n  char* buffer, int32_t*, float* v,"
                   " double *d, LibString s);",
                   "F", "LibString (Text, TextBuffer, IntegerRef, SingleRef, DoubleRef, LibStringHandle)"},
        ReaderCase{"TOLMER_API int32_t TOLMER_CALL G(const DoubleRect* r, const TolmerLongArray* a,"
                   " const int32_t* e, void* t, const void* u, uint8_t* b);",
                   "G", "Integer (DoubleRectRef, IntArrayDescriptorRef, IntArrayRef, BitsRef, BitsRef, ByteRef)"},
        // A wrong type shows as unknown, so it cannot match a table entry.
        ReaderCase{"TOLMER_API long TOLMER_CALL H(unsigned int x);", "H", "?long (?unsigned int)"},
        // A declaration inside a comment or a macro definition does not count.
        ReaderCase{"/* TOLMER_API int32_t TOLMER_CALL K(int32_t x); */", "K", ""},
        ReaderCase{"#define X \\\n TOLMER_API int32_t TOLMER_CALL K2(int32_t x);\n", "K2", ""},
        ReaderCase{"// TOLMER_API int32_t TOLMER_CALL K3(int32_t x);\n", "K3", ""}));

TEST(HeaderReading, NoticesAMissingCallingConvention) {
  const auto found = declarations("TOLMER_API int32_t NOCALL(int32_t x);\n"
                                  "TOLMER_API int32_t TOLMER_CALL WITHCALL(int32_t x);");
  ASSERT_EQ(found.size(), 2u);
  EXPECT_FALSE(found[0].standard_call);
  EXPECT_TRUE(found[1].standard_call);
}

// --- the public header against the table -------------------------------

class PublicHeader : public testing::TestWithParam<TableEntry> {};

TEST_P(PublicHeader, DeclaresTheExportAsTheTableSays) {
  const TableEntry& entry = GetParam();
  const auto declaration = declared(public_declarations(), entry.name);
  ASSERT_TRUE(declaration.has_value()) << entry.name << " is not declared in include/tolmerdll.h";
  EXPECT_EQ(describe(declaration->result, declaration->arguments), describe(entry.result, entry.arguments))
      << entry.name << " in include/tolmerdll.h differs from src/c_abi/export_table.h";
  EXPECT_TRUE(declaration->standard_call) << entry.name << " is declared without TOLMER_CALL";
}

INSTANTIATE_TEST_SUITE_P(Exports, PublicHeader, testing::ValuesIn(table()),
                         [](const testing::TestParamInfo<TableEntry>& info) { return info.param.name; });

TEST(PublicHeaderDeclarations, AreAllInTheTableAndDeclaredOnce) {
  ASSERT_FALSE(public_declarations().empty()) << "include/tolmerdll.h could not be read";
  std::set<std::string> names;
  for (const auto& entry : table()) names.insert(entry.name);
  std::set<std::string> seen;
  for (const auto& declaration : public_declarations()) {
    EXPECT_TRUE(names.count(declaration.name))
        << declaration.name << " is declared in include/tolmerdll.h but missing from src/c_abi/export_table.h";
    EXPECT_TRUE(seen.insert(declaration.name).second) << declaration.name << " is declared twice";
  }
}

}  // namespace
