// tolmer::Library: one context holding everything the library keeps between
// calls (conversion places, millimetres per inch, pi, the drawing scales, the
// paper table, the temporary string array, the random seed and the host
// services: window, input, clock and folders).
//
// A Library is created initialised. Several Libraries are independent. Like a
// standard container, a Library may be used by one thread at a time, or by
// several threads at once through its const members only; the members that
// change it (non-const) need the caller's own exclusion. (The C interface's
// process-wide context is the exception: it is guarded inside, so that the
// exports may be called from any thread.)
//
// No member throws out of a lookup, a read or a format; results that may be
// absent are std::optional and diagnostics are values.
#pragma once

#include "tolmer/version.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "tolmer/types.h"
#include "tolmerdll_host.h"

namespace tolmer::inline v1 {

struct State;

class Library {
 public:
  // A context as after initialisation: conversion places 0, the scale
  // table, paper records 0 to 40, the temporary array with its empty entry
  // 0, the random seed 0xFFFFFFFF.
  Library();
  ~Library();
  Library(Library&&) noexcept;
  Library& operator=(Library&&) noexcept;
  Library(const Library&) = delete;
  Library& operator=(const Library&) = delete;

  // Initialises again: the scale table and paper records 0 to 40 get their
  // initial values, the temporary array is emptied; the conversion places,
  // the random seed and a larger or smaller paper table stay.
  void reinitialize();

  // ---- units
  // Inches times millimetres per inch (the single nearest 25.4).
  double inches_to_millimeters(double inches) const;
  float millimeters_to_inches(float millimeters) const;
  // The conversion places of a system (stored; nothing reads them).
  void set_conversion_places(System system, int32_t places);
  std::optional<int32_t> conversion_places(System system) const;

  // ---- lengths
  // The display text of a length.
  std::string format(double inches, const DisplayFormat& display) const;
  // Appends the display text to `out`: no allocation when its capacity
  // suffices.
  void format_to(std::string& out, double inches, const DisplayFormat& display) const;
  // A length split into feet, inches and the part of an inch (or metres and
  // millimetres).
  LengthParts split(float inches, System system, int32_t places) const;
  // Reads a typed entry (separation included). maximum: the largest number
  // per unit (no limit when 0 or less).
  LengthReading read_length(std::string_view entry, float maximum = 0) const;
  // Reads an entry already separated, without diagnostics of unread bytes.
  SeparatedReading read_separated(std::string_view separated, float maximum = 0) const;
  // Reads and checks an entry against limits, with the message and the echo
  // as values (no window involved).
  Validation validate(std::string_view entry, const EntryLimits& limits,
                      const DisplayFormat& display) const;
  // The same checks on an entry already separated, with the message box, the
  // selection, the focus and the echo going to the edit field `window`
  // through the host services in force (as the C interface does); the
  // length, or -1 / 0.
  float validate_in_window(int32_t window, std::string_view separated_entry,
                           const EntryLimits& limits, const DisplayFormat& display) const;

  // ---- drawing scales
  // One entry of the scale table (0 outside it).
  float scale_ratio(System system, ScalePart part, int32_t index) const;
  // The entry holding numerator : denominator.
  std::optional<int32_t> scale_index(System system, float numerator, float denominator) const;
  // A scale length between inches and millimetres: Metric divides by
  // millimetres per inch, English multiplies.
  float converted_scale_value(System system, float value) const;

  // ---- paper table
  // Creates the table with indices 0 to upper_bound when there is none
  // (this context always has one); the upper bound afterwards.
  int32_t size_paper_table(int32_t upper_bound);
  std::optional<int32_t> paper_upper_bound() const;
  // A copy of a record (name trimmed), nothing outside the table.
  std::optional<PaperRecord> paper(int32_t index) const;
  // A record's width or height as seen in an orientation.
  std::optional<float> paper_width(int32_t index, Orientation orientation) const;
  std::optional<float> paper_height(int32_t index, Orientation orientation) const;
  // Stores a record (the name cut or padded to 16 bytes); nothing outside.
  void set_paper(int32_t index, const PaperRecord& record);
  void set_paper_field(int32_t index, PaperField field, float value);
  // The first record whose name, trimmed and upper-cased, equals `name`
  // trimmed and upper-cased. When none does and `name` is a standard paper
  // name (tolmer/paper.h: "A4", "letter", "ARCH D"), the first record whose
  // size is that paper's within 0.5 mm, as stored or turned ("A4" finds
  // Generic A4, "Letter" Generic Letter). The C export keeps the first rule
  // alone.
  std::optional<int32_t> paper_index(std::string_view name) const;
  // The first record of that size, portrait or landscape (Metric: sizes in
  // millimetres).
  std::optional<PaperMatch> paper_index(System system, float width, float height) const;

  // ---- temporary string array
  // The first entry equal to `text` (a-z matching A-Z).
  std::optional<int32_t> temp_find(std::string_view text) const;
  // Appends a copy; its index (0 when the array cannot grow).
  int32_t temp_append(std::string_view text);
  // Leaves only the empty entry 0.
  void temp_clear();
  int32_t temp_upper_bound() const;
  std::optional<std::string> temp_entry(int32_t index) const;
  // One operation by its code, as the C interface takes it: search (0; the
  // index or -1), append (1; the index), clear (-1; 0), size (-2; the upper
  // bound); any other code: 0.
  int32_t temp_access(int32_t operation, std::string_view text);

  // ---- angles that use pi
  // angle + change in radians, wrapped once into [0, 2 pi].
  double rotate_radians(double angle, double change) const;

  // ---- random numbers
  // Seeds the generator from the clock.
  void randomize();
  // Sets and reads the seed (the C interface starts at 0xFFFFFFFF).
  void set_seed(uint32_t seed);
  uint32_t seed() const;
  // One draw from 10000 to 2147483647.
  int32_t random_value();
  // Draws until the value is not in `existing` (an empty list: one draw).
  int32_t unique_record_id(std::span<const int32_t> existing);

  // ---- host services (this context's own; other contexts do not see them)
  // Installs a host's table of operations for this context (null restores
  // every platform default); members outside the table's size, or cut by
  // it, keep their defaults. A table installed while another thread uses
  // the context is seen whole or not at all.
  void set_host_services(const TolmerHostServices* services);
  // The table in force (null members: the default), size of the whole
  // structure.
  TolmerHostServices host_services() const;
  // The path of a special folder (CSIDL number), empty when it has none.
  std::string special_folder(int32_t folder) const;
  // 1 left, 2 right, 3 middle, 0 none (over `window` when it is above 0).
  int32_t mouse_button(int32_t window) const;
  bool key_down(int32_t virtual_key) const;

  struct Impl;

 private:
  struct Uninitialised {};
  explicit Library(Uninitialised);
  friend Library& process_library();
  friend State& state_of(Library&);
  friend const State& state_of(const Library&);
  std::unique_ptr<Impl> impl_;
};

}  // namespace tolmer
