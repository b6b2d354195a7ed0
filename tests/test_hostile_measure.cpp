// Hostile inputs to the frame, host-services and measurement exports: every
// export called with what callers get wrong, each answer the one the public
// header documents.
#include <climits>
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "c_abi/process.h"
#include "test_hostile_support.h"

using namespace hostile;

namespace {

class HostileFrame : public Hostile {};
class HostileUnits : public Hostile {};
class HostileFractions : public Hostile {};
class HostileParsing : public Hostile {};
class HostileValidation : public Hostile {};
class HostileFormatting : public Hostile {};
class HostileScales : public Hostile {};

// The library as loaded, before INITIALIZEDLL.
void forget_initialisation() { tolmer::state() = tolmer::State{}; }

// A window service that records what the validator does.
struct Recorder {
  int messages = 0;
  int texts = 0;
  int focus = 0;
  std::string caption;
  std::string text;
};
Recorder recorder;

TolmerHostServices recording_services(uint32_t size = sizeof(TolmerHostServices)) {
  TolmerHostServices services{};
  services.size = size;
  services.show_message = [](void*, const char*, const char* caption) {
    ++recorder.messages;
    recorder.caption = caption;
  };
  services.set_text = [](void*, int32_t, const char* text) {
    ++recorder.texts;
    recorder.text = text;
  };
  services.set_focus = [](void*, int32_t) { ++recorder.focus; };
  services.select_range = [](void*, int32_t, int32_t, int32_t) {};
  services.line_length = [](void*, int32_t, int32_t) { return kMax; };
  return services;
}

}  // namespace

// ------------------------------------------------------------------ frame

HOSTILE_TEST(HostileFrame, LIBMAIN) {
  for (int32_t value : bad_integers()) {
    EXPECT_EQ(LIBMAIN(value, value, value), 0) << value;
    EXPECT_EQ(LIBMAIN(value, 1, value), 1) << value;
  }
  EXPECT_EQ(LIBMAIN(0, 0, 0), 0);
}

HOSTILE_TEST(HostileFrame, INITIALIZEDLL) {
  // Repeating it restores the tables callers changed.
  ACCESSTEMPSTRINGARRAY(1, "kept?");
  SETPAPERINFOWIDTH(0, kNaNf);
  const float width = [] {
    INITIALIZEDLL();
    return GETPAPERINFOWIDTH(0, 1);
  }();
  for (int k = 0; k < 3; ++k) INITIALIZEDLL();
  EXPECT_EQ(ACCESSTEMPSTRINGARRAY(-2, nullptr), 0);
  EXPECT_EQ(GETPAPERINFOWIDTH(0, 1), width);
  EXPECT_FALSE(std::isnan(width));
  EXPECT_EQ(GETUBPAPERINFOARRAY(), 40);
}

HOSTILE_TEST(HostileFrame, MAKELIBSTRING) {
  // Every length that names no bytes gives the null handle, whatever the address.
  for (int32_t bad : {0, -1, INT32_MIN}) {
    EXPECT_EQ(MAKELIBSTRING(nullptr, bad), nullptr) << bad;
    EXPECT_EQ(MAKELIBSTRING("abc", bad), nullptr) << bad;
  }
  // A long text, NULs and every byte value kept as given.
  std::string bytes(kCap, 'q');
  for (int b = 0; b < 256; ++b) bytes[static_cast<std::size_t>(b)] = static_cast<char>(b);
  LibString made = MAKELIBSTRING(bytes.data(), static_cast<int32_t>(bytes.size()));
  ASSERT_NE(made, nullptr);
  uint32_t count = 0;
  std::memcpy(&count, made - 4, 4);
  EXPECT_EQ(count, kCap);
  EXPECT_EQ(std::memcmp(made, bytes.data(), bytes.size()), 0);
  EXPECT_EQ(made[kCap], '\0');
  FREELIBSTRING(made);
  // A null address with a length: that many zero bytes.
  LibString zeros = MAKELIBSTRING(nullptr, 3);
  ASSERT_NE(zeros, nullptr);
  EXPECT_EQ(std::string(zeros, 3), std::string(3, '\0'));
  FREELIBSTRING(zeros);
}

HOSTILE_TEST(HostileFrame, FREELIBSTRING) {
  FREELIBSTRING(nullptr);
  // Results short and long are counted strings the caller releases (the
  // sanitized and valgrind runs see no leak and no double release).
  LibString made = REVERSESTRING("abc");
  ASSERT_NE(made, nullptr);
  uint32_t count = 0;
  std::memcpy(&count, made - 4, 4);
  EXPECT_EQ(count, 3u);
  FREELIBSTRING(made);
  LibString long_result = REVERSESTRING(long_text('z'));
  ASSERT_NE(long_result, nullptr);
  std::memcpy(&count, long_result - 4, 4);
  EXPECT_EQ(count, kCap);
  EXPECT_EQ(long_result[kCap], '\0');
  FREELIBSTRING(long_result);
  // The empty result is the null handle: nothing to release.
  EXPECT_EQ(REVERSESTRING(""), nullptr);
}

HOSTILE_TEST(HostileFrame, SETHOSTSERVICES) {
  // An accepted entry is echoed into the field: through the recorder while it
  // is installed, through the platform's field once the defaults are back.
  const auto echoes = [] {
    recorder = Recorder{};
    CONVERTTEXTSTRINGVALUETOINCHESERRORMSG(0, "3 FT ", 0, 0, 1000, 0, 0, 0, 3);
    return recorder.texts;
  };
  // Null, and tables too small to hold the first members, restore the
  // defaults.
  for (uint32_t size : {0u, 1u, 7u}) {
    TolmerHostServices installed = recording_services();
    SETHOSTSERVICES(&installed);
    ASSERT_EQ(echoes(), 1);
    TolmerHostServices small = recording_services(size);
    SETHOSTSERVICES(&small);
    EXPECT_EQ(echoes(), 0) << size;
  }
  TolmerHostServices installed = recording_services();
  SETHOSTSERVICES(&installed);
  SETHOSTSERVICES(nullptr);
  EXPECT_EQ(echoes(), 0);
  // A table with every callback null keeps every default.
  TolmerHostServices empty{};
  empty.size = sizeof empty;
  SETHOSTSERVICES(&empty);
  EXPECT_EQ(echoes(), 0);
  // The table is copied: changing it after the call changes nothing.
  TolmerHostServices copied = recording_services();
  SETHOSTSERVICES(&copied);
  std::memset(&copied, 0, sizeof copied);
  EXPECT_EQ(echoes(), 1);
  EXPECT_EQ(recorder.text, take(GETFORMATEDTEXTFROMINCHES(0, 0, 0, 36, 64, 0)));
}

// ------------------------------------------------------------------ units

HOSTILE_TEST(HostileUnits, INCHESTOMILLIMETERS) {
  EXPECT_TRUE(std::isnan(INCHESTOMILLIMETERS(kNaN)));
  EXPECT_EQ(INCHESTOMILLIMETERS(kInf), kInf);
  EXPECT_EQ(INCHESTOMILLIMETERS(-kInf), -kInf);
  EXPECT_EQ(INCHESTOMILLIMETERS(DBL_MAX), kInf);  // beyond double once rounded
  EXPECT_TRUE(std::signbit(INCHESTOMILLIMETERS(-0.0)));
  EXPECT_EQ(INCHESTOMILLIMETERS(-0.0), 0.0);
  EXPECT_GT(INCHESTOMILLIMETERS(kDenormal), 0.0);
  // Before initialisation the constant is 0.
  forget_initialisation();
  EXPECT_EQ(INCHESTOMILLIMETERS(12), 0.0);
  EXPECT_TRUE(std::isnan(INCHESTOMILLIMETERS(kInf)));
}

HOSTILE_TEST(HostileUnits, MILLIMETERSTOINCHES) {
  EXPECT_TRUE(std::isnan(MILLIMETERSTOINCHES(kNaNf)));
  EXPECT_EQ(MILLIMETERSTOINCHES(kInff), kInff);
  EXPECT_EQ(MILLIMETERSTOINCHES(-kInff), -kInff);
  EXPECT_TRUE(std::isfinite(MILLIMETERSTOINCHES(FLT_MAX)));
  EXPECT_TRUE(std::signbit(MILLIMETERSTOINCHES(-0.0f)));
  EXPECT_EQ(MILLIMETERSTOINCHES(kDenormalf), 0.0f);  // below the smallest single once divided
  forget_initialisation();
  EXPECT_EQ(MILLIMETERSTOINCHES(254), kInff);
  EXPECT_EQ(MILLIMETERSTOINCHES(-254), -kInff);
  EXPECT_TRUE(std::isnan(MILLIMETERSTOINCHES(0)));
}

HOSTILE_TEST(HostileUnits, SETCONVERSIONDECIMALPLACES) {
  for (int32_t system : bad_integers()) {
    SETCONVERSIONDECIMALPLACES(system, kMin);
    ASSERT_TRUE(tolmer::state().decimal_places.has_value());
    EXPECT_EQ((*tolmer::state().decimal_places)[1], kMin) << system;
  }
  SETCONVERSIONDECIMALPLACES(0, kMax);
  EXPECT_EQ((*tolmer::state().decimal_places)[0], kMax);
  // Before initialisation there is nowhere to store them.
  forget_initialisation();
  SETCONVERSIONDECIMALPLACES(0, 5);
  EXPECT_FALSE(tolmer::state().decimal_places.has_value());
}

HOSTILE_TEST(HostileUnits, GETMEASUREMENTDESIGNATOR) {
  for (int32_t bad : bad_integers()) {
    EXPECT_EQ(take(GETMEASUREMENTDESIGNATOR(0, bad, 0, 1)), "") << bad;
    EXPECT_EQ(take(GETMEASUREMENTDESIGNATOR(1, 0, bad, 1)), "") << bad;
    // Padded, a missing word is the two spaces alone.
    EXPECT_EQ(take(GETMEASUREMENTDESIGNATOR(0, bad, bad, 0)), "  ") << bad;
    // Any system but 1 is English; any bare flag but 0 is bare.
    EXPECT_EQ(take(GETMEASUREMENTDESIGNATOR(bad, 1, 0, bad)), take(GETMEASUREMENTDESIGNATOR(0, 1, 0, 1)));
  }
}

HOSTILE_TEST(HostileUnits, GETMEASUREMENTLABEL) {
  const std::string singular = take(GETMEASUREMENTLABEL(0, 0, 1));
  const std::string plural = take(GETMEASUREMENTLABEL(0, 0, 2));
  ASSERT_NE(singular, plural);
  EXPECT_EQ(take(GETMEASUREMENTLABEL(0, 0, kNaNf)), singular);  // NaN is not greater than 1
  EXPECT_EQ(take(GETMEASUREMENTLABEL(0, 0, -kInff)), singular);
  EXPECT_EQ(take(GETMEASUREMENTLABEL(0, 0, kInff)), plural);
  EXPECT_EQ(take(GETMEASUREMENTLABEL(0, 0, kDenormalf)), singular);
  for (int32_t bad : bad_integers()) {
    EXPECT_EQ(take(GETMEASUREMENTLABEL(0, bad, 2)), "") << bad;
    EXPECT_EQ(take(GETMEASUREMENTLABEL(bad, 0, 2)), plural) << bad;
  }
}

HOSTILE_TEST(HostileUnits, CONVERTMEASUREMENT) {
  for (int32_t bad : bad_integers()) EXPECT_EQ(CONVERTMEASUREMENT(120, bad), 0.0f) << bad;
  EXPECT_TRUE(std::isnan(CONVERTMEASUREMENT(kNaNf, 0)));
  EXPECT_EQ(CONVERTMEASUREMENT(kInff, 1), kInff);
  EXPECT_EQ(CONVERTMEASUREMENT(-kInff, 0), -kInff);
  EXPECT_TRUE(std::signbit(CONVERTMEASUREMENT(-0.0f, 0)));
  EXPECT_EQ(CONVERTMEASUREMENT(FLT_MAX, 0), FLT_MAX / 12);
  EXPECT_EQ(CONVERTMEASUREMENT(kDenormalf, 1), 0.0f);
}

// -------------------------------------------------------------- fractions

HOSTILE_TEST(HostileFractions, BREAKFRACTIONAPART) {
  int32_t whole = 7, numerator = 7, denominator = 7;
  char separator[2] = {'?', '?'};
  // Null and empty text, and texts without a bar, write nothing.
  for (const char* text : {static_cast<const char*>(nullptr), "", "2.5", "12345678901234567890"}) {
    BREAKFRACTIONAPART(text, &whole, &numerator, &denominator, separator);
    EXPECT_EQ(whole + numerator + denominator, 21);
    EXPECT_EQ(separator[0], '?');
  }
  // A bar beyond the cap is never reached.
  BREAKFRACTIONAPART(long_text('1'), &whole, &numerator, &denominator, separator);
  EXPECT_EQ(separator[0], '?');
  // Null references are skipped, the rest written.
  BREAKFRACTIONAPART("3 1/2", nullptr, &numerator, nullptr, nullptr);
  EXPECT_EQ(numerator, 1);
  // Runs too long for 32 bits read as 0.
  BREAKFRACTIONAPART("99999999999 2147483648/2147483647", &whole, &numerator, &denominator, separator);
  EXPECT_EQ(whole, 0);
  EXPECT_EQ(numerator, 0);
  EXPECT_EQ(denominator, kMax);
  EXPECT_STREQ(separator, "/");
  // Every byte: the slash wins, digits around it.
  BREAKFRACTIONAPART(all_bytes().c_str(), &whole, &numerator, &denominator, separator);
  EXPECT_STREQ(separator, "/");
  EXPECT_EQ(numerator, 0);     // "." stands before the slash
  EXPECT_EQ(denominator, 123456789);  // "0123456789" follows it
}

HOSTILE_TEST(HostileFractions, CONVERTFRACTIONDENOMINATOR) {
  for (int32_t bad : {kMin, -1, 0}) EXPECT_EQ(take(CONVERTFRACTIONDENOMINATOR("1/2", bad)), "") << bad;
  EXPECT_EQ(take(CONVERTFRACTIONDENOMINATOR(nullptr, 8)), "");
  EXPECT_EQ(take(CONVERTFRACTIONDENOMINATOR("", 8)), "");
  EXPECT_EQ(take(CONVERTFRACTIONDENOMINATOR("1/0", 8)), "");
  EXPECT_EQ(take(CONVERTFRACTIONDENOMINATOR("0/4", 8)), "");
  EXPECT_EQ(take(CONVERTFRACTIONDENOMINATOR("2147483648/4", 8)), "");
  EXPECT_EQ(take(CONVERTFRACTIONDENOMINATOR(long_text('7'), 8)), "");
  EXPECT_EQ(take(CONVERTFRACTIONDENOMINATOR("1/2", kMax)), "1073741824/2147483647");
  // A new numerator beyond 32 bits is INT32_MIN, the real-to-integer rule.
  EXPECT_EQ(take(CONVERTFRACTIONDENOMINATOR("2147483647/1", 4)), "-2147483648/4");
}

HOSTILE_TEST(HostileFractions, REDUCEFRACTION) {
  for (int32_t bad : {kMin, -1, 0}) {
    EXPECT_EQ(take(REDUCEFRACTION("3/4", bad)), "1") << bad;  // cap below 1 counts as 1
    EXPECT_EQ(take(REDUCEFRACTION("1/2", bad)), "") << bad;
  }
  EXPECT_EQ(take(REDUCEFRACTION(nullptr, 16)), "");
  EXPECT_EQ(take(REDUCEFRACTION("", 16)), "");
  EXPECT_EQ(take(REDUCEFRACTION("5/0", 16)), "");
  EXPECT_EQ(take(REDUCEFRACTION(long_text('9'), 16)), "");
  EXPECT_EQ(take(REDUCEFRACTION("2147483647/1", kMax)), "2147483647");
  EXPECT_EQ(take(REDUCEFRACTION("1/2147483647", kMax)), "1/2147483647");
  EXPECT_EQ(take(REDUCEFRACTION("2147483646/2147483647", 16)), "1");
  // The whole number and the carry add in 64 bits: no overflow.
  const std::string carried = take(REDUCEFRACTION("2147483647 2147483647/1", 16));
  EXPECT_EQ(carried, "4294967294");
}

HOSTILE_TEST(HostileFractions, FRACTIONSTRINGTODECIMAL) {
  EXPECT_EQ(FRACTIONSTRINGTODECIMAL(nullptr), 0.0f);
  EXPECT_EQ(FRACTIONSTRINGTODECIMAL(""), 0.0f);
  EXPECT_EQ(FRACTIONSTRINGTODECIMAL("3/0"), 0.0f);
  EXPECT_EQ(FRACTIONSTRINGTODECIMAL("-3/4"), 0.75f);  // the sign is no digit
  EXPECT_EQ(FRACTIONSTRINGTODECIMAL("99999999999/2"), 0.0f);
  EXPECT_EQ(FRACTIONSTRINGTODECIMAL("2147483647/1"), 2147483648.0f);
  EXPECT_EQ(FRACTIONSTRINGTODECIMAL(long_text('/')), 0.0f);
  EXPECT_EQ(FRACTIONSTRINGTODECIMAL(all_bytes().c_str()), 0.0f);
}

HOSTILE_TEST(HostileFractions, DECIMALTOFRACTIONSTRING) {
  // NaN and the infinities read as 0 through the six-place rounding.
  for (float value : {kNaNf, kInff, -kInff, -0.0f, kDenormalf}) {
    for (int32_t cap : bad_integers()) EXPECT_EQ(take(DECIMALTOFRACTIONSTRING(value, cap)), "0") << value;
  }
  // From 10^7 on every single is whole: written as a number, never lost
  // (1.5E+10 used to be read as the fraction "5E+10/10" and dropped).
  EXPECT_EQ(take(DECIMALTOFRACTIONSTRING(3e9f, 16)), "3E+9");
  EXPECT_EQ(take(DECIMALTOFRACTIONSTRING(1.5e10f, 16)), "1.5E+10");
  EXPECT_EQ(take(DECIMALTOFRACTIONSTRING(12345678.5f, 16)), "1.234568E+7");
  EXPECT_EQ(take(DECIMALTOFRACTIONSTRING(-FLT_MAX, 16)), "-3.402823E+38");
  EXPECT_EQ(take(DECIMALTOFRACTIONSTRING(-3, 16)), "-3");
  // Small values keep the fraction path.
  EXPECT_EQ(take(DECIMALTOFRACTIONSTRING(1.25e-5f, 16)), "");
  EXPECT_EQ(take(DECIMALTOFRACTIONSTRING(0.5f, kMin)), "");  // cap 1: a half rounds to nothing
  EXPECT_EQ(take(DECIMALTOFRACTIONSTRING(0.5f, kMax)), "1/2");
}

HOSTILE_TEST(HostileFractions, EXTRACTFRACTIONINTEXTSTRING) {
  int32_t length = 9;
  float value = 9;
  // Null text: nothing found; the buffer's text is blanked, its room kept.
  char buffer[8] = "abc";
  std::memset(buffer + 4, 'X', 4);
  EXPECT_EQ(take(EXTRACTFRACTIONINTEXTSTRING(nullptr, 0, buffer, &length, &value)), "");
  EXPECT_EQ(std::string(buffer, 8), std::string("   \0XXXX", 8));
  EXPECT_EQ(length, 0);
  EXPECT_EQ(value, 9.0f);
  // Null buffer and references: the fraction is still returned.
  EXPECT_EQ(take(EXTRACTFRACTIONINTEXTSTRING("5 3/8 IN", kMin, nullptr, nullptr, nullptr)), "3/8");
  // A remainder longer than the buffer's text is cut to it.
  char small[3] = "ab";
  EXPECT_EQ(take(EXTRACTFRACTIONINTEXTSTRING("123 1/2 rest of it", 0, small, &length, &value)), "1/2");
  EXPECT_EQ(std::string(small, 3), std::string("12\0", 3));
  EXPECT_EQ(length, 2);
  EXPECT_EQ(value, 0.5f);
  // Any reversed flag but -1 reads forwards.
  for (int32_t flag : {kMin, kMax, 1, -2}) {
    EXPECT_EQ(take(EXTRACTFRACTIONINTEXTSTRING("61/31 21", flag, nullptr, nullptr, &value)), "61/31") << flag;
  }
  EXPECT_EQ(take(EXTRACTFRACTIONINTEXTSTRING("61/31 21", -1, nullptr, nullptr, &value)), "13/16");
  // Texts longer than the cap: read up to it (no fraction in the digits).
  std::vector<char> big(kCap + 8, '\0');
  std::memset(big.data(), ' ', kCap);
  big[kCap] = 'x';
  EXPECT_EQ(take(EXTRACTFRACTIONINTEXTSTRING(long_text('2'), 0, big.data(), &length, &value)), "");
  // The buffer's own text is read up to the cap: blanked there, its NUL
  // written at the cap, inside the caller's text.
  EXPECT_EQ(big[kCap - 1], ' ');
  EXPECT_EQ(big[kCap], '\0');
  EXPECT_EQ(big[kCap + 1], '\0');
}

// ----------------------------------------------------------------- parsing

HOSTILE_TEST(HostileParsing, ISVALIDMEASUREMENTSCALENUMERICALCHARACTER) {
  for (int32_t system : bad_integers()) {
    EXPECT_EQ(ISVALIDMEASUREMENTSCALENUMERICALCHARACTER(system, nullptr), 0);
    EXPECT_EQ(ISVALIDMEASUREMENTSCALENUMERICALCHARACTER(system, ""), 0);
    EXPECT_EQ(ISVALIDMEASUREMENTSCALENUMERICALCHARACTER(system, "7"), -1);
    EXPECT_EQ(ISVALIDMEASUREMENTSCALENUMERICALCHARACTER(system, "/"), 0);  // fraction bars: system 0 only
  }
  int numerals = 0;
  for (int b = 1; b <= 255; ++b) {
    const char text[2] = {static_cast<char>(b), 0};
    numerals += ISVALIDMEASUREMENTSCALENUMERICALCHARACTER(0, text) == -1;
  }
  EXPECT_EQ(numerals, 13);  // ten digits, the point and the two bars
  EXPECT_EQ(ISVALIDMEASUREMENTSCALENUMERICALCHARACTER(1, long_text('5')), -1);
}

HOSTILE_TEST(HostileParsing, ISVALIDMEASUREMENTNUMERICALCHARACTER) {
  EXPECT_EQ(ISVALIDMEASUREMENTNUMERICALCHARACTER(nullptr), 0);
  EXPECT_EQ(ISVALIDMEASUREMENTNUMERICALCHARACTER(""), 0);
  EXPECT_EQ(ISVALIDMEASUREMENTNUMERICALCHARACTER(long_text('\\')), -1);
  int numerals = 0;
  for (int b = 1; b <= 255; ++b) {
    const char text[2] = {static_cast<char>(b), 0};
    numerals += ISVALIDMEASUREMENTNUMERICALCHARACTER(text) == -1;
  }
  EXPECT_EQ(numerals, 13);
}

HOSTILE_TEST(HostileParsing, SEPARATEMEASUREMENTSINTEXTSTRING) {
  EXPECT_EQ(take(SEPARATEMEASUREMENTSINTEXTSTRING(nullptr)), "");
  char empty[4] = "\0zz";
  EXPECT_EQ(take(SEPARATEMEASUREMENTSINTEXTSTRING(empty)), "");
  EXPECT_EQ(std::string(empty, 4), std::string("\0zz\0", 4));
  char blank[4] = "   ";
  EXPECT_EQ(take(SEPARATEMEASUREMENTSINTEXTSTRING(blank)), "");
  EXPECT_STREQ(blank, "   ");
  // The worst case fills the documented room exactly: 2 x length bytes.
  std::string alternating;
  for (int k = 0; k < 100; ++k) alternating += (k % 2 == 0) ? "1" : "x";
  std::vector<char> room(alternating.begin(), alternating.end());
  room.resize(alternating.size() * 2, '\0');
  room.push_back('G');  // guard after the room
  const std::string separated = take(SEPARATEMEASUREMENTSINTEXTSTRING(room.data()));
  EXPECT_EQ(separated.size(), 199u);
  EXPECT_EQ(std::string(room.data()), separated);
  EXPECT_EQ(room.back(), 'G');
  // Every byte 1-255.
  const std::string every = all_bytes();
  std::vector<char> bytes(every.begin(), every.end());
  bytes.resize(bytes.size() * 2, '\0');
  const std::string all = take(SEPARATEMEASUREMENTSINTEXTSTRING(bytes.data()));
  // Spaces around the run "./0123456789" and around the lone backslash.
  EXPECT_EQ(all.size(), 255u + 4u);
}

HOSTILE_TEST(HostileParsing, GETMEASUREMENTVALUEINTEXTSTRINGBYPOSITION) {
  int32_t start = 5, end = 5;
  LibString text = tolmer::make_libstring("12 FT");
  for (int32_t position : bad_integers()) {
    EXPECT_EQ(GETMEASUREMENTVALUEINTEXTSTRINGBYPOSITION(0, nullptr, position, -1, &start, &end), 0.0f);
    EXPECT_EQ(GETMEASUREMENTVALUEINTEXTSTRINGBYPOSITION(0, nullptr, position, 0, &start, &end), 0.0f);
    // Backwards before position 1, forwards past the end: nothing read.
    if (position < 1) {
      EXPECT_EQ(GETMEASUREMENTVALUEINTEXTSTRINGBYPOSITION(0, text, position, -1, &start, &end), 0.0f);
    } else {
      EXPECT_EQ(GETMEASUREMENTVALUEINTEXTSTRINGBYPOSITION(0, text, position, 0, &start, &end), 0.0f);
    }
  }
  EXPECT_EQ(start, 5);  // never written
  EXPECT_EQ(end, 5);
  // Backwards from past the end reads the whole text, as from its end.
  EXPECT_EQ(GETMEASUREMENTVALUEINTEXTSTRINGBYPOSITION(0, text, kMax, -1, nullptr, nullptr),
            GETMEASUREMENTVALUEINTEXTSTRINGBYPOSITION(0, text, 5, -1, nullptr, nullptr));
  // Forwards from before the start reads from the first byte: any backwards
  // flag but -1 reads forwards.
  // A number at the very start has no start: the caller's (a null
  // reference reads as 0) stands, and the end counts from it.
  EXPECT_EQ(GETMEASUREMENTVALUEINTEXTSTRINGBYPOSITION(kMin, text, 1, kMax, nullptr, &end), 12.0f);
  EXPECT_EQ(end, 1);
  FREELIBSTRING(text);
  // A counted text with NUL bytes inside: they are ordinary non-numerals.
  LibString with_nul = tolmer::make_libstring(std::string("7\0\09", 4));
  EXPECT_EQ(GETMEASUREMENTVALUEINTEXTSTRINGBYPOSITION(0, with_nul, 1, 0, nullptr, nullptr), 7.0f);
  FREELIBSTRING(with_nul);
}

HOSTILE_TEST(HostileParsing, CONVERTTEXTSTRINGVALUETOINCHES) {
  int32_t start = 5, end = 5;
  EXPECT_EQ(CONVERTTEXTSTRINGVALUETOINCHES(nullptr, 10, &start, &end), 0.0f);
  EXPECT_EQ(CONVERTTEXTSTRINGVALUETOINCHES("", kNaNf, &start, &end), 0.0f);
  EXPECT_EQ(CONVERTTEXTSTRINGVALUETOINCHES(all_bytes().c_str(), 0, &start, &end), 0.0f);
  EXPECT_EQ(start + end, 10);
  EXPECT_EQ(CONVERTTEXTSTRINGVALUETOINCHES("1/0 IN", 0, &start, &end), kInff);
  EXPECT_TRUE(std::isnan(CONVERTTEXTSTRINGVALUETOINCHES("0/0 IN", 0, &start, &end)));
  // A maximum that is NaN, negative or infinite checks nothing.
  for (float maximum : {kNaNf, -kInff, kInff, -1.0f}) {
    EXPECT_EQ(CONVERTTEXTSTRINGVALUETOINCHES("5 FT", maximum, &start, &end), 60.0f) << maximum;
  }
  EXPECT_EQ(start + end, 10);
  EXPECT_EQ(CONVERTTEXTSTRINGVALUETOINCHES("5 FT", kDenormalf, nullptr, nullptr), -4.0f);
  EXPECT_EQ(CONVERTTEXTSTRINGVALUETOINCHES("5 FT", kDenormalf, &start, &end), -4.0f);
  EXPECT_EQ(start, 0);  // a one-digit number read backwards has no start
  EXPECT_EQ(end, 0);
  EXPECT_EQ(CONVERTTEXTSTRINGVALUETOINCHES(long_text(' '), 0, &start, &end), 0.0f);
}

// -------------------------------------------------------------- validation

HOSTILE_TEST(HostileValidation, CONVERTTEXTSTRINGVALUETOINCHESERRORMSG) {
  TolmerHostServices services = recording_services();
  SETHOSTSERVICES(&services);
  // Null entry: 0 inches, accepted when the minimum allows it.
  recorder = Recorder{};
  EXPECT_EQ(CONVERTTEXTSTRINGVALUETOINCHESERRORMSG(kMin, nullptr, 0, 0, 100, kMin, kMin, kMin, kMin), 0.0f);
  EXPECT_EQ(recorder.messages, 0);
  EXPECT_EQ(recorder.texts, 1);
  // NaN limits refuse nothing.
  recorder = Recorder{};
  EXPECT_EQ(CONVERTTEXTSTRINGVALUETOINCHESERRORMSG(1, "1 IN", kNaNf, kNaNf, kNaNf, 0, 0, 0, kMax), 1.0f);
  EXPECT_EQ(recorder.messages, 0);
  EXPECT_EQ(recorder.caption, "");
  EXPECT_EQ(recorder.texts, 1);
  recorder = Recorder{};
  EXPECT_EQ(CONVERTTEXTSTRINGVALUETOINCHESERRORMSG(1, "1 IN", kNaNf, 0, kInff, 1, kMax, kMax, kMin), 1.0f);
  EXPECT_EQ(recorder.messages, 0);
  EXPECT_EQ(recorder.texts, 1);
  // Lengths that are not numbers are refused as too long.
  recorder = Recorder{};
  EXPECT_EQ(CONVERTTEXTSTRINGVALUETOINCHESERRORMSG(1, "0/0 IN", -kInff, 0, kInff, 0, 0, 0, 3), 0.0f);
  EXPECT_EQ(recorder.messages, 1);
  // Every byte, and a text past the cap: no number, 0 inches.
  recorder = Recorder{};
  EXPECT_EQ(CONVERTTEXTSTRINGVALUETOINCHESERRORMSG(1, all_bytes().c_str(), 0, 0, 1, 0, 0, 0, 3), 0.0f);
  EXPECT_EQ(CONVERTTEXTSTRINGVALUETOINCHESERRORMSG(1, long_text('A'), 0, 0, 1, 0, 0, 0, 3), 0.0f);
  EXPECT_EQ(recorder.messages, 0);
  // A per-unit maximum exceeded: -1 and a message.
  recorder = Recorder{};
  EXPECT_EQ(CONVERTTEXTSTRINGVALUETOINCHESERRORMSG(1, "5 FT", 0, kDenormalf, kInff, 0, 0, 0, 3), -1.0f);
  EXPECT_EQ(recorder.messages, 1);
  EXPECT_EQ(recorder.focus, 1);
}

// -------------------------------------------------------------- formatting

HOSTILE_TEST(HostileFormatting, GETINDIVIDUALMEASUREMENTVALUESFROMINCHES) {
  float major = 9, minor = 9, fraction = 9;
  GETINDIVIDUALMEASUREMENTVALUESFROMINCHES(0, 150.5f, kMin, nullptr, nullptr, nullptr, kMin);
  GETINDIVIDUALMEASUREMENTVALUESFROMINCHES(0, 150.5f, kMin, &major, &minor, &fraction, kMax);
  EXPECT_EQ(major, 12.0f);
  EXPECT_EQ(minor, 6.0f);
  EXPECT_EQ(fraction, 0.5f);
  GETINDIVIDUALMEASUREMENTVALUESFROMINCHES(kMin, kNaNf, kMax, &major, &minor, &fraction, 0);
  EXPECT_TRUE(std::isnan(major) && std::isnan(minor) && std::isnan(fraction));
  GETINDIVIDUALMEASUREMENTVALUESFROMINCHES(1, kNaNf, 0, &major, &minor, &fraction, 0);
  EXPECT_TRUE(std::isnan(major) && std::isnan(minor));
  EXPECT_EQ(fraction, 0.0f);
  GETINDIVIDUALMEASUREMENTVALUESFROMINCHES(0, kInff, 3, &major, &minor, &fraction, 0);
  EXPECT_EQ(major, kInff);
  EXPECT_TRUE(std::isnan(minor));
  GETINDIVIDUALMEASUREMENTVALUESFROMINCHES(0, -0.0f, 3, &major, &minor, &fraction, 0);
  EXPECT_EQ(major, 0.0f);
  EXPECT_EQ(minor, 0.0f);
  EXPECT_EQ(fraction, 0.0f);
  GETINDIVIDUALMEASUREMENTVALUESFROMINCHES(0, kDenormalf, 3, &major, &minor, &fraction, 0);
  EXPECT_EQ(major + minor + fraction, 0.0f);
  GETINDIVIDUALMEASUREMENTVALUESFROMINCHES(0, -150.5f, 3, &major, &minor, &fraction, 0);
  EXPECT_EQ(major, -12.0f);  // truncated towards zero
  EXPECT_EQ(minor, -6.0f);
}

HOSTILE_TEST(HostileFormatting, GETFORMATEDTEXTFROMINCHES) {
  for (int32_t bad : bad_integers()) {
    // Unknown English formats: the numbers without captions; Metric: empty.
    EXPECT_EQ(take(GETFORMATEDTEXTFROMINCHES(0, bad, 0, 150.5, 16, bad)), "126 1/2") << bad;
    EXPECT_EQ(take(GETFORMATEDTEXTFROMINCHES(1, bad, 0, 150.5, 3, bad)), "") << bad;
    // Any system but 1 is English; any mode but 0 shows decimals; places
    // outside 0 to 18 count as 18 in decimals.
    EXPECT_EQ(take(GETFORMATEDTEXTFROMINCHES(bad == 1 ? 0 : bad, 13, bad, 150.5, kMin, 0)), "150.5") << bad;
  }
  for (int32_t system : {0, 1}) {
    for (int32_t format = 0; format <= 13; ++format) {
      // Metric 4 and 5 always show their number, NaN and infinities too.
      EXPECT_EQ(take(GETFORMATEDTEXTFROMINCHES(system, format, 0, kNaN, 16, 0)),
                system == 1 && format == 4 ? "NaN mm" : system == 1 && format == 5 ? "NaN" : "")
          << format;
      EXPECT_EQ(take(GETFORMATEDTEXTFROMINCHES(system, format, 0, -kInf, 16, 0)),
                system == 1 && format == 4 ? "NaN mm" : system == 1 && format == 5 ? "NaN" : "")
          << format;
      EXPECT_EQ(take(GETFORMATEDTEXTFROMINCHES(system, format, 0, -0.0, 16, 0)), system == 1 && format == 4 ? "0 mm" : system == 1 && format == 5 ? "0" : "") << format;
      EXPECT_EQ(take(GETFORMATEDTEXTFROMINCHES(system, format, 0, kDenormal, 16, 0)), system == 1 && format == 4 ? "0 mm" : system == 1 && format == 5 ? "0" : "") << format;
    }
  }
  // Infinite lengths show "Inf" as their number.
  EXPECT_EQ(take(GETFORMATEDTEXTFROMINCHES(0, 0, 0, kInf, 16, 0)), "Inf Feet");
  EXPECT_EQ(take(GETFORMATEDTEXTFROMINCHES(0, 6, 0, DBL_MAX, 16, 0)), "Inf'");
  // Lengths past 2^31 feet keep their size in exponent form.
  EXPECT_EQ(take(GETFORMATEDTEXTFROMINCHES(0, 13, 1, 3e9, 3, 0)), "3E+9");
}

// ------------------------------------------------------------------ scales

HOSTILE_TEST(HostileScales, GETSCALERATIOVALUE) {
  for (int32_t bad : bad_integers()) {
    EXPECT_EQ(GETSCALERATIOVALUE(bad, 0, 0), 0.0f) << bad;
    EXPECT_EQ(GETSCALERATIOVALUE(0, bad, 0), 0.0f) << bad;
    EXPECT_EQ(GETSCALERATIOVALUE(0, 0, bad), 0.0f) << bad;
  }
  EXPECT_EQ(GETSCALERATIOVALUE(0, 0, 13), 0.0f);
  EXPECT_NE(GETSCALERATIOVALUE(0, 1, 0), 0.0f);
  forget_initialisation();
  EXPECT_EQ(GETSCALERATIOVALUE(0, 1, 0), 0.0f);
}

HOSTILE_TEST(HostileScales, GETINDEXFORSCALERATIOVALUES) {
  for (float bad : bad_singles()) EXPECT_EQ(GETINDEXFORSCALERATIOVALUES(0, bad, 1), -1) << bad;
  const float numerator = GETSCALERATIOVALUE(1, 0, 3);
  const float denominator = GETSCALERATIOVALUE(1, 1, 3);
  for (int32_t bad : bad_integers()) {
    // Any system but 1 is English.
    EXPECT_EQ(GETINDEXFORSCALERATIOVALUES(bad, numerator, denominator),
              GETINDEXFORSCALERATIOVALUES(0, numerator, denominator));
  }
  EXPECT_EQ(GETINDEXFORSCALERATIOVALUES(1, numerator, denominator), 3);
  EXPECT_EQ(GETINDEXFORSCALERATIOVALUES(0, -0.0f, 0.0f), 12);  // -0 equals the empty slot's 0
  forget_initialisation();
  EXPECT_EQ(GETINDEXFORSCALERATIOVALUES(1, numerator, denominator), -1);
}

HOSTILE_TEST(HostileScales, GETINCHESPERFOOTFROMSCALERATIO) {
  EXPECT_TRUE(std::isnan(GETINCHESPERFOOTFROMSCALERATIO(kNaNf, 1)));
  EXPECT_TRUE(std::isnan(GETINCHESPERFOOTFROMSCALERATIO(0, 0)));
  EXPECT_TRUE(std::isnan(GETINCHESPERFOOTFROMSCALERATIO(kInff, kInff)));
  EXPECT_EQ(GETINCHESPERFOOTFROMSCALERATIO(1, 0), kInff);
  EXPECT_EQ(GETINCHESPERFOOTFROMSCALERATIO(1, -0.0f), -kInff);
  EXPECT_EQ(GETINCHESPERFOOTFROMSCALERATIO(1, kInff), 0.0f);
  EXPECT_EQ(GETINCHESPERFOOTFROMSCALERATIO(FLT_MAX, 0.5f), kInff);  // the quotient is stored as single first
  EXPECT_EQ(GETINCHESPERFOOTFROMSCALERATIO(kDenormalf, 1), kDenormalf * 12);
}

HOSTILE_TEST(HostileScales, GETNEARESTSCALERATIOVALUE) {
  for (double bad : {kNaN, -kNaN, -kInf, 0.0, -0.0, kDenormal, -1e300}) {
    EXPECT_EQ(GETNEARESTSCALERATIOVALUE(0, bad), -768) << bad;
    EXPECT_EQ(GETNEARESTSCALERATIOVALUE(1, bad), -1000) << bad;
  }
  EXPECT_EQ(GETNEARESTSCALERATIOVALUE(0, kInf), 1);
  EXPECT_EQ(GETNEARESTSCALERATIOVALUE(1, DBL_MAX), 1);
  for (int32_t bad : bad_integers()) EXPECT_EQ(GETNEARESTSCALERATIOVALUE(bad, 0), bad == 1 ? -1000 : -768);
}

HOSTILE_TEST(HostileScales, GETCONVERTEDSCALEVALUE) {
  for (int32_t bad : bad_integers()) {
    EXPECT_EQ(GETCONVERTEDSCALEVALUE(bad, 10), static_cast<float>(INCHESTOMILLIMETERS(10))) << bad;
  }
  EXPECT_TRUE(std::isnan(GETCONVERTEDSCALEVALUE(1, kNaNf)));
  EXPECT_EQ(GETCONVERTEDSCALEVALUE(0, FLT_MAX), kInff);
  EXPECT_EQ(GETCONVERTEDSCALEVALUE(1, -kInff), -kInff);
  EXPECT_TRUE(std::signbit(GETCONVERTEDSCALEVALUE(0, -0.0f)));
}
