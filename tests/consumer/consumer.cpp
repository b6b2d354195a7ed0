// A C++ program built against the installed package: the C++ interface and
// the C interface, both reached through the one package target.
#include <cstdio>
#include <string>

#include "tolmer/tolmer.h"
#include "tolmerdll.h"

int main() {
  const tolmer::Library library;
  const tolmer::LengthReading reading = library.read_length("12'6");
  std::string text;
  library.format_to(text, reading.inches, {});
  const bool ok = reading.ok() && reading.inches == 144 && reading.unread.size() == 1 &&
                  text == "12'" && library.paper(0)->name == "Generic Letter" &&
                  tolmer::text::field_count("a,b,c", ",") == 3 &&
                  GETTOTALBITSSET(0x0F0F, 16) == 8 &&
                  REDUCETO360DEGREEANGLE(370.0, 0) == 10.0;
  std::printf("%s: %s, unread %zu\n", ok ? "ok" : "wrong", text.c_str(), reading.unread.size());
  return ok ? 0 : 1;
}
