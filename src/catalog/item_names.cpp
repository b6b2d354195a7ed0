// The item-type name tables.
#include "catalog/item_names.h"

#include <algorithm>
#include <array>
#include <tuple>

#include "frame/primitives.h"

namespace tolmer::inline v1 {
namespace {

// item type: plural name / singular name, by sub-category and item type.
constexpr ItemName kItemNames[] = {
    // Sub-category 0 (Floor Plan)
    {0, 248, "Arrows", "Arrow"},
    {0, 249, "Drawing Shapes", "Drawing Shape"},

    // Sub-category 1 (Walls/Windows/Doors)
    {1, 1, "Walls", "Wall"},
    {1, 2, "Windows", "Window"},
    {1, 3, "Doors", "Door"},
    {1, 4, "Stairways", "Stairway"},
    {1, 248, "Arrows", "Arrow"},
    {1, 249, "Drawing Shapes", "Drawing Shape"},
    {1, 10201, "Graphic Objects", "Graphic Object"},

    // Sub-category 2 (Electrical Appliances)
    {2, 1, "Ranges", "Range"},
    {2, 2, "Refrigerators", "Refrigerator"},
    {2, 3, "Washers", "Washer"},
    {2, 4, "Dryers", "Dryer"},
    {2, 5, "Furnaces", "Furnace"},
    {2, 6, "Dish Washers", "Dish Washer"},
    {2, 7, "Trash Compactors", "Trash Compactor"},
    {2, 8, "Hot Water Heaters", "Hot Water Heater"},
    {2, 9, "Garbage Disposals", "Garbage Disposal"},
    {2, 10, "Central Vacuums", "Central Vacuum"},
    {2, 11, "Hot Tubs", "Hot Tub"},
    {2, 12, "Pumping Units", "Pumping Unit"},
    {2, 13, "Heat Pumps", "Heat Pump"},
    {2, 14, "A/C Units", "A/C Unit"},
    {2, 235, "GENERAL", "GENERAL"},
    {2, 248, "Arrows", "Arrow"},
    {2, 249, "Drawing Shapes", "Drawing Shape"},
    {2, 10201, "Graphic Objects", "Graphic Object"},

    // Sub-category 3 (Plumbing Fixtures)
    {3, 1, "Showers", "Shower"},
    {3, 2, "Bath Tubs", "Bath Tub"},
    {3, 3, "Toilets", "Toilet"},
    {3, 4, "Sinks", "Sink"},
    {3, 248, "Arrows", "Arrow"},
    {3, 249, "Drawing Shapes", "Drawing Shape"},
    {3, 10201, "Graphic Objects", "Graphic Object"},

    // Sub-category 4 (Power)
    {4, 1, "Receptacles", "Receptacle"},
    {4, 2, "Switches", "Switch"},
    {4, 3, "Heaters", "Heater"},
    {4, 4, "Lights", "Light"},
    {4, 5, "Fans", "Fan"},
    {4, 6, "Detectors", "Detector"},
    {4, 7, "Outlets", "Outlet"},
    {4, 8, "Home Runs", "Home Run"},
    {4, 9, "Junction Boxes", "Junction Box"},
    {4, 10, "Pumps", "Pump"},
    {4, 11, "Thermostats", "Thermostat"},
    {4, 12, "Grounding", "Grounding"},
    {4, 13, "Motors", "Motor"},
    {4, 14, "Generators", "Generator"},
    {4, 15, "Transformers", "Transformer"},
    {4, 16, "Meters", "Meter"},
    {4, 17, "Alarms", "Alarm"},
    {4, 18, "Intercoms", "Intercom"},
    {4, 19, "Cameras", "Camera"},
    {4, 20, "Modems", "Modem"},
    {4, 21, "Network Routers", "Network Router"},
    {4, 22, "Sensors", "Sensor"},
    {4, 23, "Door Openers", "Door Opener"},
    {4, 24, "Door Strikes", "Door Strike"},
    {4, 25, "Control Panels", "Control Panel"},
    {4, 26, "Keypads", "Keypad"},
    {4, 27, "Surge Protectors", "Surge Protector"},
    {4, 28, "Battery Backups (UPS)", "Battery Backups (UPS)"},
    {4, 29, "Network Switches", "Network Switch"},
    {4, 30, "Network Hubs", "Network Hub"},
    {4, 31, "Service Panels", "Service Panel"},
    {4, 32, "Relays", "Relay"},
    {4, 33, "Motor Starters", "Motor Starter"},
    {4, 235, "General", "General"},
    {4, 248, "Arrows", "Arrow"},
    {4, 249, "Drawing Shapes", "Drawing Shape"},
    {4, 254, "Wires", "Wire"},
    {4, 10201, "Graphic Objects", "Graphic Object"},

    // Sub-category 5 (Structured)
    {5, 1, "Telephone Jacks", "Telephone Jack"},
    {5, 2, "Telephone Terminals", "Telephone Terminal"},
    {5, 3, "Network Jacks", "Network Jack"},
    {5, 4, "Network Routers", "Network Router"},
    {5, 5, "Cable Jacks", "Cable Jack"},
    {5, 6, "Cable Splitters", "Cable Splitter"},
    {5, 7, "Cameras", "Camera"},
    {5, 8, "Intercoms", "Intercom"},
    {5, 9, "Audio Jacks", "Audio Jack"},
    {5, 10, "Audio Controls", "Audio Control"},
    {5, 11, "Speakers", "Speakers"},
    {5, 12, "Connectors", "Connector"},
    {5, 13, "Detectors", "Detector"},
    {5, 14, "Alarms", "Alarm"},
    {5, 15, "Control Panels", "Control Panel"},
    {5, 16, "Keypads", "Keypad"},
    {5, 17, "Sensors", "Sensor"},
    {5, 18, "Switches", "Switch"},
    {5, 19, "Lights", "Light"},
    {5, 20, "Thermostats", "Thermostat"},
    {5, 21, "Transformers", "Transformer"},
    {5, 22, "Pumps", "Pump"},
    {5, 23, "Surge Protectors", "Surge Protector"},
    {5, 24, "Battery Backups", "Battery Backup"},
    {5, 25, "Door Openers", "Door Opener"},
    {5, 26, "Door Strikes", "Door Strike"},
    {5, 27, "Video Jacks", "Video Jack"},
    {5, 28, "Video Splitters", "Video Splitter"},
    {5, 29, "Video Monitors", "Video Monitor"},
    {5, 30, "Microphones", "Microphone"},
    {5, 31, "Motors", "Motor"},
    {5, 32, "Network Switches", "Network Switch"},
    {5, 33, "Network Hubs", "Network Hub"},
    {5, 34, "Modems", "Modem"},
    {5, 35, "Heaters", "Heater"},
    {5, 36, "Fans", "Fan"},
    {5, 37, "Miscellaneous", "Miscellaneous"},
    {5, 38, "Meters", "Meter"},
    {5, 248, "Arrows", "Arrow"},
    {5, 249, "Drawing Shapes", "Drawing Shape"},
    {5, 254, "Wires", "Wire"},
    {5, 10201, "Graphic Objects", "Graphic Object"},
};

// Where the reverse lookup departs from the upper-case forms of the forward
// names.
enum class ReverseRule {
  Unrecognised,    // neither name of the entry is recognised
  SingularOnly,    // only the singular name is recognised
  AlsoRecognised,  // `name` also gives the item type (entry or not)
};

constexpr int32_t kEverySubCategory = -1;

struct ReverseException {
  int32_t sub_category;
  int32_t item_type;
  ReverseRule rule;
  std::string_view name;
};

constexpr ReverseException kReverseExceptions[] = {
    {kEverySubCategory, 10201, ReverseRule::Unrecognised, {}},
    {2, 235, ReverseRule::Unrecognised, {}},
    {4, 31, ReverseRule::Unrecognised, {}},
    {4, 32, ReverseRule::Unrecognised, {}},
    {4, 33, ReverseRule::Unrecognised, {}},
    {4, 28, ReverseRule::AlsoRecognised, "BATTERY BACKUP (UPS)"},
    {4, 254, ReverseRule::SingularOnly, {}},
    {5, 11, ReverseRule::AlsoRecognised, "SPEAKER"},
    {5, 254, ReverseRule::SingularOnly, {}},
    {5, 235, ReverseRule::AlsoRecognised, "GENERAL"},
};

// ------------------------------------------------ the derived reverse table

constexpr std::size_t kLongestName = 21;

constexpr bool has_rule(int32_t sub_category, int32_t item_type, ReverseRule rule) {
  for (const ReverseException& e : kReverseExceptions) {
    if ((e.sub_category == sub_category || e.sub_category == kEverySubCategory) &&
        e.item_type == item_type && e.rule == rule) {
      return true;
    }
  }
  return false;
}

// An upper-case name stored by value, so the table can be built at compile
// time.
struct UpperName {
  std::array<char, kLongestName> bytes{};
  std::size_t size = 0;

  constexpr std::string_view view() const { return {bytes.data(), size}; }
};

constexpr UpperName upper_case(std::string_view name) {
  UpperName upper;
  for (const char c : name) {
    upper.bytes[upper.size++] = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
  }
  return upper;
}

struct StoredReverseName {
  int32_t sub_category;
  UpperName name;
  int32_t item_type;
};

// Calls `add(sub-category, name, item type)` for every name the reverse
// lookup recognises.
template <class Add>
constexpr void for_each_reverse_name(Add&& add) {
  for (const ItemName& entry : kItemNames) {
    const int32_t sub = entry.sub_category;
    const int32_t item = entry.item_type;
    if (has_rule(sub, item, ReverseRule::Unrecognised)) continue;
    add(sub, entry.singular, item);
    if (entry.plural != entry.singular && !has_rule(sub, item, ReverseRule::SingularOnly)) {
      add(sub, entry.plural, item);
    }
  }
  for (const ReverseException& e : kReverseExceptions) {
    if (e.rule == ReverseRule::AlsoRecognised) add(e.sub_category, e.name, e.item_type);
  }
}

constexpr std::size_t count_reverse_names() {
  std::size_t count = 0;
  for_each_reverse_name([&](int32_t, std::string_view, int32_t) { ++count; });
  return count;
}

constexpr auto build_reverse_names() {
  std::array<StoredReverseName, count_reverse_names()> names{};
  std::size_t used = 0;
  for_each_reverse_name([&](int32_t sub, std::string_view name, int32_t item) {
    names[used++] = StoredReverseName{sub, upper_case(name), item};
  });
  std::sort(names.begin(), names.end(), [](const StoredReverseName& a, const StoredReverseName& b) {
    return std::tuple(a.sub_category, a.name.view()) < std::tuple(b.sub_category, b.name.view());
  });
  return names;
}

constexpr auto kStoredReverseNames = build_reverse_names();

constexpr auto view_reverse_names() {
  std::array<ReverseItemName, kStoredReverseNames.size()> names{};
  for (std::size_t k = 0; k < names.size(); ++k) {
    names[k] = ReverseItemName{kStoredReverseNames[k].sub_category,
                               kStoredReverseNames[k].name.view(),
                               kStoredReverseNames[k].item_type};
  }
  return names;
}

constexpr auto kReverseNames = view_reverse_names();

// ------------------------------------------------------------ table checks

constexpr auto item_key(const ItemName& e) { return std::tuple(e.sub_category, e.item_type); }

constexpr bool forward_table_sound() {
  for (std::size_t k = 0; k < std::size(kItemNames); ++k) {
    const ItemName& e = kItemNames[k];
    if (e.sub_category < 0 || e.sub_category > 5) return false;
    if (e.plural.empty() || e.singular.empty()) return false;
    if (e.plural.size() > kLongestName || e.singular.size() > kLongestName) return false;
    for (const char c : std::string_view(e.plural)) {
      if (static_cast<unsigned char>(c) > 127) return false;
    }
    for (const char c : std::string_view(e.singular)) {
      if (static_cast<unsigned char>(c) > 127) return false;
    }
    if (k > 0 && !(item_key(kItemNames[k - 1]) < item_key(e))) return false;
  }
  return true;
}
static_assert(forward_table_sound(),
              "item names: sub-categories 0 to 5, ordered keys, ASCII names of 1 to 21 bytes");

constexpr bool no_name_twice_in_a_sub_category() {
  for (std::size_t k = 1; k < kReverseNames.size(); ++k) {
    if (kReverseNames[k].sub_category == kReverseNames[k - 1].sub_category &&
        kReverseNames[k].upper_name == kReverseNames[k - 1].upper_name) {
      return false;
    }
  }
  return true;
}
static_assert(no_name_twice_in_a_sub_category(), "a reverse name is unique in its sub-category");

}  // namespace

std::span<const ItemName> item_name_table() { return kItemNames; }

std::span<const ReverseItemName> reverse_item_name_table() { return kReverseNames; }

std::string_view symbol_item_name(int32_t category, int32_t sub_category, int32_t item_type,
                                  int32_t plural) {
  if (category != 1) return {};
  const auto key = std::tuple(sub_category, item_type);
  const auto* found = std::lower_bound(
      std::begin(kItemNames), std::end(kItemNames), key,
      [](const ItemName& e, const auto& k) { return item_key(e) < k; });
  if (found == std::end(kItemNames) || item_key(*found) != key) return {};
  return plural != 0 ? found->plural : found->singular;
}

int32_t symbol_item_type_from_upper_name(int32_t category, int32_t sub_category,
                                         std::string_view upper_name) {
  if (category != 1) return 0;
  const auto key = std::tuple(sub_category, upper_name);
  const auto* found = std::lower_bound(
      kReverseNames.begin(), kReverseNames.end(), key, [](const ReverseItemName& e, const auto& k) {
        return std::tuple(e.sub_category, e.upper_name) < k;
      });
  if (found == kReverseNames.end() || std::tuple(found->sub_category, found->upper_name) != key) {
    return 0;
  }
  return found->item_type;
}

int32_t symbol_item_type_from_name(int32_t category, int32_t sub_category,
                                   std::string_view name) {
  const std::string_view trimmed = trim(name);
  if (trimmed.size() > kLongestName) return 0;
  std::array<char, kLongestName> upper{};
  for (std::size_t k = 0; k < trimmed.size(); ++k) {
    upper[k] = static_cast<char>(upper_byte(static_cast<unsigned char>(trimmed[k])));
  }
  return symbol_item_type_from_upper_name(category, sub_category,
                                          std::string_view(upper.data(), trimmed.size()));
}

}  // namespace tolmer
