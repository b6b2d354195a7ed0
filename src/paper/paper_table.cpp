// The paper table's storage and its initial records.
#include <algorithm>
#include <cstddef>
#include <new>
#include <string>

#include "paper/paper.h"

namespace tolmer::inline v1 {

namespace {

struct InitialPaper {
  const char* name;
  float width;
  float height;
};

// Records 0 to 26 and 40; 27 to 39 are blank. Every named record has margins
// of half an inch.
constexpr InitialPaper kNamedPapers[] = {
    {"Generic Letter", 8.5f, 11.0f},  {"Generic Legal", 8.5f, 14.0f},
    {"Generic Ledger", 8.5f, 17.0f},  {"Generic D", 17.0f, 22.0f},
    {"Generic F", 22.0f, 34.0f},      {"Generic G", 34.0f, 44.0f},
    {"Generic H", 28.0f, 40.0f},      {"Generic I", 11.0f, 42.0f},
    {"Generic J", 28.0f, 48.0f},      {"Generic K", 34.0f, 48.0f},
    {"Generic L", 40.0f, 48.0f},      {"Generic 2A0", 46.81f, 66.22f},
    {"Generic A0", 33.11f, 46.81f},   {"Generic A1", 23.39f, 33.11f},
    {"Generic A2", 16.54f, 23.39f},   {"Generic A3", 11.69f, 16.54f},
    {"Generic A4", 8.27f, 11.69f},    {"Generic A5", 5.83f, 8.27f},
    {"Generic A6", 4.13f, 5.83f},     {"Generic A7", 2.91f, 4.13f},
    {"Generic B0", 40.48f, 57.32f},   {"Generic B1", 28.66f, 40.48f},
    {"Generic B2", 20.24f, 28.66f},   {"Generic B3", 14.33f, 20.24f},
    {"Generic B4", 10.12f, 14.33f},   {"Generic B5", 7.17f, 10.12f},
    {"Generic B6", 5.04f, 7.17f},
};
constexpr int32_t kFirstBlank = 27;
constexpr int32_t kCustom = 40;
constexpr InitialPaper kCustomPaper = {"Generic Custom", 8.5f, 11.0f};

}  // namespace

int32_t size_paper_table(PaperState& state, int32_t upper_bound) {
  const auto lock = state.paper_lock.write();
  auto& table = state.paper;
  if (!table && upper_bound >= 0 && upper_bound < kMaxPaperRecords) {
    try {
      table.emplace(static_cast<std::size_t>(upper_bound) + 1);
    } catch (const std::bad_alloc&) {
      table.reset();
    }
  }
  return table ? static_cast<int32_t>(table->size()) - 1 : -1;
}

int32_t paper_upper_bound(const PaperState& state) {
  const auto lock = state.paper_lock.read();
  const auto& table = state.paper;
  return table ? static_cast<int32_t>(table->size()) - 1 : -1;
}

std::optional<PaperRecord> paper_record(const PaperState& state, int32_t index) {
  const auto lock = state.paper_lock.read();
  const auto& table = state.paper;
  if (!table || index < 0 || static_cast<std::size_t>(index) >= table->size()) return std::nullopt;
  const StoredPaper& r = (*table)[static_cast<std::size_t>(index)];
  return PaperRecord{std::string(paper_name(r)), r.width,       r.height,    r.top_margin,
                     r.bottom_margin,            r.left_margin, r.right_margin};
}

namespace {

// Changes the record at `index` with `change(StoredPaper&)` under the table's
// lock; nothing outside the table.
template <class Change>
void change_paper_record(PaperState& state, int32_t index, Change change) {
  const auto lock = state.paper_lock.write();
  auto& table = state.paper;
  if (!table || index < 0 || static_cast<std::size_t>(index) >= table->size()) return;
  change((*table)[static_cast<std::size_t>(index)]);
}

void write_record(StoredPaper& record, std::string_view name, float width, float height, float top,
                  float bottom, float left, float right) {
  record.name.fill(' ');
  std::copy_n(name.begin(), std::min(name.size(), record.name.size()), record.name.begin());
  record.width = width;
  record.height = height;
  record.top_margin = top;
  record.bottom_margin = bottom;
  record.left_margin = left;
  record.right_margin = right;
}

}  // namespace

void set_paper_item(PaperState& state, int32_t index, std::string_view name, float width, float height,
                    float top, float bottom, float left, float right) {
  change_paper_record(state, index, [&](StoredPaper& record) {
    write_record(record, name, width, height, top, bottom, left, right);
  });
}

void set_paper_field(PaperState& state, int32_t index, PaperField field, float value) {
  change_paper_record(state, index, [&](StoredPaper& record) {
    switch (field) {
      case PaperField::Width: record.width = value; break;
      case PaperField::Height: record.height = value; break;
      case PaperField::TopMargin: record.top_margin = value; break;
      case PaperField::BottomMargin: record.bottom_margin = value; break;
      case PaperField::LeftMargin: record.left_margin = value; break;
      case PaperField::RightMargin: record.right_margin = value; break;
    }
  });
}

void store_initial_paper_records(PaperState& state) {
  // All 41 records under one hold of the lock: a reader sees the table
  // before or after, never half restored.
  const auto lock = state.paper_lock.write();
  if (!state.paper) {
    try {
      state.paper.emplace(static_cast<std::size_t>(kCustom) + 1);
    } catch (const std::bad_alloc&) {
      return;  // no memory: the table stays absent
    }
  }
  auto& table = *state.paper;
  const auto store = [&](std::size_t index, const InitialPaper& paper, float margin) {
    if (index < table.size())
      write_record(table[index], paper.name, paper.width, paper.height, margin, margin, margin, margin);
  };
  std::size_t index = 0;
  for (const InitialPaper& paper : kNamedPapers) store(index++, paper, 0.5f);
  for (; index < static_cast<std::size_t>(kCustom); ++index) store(index, InitialPaper{"", 0, 0}, 0);
  static_assert(sizeof kNamedPapers / sizeof kNamedPapers[0] == kFirstBlank);
  store(static_cast<std::size_t>(kCustom), kCustomPaper, 0.5f);
}

}  // namespace tolmer
