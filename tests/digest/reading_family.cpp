// The digest family of today's reading (tolmer::parse_length): every entry
// of tests/data/lengths.tsv under every option, with variants of each, and
// generated entries in every unit. Each call feeds the length's bits, the
// error, its bytes and the unread ranges.
#include <string>
#include <vector>

#include "digest.h"
#include "lengths_table.h"
#include "tolmer/reading.h"

namespace digest {
namespace {

void read(const std::string& entry, const tolmer::ParseOptions& options) {
  const tolmer::ParseResult r = tolmer::parse_length(entry, options);
  put(r.length.inches());
  put(static_cast<std::int32_t>(r.error));
  put(static_cast<std::int32_t>(r.where.begin));
  put(static_cast<std::int32_t>(r.where.end));
  put(static_cast<std::int32_t>(r.unread.size()));
  for (const tolmer::ByteRange& range : r.unread) {
    put(static_cast<std::int32_t>(range.begin));
    put(static_cast<std::int32_t>(range.end));
  }
  done();
}

std::vector<tolmer::ParseOptions> option_sets() {
  std::vector<tolmer::ParseOptions> sets(6);
  sets[1].default_unit = tolmer::Unit::Inches;
  sets[2].default_unit = tolmer::Unit::Millimeters;
  sets[3].decimal_comma = true;
  sets[4].lenient = true;
  sets[5].decimal_comma = true;
  sets[5].lenient = true;
  sets[5].default_unit = tolmer::Unit::Feet;
  return sets;
}

}  // namespace

void today_reading() {
  const std::vector<tolmer::ParseOptions> sets = option_sets();
  // The table's entries, as they are and varied: negated, with text after
  // them, spaces as no-break spaces, in upper case.
  for (const tolmer::testdata::LengthRow& row : tolmer::testdata::length_rows()) {
    std::string nbsp;
    std::string upper;
    for (const char c : row.entry) {
      nbsp += c == ' ' ? std::string("\xC2\xA0") : std::string(1, c);
      upper += c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c;
    }
    const std::string variants[] = {row.entry, "-" + row.entry, row.entry + " x", nbsp, upper,
                                    row.entry + row.entry};
    for (const std::string& entry : variants)
      for (const tolmer::ParseOptions& options : sets) read(entry, options);
  }
  // Generated entries: feet, inches and sixteenths; decimals in every unit;
  // thousands; exponents.
  const tolmer::ParseOptions none;
  for (int feet = 0; feet <= 120; feet += 7)
    for (int sixteenths = 0; sixteenths < 12 * 16; sixteenths += 5)
      read(dec(feet) + "'-" + dec(sixteenths / 16) + " " + dec(sixteenths % 16) + "/16\"", none);
  const char* units[] = {"yd", "ft", "in", "m", "dm", "cm", "mm", "km"};
  for (const char* unit : units) {
    for (int n = 0; n <= 30000; n += 13) {
      read(dec(n / 1000) + "." + std::string(n % 1000 < 100 ? (n % 1000 < 10 ? "00" : "0") : "") + dec(n % 1000) +
               " " + unit,
           none);
      read(dec(n) + "," + std::string(n % 1000 < 100 ? (n % 1000 < 10 ? "00" : "0") : "") + dec(n % 1000) + unit,
           none);
      read(dec(n) + "e-" + dec(n % 7) + " " + unit, none);
    }
  }
}

}  // namespace digest
