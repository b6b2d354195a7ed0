// The paper size table: named paper sizes with their margins, in inches.
//
// The table is the `paper` member of a PaperState, guarded by its paper_lock:
// every function here takes the lock it needs, so records are read and
// written whole. It does not exist until initialisation or size_paper_table
// creates it, and its size never changes afterwards. Every operation that takes an index treats an index outside 0 to
// the upper bound (or a missing table) as naming no record: readers answer 0
// or the empty name and writers change nothing.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include <array>
#include <vector>

#include "frame/kept.h"
#include "measure/units.h"
#include "tolmer/types.h"

namespace tolmer::inline v1 {

// How the table stores a paper record: the name fixed at 16 bytes, space
// padded (the records are read as tolmer::PaperRecord, the name trimmed).
struct StoredPaper {
  std::array<char, 16> name{' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ',
                            ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' '};
  float width = 0;
  float height = 0;
  float top_margin = 0;
  float bottom_margin = 0;
  float left_margin = 0;
  float right_margin = 0;
};

// The table as a context keeps it; guarded by paper_lock.
struct PaperState {
  std::optional<std::vector<StoredPaper>> paper;
  TableLock paper_lock;
};

// The number of bytes of a record's name.
inline constexpr std::size_t kPaperNameBytes = 16;

// The most records size_paper_table creates (upper bound 16,777,215): a
// larger table is refused as memory that cannot be had.
inline constexpr int32_t kMaxPaperRecords = 1 << 24;

// Creates the table with indices 0 to `upper_bound`, all records blank (16
// spaces, zeros), when there is no table yet and 0 <= upper_bound <
// kMaxPaperRecords; an existing table is left as it is. Returns the upper
// bound afterwards (-1 when there is no table).
int32_t size_paper_table(PaperState& state, int32_t upper_bound);

// The table's upper bound, -1 when there is no table.
int32_t paper_upper_bound(const PaperState& state);

// A copy of the record at `index` (its name trimmed), or nothing outside the
// table.
std::optional<PaperRecord> paper_record(const PaperState& state, int32_t index);

// Sets one size or margin of the record at `index`; nothing outside the
// table.
void set_paper_field(PaperState& state, int32_t index, PaperField field, float value);

// Stores one record as SETPAPERINFOITEM does: the name cut or space padded to
// 16 bytes. An index outside the table (or no table) changes nothing.
void set_paper_item(PaperState& state, int32_t index, std::string_view name, float width, float height, float top,
                    float bottom, float left, float right);

// Creates the table with indices 0 to 40 when there is none, then stores the
// 41 initial records in index order as set_paper_item does; the records that
// do not fit a smaller table are skipped. One hold of the table's lock.
void store_initial_paper_records(PaperState& state);

// A stored record's name with leading and trailing spaces removed (a view
// into it).
std::string_view paper_name(const StoredPaper& record);

// A record's width and height as seen in an orientation (Landscape
// exchanges them; any other value gives the stored values).
float paper_width(const PaperRecord& record, Orientation orientation);
float paper_height(const PaperRecord& record, Orientation orientation);

// The first index whose name, trimmed and upper-cased, equals `name` byte for
// byte (the caller trims and upper-cases `name`), or -1.
int32_t paper_index_from_name(const PaperState& state, std::string_view name);

// The first record whose size equals width x height, each record tried
// portrait first and landscape second, with its orientation; no match gives
// nullopt. With the Metric `system` each record's width and height are taken
// in millimetres (inches_to_millimeters, rounded to single) before
// comparing; comparison is exact single-precision equality.
std::optional<PaperMatch> paper_index_from_size(const PaperState& state, const MeasureState& units,
                                                System system, float width, float height);

}  // namespace tolmer
