// Allocation failure injected into every export: for each export, called
// with arguments that make it allocate, the 1st, 2nd, ... allocation of the
// call fails in turn until the call completes. Each failed call must return
// (no exception crosses the C boundary, nothing terminates), give the
// export's empty answer and leave the caller's buffers and references as
// they were; LeakSanitizer (the sanitizer build) checks that nothing leaks.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <functional>
#include <set>
#include <string>
#include <type_traits>
#include <vector>

#include "allocation_counter.h"
#include "tolmerdll.h"

namespace {

// What one call left: its answer as text and the bytes of every buffer and
// reference it was given, before and after.
struct Outcome {
  std::string answer;
  std::vector<std::string> before;
  std::vector<std::string> after;
};

// A caller's memory the export may write.
struct Memory {
  const void* at;
  std::size_t size;
  std::string bytes() const { return {static_cast<const char*>(at), size}; }
};
template <class T>
Memory mem(const T& object) {
  return {&object, sizeof object};
}

std::string text_of(LibString s) {
  if (s == nullptr) return "null";
  std::string text = "\"" + std::string(s) + "\"";
  FREELIBSTRING(s);
  return text;
}
std::string text_of(int32_t n) { return std::to_string(n); }
std::string text_of(double n) {
  char text[32];
  std::snprintf(text, sizeof text, "%.17g", n);
  return text;
}

// Runs `call` with the failure armed: snapshots the memory, arms, calls,
// disarms, snapshots again. Only the export's own allocations fall inside.
class Probe {
 public:
  explicit Probe(std::size_t fail_at) : fail_at_(fail_at) {}

  template <class Call>
  Outcome run(Call call, std::vector<Memory> memory = {}) {
    Outcome outcome;
    for (const Memory& m : memory) outcome.before.push_back(m.bytes());
    const tolmer_test::AllocationWatch watch;
    tolmer_test::fail_allocation_at(fail_at_);
    if constexpr (std::is_void_v<decltype(call())>) {
      call();
      failed_ = tolmer_test::disarm_allocation_failure();
      allocations_ = watch.count();
    } else {
      const auto answer = call();
      failed_ = tolmer_test::disarm_allocation_failure();
      allocations_ = watch.count();
      outcome.answer = text_of(answer);
    }
    for (const Memory& m : memory) outcome.after.push_back(m.bytes());
    return outcome;
  }
  bool failed() const { return failed_; }
  std::size_t allocations() const { return allocations_; }

 private:
  std::size_t fail_at_;
  bool failed_ = false;
  std::size_t allocations_ = 0;
};

struct Case {
  const char* name;
  std::function<Outcome(Probe&)> call;
  std::string empty = "0";  // the answer when memory cannot be had
};

const std::string kNull = "null";
const std::string kVoid;

int32_t g_elements[4] = {7, 8, 9, 10};

std::vector<Case> cases() {
  return {
      {"LIBMAIN", [](Probe& p) { return p.run([] { return LIBMAIN(0, 1, 0); }); }, "1"},
      {"INITIALIZEDLL", [](Probe& p) { return p.run([] { INITIALIZEDLL(); }); }, kVoid},
      {"FREELIBSTRING", [](Probe& p) {
         LibString s = MAKELIBSTRING("abc", 3);
         return p.run([&] { FREELIBSTRING(s); });
       }, kVoid},
      {"MAKELIBSTRING", [](Probe& p) { return p.run([] { return MAKELIBSTRING("abc", 3); }); }, kNull},
      {"SETHOSTSERVICES", [](Probe& p) { return p.run([] { SETHOSTSERVICES(nullptr); }); }, kVoid},
      {"INCHESTOMILLIMETERS", [](Probe& p) { return p.run([] { return INCHESTOMILLIMETERS(2); }); }},
      {"MILLIMETERSTOINCHES", [](Probe& p) { return p.run([] { return MILLIMETERSTOINCHES(50.8f); }); }},
      {"SETCONVERSIONDECIMALPLACES", [](Probe& p) { return p.run([] { SETCONVERSIONDECIMALPLACES(0, 2); }); }, kVoid},
      {"GETMEASUREMENTDESIGNATOR", [](Probe& p) { return p.run([] { return GETMEASUREMENTDESIGNATOR(0, 1, 0, 0); }); }, kNull},
      {"GETMEASUREMENTLABEL", [](Probe& p) { return p.run([] { return GETMEASUREMENTLABEL(0, 0, 2); }); }, kNull},
      {"CONVERTMEASUREMENT", [](Probe& p) { return p.run([] { return CONVERTMEASUREMENT(24, 0); }); }},
      {"BREAKFRACTIONAPART", [](Probe& p) {
         int32_t w = -9, n = -9, d = -9;
         char sep[4] = "?";
         return p.run([&] { BREAKFRACTIONAPART("12 3/4 and some more text to copy", &w, &n, &d, sep); },
                      {mem(w), mem(n), mem(d), mem(sep)});
       }, kVoid},
      {"CONVERTFRACTIONDENOMINATOR", [](Probe& p) { return p.run([] { return CONVERTFRACTIONDENOMINATOR("3/4", 16); }); }, kNull},
      {"REDUCEFRACTION", [](Probe& p) { return p.run([] { return REDUCEFRACTION("12/16", 16); }); }, kNull},
      {"EXTRACTFRACTIONINTEXTSTRING", [](Probe& p) {
         char remainder[64] = "a remainder buffer of some length";
         int32_t length = -9;
         float value = -9;
         return p.run([&] { return EXTRACTFRACTIONINTEXTSTRING("12 3/4 inches and more words", 0, remainder, &length, &value); },
                      {mem(remainder), mem(length), mem(value)});
       }, kNull},
      {"FRACTIONSTRINGTODECIMAL", [](Probe& p) { return p.run([] { return FRACTIONSTRINGTODECIMAL("3/4"); }); }},
      {"DECIMALTOFRACTIONSTRING", [](Probe& p) { return p.run([] { return DECIMALTOFRACTIONSTRING(0.75f, 16); }); }, kNull},
      {"ISVALIDMEASUREMENTSCALENUMERICALCHARACTER", [](Probe& p) { return p.run([] { return ISVALIDMEASUREMENTSCALENUMERICALCHARACTER(0, "5"); }); }},
      {"ISVALIDMEASUREMENTNUMERICALCHARACTER", [](Probe& p) { return p.run([] { return ISVALIDMEASUREMENTNUMERICALCHARACTER("5"); }); }},
      {"SEPARATEMEASUREMENTSINTEXTSTRING", [](Probe& p) {
         char entry[64] = "12'6\" and a longer tail of text";
         return p.run([&] { return SEPARATEMEASUREMENTSINTEXTSTRING(entry); }, {mem(entry)});
       }, kNull},
      {"GETMEASUREMENTVALUEINTEXTSTRINGBYPOSITION", [](Probe& p) {
         LibString text = MAKELIBSTRING("12 3/4 FT and 6 IN of text", 26);
         int32_t start = 0, end = -9;
         Outcome o = p.run([&] { return GETMEASUREMENTVALUEINTEXTSTRINGBYPOSITION(0, text, 1, 0, &start, &end); },
                           {mem(start), mem(end)});
         FREELIBSTRING(text);
         return o;
       }},
      {"CONVERTTEXTSTRINGVALUETOINCHES", [](Probe& p) {
         int32_t start = -9, end = -9;
         return p.run([&] { return CONVERTTEXTSTRINGVALUETOINCHES("12 FT 6 1/2 IN and more text", 0, &start, &end); },
                      {mem(start), mem(end)});
       }},
      {"CONVERTTEXTSTRINGVALUETOINCHESERRORMSG", [](Probe& p) {
         return p.run([] { return CONVERTTEXTSTRINGVALUETOINCHESERRORMSG(0, "12 FT 6 IN", 0, 0, 100000, 0, 6, 0, 16); });
       }},
      {"GETINDIVIDUALMEASUREMENTVALUESFROMINCHES", [](Probe& p) {
         float major = -9, minor = -9, fraction = -9;
         return p.run([&] { GETINDIVIDUALMEASUREMENTVALUESFROMINCHES(1, 98.5f, 3, &major, &minor, &fraction, 0); },
                      {mem(major), mem(minor), mem(fraction)});
       }, kVoid},
      {"GETFORMATEDTEXTFROMINCHES", [](Probe& p) { return p.run([] { return GETFORMATEDTEXTFROMINCHES(1, 0, 0, 98.5, 3, 0); }); }, kNull},
      {"GETSCALERATIOVALUE", [](Probe& p) { return p.run([] { return GETSCALERATIOVALUE(0, 1, 3); }); }},
      {"GETINDEXFORSCALERATIOVALUES", [](Probe& p) { return p.run([] { return GETINDEXFORSCALERATIOVALUES(0, 1, 48); }); }},
      {"GETINCHESPERFOOTFROMSCALERATIO", [](Probe& p) { return p.run([] { return GETINCHESPERFOOTFROMSCALERATIO(1, 48); }); }},
      {"GETNEARESTSCALERATIOVALUE", [](Probe& p) { return p.run([] { return GETNEARESTSCALERATIOVALUE(0, 0.02); }); }},
      {"GETCONVERTEDSCALEVALUE", [](Probe& p) { return p.run([] { return GETCONVERTEDSCALEVALUE(0, 2); }); }},
      {"SIZEPAPERINFOARRAY", [](Probe& p) { return p.run([] { return SIZEPAPERINFOARRAY(50); }); }, "40"},
      {"GETUBPAPERINFOARRAY", [](Probe& p) { return p.run([] { return GETUBPAPERINFOARRAY(); }); }},
      {"SETPAPERINFOITEM", [](Probe& p) { return p.run([] { SETPAPERINFOITEM(40, "Test size", 8, 10, 1, 1, 1, 1); }); }, kVoid},
      {"GETPAPERINFOITEM", [](Probe& p) {
         char name[20] = "unchanged";
         float w = -9, h = -9, t = -9, b = -9, l = -9, r = -9;
         return p.run([&] { GETPAPERINFOITEM(3, name, &w, &h, &t, &b, &l, &r); },
                      {mem(name), mem(w), mem(h), mem(t), mem(b), mem(l), mem(r)});
       }, kVoid},
      {"GETPAPERINFONAMELENGTH", [](Probe& p) { return p.run([] { return GETPAPERINFONAMELENGTH(3); }); }},
      {"GETPAPERINFONAME", [](Probe& p) { return p.run([] { return GETPAPERINFONAME(3); }); }, kNull},
      {"GETPAPERINFOWIDTH", [](Probe& p) { return p.run([] { return GETPAPERINFOWIDTH(3, 1); }); }},
      {"GETPAPERINFOHEIGHT", [](Probe& p) { return p.run([] { return GETPAPERINFOHEIGHT(3, 2); }); }},
      {"SETPAPERINFOWIDTH", [](Probe& p) { return p.run([] { SETPAPERINFOWIDTH(40, 9); }); }, kVoid},
      {"SETPAPERINFOHEIGHT", [](Probe& p) { return p.run([] { SETPAPERINFOHEIGHT(40, 11); }); }, kVoid},
      {"GETPAPERINFOTOPMARGIN", [](Probe& p) { return p.run([] { return GETPAPERINFOTOPMARGIN(3); }); }},
      {"GETPAPERINFOBOTTOMMARGIN", [](Probe& p) { return p.run([] { return GETPAPERINFOBOTTOMMARGIN(3); }); }},
      {"GETPAPERINFOLEFTMARGIN", [](Probe& p) { return p.run([] { return GETPAPERINFOLEFTMARGIN(3); }); }},
      {"GETPAPERINFORIGHTMARGIN", [](Probe& p) { return p.run([] { return GETPAPERINFORIGHTMARGIN(3); }); }},
      {"SETPAPERINFOTOPMARGIN", [](Probe& p) { return p.run([] { SETPAPERINFOTOPMARGIN(40, 1); }); }, kVoid},
      {"SETPAPERINFOBOTTOMMARGIN", [](Probe& p) { return p.run([] { SETPAPERINFOBOTTOMMARGIN(40, 1); }); }, kVoid},
      {"SETPAPERINFOLEFTMARGIN", [](Probe& p) { return p.run([] { SETPAPERINFOLEFTMARGIN(40, 1); }); }, kVoid},
      {"SETPAPERINFORIGHTMARGIN", [](Probe& p) { return p.run([] { SETPAPERINFORIGHTMARGIN(40, 1); }); }, kVoid},
      {"GETPAPERINDEXFROMPAPERSIZE", [](Probe& p) {
         int32_t orientation = -9;
         return p.run([&] { return GETPAPERINDEXFROMPAPERSIZE(0, 11, 8.5f, &orientation); }, {mem(orientation)});
       }},
      {"GETPAPERINDEXFROMPAPERNAME", [](Probe& p) {
         char name[32] = "  generic a4  ";
         return p.run([&] { return GETPAPERINDEXFROMPAPERNAME(name); }, {mem(name)});
       }},
      {"GETDESCRIPTIONFORCATEGORYTYPE", [](Probe& p) { return p.run([] { return GETDESCRIPTIONFORCATEGORYTYPE(1, 1); }); }, kNull},
      {"GETSUBCATEGORIESCODESTRING", [](Probe& p) { return p.run([] { return GETSUBCATEGORIESCODESTRING(1); }); }, kNull},
      {"GETITEMTYPESCODESTRING", [](Probe& p) { return p.run([] { return GETITEMTYPESCODESTRING(1, 1); }); }, kNull},
      {"GETSUBITEMTYPESCODESTRING", [](Probe& p) { return p.run([] { return GETSUBITEMTYPESCODESTRING(1, 1, 1); }); }, kNull},
      {"GETLIBRARYNAMEFROMCATEGORIES", [](Probe& p) { return p.run([] { return GETLIBRARYNAMEFROMCATEGORIES(1, 2, 3); }); }, kNull},
      {"GETCATEGORIESFROMLIBRARYNAME", [](Probe& p) {
         int32_t c = -9, s = -9, i = -9;
         return p.run([&] { return GETCATEGORIESFROMLIBRARYNAME("Lib_1_2_3 with a longer tail", &c, &s, &i); },
                      {mem(c), mem(s), mem(i)});
       }},
      {"ISVALIDLIBRARYNAME", [](Probe& p) { return p.run([] { return ISVALIDLIBRARYNAME("Lib_1_2_3"); }); }},
      {"GETSYMBOLITEMNAMEFROMTYPE", [](Probe& p) { return p.run([] { return GETSYMBOLITEMNAMEFROMTYPE(1, 1, 1, 1); }); }, kNull},
      {"GETSYMBOLITEMTYPEFROMNAME", [](Probe& p) {
         char name[32] = " outlet ";
         return p.run([&] { return GETSYMBOLITEMTYPEFROMNAME(1, 1, name); }, {mem(name)});
       }},
      {"GETSYMBOLSUBITEMNAMEFROMTYPE", [](Probe& p) { return p.run([] { return GETSYMBOLSUBITEMNAMEFROMTYPE(1, 1, 1, 1); }); }, kNull},
      {"GETOBJECTWALLSNAPINDEXFROMCATEGORIES", [](Probe& p) { return p.run([] { return GETOBJECTWALLSNAPINDEXFROMCATEGORIES(1, 1, 1, 1); }); }},
      {"GETHIGHESTOBJECTWALLSNAPINFOARRAYINDEX", [](Probe& p) { return p.run([] { return GETHIGHESTOBJECTWALLSNAPINFOARRAYINDEX(); }); }},
      {"ISOBJECTAWALL", [](Probe& p) { return p.run([] { return ISOBJECTAWALL("Wall_1_2_3_4 with words after it"); }); }},
      {"ISOBJECTAWIRE", [](Probe& p) { return p.run([] { return ISOBJECTAWIRE("Wire_1_2_3_4 with words after it"); }); }},
      {"ISSYMBOLVIEWNUMBERVALID", [](Probe& p) { return p.run([] { return ISSYMBOLVIEWNUMBERVALID(2, "1,2,3,4,5,6,7,8"); }); }},
      {"GETDESCRIPTIONFORWIRETYPE", [](Probe& p) { return p.run([] { return GETDESCRIPTIONFORWIRETYPE(1); }); }, kNull},
      {"GETDESCRIPTIONFORDRAWINGTOOLTYPE", [](Probe& p) { return p.run([] { return GETDESCRIPTIONFORDRAWINGTOOLTYPE(1); }); }, kNull},
      {"ISOBJECTPARTOFTEXTBOX", [](Probe& p) { return p.run([] { return ISOBJECTPARTOFTEXTBOX("TextBox_1 and more"); }); }},
      {"GETFOLDERNAMEINVALIDCHARACTERS", [](Probe& p) { return p.run([] { return GETFOLDERNAMEINVALIDCHARACTERS(); }); }, kNull},
      {"GETCATEGORYNAMEINVALIDCHARACTERS", [](Probe& p) { return p.run([] { return GETCATEGORYNAMEINVALIDCHARACTERS(); }); }, kNull},
      {"GETCIRCUITNAMEINVALIDCHARACTERS", [](Probe& p) { return p.run([] { return GETCIRCUITNAMEINVALIDCHARACTERS(); }); }, kNull},
      {"GETSYMBOLNAMEINVALIDCHARACTERS", [](Probe& p) { return p.run([] { return GETSYMBOLNAMEINVALIDCHARACTERS(); }); }, kNull},
      {"GETVALUEFROMSTRINGBYPOSITION", [](Probe& p) { return p.run([] { return GETVALUEFROMSTRINGBYPOSITION("1,2.5,3", 2, ","); }); }},
      {"SETSTRINGPARTINSTRINGBYPOSITION", [](Probe& p) {
         char list[64] = "alpha,beta,gamma,delta";
         return p.run([&] { return SETSTRINGPARTINSTRINGBYPOSITION(list, 2, "a much longer part", ","); }, {mem(list)});
       }, "-1"},
      {"SETSTRINGPARTINSTRINGBYPOSITION2", [](Probe& p) {
         char list[64] = "alpha,beta,gamma,delta";
         return p.run([&] { return SETSTRINGPARTINSTRINGBYPOSITION2(list, 3, "a much longer part", ","); }, {mem(list)});
       }, "-1"},
      {"PARSECOUNTDLL", [](Probe& p) { return p.run([] { return PARSECOUNTDLL("a,b,c,d", ","); }); }},
      {"GETSTRINGPARTFROMSTRINGBYPOSITION", [](Probe& p) { return p.run([] { return GETSTRINGPARTFROMSTRINGBYPOSITION("alpha,beta,gamma", 2, ","); }); }, kNull},
      {"CREATEDELIMITEDSTRING", [](Probe& p) {
         char delimiter[4] = "";
         return p.run([&] {
           return CREATEDELIMITEDSTRING(delimiter, "one item that is long enough", "two", "three", "four", "five", "six",
                                        "seven", "eight", "nine", "ten");
         }, {mem(delimiter)});
       }, kNull},
      {"ADDTODELIMITEDSTRING", [](Probe& p) {
         char list[96] = "alpha,beta,gamma and a longer tail of text";
         char delimiter[4] = ",";
         return p.run([&] { return ADDTODELIMITEDSTRING(list, "delta and more", delimiter); }, {mem(list), mem(delimiter)});
       }, kNull},
      {"ISSTRINGINDELIMITEDSTRING", [](Probe& p) {
         char delimiter[4] = "";
         return p.run([&] { return ISSTRINGINDELIMITEDSTRING("alpha,beta,gamma and a longer tail of text", "beta", delimiter, 0, 0); },
                      {mem(delimiter)});
       }},
      {"REMOVESTRINGINDELIMITEDSTRINGBYPOSITION", [](Probe& p) {
         char list[64] = "alpha,beta,gamma and a longer tail of text";
         return p.run([&] { return REMOVESTRINGINDELIMITEDSTRINGBYPOSITION(list, 2, ","); }, {mem(list)});
       }},
      {"CREATEDELIMITEDSTRINGFROMLONGARRAY", [](Probe& p) {
         char delimiter[4] = "";
         TolmerLongArray array{};
         array.elements = g_elements;
         array.flags = TOLMER_LONG_ARRAY_HAS_STORAGE;
         array.lower_bound = 0;
         array.upper_bound = 3;
         return p.run([&] { return CREATEDELIMITEDSTRINGFROMLONGARRAY(delimiter, &array); }, {mem(delimiter)});
       }, kNull},
      {"ISVALUEINLONGARRAY", [](Probe& p) { return p.run([] { return ISVALUEINLONGARRAY(9, g_elements, 3, 0); }); }},
      {"REVERSESTRINGDLL", [](Probe& p) {
         LibString s = MAKELIBSTRING("a text long enough to reverse", 29);
         Outcome o = p.run([&] { return REVERSESTRINGDLL(s); });
         FREELIBSTRING(s);
         return o;
       }, kNull},
      {"REVERSESTRING", [](Probe& p) { return p.run([] { return REVERSESTRING("a text long enough to reverse"); }); }, kNull},
      {"STRIPNULL", [](Probe& p) { return p.run([] { return STRIPNULL("  text  "); }); }, kNull},
      {"ISNUMERICDLL", [](Probe& p) { return p.run([] { return ISNUMERICDLL("12345"); }); }},
      {"STRINGCONTAINSCHARACTERS", [](Probe& p) { return p.run([] { return STRINGCONTAINSCHARACTERS("abc", "c"); }); }},
      {"ACCESSTEMPSTRINGARRAY", [](Probe& p) { return p.run([] { return ACCESSTEMPSTRINGARRAY(1, "an entry long enough to allocate"); }); }},
      {"READTEMPSTRINGARRAY", [](Probe& p) { return p.run([] { return READTEMPSTRINGARRAY(1); }); }, kNull},
      {"REDUCETO360DEGREEANGLE", [](Probe& p) { return p.run([] { return REDUCETO360DEGREEANGLE(400, 0); }); }},
      {"GETOFFSETFROMANGLES", [](Probe& p) { return p.run([] { return GETOFFSETFROMANGLES(10, 50, 1, 0); }); }},
      {"ADDANGLEOFFSET", [](Probe& p) { return p.run([] { return ADDANGLEOFFSET(350, 20); }); }},
      {"ROTATEDEGREESVALUE", [](Probe& p) { return p.run([] { return ROTATEDEGREESVALUE(350, 20); }); }},
      {"ROTATERADIANSVALUE", [](Probe& p) { return p.run([] { return ROTATERADIANSVALUE(6, 1); }); }},
      {"ROTATETONEXTDEGREEVALUE", [](Probe& p) { return p.run([] { return ROTATETONEXTDEGREEVALUE(10, 45); }); }},
      {"ANGLEPASSEDTHROUGHZERO", [](Probe& p) { return p.run([] { return ANGLEPASSEDTHROUGHZERO(350, 20); }); }},
      {"SETRECTLOWERLEFTJUSTIFIED", [](Probe& p) {
         double x1 = 2, y1 = 2, x2 = 1, y2 = 1;
         return p.run([&] { SETRECTLOWERLEFTJUSTIFIED(&x1, &y1, &x2, &y2); });
       }, kVoid},
      {"RECTINRECT", [](Probe& p) {
         const DoubleRect a{0, 0, 2, 2}, b{0.5, 0.5, 1, 1};
         return p.run([&] { return RECTINRECT(&a, &b); });
       }},
      {"ISPOINTINRECTDOUBLE", [](Probe& p) {
         const DoubleRect a{0, 0, 2, 2};
         return p.run([&] { return ISPOINTINRECTDOUBLE(1, 1, &a, 0); });
       }},
      {"GETTOTALBITSSET", [](Probe& p) { return p.run([] { return GETTOTALBITSSET(7, 32); }); }},
      {"GETFIRSTBITSET", [](Probe& p) { return p.run([] { return GETFIRSTBITSET(8, 0, 32); }); }},
      {"EXAMINEBIT", [](Probe& p) {
         const uint8_t bits[2] = {1, 0};
         return p.run([&] { return EXAMINEBIT(bits, 0); });
       }},
      {"CLEARBIT", [](Probe& p) {
         uint8_t bits[2] = {1, 0};
         return p.run([&] { CLEARBIT(bits, 0); });
       }, kVoid},
      {"SETBIT", [](Probe& p) {
         uint8_t bits[2] = {1, 0};
         return p.run([&] { SETBIT(bits, 9); });
       }, kVoid},
      {"TOGGLEBIT", [](Probe& p) {
         uint8_t bits[2] = {1, 0};
         return p.run([&] { TOGGLEBIT(bits, 1); });
       }, kVoid},
      {"SHIFTBITSLEFT", [](Probe& p) { return p.run([] { return SHIFTBITSLEFT(1, 3); }); }},
      {"SHIFTBITSRIGHT", [](Probe& p) { return p.run([] { return SHIFTBITSRIGHT(8, 3); }); }},
      {"ROTATEBITSLEFT", [](Probe& p) {
         uint8_t byte = 0x81;
         return p.run([&] { ROTATEBITSLEFT(&byte, 1); });
       }, kVoid},
      {"ROTATEBITSRIGHT", [](Probe& p) {
         uint8_t byte = 0x81;
         return p.run([&] { ROTATEBITSRIGHT(&byte, 1); });
       }, kVoid},
      {"GETSPECIALFOLDERLOCATION", [](Probe& p) { return p.run([] { return GETSPECIALFOLDERLOCATION(5); }); }, kNull},
      {"GETDRIVEFROMPATH", [](Probe& p) { return p.run([] { return GETDRIVEFROMPATH("C:\\plans\\first floor\\plan.dwg"); }); }, kNull},
      {"GETDIRECTORYFROMPATH", [](Probe& p) { return p.run([] { return GETDIRECTORYFROMPATH("C:\\plans\\first floor\\plan.dwg"); }); }, kNull},
      {"GETFILENAMEFROMPATH", [](Probe& p) { return p.run([] { return GETFILENAMEFROMPATH("C:\\plans\\first floor\\plan.dwg"); }); }, kNull},
      {"REMOVEFILENAMEFROMFULLPATH", [](Probe& p) { return p.run([] { return REMOVEFILENAMEFROMFULLPATH("C:\\plans\\first floor\\plan.dwg"); }); }, kNull},
      {"GETEXPORTFILENAME", [](Probe& p) { return p.run([] { return GETEXPORTFILENAME("a base name long enough", 3, 12); }); }, kNull},
      {"GETMOUSEBUTTON", [](Probe& p) { return p.run([] { return GETMOUSEBUTTON(0); }); }},
      {"GETKEYSTATE", [](Probe& p) { return p.run([] { return GETKEYSTATE(65); }); }},
      {"RANDOMIZEDLLGENERATOR", [](Probe& p) { return p.run([] { RANDOMIZEDLLGENERATOR(); }); }, kVoid},
      {"GETRANDOMLONGVALUE", [](Probe& p) { return p.run([] { return GETRANDOMLONGVALUE() > 0 ? 1 : 0; }); }, "1"},
      {"GETUNIQUERECORDID", [](Probe& p) { return p.run([] { return GETUNIQUERECORDID(g_elements, 3) > 0 ? 1 : 0; }); }, "1"},
  };
}

std::set<std::string> table_names() {
  return {
#define TOLMER_EXPORT_ENTRY(name, result, args) #name,
#include "c_abi/export_table.h"
#undef TOLMER_EXPORT_ENTRY
  };
}

TEST(AllocationFailure, EveryExportHasACase) {
  std::set<std::string> named;
  for (const Case& c : cases()) EXPECT_TRUE(named.insert(c.name).second) << c.name << " twice";
  EXPECT_EQ(named, table_names());
}

// Each allocation of each call fails in turn; a failed call gives the empty
// answer and leaves the caller's memory as it was; the call then completes
// with the answer of an undisturbed call.
TEST(AllocationFailure, EveryAllocationOfEveryExportFailsCleanly) {
  std::size_t allocating = 0, injected = 0;
  for (const Case& c : cases()) {
    SCOPED_TRACE(c.name);
    INITIALIZEDLL();
    Probe undisturbed(0);
    const Outcome expected = c.call(undisturbed);
    if (undisturbed.allocations() == 0) continue;
    ++allocating;
    for (std::size_t k = 1;; ++k) {
      ASSERT_LE(k, undisturbed.allocations() + 1) << "the call allocates more each time";
      INITIALIZEDLL();
      Probe probe(k);
      const Outcome outcome = c.call(probe);
      if (!probe.failed()) {
        EXPECT_EQ(outcome.answer, expected.answer) << "after " << k - 1 << " failures";
        EXPECT_EQ(outcome.after, expected.after);
        break;
      }
      ++injected;
      EXPECT_EQ(outcome.answer, c.empty) << "allocation " << k << " failed";
      EXPECT_EQ(outcome.after, outcome.before) << "allocation " << k << " failed";
    }
  }
  // The suite means something only if many exports allocate.
  EXPECT_GE(allocating, 15u);
  EXPECT_GT(injected, allocating);
  std::printf("allocation failure: %zu exports allocate; %zu failures injected\n", allocating, injected);
}

}  // namespace
