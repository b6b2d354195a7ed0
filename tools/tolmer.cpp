// tolmer: the library at a terminal.
//
// Each subcommand is a host of the library: it initialises it, calls its
// exports (found by name, as a host finds them) and prints what they answer.
// `length` reads the entry through the C++ interface: today's reading by
// default, and with --classic the bytes that no unit word consumed.
// Exit codes: 0 success, 1 input rejected or not found, 2 usage error,
// 3 an export the command needs is missing from this build of the library.
#include <cstring>
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "cli.h"
#include "commands.h"
#include "library.h"

#ifndef TOLMER_VERSION
#define TOLMER_VERSION "unknown"
#endif

namespace tolmer::inline v1::tool {
namespace {

const Command kCommands[] = {
    {"length", "read a typed length (today's rules, or the classic road with --classic)",
     "tolmer length TEXT [--metric] [--format N] [--decimal | --fraction] [--denominator N]\n"
     "                    [--decimals N] [--places N] [--round N] [--unit U] [--decimal-comma] [--lenient]\n"
     "       tolmer length TEXT --classic [display options] [--min INCHES] [--max N]\n"
     "                    [--max-total INCHES] [--strict]",
     "Reads one length entry the way building professionals type it (12'-6 1/2\",\n"
     "12'6, 5 ft 3, 12\u2032 6\u00bd\u2033, 2,500 mm, 2m 540mm, -3' 6\") and prints the length\n"
     "in inches and its display text (today's display, as tolmer format shows it;\n"
     "with --classic the display of the C interface). Every byte is read or the entry is an\n"
     "error: the message goes to standard error with the entry and carets under\n"
     "the bytes concerned, and the exit code is 1. A bare number after feet is\n"
     "inches; elsewhere it needs --unit. (docs/cpp.md, \"Reading lengths\", has the\n"
     "rules.)\n"
     "\n"
     "With --classic the entry takes the road of a length field of the host:\n"
     "separated, converted (only numbers before a unit word count), checked\n"
     "against the limits and formatted; it prints the separated text too. A\n"
     "rejected entry prints the user's message and exits 1; notes name every\n"
     "part that no unit word consumed (\"the 6 after 12' has no unit: not read\");\n"
     "with --strict such an entry is rejected.\n"
     "\n"
     "Options:\n"
     "  --metric          metric display settings (default: English)\n"
     "  --format N        display format: English 0 to 13 (default 6),\n"
     "                    metric 0 to 6 (default 1); see tolmer format --help\n"
     "  --fraction        show parts of an inch as fractions (default)\n"
     "  --decimal         show parts of an inch as decimals\n"
     "  --denominator N   fractions in steps of 1/N inch, reduced (1 to 1024,\n"
     "                    default 16); not with --classic\n"
     "  --decimals N      decimal places of every decimal number (0 to 9,\n"
     "                    default 3); not with --classic\n"
     "  --places N        the denominator with fractions, else the decimals; with\n"
     "                    --classic the places argument of the C interface\n"
     "                    (fraction mode: the largest denominator, 6.2 shows as 6 1/5)\n"
     "  --round N         show the length rounded to the nearest 1/N inch, as a\n"
     "                    tape measure reads; the denominator then defaults to N\n"
     "  --unit U          the unit of a bare number: yd, ft, in, m, dm, cm or mm\n"
     "  --decimal-comma   the comma is the decimal mark; a period or space groups\n"
     "  --lenient         skip what is not understood, noting its bytes\n"
     "  --classic         the classic road; then also:\n"
     "  --min INCHES      the smallest length allowed (default 0)\n"
     "  --max N           the largest number allowed in any one unit, as typed\n"
     "                    (default 0: no limit)\n"
     "  --max-total INCHES  the largest length allowed (default 1000000)\n"
     "  --strict          reject (exit 1) an entry with a part that no unit word\n"
     "                    consumed, instead of noting it\n"
     "\n"
     "The numbers in the classic messages have --places decimal places in\n"
     "decimal mode and two in fraction mode.\n"
     "\n"
     "Examples:\n"
     "  $ tolmer length \"12'6 1/2\\\"\"\n"
     "  inches     150.5\n"
     "  display    12' 6 1/2\"\n"
     "\n"
     "  $ tolmer length \"12'6\"\n"
     "  inches     150\n"
     "  display    12' 6\"\n"
     "\n"
     "  $ tolmer length \"3.5m\" --metric --format 4\n"
     "  inches     137.7952755905512\n"
     "  display    3500 mm\n"
     "\n"
     "  $ tolmer length \"12 6\"\n"
     "  tolmer length: this number has no unit: type one after it (' \" ft in yd m cm mm)\n"
     "    12 6\n"
     "    ^^\n"
     "  (exit code 1)\n"
     "\n"
     "  $ tolmer length \"12'6 1/2\\\"\" --classic\n"
     "  separated  12 ' 6 1/2 \"\n"
     "  inches     150.5\n"
     "  display    12' 6 1/2\"\n"
     "\n"
     "  $ tolmer length \"150 ft\" --classic --max 100\n"
     "  The value you have entered for feet is invalid. The value cannot exceed 100.\n"
     "  (exit code 1)\n"
     "\n"
     "  $ tolmer length \"12'6\" --classic --strict\n"
     "  tolmer length: the 6 after 12' has no unit: not read\n"
     "  (exit code 1)\n",
     run_length},
    {"format", "a length in inches as display text, in one format or all",
     "tolmer format INCHES [--metric] [--format N|all] [--decimal | --fraction]\n"
     "                     [--denominator N] [--decimals N] [--places N] [--round N] [--classic]",
     "Prints the display text of a length given in inches. With --format all,\n"
     "prints every format of the system with its code. Negative lengths get one\n"
     "leading -, zero shows the format's smallest part (0\", 0 mm), decimals have\n"
     "no binary noise and no exponent. With --classic, the display of the C\n"
     "interface (GETFORMATEDTEXTFROMINCHES): zero and negative lengths empty.\n"
     "\n"
     "Options:\n"
     "  --metric          metric formats 0 to 6 (default format 1); without it the\n"
     "                    English formats 0 to 13 (default format 6)\n"
     "  --format N|all    the format code, or all of them\n"
     "  --fraction        parts of an inch as fractions (default; English only)\n"
     "  --decimal         parts of an inch as decimals\n"
     "  --denominator N   fractions in steps of 1/N inch, reduced (1 to 1024,\n"
     "                    default 16: 6.2 shows as 6 3/16)\n"
     "  --decimals N      decimal places of decimal inches, decimal feet and every\n"
     "                    metric format (0 to 9, default 3)\n"
     "  --places N        the denominator with fractions, else the decimals;\n"
     "                    with --classic: the places argument of the C interface\n"
     "  --round N         round to the nearest 1/N inch first, as a tape measure\n"
     "                    reads (the denominator then defaults to N)\n"
     "  --classic         the C interface's display\n"
     "\n"
     "Examples:\n"
     "  $ tolmer format 150.5\n"
     "  12' 6 1/2\"\n"
     "\n"
     "  $ tolmer format 150.5 --decimals 2 --format 3\n"
     "  12.54 Feet\n"
     "\n"
     "  $ tolmer format -6.5 --metric --format 4\n"
     "  -165.1 mm\n"
     "\n"
     "  $ tolmer format 6.2 --denominator 5\n"
     "  6 1/5\"\n"
     "\n"
     "  $ tolmer format 6.2 --classic\n"
     "  6 1/5\"\n"
     "\n"
     "  $ tolmer format 100 --metric --format all\n"
     "  format  text\n"
     "       0  2 Meters 540 Millimeters\n"
     "       1  2m 540mm\n"
     "       2  2.54 Meters\n"
     "       3  2.54 m\n"
     "       4  2540 mm\n"
     "       5  2540\n"
     "       6  2m 54cm\n",
     run_format},
    {"scale", "the standard drawing scales, or the standard scale for a ratio",
     "tolmer scale [RATIO] [--metric | --english]",
     "Without a ratio, lists the standard scales of both systems with the inches\n"
     "of drawing that stand for one foot. With a ratio, prints the standard scale\n"
     "of each system for it: the ratio itself when it is a standard scale,\n"
     "otherwise the largest standard scale that does not exceed it. Exits 1 when\n"
     "no system has one.\n"
     "\n"
     "A ratio is written 1:48, 1/48 or 0.02, or as on a drawing: a drawing length,\n"
     "\"=\", and the real length it stands for (1/4\"=1'-0\", 1/4 in = 1 ft), each\n"
     "read as the length command reads it.\n"
     "\n"
     "Options:\n"
     "  --metric, --english   one system only\n"
     "\n"
     "Examples:\n"
     "  $ tolmer scale --english\n"
     "  English scales\n"
     "  index  ratio   inches per foot\n"
     "      0  1:1     12\n"
     "      ...\n"
     "      4  1:48    0.25\n"
     "      ...\n"
     "\n"
     "  $ tolmer scale 1:50\n"
     "  English  1:64    index 5, 0.1875 inches per foot\n"
     "  Metric   1:50    index 6, 0.24 inches per foot\n"
     "\n"
     "  $ tolmer scale \"1/4\\\"=1'-0\\\"\" --english\n"
     "  English  1:48    index 4, 0.25 inches per foot\n",
     run_scale},
    {"paper", "the standard paper sizes, or the paper of a name or a size",
     "tolmer paper [NAME | WIDTHxHEIGHT [--metric]] [--classic]",
     "Without an argument, lists the standard paper sizes by series (ISO A, B and C\n"
     "in millimetres; ANSI, ARCH, Letter, Legal, Tabloid and Ledger in inches), each\n"
     "in its own unit first, then in the other. With a name (A4, arch d, ANSI-B,\n"
     "letter, 11x17), prints that size. With a size in inches (millimetres with\n"
     "--metric), prints every standard size within 0.5 mm of it, either way round\n"
     "(\"turned\" when the size asked for is the paper turned). A name or a size\n"
     "that no standard size has is looked up in the paper table as --classic does.\n"
     "Exits 1 when nothing matches.\n"
     "\n"
     "With --classic, the library's paper table: without an argument every record\n"
     "(index, name, size in inches and millimetres, margins in inches); a name\n"
     "matches in any letter case, the whole name, else the one record that has\n"
     "every word of it; a size matches exactly, either way round, and a metric size\n"
     "also as the table prints it (210.1x296.9 --metric).\n"
     "\n"
     "Options:\n"
     "  --metric    the size is in millimetres\n"
     "  --classic   the library's paper table\n"
     "\n"
     "Examples:\n"
     "  $ tolmer paper a4\n"
     "  A4  210 x 297 mm (8.27 x 11.69 in)\n"
     "\n"
     "  $ tolmer paper 17x11\n"
     "  ANSI B   11 x 17 in (279.4 x 431.8 mm)  turned\n"
     "  Tabloid  11 x 17 in (279.4 x 431.8 mm)  turned\n"
     "  Ledger   17 x 11 in (431.8 x 279.4 mm)\n"
     "\n"
     "  $ tolmer paper a4 --classic\n"
     "  index        16\n"
     "  name         Generic A4\n"
     "  size         8.27 x 11.69 in (210.1 x 296.9 mm)\n"
     "  ...\n",
     run_paper},
    {"catalog", "the symbol catalog as a tree",
     "tolmer catalog [CATEGORY [SUB [ITEM]]]",
     "Prints the catalog below the given numbers (all of it without any): the\n"
     "descriptions of categories and sub-categories, item types with their plural\n"
     "and singular names, sub-item types with their names and wall-snap indices,\n"
     "and library names in brackets. Exits 1 for numbers the catalog lacks.\n"
     "\n"
     "Examples:\n"
     "  $ tolmer catalog 1 1 2\n"
     "  1  Floor Plan  [lib_1_0]\n"
     "    1.1  Walls/Windows/Doors  [lib_1_1]\n"
     "      1.1.2  Windows / Window  [lib_1_1_2]\n"
     "        1.1.2.1  Double  (wall snap 3)\n"
     "        1.1.2.2  Single  (wall snap 2)\n"
     "        1.1.2.3  Bay  (wall snap 4)\n",
     run_catalog},
    {"call", "call any export by name and show everything it answers",
     "tolmer call [--no-init] EXPORT [ARG...] [+ EXPORT [ARG...]]...\n"
     "       tolmer call --list",
     "Calls an export with arguments given as text and prints its result and every\n"
     "value it wrote back through a reference or a text buffer. Several calls,\n"
     "separated by \"+\", run one after another in the same process. The library is\n"
     "initialised first (INITIALIZEDLL) unless --no-init is given.\n"
     "\n"
     "Arguments by kind:\n"
     "  integer, single, double   a number (integers also as 0x hexadecimal)\n"
     "  text                      the text itself\n"
     "  text buffer               its initial contents (the buffer has ample room)\n"
     "  integer/single/double reference   the initial value\n"
     "  LibString handle          the text, passed as a counted string\n"
     "  DoubleRect reference      x1,y1,x2,y2\n"
     "  integer array (descriptor)  the elements, 1,-2,30 (empty: no elements)\n"
     "  bit string reference      the 32-bit variable's initial value\n"
     "  byte reference            0 to 255\n"
     "  NULL                      a null address, for any kind passed by address\n"
     "\n"
     "Options:\n"
     "  --list      every export with its argument and result kinds\n"
     "  --no-init   do not call INITIALIZEDLL first\n"
     "\n"
     "Examples:\n"
     "  $ tolmer call GETPAPERINFOWIDTH 0 2\n"
     "  result = 11\n"
     "\n"
     "  $ tolmer call BREAKFRACTIONAPART \"1 1/2\" 0 0 0 \"\"\n"
     "  result = (none)\n"
     "  arg 2 = 1\n"
     "  arg 3 = 1\n"
     "  arg 4 = 2\n"
     "  arg 5 = \"/\"\n"
     "\n"
     "  $ tolmer call ACCESSTEMPSTRINGARRAY 1 Kitchen + READTEMPSTRINGARRAY 1\n"
     "  == ACCESSTEMPSTRINGARRAY\n"
     "  result = 1\n"
     "  == READTEMPSTRINGARRAY\n"
     "  result = \"Kitchen\"\n",
     run_call},
};

const Command* find_command(const std::string& name) {
  for (const Command& command : kCommands)
    if (name == command.name) return &command;
  return nullptr;
}

void print_overview(std::ostream& out) {
  out << "usage: tolmer COMMAND [ARGUMENTS]\n\n"
         "The tolmerdll library at a terminal.\n\nCommands:\n";
  for (const Command& command : kCommands) {
    std::string name = command.name;
    name.resize(9, ' ');
    out << "  " << name << command.summary << '\n';
  }
  out << "\nOptions:\n"
         "  --help     this overview ('tolmer COMMAND --help' tells more about a command)\n"
         "  --version  the tool's version\n"
         "\nExit codes: 0 success; 1 input rejected or not found; 2 usage error;\n"
         "3 this build of the library lacks an export the command needs.\n";
}

void print_help(std::ostream& out, const Command& command) {
  out << "usage: " << command.usage << "\n\n" << command.help;
}

bool asks_for_help(const std::vector<std::string>& arguments, const Command& command) {
  // `call` passes everything after the export name to the export.
  if (std::strcmp(command.name, "call") == 0) return !arguments.empty() && (arguments[0] == "--help" || arguments[0] == "-h");
  for (const std::string& argument : arguments) {
    if (argument == "--") return false;
    if (argument == "--help" || argument == "-h") return true;
  }
  return false;
}

int run(const std::vector<std::string>& arguments) {
  if (arguments.empty()) {
    print_overview(std::cerr);
    return kUsage;
  }
  const std::string& name = arguments[0];
  if (name == "--help" || name == "-h" || name == "help") {
    if (name == "help" && arguments.size() > 1) {
      if (const Command* command = find_command(arguments[1])) {
        print_help(std::cout, *command);
        return kSuccess;
      }
      std::cerr << "tolmer: unknown command '" << arguments[1] << "'\n";
      return kUsage;
    }
    print_overview(std::cout);
    return kSuccess;
  }
  if (name == "--version") {
    std::cout << "tolmer " << TOLMER_VERSION << '\n';
    return kSuccess;
  }
  const Command* command = find_command(name);
  if (command == nullptr) {
    std::cerr << "tolmer: unknown command '" << name << "'\n"
              << "usage: tolmer COMMAND [ARGUMENTS] (commands: length, format, scale, paper, catalog, call)\n";
    return kUsage;
  }
  const std::vector<std::string> rest(arguments.begin() + 1, arguments.end());
  if (asks_for_help(rest, *command)) {
    print_help(std::cout, *command);
    return kSuccess;
  }
  try {
    const int code = command->run(rest, std::cout, std::cerr);
    std::cout.flush();
    return code;
  } catch (const UsageError& error) {
    std::cerr << "tolmer " << command->name << ": " << error.what() << '\n'
              << "usage: " << command->usage << '\n';
    return kUsage;
  } catch (const Unavailable& error) {
    std::cerr << "tolmer " << command->name << ": " << error.what() << '\n';
    return kUnavailable;
  }
}

}  // namespace
}  // namespace tolmer::tool

int main(int argc, char** argv) {
  try {
    return tolmer::tool::run(std::vector<std::string>(argv + 1, argv + argc));
  } catch (const std::exception& error) {
    std::cerr << "tolmer: " << error.what() << '\n';
    return 70;
  }
}
