// Length validation through a fake edit field and message box.
#include <cmath>
#include <string>

#include "fuzz_input.h"
#include "measure/format.h"
#include "measure/parse.h"
#include "measure/validate.h"
#include "c_abi/process.h"

namespace {

struct Field {
  int messages = 0;
  int selections = 0;
  int focus = 0;
  int texts = 0;
  int32_t line = 0;
  std::string text;
  std::string caption;
};

Field field;

void show_message(void*, const char* text, const char* caption) {
  fuzz::check(text != nullptr && caption != nullptr && *text != '\0');
  ++field.messages;
  field.caption = caption;
}
void select_range(void*, int32_t, int32_t, int32_t) { ++field.selections; }
int32_t line_length(void*, int32_t, int32_t) { return field.line; }
void set_focus(void*, int32_t) { ++field.focus; }
void set_text(void*, int32_t, const char* text) {
  fuzz::check(text != nullptr);
  ++field.texts;
  field.text = text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool initialised = [] {
    INITIALIZEDLL();
    static TolmerHostServices services{};
    services.size = sizeof services;
    services.show_message = show_message;
    services.select_range = select_range;
    services.line_length = line_length;
    services.set_focus = set_focus;
    services.set_text = set_text;
    SETHOSTSERVICES(&services);
    return true;
  }();
  (void)initialised;
  field = Field{};
  fuzz::Input in(data, size);
  const int32_t window = in.integer();
  const float minimum = in.single();
  const float maximum = in.single();
  const float maximum_total = in.single();
  const int32_t system = in.small(-1, 2);
  const int32_t format = in.small(-1, 15);
  const int32_t fraction_mode = in.small(-1, 2);
  const int32_t places = in.small(-2, 70);
  field.line = in.integer();
  const std::string entry = in.rest();

  const float result = CONVERTTEXTSTRINGVALUETOINCHESERRORMSG(window, entry.c_str(), minimum, maximum, maximum_total,
                                                              system, format, fraction_mode, places);
  const tolmer::Conversion conversion = tolmer::convert_text_to_inches(tolmer::state(), entry, maximum);
  if (field.messages > 0) {
    // Refused: one message, the focus on the field, the text left alone.
    fuzz::check(field.messages == 1 && field.focus == 1 && field.texts == 0);
    fuzz::check(field.caption == "Measurement Error");
    fuzz::check(result == -1 || result == 0);
    fuzz::check((result == -1) == !conversion.ok());
  } else {
    // Accepted: the conversion's length, echoed once in the display format.
    fuzz::check(conversion.ok() && field.texts == 1 && field.focus == 0 && field.selections == 0);
    fuzz::check(result == conversion.inches);
    // A limit that is not a number rejects nothing; a length that is not one
    // is never accepted.
    fuzz::check(!std::isnan(result));
    fuzz::check(!(result < minimum) && (result <= maximum_total || std::isnan(maximum_total)));
    const tolmer::DisplayFormat display{static_cast<tolmer::System>(system),
                                        static_cast<tolmer::Format>(format),
                                        static_cast<tolmer::FractionMode>(fraction_mode), places};
    const tolmer::DisplayFormat echo{display.system, display.format,
                                     tolmer::echo_fraction_mode(display), tolmer::echo_places(display)};
    fuzz::check(field.text == tolmer::format_inches(tolmer::state(), echo, static_cast<double>(result)));
  }
  return 0;
}
