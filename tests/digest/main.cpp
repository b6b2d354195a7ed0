// tolmer_digest: runs every family of export calls (families.cpp) and prints
// one line per family, "family calls hash", then "total calls hash" (the
// hash of the families' hashes and counts). The same output on every
// platform is the check: scripts/digest.sh compares the runs.
//
// Usage: tolmer_digest [--dump family]
//   --dump family  also prints one line per call of that family: its number
//                  and the bytes fed to the hash in hexadecimal, to find the
//                  first call that differs between two platforms.
#include <cstdio>
#include <cstring>

#include "digest.h"

int main(int argc, char** argv) {
  using namespace digest;
  const char* dump_family = nullptr;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--dump") == 0 && i + 1 < argc) {
      dump_family = argv[++i];
    } else {
      std::fprintf(stderr, "usage: tolmer_digest [--dump family]\n");
      return 2;
    }
  }
  INITIALIZEDLL();

  Family total;
  total.name = "total";
  for (const FamilyRun& run : family_runs()) {
    Family family;
    family.name = run.name;
    family.dump = dump_family != nullptr && std::strcmp(dump_family, run.name) == 0;
    current = &family;
    run.run();
    std::printf("%-12s %9llu %016llx\n", family.name, static_cast<unsigned long long>(family.calls),
                static_cast<unsigned long long>(family.hash));
    // The total hashes the families' hashes and counts.
    current = &total;
    put_u64(family.hash, 8);
    put_u64(family.calls, 8);
    total.calls += family.calls;
  }
  std::printf("%-12s %9llu %016llx\n", total.name, static_cast<unsigned long long>(total.calls),
              static_cast<unsigned long long>(total.hash));
  return 0;
}
