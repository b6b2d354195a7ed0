// The paper table's storage and its initial records.
#include <algorithm>
#include <cstddef>
#include <new>

#include "paper/paper.h"

namespace tolmer {

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

int32_t size_paper_table(int32_t upper_bound) {
  auto& table = state().paper;
  if (!table && upper_bound >= 0 && upper_bound < kMaxPaperRecords) {
    try {
      table.emplace(static_cast<std::size_t>(upper_bound) + 1);
    } catch (const std::bad_alloc&) {
      table.reset();
    }
  }
  return paper_upper_bound();
}

int32_t paper_upper_bound() {
  const auto& table = state().paper;
  return table ? static_cast<int32_t>(table->size()) - 1 : -1;
}

PaperInfo* mutable_paper_record(int32_t index) {
  auto& table = state().paper;
  if (!table || index < 0 || static_cast<std::size_t>(index) >= table->size()) return nullptr;
  return &(*table)[static_cast<std::size_t>(index)];
}

const PaperInfo* paper_record(int32_t index) { return mutable_paper_record(index); }

void set_paper_item(int32_t index, std::string_view name, float width, float height, float top,
                    float bottom, float left, float right) {
  PaperInfo* found = mutable_paper_record(index);
  if (found == nullptr) return;
  PaperInfo& record = *found;
  record.name.fill(' ');
  std::copy_n(name.begin(), std::min(name.size(), record.name.size()), record.name.begin());
  record.width = width;
  record.height = height;
  record.top_margin = top;
  record.bottom_margin = bottom;
  record.left_margin = left;
  record.right_margin = right;
}

void store_initial_paper_records() {
  int32_t index = 0;
  for (const InitialPaper& paper : kNamedPapers) {
    set_paper_item(index++, paper.name, paper.width, paper.height, 0.5f, 0.5f, 0.5f, 0.5f);
  }
  for (; index < kCustom; ++index) set_paper_item(index, "", 0, 0, 0, 0, 0, 0);
  static_assert(sizeof kNamedPapers / sizeof kNamedPapers[0] == kFirstBlank);
  set_paper_item(kCustom, kCustomPaper.name, kCustomPaper.width, kCustomPaper.height, 0.5f, 0.5f,
                 0.5f, 0.5f);
}

}  // namespace tolmer
