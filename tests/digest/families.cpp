// The digest program's families of export calls (see digest.cpp). Each loop
// is fixed: changing one changes every platform's output alike.
#include <cstring>
#include <string>
#include <vector>

#include "digest.h"

namespace digest {
namespace {

// Lengths in inches: multiples of 1/64, hundredths, thousandths, thirds and
// sevenths, and bit walks through ranges a user types.
std::vector<double> lengths() {
  std::vector<double> out;
  for (int n = -64; n <= 64 * 40; ++n) out.push_back(dratio(n, 64));
  for (int n = 0; n <= 12000; n += 7) out.push_back(dratio(n, 100));
  for (int n = 0; n <= 60000; n += 61) out.push_back(dratio(n, 1000));
  for (int n = 1; n <= 900; n += 3) out.push_back(dratio(n, 3));
  for (int n = 1; n <= 900; n += 5) out.push_back(dratio(n, 7));
  // Neighbours of whole and half inches, a few units in the last place apart.
  for (int n = 1; n <= 400; n += 9) {
    const std::uint64_t middle = bits_of(dratio(n, 2));
    for (int k = -3; k <= 3; ++k) out.push_back(dbits(middle + static_cast<std::uint64_t>(k)));
  }
  for (int n = 0; n < 1500; ++n) out.push_back(dratio(spread(n, 1000003), 97));
  return out;
}

void units() {
  SETCONVERSIONDECIMALPLACES(0, 3);
  SETCONVERSIONDECIMALPLACES(1, 3);
  for (int n = -5000; n <= 5000; ++n) {
    put(INCHESTOMILLIMETERS(dratio(n, 64)));
    done();
  }
  for (int n = 0; n <= 30000; n += 3) {
    put(INCHESTOMILLIMETERS(dratio(n, 100)));
    done();
    put(MILLIMETERSTOINCHES(fratio(n, 10)));
    done();
    put(MILLIMETERSTOINCHES(fratio(n, 64)));
    done();
  }
  for (int n = -2000; n <= 20000; ++n) {
    const float inches = fratio(n, n % 3 == 0 ? 64 : 100);
    for (int target = 0; target <= 2; ++target) {
      put(CONVERTMEASUREMENT(inches, target));
      done();
    }
  }
  const float quantities[] = {0.0f, 0.5f, 1.0f, 1.5f, 2.0f, -1.0f, -2.0f, fratio(1, 3)};
  for (int system = -1; system <= 2; ++system) {
    for (int style = -1; style <= 8; ++style) {
      for (float quantity : quantities) {
        put(GETMEASUREMENTLABEL(system, style, quantity));
        done();
      }
    }
    for (int unit = -1; unit <= 4; ++unit) {
      for (int index = -1; index <= 12; ++index) {
        for (int bare = 0; bare <= 1; ++bare) {
          put(GETMEASUREMENTDESIGNATOR(system, unit, index, bare));
          done();
        }
      }
    }
  }
}

void fractions() {
  const int caps[] = {2, 4, 8, 16, 32, 64, 100, 3, 1, 0};
  for (int n = -600; n <= 6000; ++n) {
    const int q = n % 4 == 0 ? 64 : n % 4 == 1 ? 100 : n % 4 == 2 ? 7 : 1000;
    const float value = fratio(n, q);
    for (int cap : caps) {
      put(DECIMALTOFRACTIONSTRING(value, cap));
      done();
    }
  }
  for (int a = 0; a < 200; ++a) {
    for (int b = 0; b <= 100; b += 3) {
      const std::string fraction = dec(a) + "/" + dec(b);
      put(FRACTIONSTRINGTODECIMAL(fraction.c_str()));
      done();
      const std::string mixed = dec(a % 13) + " " + fraction;
      put(REDUCEFRACTION(mixed.c_str(), caps[(a + b) % 10]));
      done();
      put(CONVERTFRACTIONDENOMINATOR(fraction.c_str(), caps[(a * 3 + b) % 10]));
      done();
      std::int32_t whole = -7, numerator = -7, denominator = -7;
      char separator[2] = {'?', 0};
      BREAKFRACTIONAPART(mixed.c_str(), &whole, &numerator, &denominator, separator);
      put(whole);
      put(numerator);
      put(denominator);
      put_text(separator);
      done();
      std::string text = dec(a) + " " + dec(b % 11) + "/" + dec(a % 17 + 1) + " FT";
      char remainder[64];
      std::strcpy(remainder, text.c_str());
      std::int32_t length = -1;
      float extracted = -1.0f;
      put(EXTRACTFRACTIONINTEXTSTRING(text.c_str(), 0, remainder, &length, &extracted));
      put_text(remainder);
      put(length);
      put(extracted);
      done();
    }
  }
}

// A typed length of several units, built from integers.
std::string typed_length(int i) {
  const int a = static_cast<int>(spread(i, 1000));
  const int b = static_cast<int>(spread(i + 17, 120));
  const int d = 1 << (i % 7);
  const int c = static_cast<int>(spread(i + 5, 2 * d));
  switch (i % 12) {
    case 0: return dec(a) + "'" + dec(b % 12) + " " + dec(c) + "/" + dec(d) + "\"";
    case 1: return dec(a) + " FT " + dec(b) + " IN";
    case 2: return dec(a / 10) + "." + dec(b) + " M";
    case 3: return dec(a * 3) + " MM";
    case 4: return dec(a) + "." + dec(c) + " CM";
    case 5: return dec(b) + " YD " + dec(a) + "'";
    case 6: return dec(a) + "." + dec(b) + "\"";
    case 7: return dec(c) + "/" + dec(d);
    case 8: return dec(a) + " " + dec(c) + "/" + dec(d) + " FEET";
    case 9: return dec(a % 7) + " DM " + dec(b) + " MM";
    case 10: return dec(a) + "E" + dec(b % 4) + " IN";
    default: return "-" + dec(a) + "' " + dec(b) + "." + dec(c) + "\"";
  }
}

void parsing() {
  const float maxima[] = {0.0f, 100.0f, 1000.0f, fratio(25000, 3)};
  for (int i = 0; i < 36000; ++i) {
    std::string text = typed_length(i);
    std::vector<char> buffer(text.size() * 2 + 8, '\0');
    std::memcpy(buffer.data(), text.c_str(), text.size() + 1);
    LibString separated = SEPARATEMEASUREMENTSINTEXTSTRING(buffer.data());
    put_text(buffer.data());
    done();
    std::int32_t start = -9, end = -9;
    put(CONVERTTEXTSTRINGVALUETOINCHES(buffer.data(), maxima[i % 4], &start, &end));
    put(start);
    put(end);
    done();
    const std::int32_t length = static_cast<std::int32_t>(std::strlen(buffer.data()));
    for (int position = 1; position <= length; position += 3) {
      start = -9;
      end = -9;
      put(GETMEASUREMENTVALUEINTEXTSTRINGBYPOSITION(i % 2, separated, position, position % 2 ? -1 : 0,
                                                    &start, &end));
      put(start);
      put(end);
      done();
    }
    put(separated);
  }
}

// Host services of the validator: the message and the field's text feed the hash.
void on_message(void*, const char* text, const char* caption) {
  put_text(text);
  put_text(caption);
}
void on_select(void*, std::int32_t, std::int32_t first, std::int32_t after_last) {
  put(first);
  put(after_last);
}
std::int32_t on_line_length(void*, std::int32_t, std::int32_t) { return 20; }
void on_focus(void*, std::int32_t) {}
void on_text(void*, std::int32_t, const char* text) { put_text(text); }

void validation() {
  TolmerHostServices services{};
  services.size = sizeof services;
  services.show_message = on_message;
  services.select_range = on_select;
  services.line_length = on_line_length;
  services.set_focus = on_focus;
  services.set_text = on_text;
  SETHOSTSERVICES(&services);
  for (int i = 0; i < 12000; ++i) {
    std::string text = typed_length(i);
    std::vector<char> buffer(text.size() * 2 + 8, '\0');
    std::memcpy(buffer.data(), text.c_str(), text.size() + 1);
    put(SEPARATEMEASUREMENTSINTEXTSTRING(buffer.data()));
    const float minimum = fratio(static_cast<int>(spread(i, 50)), 4);
    const float maximum = fratio(static_cast<int>(spread(i, 5000)) + 1, 1);
    const float total = fratio(static_cast<int>(spread(i + 3, 40000)) + 1, 2);
    const int system = i % 2;
    const int format = static_cast<int>(spread(i, system ? 8 : 15));
    put(CONVERTTEXTSTRINGVALUETOINCHESERRORMSG(1, buffer.data(), minimum, maximum, total, system, format,
                                                (i / 2) % 2, static_cast<int>(spread(i, 7))));
    done();
  }
  SETHOSTSERVICES(nullptr);
}

void formatting() {
  const std::vector<double> values = lengths();
  const int places[] = {0, 1, 2, 3, 4, 8, 16, 32, 64, 6, 18, 19};
  std::size_t k = 0;
  for (double inches : values) {
    for (int format = 0; format <= 13; ++format) {
      for (int mode = 0; mode <= 1; ++mode) {
        put(GETFORMATEDTEXTFROMINCHES(0, format, mode, inches, places[k++ % 12], 0));
        done();
      }
    }
    for (int format = 0; format <= 6; ++format) {
      put(GETFORMATEDTEXTFROMINCHES(1, format, 1, inches, places[k++ % 12], 0));
      done();
    }
    for (int system = 0; system <= 1; ++system) {
      float major = -1.0f, minor = -1.0f, fraction = -1.0f;
      GETINDIVIDUALMEASUREMENTVALUESFROMINCHES(system, static_cast<float>(inches), places[k++ % 12], &major,
                                               &minor, &fraction, 0);
      put(major);
      put(minor);
      put(fraction);
      done();
    }
  }
}

void scales() {
  for (int system = -1; system <= 2; ++system) {
    for (int part = -1; part <= 2; ++part) {
      for (int index = -1; index <= 13; ++index) {
        put(GETSCALERATIOVALUE(system, part, index));
        done();
      }
    }
    for (int index = 0; index <= 12; ++index) {
      put(GETINDEXFORSCALERATIOVALUES(system, GETSCALERATIOVALUE(system, 0, index),
                                      GETSCALERATIOVALUE(system, 1, index)));
      done();
    }
  }
  for (int numerator = 1; numerator <= 64; ++numerator) {
    for (int denominator = 1; denominator <= 1200; denominator += 2) {
      put(GETINCHESPERFOOTFROMSCALERATIO(fratio(numerator, 1), fratio(denominator, 1)));
      done();
      put(GETINCHESPERFOOTFROMSCALERATIO(fratio(numerator, 8), fratio(denominator, 3)));
      done();
    }
  }
  for (int d = 1; d <= 20000; ++d) {
    for (int system = 0; system <= 1; ++system) {
      put(GETNEARESTSCALERATIOVALUE(system, dratio(1, d)));
      done();
      put(GETNEARESTSCALERATIOVALUE(system, dratio(spread(d, 97) + 1, d)));
      done();
      put(GETCONVERTEDSCALEVALUE(system, fratio(d, system ? 10 : 64)));
      done();
    }
  }
}

void angles() {
  for (int n = -12000; n <= 12000; ++n) {
    const double angle = dratio(n, n % 2 ? 8 : 10);
    put(REDUCETO360DEGREEANGLE(angle, 0));
    put(REDUCETO360DEGREEANGLE(angle, 1));
    done();
    const double other = dratio(spread(n + 12000, 7200) - 3600, 10);
    for (int direction = 0; direction <= 3; ++direction) {
      put(GETOFFSETFROMANGLES(angle, other, direction, dratio(n % 5 * 45, 1)));
      done();
    }
    put(ADDANGLEOFFSET(angle, other));
    done();
    put(ROTATEDEGREESVALUE(angle, other));
    done();
    put(ROTATERADIANSVALUE(dratio(n, 1000), dratio(spread(n + 12000, 1300) - 650, 100)));
    done();
    put(ROTATETONEXTDEGREEVALUE(angle, dratio(n % 9 * 15, 2)));
    done();
    put(ANGLEPASSEDTHROUGHZERO(angle, other));
    done();
  }
}

void rectangles() {
  for (int i = 0; i < 30000; ++i) {
    double x1 = dratio(spread(i, 401) - 200, 4), y1 = dratio(spread(i + 1, 401) - 200, 4);
    double x2 = dratio(spread(i + 2, 401) - 200, 4), y2 = dratio(spread(i + 3, 401) - 200, 4);
    SETRECTLOWERLEFTJUSTIFIED(&x1, &y1, &x2, &y2);
    put(x1);
    put(y1);
    put(x2);
    put(y2);
    done();
    const DoubleRect a{dratio(spread(i, 101) - 50, 2), dratio(spread(i + 7, 101) - 50, 2),
                       dratio(spread(i + 9, 101) - 50, 2), dratio(spread(i + 11, 101) - 50, 2)};
    const DoubleRect b{x1, y1, x2, y2};
    put(RECTINRECT(&a, &b));
    done();
    for (int exclusive = 0; exclusive <= 1; ++exclusive) {
      put(ISPOINTINRECTDOUBLE(dratio(spread(i + 5, 201) - 100, 2), dratio(spread(i + 6, 201) - 100, 2), &a,
                              exclusive));
      done();
    }
  }
}

void numbers_in_text() {
  for (int i = 0; i < 20000; ++i) {
    const std::string a = dec(spread(i, 100000)) + "." + dec(spread(i, 997));
    const std::string b = "-" + dec(spread(i + 1, 1000)) + "E" + dec(spread(i, 40) - 20);
    const std::string c = "&H" + dec(spread(i, 9999));
    const std::string list = a + "," + b + ",  " + c + "," + dec(i) + "D-" + dec(i % 30) + ",.5";
    for (int position = -2; position <= 6; ++position) {
      put(GETVALUEFROMSTRINGBYPOSITION(list.c_str(), position, i % 3 ? "," : ""));
      done();
    }
    put(ISNUMERICDLL(a.c_str()));
    done();
    put(PARSECOUNTDLL(list.c_str(), ","));
    done();
  }
  std::int32_t elements[64];
  for (int i = 0; i < 3000; ++i) {
    for (int k = 0; k < 64; ++k) elements[k] = static_cast<std::int32_t>(spread(i * 64 + k, 2000003)) - 1000000;
    TolmerLongArray array{};
    array.elements = elements;
    array.flags = TOLMER_LONG_ARRAY_HAS_STORAGE;
    array.lower_bound = 0;
    array.upper_bound = i % 64;
    char delimiter[4] = ";";
    put(CREATEDELIMITEDSTRINGFROMLONGARRAY(delimiter, &array));
    done();
    put(GETEXPORTFILENAME("Plan", i % 40, elements[i % 64]));
    done();
  }
}

void paper() {
  for (int round = 0; round < 40; ++round) {
    for (int index = -1; index <= 41; ++index) {
      for (int orientation = 0; orientation <= 3; ++orientation) {
        put(GETPAPERINFOWIDTH(index, orientation));
        put(GETPAPERINFOHEIGHT(index, orientation));
        done();
      }
      put(GETPAPERINFOTOPMARGIN(index));
      put(GETPAPERINFOBOTTOMMARGIN(index));
      put(GETPAPERINFOLEFTMARGIN(index));
      put(GETPAPERINFORIGHTMARGIN(index));
      done();
      char name[17] = {0};
      float values[6] = {-1, -1, -1, -1, -1, -1};
      GETPAPERINFOITEM(index, name, &values[0], &values[1], &values[2], &values[3], &values[4], &values[5]);
      put_text(name);
      for (float value : values) put(value);
      done();
      for (int system = 0; system <= 1; ++system) {
        const float w = GETPAPERINFOWIDTH(index, 1), h = GETPAPERINFOHEIGHT(index, 1);
        const float mw = static_cast<float>(INCHESTOMILLIMETERS(w)), mh = static_cast<float>(INCHESTOMILLIMETERS(h));
        std::int32_t orientation = -5;
        put(GETPAPERINDEXFROMPAPERSIZE(system, system ? mh : w, system ? mw : h, &orientation));
        put(orientation);
        done();
      }
    }
  }
  for (int w = 1; w <= 200; ++w) {
    for (int h = 1; h <= 200; h += 7) {
      std::int32_t orientation = -5;
      put(GETPAPERINDEXFROMPAPERSIZE(w % 2, fratio(w, 4), fratio(h, 4), &orientation));
      put(orientation);
      done();
    }
  }
}

}  // namespace

// Today's display through the C++ interface (display_family.cpp).
void display_lengths();

const std::vector<FamilyRun>& family_runs() {
  static const std::vector<FamilyRun> runs = {
      {"units", units},           {"fractions", fractions}, {"parsing", parsing},
      {"validation", validation}, {"formatting", formatting}, {"scales", scales},
      {"angles", angles},         {"rectangles", rectangles}, {"numbers", numbers_in_text},
      {"paper", paper},           {"today_reading", today_reading},
      {"display", display_lengths},
  };
  return runs;
}

}  // namespace digest
