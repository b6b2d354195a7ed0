// Installing a host's table of platform services: which of its members are
// taken, for every size the host may put in the table.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "c_abi/process.h"
#include "host/services.h"
#include "tolmerdll.h"

namespace {

int context_object = 0;

// A table with every member set (each callback a function of its own).
TolmerHostServices full_table() {
  TolmerHostServices table{};
  table.size = sizeof table;
  table.context = &context_object;
  table.show_message = [](void*, const char*, const char*) {};
  table.select_range = [](void*, int32_t, int32_t, int32_t) {};
  table.line_length = [](void*, int32_t, int32_t) -> int32_t { return 1; };
  table.set_focus = [](void*, int32_t) {};
  table.set_text = [](void*, int32_t, const char*) {};
  table.cursor_position = [](void*, int32_t*, int32_t*) -> int32_t { return 0; };
  table.window_from_point = [](void*, int32_t, int32_t) -> int32_t { return 2; };
  table.async_key_state = [](void*, int32_t) -> int32_t { return 0x8000; };
  table.tick_count = [](void*) -> uint32_t { return 3; };
  table.special_folder = [](void*, int32_t, char*, int32_t) -> int32_t { return -1; };
  return table;
}

struct Member {
  const char* name;
  std::size_t offset;
  std::size_t size;
};

#define TOLMER_MEMBER(name) \
  Member { #name, offsetof(TolmerHostServices, name), sizeof(TolmerHostServices::name) }
const Member kMembers[] = {
    TOLMER_MEMBER(context),         TOLMER_MEMBER(show_message),  TOLMER_MEMBER(select_range),
    TOLMER_MEMBER(line_length),     TOLMER_MEMBER(set_focus),     TOLMER_MEMBER(set_text),
    TOLMER_MEMBER(cursor_position), TOLMER_MEMBER(window_from_point),
    TOLMER_MEMBER(async_key_state), TOLMER_MEMBER(tick_count),    TOLMER_MEMBER(special_folder),
};
#undef TOLMER_MEMBER

bool bytes_equal(const TolmerHostServices& a, const TolmerHostServices& b, const Member& m) {
  return std::memcmp(reinterpret_cast<const unsigned char*>(&a) + m.offset,
                     reinterpret_cast<const unsigned char*>(&b) + m.offset, m.size) == 0;
}

class HostServices : public ::testing::Test {
 protected:
  void TearDown() override { SETHOSTSERVICES(nullptr); }
};

TEST_F(HostServices, EveryMemberIsListed) {
  std::size_t covered = offsetof(TolmerHostServices, context);
  for (const Member& m : kMembers) covered = m.offset + m.size;
  EXPECT_EQ(covered, sizeof(TolmerHostServices));
}

// For every size from 0 past the whole table: a member that lies entirely
// within the size is the host's; every other member is null (its default),
// also the one the size ends inside.
TEST_F(HostServices, SizeTakesOnlyWholeMembers) {
  const TolmerHostServices host = full_table();
  const TolmerHostServices none{};
  for (uint32_t size = 0; size <= sizeof host + 8; ++size) {
    TolmerHostServices table = host;
    table.size = size;
    SETHOSTSERVICES(&table);
    const TolmerHostServices& in_force = tolmer::state().services.installed();
    for (const Member& m : kMembers) {
      const bool whole = m.offset + m.size <= size;
      EXPECT_TRUE(bytes_equal(in_force, whole ? host : none, m))
          << m.name << " with size " << size << (whole ? ": not taken" : ": not the default");
    }
  }
}

TEST_F(HostServices, ACutCallbackKeepsThePlatformService) {
  TolmerHostServices table = full_table();
  // The size ends inside the keyboard callback: that callback is not taken.
  table.size = static_cast<uint32_t>(offsetof(TolmerHostServices, async_key_state) +
                                     sizeof table.async_key_state - 1);
  SETHOSTSERVICES(&table);
  EXPECT_EQ(tolmer::state().services.installed().async_key_state, nullptr);
#if !defined(_WIN32)
  EXPECT_EQ(GETKEYSTATE(65), 0);  // the portable default: nothing pressed
#endif
  // One byte more and it is the host's.
  table.size += 1;
  SETHOSTSERVICES(&table);
  EXPECT_EQ(GETKEYSTATE(65), 1);
}

TEST_F(HostServices, EachCallReplacesTheWholeTable) {
  TolmerHostServices table = full_table();
  SETHOSTSERVICES(&table);
  EXPECT_EQ(GETKEYSTATE(65), 1);
  // A shorter table: the keyboard callback from before is gone.
  table.size = static_cast<uint32_t>(offsetof(TolmerHostServices, async_key_state));
  SETHOSTSERVICES(&table);
  EXPECT_EQ(tolmer::state().services.installed().async_key_state, nullptr);
  EXPECT_NE(tolmer::state().services.installed().cursor_position, nullptr);
}

}  // namespace
