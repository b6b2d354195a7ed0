// Angles (degrees unless named), rectangles and bits. (Rotation in radians
// uses the context's pi: tolmer::Library::rotate_radians.)
#pragma once

#include "tolmer/version.h"

#include <cstddef>
#include <cstdint>
#include <span>

#include "tolmer/types.h"

namespace tolmer::inline v1::geometry {

// A rectangle by two corners (tolmer::Rect).
using Rect = tolmer::Rect;

double reduce_to_360(double angle, bool allow_360);
double offset_from_angles(double start, double end, int32_t direction, double limit);
double add_angle_offset(double angle, double offset);
double rotate_degrees(double angle, double change);
double rotate_to_next_degree(double angle, double step);
// 1 past 360, -1 below 0, else 0.
int32_t angle_passed_through_zero(double angle, double change);

Rect lower_left_justified(Rect rect);
// How b lies in a: the codes of the C interface (RECTINRECT).
int32_t rect_in_rect(const Rect& a, const Rect& b);
bool is_point_in_rect(double x, double y, const Rect& rect, bool exclusive);

int32_t total_bits_set(int32_t value, int32_t count);
int32_t first_bit_set(int32_t value, int32_t start, int32_t count);
// Bits of a byte buffer, bit 0 the lowest of byte 0; a bit outside the
// buffer reads as 0 and is not written.
bool examine_bit(std::span<const std::byte> bits, int32_t bit);
void clear_bit(std::span<std::byte> bits, int32_t bit);
void set_bit(std::span<std::byte> bits, int32_t bit);
void toggle_bit(std::span<std::byte> bits, int32_t bit);
int32_t shift_bits_left(int32_t value, int32_t count);
int32_t shift_bits_right(int32_t value, int32_t count);
std::byte rotate_left(std::byte value, int32_t count);
std::byte rotate_right(std::byte value, int32_t count);

}  // namespace tolmer::geometry
