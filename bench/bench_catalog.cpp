// Catalog lookups per call, and the allocations per call of the catalog,
// scale, angle, rectangle and bit exports (beyond the returned string).
#include <cmath>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "allocation_counter.h"
#include "bench_support.h"
#include "catalog/item_names.h"
#include "catalog/sub_item_names.h"
#include "catalog/wall_snap.h"
#include "tolmerdll.h"

namespace bench {

namespace {

// A benchmark calling `call(i)` for i = 0, 1, ... `count` - 1 over and over,
// with the operator-new allocations per call as the counter "allocations".
void add_counted(const std::string& name, std::size_t count, std::function<void(std::size_t)> call) {
  add(name, [=](benchmark::State& state) {
    for (std::size_t i = 0; i < count; ++i) call(i);  // anything made on first use
    const tolmer_test::AllocationWatch watch;
    std::size_t i = 0;
    for (auto _ : state) {
      call(i);
      i = i + 1 == count ? 0 : i + 1;
    }
    state.counters["allocations"] =
        static_cast<double>(watch.count()) / static_cast<double>(state.iterations());
    state.SetItemsProcessed(state.iterations());
  });
}

void take(LibString result) {
  benchmark::DoNotOptimize(result);
  FREELIBSTRING(result);
}

// Writable copies of the singular item names with their sub-categories, for
// the reverse lookup (which rewrites its buffer).
struct NameBuffer {
  int32_t sub_category;
  std::string name;
  char buffer[96];
};

std::vector<NameBuffer>& name_buffers() {
  static std::vector<NameBuffer> list = [] {
    std::vector<NameBuffer> made;
    for (const auto& e : tolmer::item_name_table()) {
      if (e.singular.size() + 1 > sizeof(NameBuffer::buffer)) continue;
      made.push_back({e.sub_category, " " + std::string(e.singular), {}});
    }
    return made;
  }();
  return list;
}

int32_t reverse_lookup(std::size_t i) {
  NameBuffer& n = name_buffers()[i];
  std::memcpy(n.buffer, n.name.c_str(), n.name.size() + 1);
  return GETSYMBOLITEMTYPEFROMNAME(1, n.sub_category, n.buffer);
}

void register_catalog_lookups() {
  const auto items = tolmer::item_name_table();
  const auto sub_items = tolmer::sub_item_name_table();
  const auto snaps = tolmer::wall_snap_table();
  add_counted("catalog/item_name/export", items.size(), [items](std::size_t i) {
    take(GETSYMBOLITEMNAMEFROMTYPE(1, items[i].sub_category, items[i].item_type, static_cast<int32_t>(i & 1)));
  });
  add_counted("catalog/sub_item_name/export", sub_items.size(), [sub_items](std::size_t i) {
    const auto& e = sub_items[i];
    take(GETSYMBOLSUBITEMNAMEFROMTYPE(1, e.sub_category, e.item_type, e.sub_item_type));
  });
  add_counted("catalog/wall_snap_index/export", snaps.size(), [snaps](std::size_t i) {
    const auto& e = snaps[i];
    benchmark::DoNotOptimize(GETOBJECTWALLSNAPINDEXFROMCATEGORIES(1, e.sub_category, e.item_type, e.sub_item_type));
  });
  add("catalog/reverse_name/export", [](benchmark::State& state) {
    std::size_t found = 0;
    for (std::size_t i = 0; i < name_buffers().size(); ++i) found += reverse_lookup(i) != 0 ? 1 : 0;
    if (!check(state, found * 10 >= name_buffers().size() * 9, "most names found back")) return;
    std::size_t i = 0;
    for (auto _ : state) {
      benchmark::DoNotOptimize(reverse_lookup(i));
      i = i + 1 == name_buffers().size() ? 0 : i + 1;
    }
    state.SetItemsProcessed(state.iterations());
  });
}

// Every export of the five families, each over a cycle of arguments.
void register_allocation_counts() {
  const auto items = tolmer::item_name_table();
  const auto snaps = tolmer::wall_snap_table();
  const std::size_t n = items.size();
  auto item = [items](std::size_t i) { return items[i]; };
  // Catalog.
  add_counted("allocations/catalog/GETDESCRIPTIONFORCATEGORYTYPE", 12,
              [](std::size_t i) { take(GETDESCRIPTIONFORCATEGORYTYPE(static_cast<int32_t>(i / 8), static_cast<int32_t>(i % 8))); });
  add_counted("allocations/catalog/GETSUBCATEGORIESCODESTRING", 4,
              [](std::size_t i) { take(GETSUBCATEGORIESCODESTRING(static_cast<int32_t>(i))); });
  add_counted("allocations/catalog/GETITEMTYPESCODESTRING", 8,
              [](std::size_t i) { take(GETITEMTYPESCODESTRING(1, static_cast<int32_t>(i))); });
  add_counted("allocations/catalog/GETSUBITEMTYPESCODESTRING", n, [item](std::size_t i) {
    take(GETSUBITEMTYPESCODESTRING(1, item(i).sub_category, item(i).item_type));
  });
  add_counted("allocations/catalog/GETLIBRARYNAMEFROMCATEGORIES", n, [item](std::size_t i) {
    take(GETLIBRARYNAMEFROMCATEGORIES(1, item(i).sub_category, item(i).item_type));
  });
  add_counted("allocations/catalog/GETCATEGORIESFROMLIBRARYNAME", 3, [](std::size_t i) {
    static const char* names[] = {"lib_1_2_250", "LIB_1_5_12_LIB.VDF", "lib_1"};
    int32_t a = 0, b = 0, c = 0;
    benchmark::DoNotOptimize(GETCATEGORIESFROMLIBRARYNAME(names[i], &a, &b, &c));
  });
  add_counted("allocations/catalog/ISVALIDLIBRARYNAME", 3, [](std::size_t i) {
    static const char* names[] = {"LIB_1_2_250_LIB.VDF", "lib_12_345_6789_lib.vdf", "not a library"};
    benchmark::DoNotOptimize(ISVALIDLIBRARYNAME(names[i]));
  });
  add_counted("allocations/catalog/GETSYMBOLITEMNAMEFROMTYPE", n, [item](std::size_t i) {
    take(GETSYMBOLITEMNAMEFROMTYPE(1, item(i).sub_category, item(i).item_type, 1));
  });
  add_counted("allocations/catalog/GETSYMBOLITEMTYPEFROMNAME", name_buffers().size(),
              [](std::size_t i) { benchmark::DoNotOptimize(reverse_lookup(i)); });
  add_counted("allocations/catalog/GETSYMBOLSUBITEMNAMEFROMTYPE", snaps.size(), [snaps](std::size_t i) {
    take(GETSYMBOLSUBITEMNAMEFROMTYPE(1, snaps[i].sub_category, snaps[i].item_type, snaps[i].sub_item_type));
  });
  add_counted("allocations/catalog/GETOBJECTWALLSNAPINDEXFROMCATEGORIES", snaps.size(), [snaps](std::size_t i) {
    benchmark::DoNotOptimize(
        GETOBJECTWALLSNAPINDEXFROMCATEGORIES(1, snaps[i].sub_category, snaps[i].item_type, snaps[i].sub_item_type));
  });
  add_counted("allocations/catalog/GETHIGHESTOBJECTWALLSNAPINFOARRAYINDEX", 1,
              [](std::size_t) { benchmark::DoNotOptimize(GETHIGHESTOBJECTWALLSNAPINFOARRAYINDEX()); });
  add_counted("allocations/catalog/ISOBJECTAWALL", 3, [](std::size_t i) {
    static const char* keys[] = {"1,1,1,0", "1, 2, 250, 3", "1,1"};
    benchmark::DoNotOptimize(ISOBJECTAWALL(keys[i]));
  });
  add_counted("allocations/catalog/ISOBJECTAWIRE", 3, [](std::size_t i) {
    static const char* keys[] = {"1,2,250,7", "1,0,13,2", "1,1,1,0,extra,fields,to,read"};
    benchmark::DoNotOptimize(ISOBJECTAWIRE(keys[i]));
  });
  add_counted("allocations/catalog/ISSYMBOLVIEWNUMBERVALID", 4, [](std::size_t i) {
    benchmark::DoNotOptimize(ISSYMBOLVIEWNUMBERVALID(static_cast<int32_t>(i), "1, 2,\"3,4\", 250,1000000"));
  });
  add_counted("allocations/catalog/GETDESCRIPTIONFORWIRETYPE", 5,
              [](std::size_t i) { take(GETDESCRIPTIONFORWIRETYPE(static_cast<int32_t>(i))); });
  add_counted("allocations/catalog/GETDESCRIPTIONFORDRAWINGTOOLTYPE", 13,
              [](std::size_t i) { take(GETDESCRIPTIONFORDRAWINGTOOLTYPE(static_cast<int32_t>(i))); });
  add_counted("allocations/catalog/ISOBJECTPARTOFTEXTBOX", 2, [](std::size_t i) {
    static const char* names[] = {"TextBoxFrame_00000000000000001", "Line_1"};
    benchmark::DoNotOptimize(ISOBJECTPARTOFTEXTBOX(names[i]));
  });
  add_counted("allocations/catalog/GETFOLDERNAMEINVALIDCHARACTERS", 1,
              [](std::size_t) { take(GETFOLDERNAMEINVALIDCHARACTERS()); });
  add_counted("allocations/catalog/GETCATEGORYNAMEINVALIDCHARACTERS", 1,
              [](std::size_t) { take(GETCATEGORYNAMEINVALIDCHARACTERS()); });
  add_counted("allocations/catalog/GETCIRCUITNAMEINVALIDCHARACTERS", 1,
              [](std::size_t) { take(GETCIRCUITNAMEINVALIDCHARACTERS()); });
  add_counted("allocations/catalog/GETSYMBOLNAMEINVALIDCHARACTERS", 1,
              [](std::size_t) { take(GETSYMBOLNAMEINVALIDCHARACTERS()); });
  // Scales.
  add_counted("allocations/scale/GETSCALERATIOVALUE", 26, [](std::size_t i) {
    benchmark::DoNotOptimize(GETSCALERATIOVALUE(static_cast<int32_t>(i % 2), static_cast<int32_t>(i / 13), static_cast<int32_t>(i % 13)));
  });
  add_counted("allocations/scale/GETINDEXFORSCALERATIOVALUES", 3, [](std::size_t i) {
    static const float d[] = {48.0f, 96.0f, 7.0f};
    benchmark::DoNotOptimize(GETINDEXFORSCALERATIOVALUES(0, 1.0f, d[i]));
  });
  add_counted("allocations/scale/GETINCHESPERFOOTFROMSCALERATIO", 1,
              [](std::size_t) { benchmark::DoNotOptimize(GETINCHESPERFOOTFROMSCALERATIO(1.0f, 48.0f)); });
  add_counted("allocations/scale/GETNEARESTSCALERATIOVALUE", 3, [](std::size_t i) {
    static const double s[] = {1.0 / 48, 0.013, 1e-9};
    benchmark::DoNotOptimize(GETNEARESTSCALERATIOVALUE(static_cast<int32_t>(i % 2), s[i]));
  });
  add_counted("allocations/scale/GETCONVERTEDSCALEVALUE", 2, [](std::size_t i) {
    benchmark::DoNotOptimize(GETCONVERTEDSCALEVALUE(static_cast<int32_t>(i), 25.4f));
  });
  // Angles.
  static const double angles[] = {0, 45.5, 359.5, 400, -400, 1e300};
  add_counted("allocations/angle/REDUCETO360DEGREEANGLE", 6,
              [](std::size_t i) { benchmark::DoNotOptimize(REDUCETO360DEGREEANGLE(angles[i], static_cast<int32_t>(i & 1))); });
  add_counted("allocations/angle/GETOFFSETFROMANGLES", 6, [](std::size_t i) {
    benchmark::DoNotOptimize(GETOFFSETFROMANGLES(angles[i], angles[5 - i], static_cast<int32_t>(i % 4), 90));
  });
  add_counted("allocations/angle/ADDANGLEOFFSET", 6,
              [](std::size_t i) { benchmark::DoNotOptimize(ADDANGLEOFFSET(angles[i], 90)); });
  add_counted("allocations/angle/ROTATEDEGREESVALUE", 6,
              [](std::size_t i) { benchmark::DoNotOptimize(ROTATEDEGREESVALUE(angles[i], -30)); });
  add_counted("allocations/angle/ROTATERADIANSVALUE", 6,
              [](std::size_t i) { benchmark::DoNotOptimize(ROTATERADIANSVALUE(angles[i] / 57.3, 1.5)); });
  add_counted("allocations/angle/ROTATETONEXTDEGREEVALUE", 6,
              [](std::size_t i) { benchmark::DoNotOptimize(ROTATETONEXTDEGREEVALUE(angles[i], 15)); });
  add_counted("allocations/angle/ANGLEPASSEDTHROUGHZERO", 6,
              [](std::size_t i) { benchmark::DoNotOptimize(ANGLEPASSEDTHROUGHZERO(angles[i], 30)); });
  // Rectangles.
  static const DoubleRect rects[] = {{0, 0, 10, 10}, {2, 2, 3, 3}, {10, 10, -5, -5}, {5, -1, 20, 4}};
  add_counted("allocations/rectangle/SETRECTLOWERLEFTJUSTIFIED", 4, [](std::size_t i) {
    DoubleRect r = rects[i];
    SETRECTLOWERLEFTJUSTIFIED(&r.x1, &r.y1, &r.x2, &r.y2);
    benchmark::DoNotOptimize(r);
  });
  add_counted("allocations/rectangle/RECTINRECT", 4,
              [](std::size_t i) { benchmark::DoNotOptimize(RECTINRECT(&rects[i], &rects[3 - i])); });
  add_counted("allocations/rectangle/ISPOINTINRECTDOUBLE", 4, [](std::size_t i) {
    benchmark::DoNotOptimize(ISPOINTINRECTDOUBLE(2.5, 2.5, &rects[i], static_cast<int32_t>(i & 1)));
  });
  // Bits.
  static uint8_t memory[8] = {0x5A, 0, 0, 0, 0, 0, 0, 0};
  add_counted("allocations/bit/GETTOTALBITSSET", 4,
              [](std::size_t i) { benchmark::DoNotOptimize(GETTOTALBITSSET(0x55AA55AA, static_cast<int32_t>(i * 10))); });
  add_counted("allocations/bit/GETFIRSTBITSET", 4, [](std::size_t i) {
    benchmark::DoNotOptimize(GETFIRSTBITSET(0x1000, static_cast<int32_t>(i), 32));
  });
  add_counted("allocations/bit/EXAMINEBIT", 64,
              [](std::size_t i) { benchmark::DoNotOptimize(EXAMINEBIT(memory, static_cast<int32_t>(i))); });
  add_counted("allocations/bit/CLEARBIT", 64, [](std::size_t i) { CLEARBIT(memory, static_cast<int32_t>(i)); });
  add_counted("allocations/bit/SETBIT", 64, [](std::size_t i) { SETBIT(memory, static_cast<int32_t>(i)); });
  add_counted("allocations/bit/TOGGLEBIT", 64, [](std::size_t i) { TOGGLEBIT(memory, static_cast<int32_t>(i)); });
  add_counted("allocations/bit/SHIFTBITSLEFT", 40,
              [](std::size_t i) { benchmark::DoNotOptimize(SHIFTBITSLEFT(0x12345678, static_cast<int32_t>(i))); });
  add_counted("allocations/bit/SHIFTBITSRIGHT", 40,
              [](std::size_t i) { benchmark::DoNotOptimize(SHIFTBITSRIGHT(-0x12345678, static_cast<int32_t>(i))); });
  add_counted("allocations/bit/ROTATEBITSLEFT", 9, [](std::size_t i) { ROTATEBITSLEFT(&memory[1], static_cast<int32_t>(i)); });
  add_counted("allocations/bit/ROTATEBITSRIGHT", 9, [](std::size_t i) { ROTATEBITSRIGHT(&memory[2], static_cast<int32_t>(i)); });
}

}  // namespace

void register_catalog() {
  register_catalog_lookups();
  register_allocation_counts();
}

}  // namespace bench
