// The sub-item-type name table.
#include "catalog/sub_item_names.h"

#include <algorithm>
#include <iterator>
#include <tuple>

namespace tolmer::inline v1 {
namespace {

// sub-category, item type, sub-item type: name.
constexpr SubItemName kSubItemNames[] = {
    // Sub-category 1 (Walls/Windows/Doors)
    // item type 1 (Wall)
    {1, 1, 1, "Standard"},
    // item type 2 (Window)
    {1, 2, 1, "Double"},
    {1, 2, 2, "Single"},
    {1, 2, 3, "Bay"},
    // item type 3 (Door)
    {1, 3, 1, "Right Hand Door"},
    {1, 3, 2, "Left Hand Door"},
    {1, 3, 3, "Single Folding"},
    {1, 3, 4, "Double Folding"},
    {1, 3, 5, "Sliding"},

    // Sub-category 2 (Electrical Appliances)
    // item type 1 (Range)
    {2, 1, 1, "Range"},
    {2, 1, 2, "Range With Grill"},
    // item type 2 (Refrigerator)
    {2, 2, 1, "Single Door"},
    {2, 2, 2, "Double Door"},
    {2, 2, 3, "Chest Freezer"},
    // item type 3 (Washer)
    {2, 3, 1, "Top Load #1"},
    {2, 3, 2, "Top Load #2"},
    // item type 4 (Dryer)
    {2, 4, 1, "Dryer #1"},
    {2, 4, 2, "Dryer #2"},
    // item type 5 (Furnace)
    {2, 5, 1, "Furnace"},
    // item type 6 (Dish Washer)
    {2, 6, 1, "Dishwasher"},
    // item type 7 (Trash Compactor)
    {2, 7, 1, "Trash Compactor"},
    // item type 8 (Hot Water Heater)
    {2, 8, 1, "Water Heater"},
    // item type 11 (Hot Tub)
    {2, 11, 1, "Octagon Hottub"},
    {2, 11, 2, "Hottub"},

    // Sub-category 3 (Plumbing Fixtures)
    // item type 1 (Shower)
    {3, 1, 1, "Shower"},
    {3, 1, 2, "Corner Shower"},
    // item type 2 (Bath Tub)
    {3, 2, 1, "Bathtub"},
    {3, 2, 2, "Angular Bathtub"},
    // item type 3 (Toilet)
    {3, 3, 1, "Toilet"},
    // item type 4 (Sink)
    {3, 4, 1, "Sink"},
    {3, 4, 2, "Oval Sink"},
    {3, 4, 3, "Double Sink"},

    // Sub-category 4 (Power)
    // item type 1 (Receptacle)
    {4, 1, 1, "Duplex"},
    {4, 1, 2, "Split Wired"},
    {4, 1, 3, "Triplex"},
    {4, 1, 4, "Quadplex"},
    {4, 1, 5, "Range"},
    {4, 1, 6, "GFCI"},
    {4, 1, 7, "AFCI"},
    {4, 1, 8, "Dryer"},
    {4, 1, 9, "Floor Outlet"},
    {4, 1, 10, "Floor Duplex"},
    {4, 1, 11, "Weatherproof"},
    {4, 1, 12, "Isolated Ground #1"},
    {4, 1, 13, "Isolated Ground #2"},
    {4, 1, 14, "Single"},
    // item type 2 (Switch)
    {4, 2, 1, "Single Pole"},
    {4, 2, 2, "Three Way"},
    {4, 2, 3, "Four Way"},
    {4, 2, 4, "Dimmer"},
    {4, 2, 5, "Dimmer Master"},
    {4, 2, 6, "Single Pole, Double Throw"},
    {4, 2, 7, "Switch Receptacle"},
    {4, 2, 8, "Double Pole"},
    {4, 2, 9, "Timer"},
    {4, 2, 10, "Fused Disconnect"},
    {4, 2, 11, "Fused"},
    {4, 2, 12, "Fused Weatherproof"},
    {4, 2, 13, "Circuit Breaker"},
    {4, 2, 14, "Weatherproof Circuit Breaker"},
    {4, 2, 15, "Weatherproof"},
    {4, 2, 16, "Horizontally Mounted"},
    {4, 2, 17, "Key Opertated"},
    {4, 2, 18, "Key Operated With Pilot Light"},
    {4, 2, 19, "Remote Control"},
    {4, 2, 20, "Momentary"},
    {4, 2, 21, "Electrolier"},
    {4, 2, 22, "Switch Control"},
    {4, 2, 23, "Switch With Pilot Light"},
    {4, 2, 24, "Glow With Toggle"},
    {4, 2, 25, "Disconnect"},
    // item type 3 (Heater)
    {4, 3, 1, "Wall"},
    {4, 3, 2, "Baseboard"},
    {4, 3, 3, "Baseboard With Junction Box"},
    {4, 3, 4, "Unit Type"},
    {4, 3, 5, "Resistive"},
    {4, 3, 6, "Pipe Trace"},
    // item type 4 (Light)
    {4, 4, 1, "Light"},
    {4, 4, 2, "Ceiling #1"},
    {4, 4, 3, "Ceiling #2"},
    {4, 4, 4, "Wall #1"},
    {4, 4, 5, "Wall #2"},
    {4, 4, 6, "Wall #3"},
    {4, 4, 7, "Recessed #1"},
    {4, 4, 8, "Recessed #2"},
    {4, 4, 9, "Recessed #3"},
    {4, 4, 10, "Suspended #1"},
    {4, 4, 11, "Suspended #2"},
    {4, 4, 12, "Track"},
    {4, 4, 13, "Fluorescent"},
    {4, 4, 14, "Single Head Spot"},
    {4, 4, 15, "Double Head Spot"},
    // item type 5 (Fan)
    {4, 5, 1, "Paddle #1"},
    {4, 5, 2, "Paddel #2"},
    {4, 5, 3, "True Scale Paddle"},
    {4, 5, 4, "Ceiling"},
    {4, 5, 5, "Ventillation"},
    // item type 6 (Detector)
    {4, 6, 1, "Smoke"},
    {4, 6, 2, "Carbon Monoxide"},
    {4, 6, 3, "Automatic Heat"},
    {4, 6, 4, "Flame"},
    {4, 6, 5, "Hydrogen"},
    // item type 7 (Outlet)
    {4, 7, 1, "Ceiling"},
    {4, 7, 2, "Wall"},
    {4, 7, 3, "Ceiling Blanked"},
    {4, 7, 4, "Wall Blanked"},
    {4, 7, 5, "Ceiling Drop Cord"},
    {4, 7, 6, "Wall Drop Cord"},
    {4, 7, 7, "Ceiling Electric"},
    {4, 7, 8, "Wall Electric"},
    {4, 7, 9, "Ceiling Fan"},
    {4, 7, 10, "Wall Fan"},
    {4, 7, 11, "Ceiling Junction Box"},
    {4, 7, 12, "Wall Junction Box"},
    {4, 7, 13, "Ceiling Lamp Holder"},
    {4, 7, 14, "Wall Lamp Holder"},
    {4, 7, 15, "Ceiling Lamp Holder With Chain"},
    {4, 7, 16, "Wall Lamp Holder With Chain"},
    {4, 7, 17, "Ceiling Pull Switch"},
    {4, 7, 18, "Wall Pull Switch"},
    {4, 7, 19, "Ceiling Vapor"},
    {4, 7, 20, "Wall Vapor"},
    {4, 7, 21, "Ceiling Exit"},
    {4, 7, 22, "Wall Exit"},
    {4, 7, 23, "Ceiling Clock"},
    {4, 7, 24, "Wall Clock"},
    {4, 7, 25, "Special Purpose"},
    {4, 7, 26, "Special Purpose Wall"},
    // item type 9 (Junction Box)
    {4, 9, 1, "Junction Box"},
    {4, 9, 2, "Wall"},
    {4, 9, 3, "Floor"},
    // item type 11 (Thermostat)
    {4, 11, 1, "Line Voltage"},
    {4, 11, 2, "Line Voltage Generic"},
    // item type 12 (Grounding)
    {4, 12, 1, "Ground"},
    {4, 12, 2, "Rod"},
    // item type 13 (Motor)
    {4, 13, 1, "Motor"},
    {4, 13, 2, "1/4 HP Motor"},
    {4, 13, 3, "1/3 HP Motor"},
    {4, 13, 4, "1/2 HP Motor"},
    {4, 13, 5, "3/4 HP Motor"},
    {4, 13, 6, "1 HP Motor"},
    {4, 13, 7, "1-1/2 HP Motor"},
    {4, 13, 8, "3 HP Motor"},
    // item type 14 (Generator)
    {4, 14, 1, "Generator"},
    // item type 15 (Transformer)
    {4, 15, 1, "Pad Mount"},
    // item type 16 (Meter)
    {4, 16, 1, "Meter"},
    // item type 17 (Alarm)
    {4, 17, 1, "Door Bell"},
    {4, 17, 2, "Bell"},
    {4, 17, 3, "Door Chime"},
    {4, 17, 4, "Buzzer"},
    {4, 17, 5, "Fire Alarm"},
    {4, 17, 6, "Horn"},
    {4, 17, 7, "Security Mag Lock"},
    // item type 18 (Intercom)
    {4, 18, 1, "Flush Mounted"},
    {4, 18, 2, "Master Directory Unit"},
    {4, 18, 3, "Annunciator"},
    // item type 19 (Camera)
    {4, 19, 1, "CCTV Weatherproof"},
    // item type 20 (Modem)
    {4, 20, 1, "Cable"},
    // item type 21 (Network Router)
    {4, 21, 1, "Four Port Switch"},
    {4, 21, 2, "Eight Port Switch"},
    // item type 22 (Sensor)
    {4, 22, 1, "Motion #1"},
    {4, 22, 2, "Motion #2"},
    {4, 22, 3, "Motion #3"},
    {4, 22, 4, "Photo"},
    // item type 23 (Door Opener)
    {4, 23, 1, "Electric"},
    // item type 24 (Door Strike)
    {4, 24, 1, "Electric"},
    // item type 25 (Control Panel)
    {4, 25, 1, "Security"},
    // item type 235 (General)
    {4, 235, 1, "Home Run #1"},
    {4, 235, 2, "To Service Panel #1"},
    {4, 235, 3, "To Service Panel #2"},
    {4, 235, 4, "Two Wire Identifier"},
    {4, 235, 5, "Three Wire Identifier"},
    {4, 235, 6, "Four Wire Identifier"},
    // item type 254 (Wire)
    {4, 254, 1, "Curved"},
    {4, 254, 2, "Straight"},
    {4, 254, 3, "Sweeping"},

    // Sub-category 5 (Structured)
    // item type 1 (Telephone Jack)
    {5, 1, 1, "Telephone #1"},
    {5, 1, 2, "Telephone #2"},
    {5, 1, 3, "Outdoor"},
    {5, 1, 4, "Floor"},
    {5, 1, 5, "Wall"},
    {5, 1, 6, "Data"},
    {5, 1, 7, "Floor Data"},
    {5, 1, 8, "Fiber"},
    // item type 2 (Telephone Terminal)
    {5, 2, 1, "Single Punch Down"},
    {5, 2, 2, "Two Stack Punch Down"},
    {5, 2, 3, "Four Stack Punch Down"},
    {5, 2, 4, "Eight Stack Punch Down"},
    // item type 3 (Network Jack)
    {5, 3, 1, "Data #1"},
    {5, 3, 2, "Data #2"},
    {5, 3, 3, "Telephone Data"},
    {5, 3, 4, "Fiber"},
    {5, 3, 5, "Floor Type Telephone Data"},
    {5, 3, 6, "Floor Type Data"},
    // item type 4 (Network Router)
    {5, 4, 1, "Four Port Switch"},
    {5, 4, 2, "Eight Port Switch"},
    // item type 5 (Cable Jack)
    {5, 5, 1, "Cable Antenna"},
    {5, 5, 2, "Master Antenna"},
    {5, 5, 3, "CCTV Coaxial Cable Power"},
    // item type 6 (Cable Splitter)
    {5, 6, 1, "Two Way"},
    {5, 6, 2, "Four Way"},
    {5, 6, 3, "Eight Way"},
    // item type 7 (Camera)
    {5, 7, 1, "CCTV Weatherproof"},
    // item type 8 (Intercom)
    {5, 8, 1, "Flush Mounted"},
    {5, 8, 2, "Master Directory Unit"},
    {5, 8, 3, "Annunciator"},
    // item type 9 (Audio Jack)
    {5, 9, 1, "Audio Outlet"},
    {5, 9, 2, "Speaker Outlet"},
    {5, 9, 3, "Floor Mounted Microphone"},
    {5, 9, 4, "Floor Mounted Microphone"},
    // item type 10 (Audio Control)
    {5, 10, 1, "Volume #1"},
    {5, 10, 2, "Volume #2"},
    // item type 11 (Speakers)
    {5, 11, 1, "Ceiling"},
    {5, 11, 2, "Wall"},
    {5, 11, 3, "Speaker #1"},
    {5, 11, 4, "Speaker #2"},
    {5, 11, 5, "Ceiling Bi-Directional"},
    {5, 11, 6, "Wall Bi-Directional"},
    {5, 11, 7, "Horn"},
    // item type 13 (Detector)
    {5, 13, 1, "Smoke"},
    {5, 13, 2, "Carbon Monoxide"},
    {5, 13, 3, "Automatic Heat"},
    {5, 13, 4, "Flame"},
    {5, 13, 5, "Hydrogen"},
    // item type 14 (Alarm)
    {5, 14, 1, "Door Bell"},
    {5, 14, 2, "Bell"},
    {5, 14, 3, "Door Chime"},
    {5, 14, 4, "Buzzer"},
    {5, 14, 5, "Fire"},
    {5, 14, 6, "Horn"},
    {5, 14, 7, "Security Mag Lock"},
    // item type 15 (Control Panel)
    {5, 15, 1, "Security"},
    // item type 16 (Keypad)
    {5, 16, 1, "Security"},
    // item type 17 (Sensor)
    {5, 17, 1, "Motion #1"},
    {5, 17, 2, "Motion #2"},
    {5, 17, 3, "Motion #3"},
    {5, 17, 4, "Photo"},
    // item type 18 (Switch)
    {5, 18, 1, "Pushbutton"},
    {5, 18, 2, "Door #1"},
    {5, 18, 3, "Window Sensor"},
    {5, 18, 4, "Door #2"},
    {5, 18, 5, "Overhead Door"},
    {5, 18, 6, "Window Contact"},
    {5, 18, 7, "Glass Break"},
    {5, 18, 8, "Vibration"},
    {5, 18, 9, "Mat"},
    {5, 18, 10, "Low Voltage"},
    {5, 18, 11, "Low Voltage Master"},
    // item type 19 (Light)
    {5, 19, 1, "Light #1"},
    {5, 19, 2, "Light #2"},
    {5, 19, 3, "Light #3"},
    // item type 20 (Thermostat)
    {5, 20, 1, "Low Voltage"},
    {5, 20, 2, "Low Voltage Generic"},
    // item type 21 (Transformer)
    {5, 21, 1, "Low Voltage"},
    // item type 25 (Door Opener)
    {5, 25, 1, "Electric"},
    // item type 26 (Door Strike)
    {5, 26, 1, "Electric"},
    // item type 27 (Video Jack)
    {5, 27, 1, "Video"},
    {5, 27, 2, "Television"},
    {5, 27, 3, "CCTV Monitor"},
    // item type 28 (Video Splitter)
    {5, 28, 1, "Two Way"},
    {5, 28, 2, "Four Way"},
    {5, 28, 3, "Eight Way"},
    // item type 34 (Modem)
    {5, 34, 1, "Cable"},
    // item type 35 (Heater)
    {5, 35, 1, "Resistive"},
    // item type 36 (Fan)
    {5, 36, 1, "Ventillation"},
    // item type 254 (Wire)
    {5, 254, 1, "Curved"},
    {5, 254, 2, "Straight"},
    {5, 254, 3, "Sweeping"},
};

constexpr auto sub_item_key(const SubItemName& e) {
  return std::tuple(e.sub_category, e.item_type, e.sub_item_type);
}

constexpr bool sub_item_table_sound() {
  for (std::size_t k = 0; k < std::size(kSubItemNames); ++k) {
    const SubItemName& e = kSubItemNames[k];
    if (e.sub_category < 1 || e.sub_category > 5) return false;
    if (e.sub_item_type < 1 || e.sub_item_type > 254) return false;
    if (e.name.empty() || e.name.size() > 30) return false;
    if (k > 0 && !(sub_item_key(kSubItemNames[k - 1]) < sub_item_key(e))) return false;
  }
  return true;
}
static_assert(std::size(kSubItemNames) == 268, "the sub-item name table holds 268 keys");
static_assert(sub_item_table_sound(),
              "sub-item names: sub-categories 1 to 5, sub-item types 1 to 254, strictly "
              "ordered keys, names of 1 to 30 bytes");

}  // namespace

std::span<const SubItemName> sub_item_name_table() { return kSubItemNames; }

std::string_view symbol_sub_item_name(int32_t category, int32_t sub_category, int32_t item_type,
                                      int32_t sub_item_type) {
  if (category != 1) return {};
  const auto key = std::tuple(sub_category, item_type, sub_item_type);
  const auto* found =
      std::lower_bound(std::begin(kSubItemNames), std::end(kSubItemNames), key,
                       [](const SubItemName& e, const auto& k) { return sub_item_key(e) < k; });
  if (found == std::end(kSubItemNames) || sub_item_key(*found) != key) return {};
  return found->name;
}

}  // namespace tolmer
