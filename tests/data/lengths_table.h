// The rows of tests/data/lengths.tsv (its header comment gives the format),
// compiled into the programs that read them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "tolmer/reading.h"

namespace tolmer::inline v1::testdata {

struct LengthRow {
  int line = 0;                      // 1-based line of the file
  std::string source;                // the line as written
  std::string entry;                 // the entry with its escapes resolved
  ParseOptions options;
  ParseError error = ParseError::None;
  double inches = 0;                 // without an error
  ByteRange where;                   // with an error
  std::vector<ByteRange> unread;     // lenient rows
};

// The file's bytes, and those of docs/cpp.md.
std::string_view lengths_tsv();
std::string_view cpp_md();
// Its rows; throws std::runtime_error naming the line of a row it cannot read.
std::vector<LengthRow> length_rows();
// The enumerator's name as the table writes it ("MissingUnit"), "" if none.
std::string_view error_name(ParseError error);

}  // namespace tolmer::testdata
