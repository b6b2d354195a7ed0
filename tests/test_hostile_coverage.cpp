// The hostile-input suite calls every export of the export table.
#include <string>
#include <vector>

#include "test_hostile_support.h"

namespace {

std::vector<std::string> table_names() {
  return {
#define TOLMER_EXPORT_ENTRY(name, result, args) #name,
#include "c_abi/export_table.h"
#undef TOLMER_EXPORT_ENTRY
  };
}

TEST(HostileSuite, CallsEveryExport) {
  const std::vector<std::string> names = table_names();
  EXPECT_EQ(names.size(), 121u);
  for (const std::string& name : names) {
    EXPECT_EQ(hostile::covered().count(name), 1u) << name << " has no hostile-input test";
  }
  EXPECT_EQ(hostile::covered().size(), names.size());
}

}  // namespace
