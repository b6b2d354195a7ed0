// Bit operations: counting, finding, single bits, shifts, byte rotates.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

#include "tolmerdll.h"

namespace {

struct Count {
  int32_t value, count, expected;
};

TEST(Bits, GetTotalBitsSet) {
  const Count cases[] = {
      {-1, 0, 32},  {-1, 8, 8},   {255, 4, 4},   {0, 32, 0},    {-1, 33, 32},
      {-1, -5, 32}, {-1, 1, 1},   {-1, 31, 31},  {INT32_MIN, 31, 0}, {INT32_MIN, 32, 1},
      {0x0F0F, 12, 8},
  };
  for (const Count& c : cases) {
    SCOPED_TRACE(testing::Message() << c.value << " count " << c.count);
    EXPECT_EQ(GETTOTALBITSSET(c.value, c.count), c.expected);
  }
}

struct First {
  int32_t value, start, count, expected;
};

TEST(Bits, GetFirstBitSet) {
  const First cases[] = {
      {8, 0, 32, 3},          {8, 4, 32, -1},        {INT32_MIN, 0, 32, 31},
      {INT32_MIN, 0, 31, -1}, {1, 5, 3, -1},         {0, 0, 32, -1},
      {12, 3, 32, 3},         {12, 3, 3, -1},        {12, 0, 0, 2},
      {-1, 31, 32, 31},       {-1, 32, 32, -1},      {-1, 40, 99, -1},
      // A negative start bit begins at bit 0.
      {1, -1, 32, 0},         {8, -100, 32, 3},      {0, INT32_MIN, 32, -1},
  };
  for (const First& c : cases) {
    SCOPED_TRACE(testing::Message() << c.value << " from " << c.start << " count " << c.count);
    EXPECT_EQ(GETFIRSTBITSET(c.value, c.start, c.count), c.expected);
  }
}

TEST(Bits, SingleBitsOnA32BitVariable) {
  int32_t v = 0;
  SETBIT(&v, 31);
  EXPECT_EQ(v, INT32_MIN);
  EXPECT_EQ(EXAMINEBIT(&v, 31), 1);
  EXPECT_EQ(EXAMINEBIT(&v, 30), 0);
  TOGGLEBIT(&v, 31);
  EXPECT_EQ(v, 0);
  CLEARBIT(&v, 4);
  EXPECT_EQ(v, 0);
  SETBIT(&v, 0);
  SETBIT(&v, 9);
  EXPECT_EQ(v, 0x201);
  CLEARBIT(&v, 0);
  EXPECT_EQ(v, 0x200);
  TOGGLEBIT(&v, 1);
  EXPECT_EQ(v, 0x202);
}

TEST(Bits, BitTargetIsAByteString) {
  // Bit n is bit n mod 8 of byte n div 8: bit 35 lies in the second word.
  int32_t words[2] = {0, 0};
  SETBIT(words, 35);
  EXPECT_EQ(words[0], 0);
  EXPECT_EQ(words[1], 8);
  EXPECT_EQ(EXAMINEBIT(words, 35), 1);
  unsigned char bytes[3] = {0, 0, 0};
  SETBIT(bytes, 17);
  EXPECT_EQ(bytes[2], 2);
  EXPECT_EQ(bytes[0], 0);
  EXPECT_EQ(bytes[1], 0);
  TOGGLEBIT(bytes, 23);
  EXPECT_EQ(bytes[2], 0x82);
}

TEST(Bits, NegativeBitNumbersTouchNothing) {
  // Guards on either side would be overwritten by a stray access before the
  // target.
  unsigned char memory[12];
  std::memset(memory, 0xA5, sizeof memory);
  unsigned char* target = memory + 4;
  target[0] = target[1] = target[2] = target[3] = 0;
  for (int32_t n : {-1, -8, -9, -32, INT32_MIN}) {
    SETBIT(target, n);
    TOGGLEBIT(target, n);
    EXPECT_EQ(EXAMINEBIT(target, n), 0);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(memory[i], 0xA5) << n;
    for (int i = 4; i < 8; ++i) EXPECT_EQ(memory[i], 0) << n;
  }
  std::memset(target, 0xFF, 4);
  CLEARBIT(target, -1);
  EXPECT_EQ(memory[3], 0xA5);
  for (int i = 4; i < 8; ++i) EXPECT_EQ(memory[i], 0xFF);
  EXPECT_EQ(EXAMINEBIT(target, -1), 0);  // every bit of the target is set, still 0
}

TEST(Bits, NullTargetReadsAsZero) {
  EXPECT_EQ(EXAMINEBIT(nullptr, 3), 0);
  SETBIT(nullptr, 3);
  CLEARBIT(nullptr, 3);
  TOGGLEBIT(nullptr, 3);
  ROTATEBITSLEFT(nullptr, 1);
  ROTATEBITSRIGHT(nullptr, 1);
  SUCCEED();  // reaching here without a fault is the behaviour under test
}

struct Shift {
  int32_t value, count, expected;
};

TEST(Bits, ShiftBitsLeft) {
  const Shift cases[] = {
      {1, 31, INT32_MIN}, {1, 32, 1}, {3, 0, 3}, {1, -1, INT32_MIN}, {-1, 4, -16},
      {0x40000000, 1, INT32_MIN}, {INT32_MIN, 1, 0}, {5, 33, 10}, {1, INT32_MIN, 1},
  };
  for (const Shift& c : cases) {
    SCOPED_TRACE(testing::Message() << c.value << " << " << c.count);
    EXPECT_EQ(SHIFTBITSLEFT(c.value, c.count), c.expected);
  }
}

TEST(Bits, ShiftBitsRightIsLogical) {
  const Shift cases[] = {
      {INT32_MIN, 31, 1}, {-1, 1, 2147483647}, {-1, 0, -1}, {-1, 32, -1},
      {-1, -1, 1},        {256, 4, 16},        {-16, 28, 15}, {7, 33, 3},
  };
  for (const Shift& c : cases) {
    SCOPED_TRACE(testing::Message() << c.value << " >> " << c.count);
    EXPECT_EQ(SHIFTBITSRIGHT(c.value, c.count), c.expected);
  }
}

struct Rotate {
  uint8_t byte;
  int32_t count;
  uint8_t left, right;
};

TEST(Bits, RotateBitsLeftAndRight) {
  const Rotate cases[] = {
      {129, 1, 3, 192},   {129, 8, 129, 129}, {129, 0, 129, 129}, {129, 9, 3, 192},
      {129, -1, 192, 3},  {1, 7, 128, 2},     {0x12, 4, 0x21, 0x21}, {0, 3, 0, 0},
      {0x80, INT32_MIN, 0x80, 0x80},
  };
  for (const Rotate& c : cases) {
    SCOPED_TRACE(testing::Message() << int(c.byte) << " by " << c.count);
    uint8_t storage[3] = {0xEE, c.byte, 0xEE};
    ROTATEBITSLEFT(&storage[1], c.count);
    EXPECT_EQ(storage[1], c.left);
    storage[1] = c.byte;
    ROTATEBITSRIGHT(&storage[1], c.count);
    EXPECT_EQ(storage[1], c.right);
    EXPECT_EQ(storage[0], 0xEE);  // one byte only
    EXPECT_EQ(storage[2], 0xEE);
  }
}

}  // namespace
