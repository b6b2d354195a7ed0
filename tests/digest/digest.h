// The digest program's hashing and input helpers, shared by its families.
#ifndef TOLMER_TESTS_DIGEST_DIGEST_H
#define TOLMER_TESTS_DIGEST_DIGEST_H

#include <cstdint>
#include <string>
#include <vector>

#include "tolmerdll.h"

namespace digest {

// One family's running hash (64-bit FNV-1a) and count of calls.
struct Family {
  const char* name = "";
  std::uint64_t hash = 0xcbf29ce484222325ull;
  std::uint64_t calls = 0;
  bool dump = false;  // print each call's bytes
  std::string line;   // the current call's bytes in hexadecimal, when dumping
};
// The family that put() and done() feed.
extern Family* current;

// Feeds a result of the current call into its family's hash: integers and
// the bits of reals little-endian, texts as their length and bytes.
void feed(const void* data, std::size_t size);
void put_u64(std::uint64_t value, int bytes);
void put(std::int32_t value);
void put(float value);
void put(double value);
void put_text(const char* text);  // a NUL-terminated buffer the export wrote
void put(LibString handle);       // a LibString result, released afterwards
// Ends one call of the current family.
void done();

// The real nearest p / q (q > 0), ties to even, computed in integers.
double dratio(std::int64_t p, std::int64_t q);
float fratio(std::int64_t p, std::int64_t q);
// Reals from their bit patterns, and back.
float fbits(std::uint32_t bits);
double dbits(std::uint64_t bits);
std::uint32_t bits_of(float value);
std::uint64_t bits_of(double value);
// Decimal text of an integer, written by this program.
std::string dec(long long value);
// A pseudo-random walk of integers: i * 7919 modulo n (i, n >= 0).
std::int64_t spread(std::int64_t i, std::int64_t n);

struct FamilyRun {
  const char* name = "";
  void (*run)();
};
// The family of today's reading (reading_family.cpp).
void today_reading();

// Every family, in the order they run and print.
const std::vector<FamilyRun>& family_runs();

}  // namespace digest

#endif
