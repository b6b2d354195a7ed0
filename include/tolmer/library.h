// tolmer::Library: one context holding everything the library keeps between
// calls (conversion places, millimetres per inch, pi, the drawing scales, the
// paper table, the temporary string array, the random stream and the host
// services: window, input, clock and folders).
//
// A Library is created initialised. Several Libraries are independent.
//
// Threads: a Library is safe to share between threads. Every member, const
// or not, may be called concurrently with any other on the same Library:
// each table (places, scales, paper, the temporary array) has its own
// reader-writer lock (readers share, a writer excludes), the random stream
// its own mutex, and the host services are replaced whole (a call sees the
// set before or the set after, never a mixture). Each member is atomic on
// its own; a sequence of members is not: temp_find then temp_append may
// append a text another thread appended in between, and
// unique_record_id(existing) is unique against the list given, not against
// an id another thread draws meanwhile. reinitialize() while other threads
// use the context is allowed (each table is rebuilt under its own lock).
// Moving a Library (construction or assignment) is not a member call: no
// other thread may use either Library then.
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

#include "tolmer/host_services.h"
#include "tolmer/types.h"

namespace tolmer::inline v1 {

struct State;

// The seed of a Library's random stream.
struct RandomSeed {
  uint64_t value = 0;
};

class Library {
 public:
  // A context as after initialisation: conversion places 0, the scale
  // table, paper records 0 to 40, the temporary array with its empty entry
  // 0, the platform's host services, and a random stream seeded from the
  // operating system's entropy (as randomize() seeds it).
  Library();
  // The same, with the random stream of `seed`: two Libraries made with one
  // seed draw the same values (seed() of any Library replays its stream
  // from its last seeding).
  explicit Library(RandomSeed seed);
  ~Library();
  Library(Library&&) noexcept;
  Library& operator=(Library&&) noexcept;
  Library(const Library&) = delete;
  Library& operator=(const Library&) = delete;

  // Initialises again: the scale table and paper records 0 to 40 get their
  // initial values, the temporary array is emptied; the conversion places,
  // the random stream, the host services and a larger or smaller paper
  // table stay.
  void reinitialize();

  // ---- units
  // Inches times millimetres per inch (the single nearest 25.4).
  [[nodiscard]] double inches_to_millimeters(double inches) const noexcept;
  [[nodiscard]] float millimeters_to_inches(float millimeters) const noexcept;
  // The conversion places of a system (stored; nothing reads them).
  void set_conversion_places(System system, int32_t places);
  [[nodiscard]] std::optional<int32_t> conversion_places(System system) const;

  // ---- lengths
  // The display text of a length.
  [[nodiscard]] std::string format(double inches, const DisplayFormat& display) const;
  // Appends the display text to `out`: no allocation when its capacity
  // suffices.
  void format_to(std::string& out, double inches, const DisplayFormat& display) const;
  // A length split into feet, inches and the part of an inch (or metres and
  // millimetres).
  [[nodiscard]] LengthParts split(float inches, System system, int32_t places) const;
  // Reads a typed entry (separation included). maximum: the largest number
  // per unit (no limit when 0 or less).
  [[nodiscard]] LengthReading read_length(std::string_view entry, float maximum = 0) const;
  // Reads an entry already separated, without diagnostics of unread bytes:
  // the length, or the unit whose number exceeded the maximum with that
  // number's bytes (0-based, in `separated`).
  [[nodiscard]] SeparatedReading read_separated(std::string_view separated,
                                                float maximum = 0) const;
  // Reads and checks an entry against limits, with the message and the echo
  // as values (no window involved).
  [[nodiscard]] Validation validate(std::string_view entry, const EntryLimits& limits,
                                    const DisplayFormat& display) const;
  // The same checks on an entry already separated, with the message box, the
  // selection, the focus and the echo going to the edit field `window`
  // through the host services in force; the length, or -1 (a number too
  // large for its unit) / 0 (a total outside the limits).
  float validate_in_window(int32_t window, std::string_view separated_entry,
                           const EntryLimits& limits, const DisplayFormat& display) const;

  // ---- drawing scales
  // One entry of the scale table (0 outside it).
  [[nodiscard]] float scale_ratio(System system, ScalePart part, int32_t index) const;
  // The entry holding numerator : denominator.
  [[nodiscard]] std::optional<int32_t> scale_index(System system, float numerator,
                                                   float denominator) const;
  // A scale length between inches and millimetres: Metric divides by
  // millimetres per inch, English multiplies.
  [[nodiscard]] float converted_scale_value(System system, float value) const noexcept;

  // ---- paper table
  // Creates the table with indices 0 to upper_bound when there is none
  // (this context always has one); the upper bound afterwards.
  int32_t size_paper_table(int32_t upper_bound);
  [[nodiscard]] std::optional<int32_t> paper_upper_bound() const;
  // A copy of a record (name trimmed), nothing outside the table.
  [[nodiscard]] std::optional<PaperRecord> paper(int32_t index) const;
  // A record's width or height as seen in an orientation.
  [[nodiscard]] std::optional<float> paper_width(int32_t index, Orientation orientation) const;
  [[nodiscard]] std::optional<float> paper_height(int32_t index, Orientation orientation) const;
  // Stores a record (the name cut or padded to 16 bytes); nothing outside.
  void set_paper(int32_t index, const PaperRecord& record);
  void set_paper_field(int32_t index, PaperField field, float value);
  // The first record whose name, trimmed and upper-cased, equals `name`
  // trimmed and upper-cased. When none does and `name` is a standard paper
  // name (tolmer/paper.h: "A4", "letter", "ARCH D"), the first record whose
  // size is that paper's within 0.5 mm, as stored or turned ("A4" finds
  // Generic A4, "Letter" Generic Letter). The C export keeps the first rule
  // alone.
  [[nodiscard]] std::optional<int32_t> paper_index(std::string_view name) const;
  // The first record of that size, portrait or landscape (Metric: sizes in
  // millimetres).
  [[nodiscard]] std::optional<PaperMatch> paper_index(System system, float width,
                                                      float height) const;

  // ---- temporary string array: entry 0 is always the empty text, the
  // texts appended follow it.
  // The first entry equal to `text` (a-z matching A-Z).
  [[nodiscard]] std::optional<int32_t> temp_find(std::string_view text) const;
  // Appends a copy; its index (0 when the array cannot grow).
  int32_t temp_append(std::string_view text);
  // Leaves only the empty entry 0.
  void temp_clear();
  // The index of the last entry (0 when only the empty entry is there).
  [[nodiscard]] int32_t temp_upper_bound() const;
  [[nodiscard]] std::optional<std::string> temp_entry(int32_t index) const;

  // ---- angles that use pi
  // angle + change in radians, wrapped once into [0, 2 pi].
  [[nodiscard]] double rotate_radians(double angle, double change) const noexcept;

  // ---- random numbers
  // Each Library draws from its own stream: a 64-bit permuted congruential
  // generator whose seed selects both the starting state and the stream
  // (the odd increment). Two Libraries with different seeds draw different
  // sequences, not one sequence shifted; so neither repeats the other's
  // identifiers in order, and a value both draw is a coincidence of two
  // independent streams (about one in 2^31 per pair of draws), which no
  // generator of 31-bit identifiers can rule out. (The C interface's
  // process-wide context keeps its own 32-bit generator, with one cycle of
  // 2^32 that every seed enters at another place: two of its seeds are the
  // same sequence shifted.)
  //
  // Seeds the stream anew from the operating system's entropy (mixed with a
  // clock and a count of the seeds made in the process: two Libraries
  // randomized at once get different seeds).
  void randomize();
  // Seeds the stream with `seed`: the draws that follow are those of
  // Library(RandomSeed{seed}).
  void set_seed(uint64_t seed);
  // The seed of the last seeding (given, or drawn from entropy).
  [[nodiscard]] uint64_t seed() const;
  // One draw from 10000 to 2147483647.
  [[nodiscard]] int32_t random_value();
  // Draws until the value is not in `existing` (an empty list: one draw).
  [[nodiscard]] int32_t unique_record_id(std::span<const int32_t> existing);

  // ---- host services (this context's own; other contexts do not see them)
  // Installs a host's services for this context, replacing the whole set
  // installed before; an empty function keeps the platform's own service
  // for that operation (HostServices{} restores every default). A set
  // installed while another thread uses the context is seen whole or not
  // at all. See tolmer/host_services.h for ownership and threads.
  void set_host_services(HostServices services);
  // The set in force (empty functions: the defaults).
  [[nodiscard]] HostServices host_services() const;
  // The path of a special folder; none when the platform (or the host) has
  // no such folder, or it is not an existing directory.
  [[nodiscard]] std::optional<std::string> special_folder(SpecialFolder folder) const;
  // The mouse button held or pressed since the previous query, tried left,
  // right, middle in that order. A window above 0 gives None unless the
  // cursor is over exactly that window.
  [[nodiscard]] MouseButton mouse_button(int32_t window = 0) const;
  // Whether a key (by its virtual-key number) is down now.
  [[nodiscard]] bool key_down(int32_t virtual_key) const;

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
