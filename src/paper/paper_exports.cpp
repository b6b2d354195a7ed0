// The paper size table: the exports.
#include <string>

#include "frame/abi.h"
#include "frame/precision.h"
#include "frame/primitives.h"
#include "paper/paper.h"

namespace {

using tolmer::PaperInfo;

// One margin of the record at `index`, 0 outside the table.
float get_margin(int32_t index, float PaperInfo::*margin) {
  const auto record = tolmer::paper_record(tolmer::state(), index);
  return record ? *record.*margin : 0.0f;
}

// Stores one field of the record at `index`; nothing outside the table.
void set_field(int32_t index, float PaperInfo::*field, float value) {
  tolmer::change_paper_record(tolmer::state(), index,
                              [&](PaperInfo& record) { record.*field = value; });
}

}  // namespace

TOLMER_EXPORT(int32_t) SIZEPAPERINFOARRAY(int32_t upper_bound) {
  return tolmer::size_paper_table(tolmer::state(), upper_bound);
}

TOLMER_EXPORT(int32_t) GETUBPAPERINFOARRAY(void) { return tolmer::paper_upper_bound(tolmer::state()); }

TOLMER_EXPORT(void)
SETPAPERINFOITEM(int32_t index, const char* name, float width, float height, float top_margin,
                 float bottom_margin, float left_margin, float right_margin) {
  tolmer::set_paper_item(tolmer::state(), index, tolmer::abi::text_view(name), width, height, top_margin,
                         bottom_margin, left_margin, right_margin);
}

TOLMER_EXPORT(void)
GETPAPERINFOITEM(int32_t index, char* name, float* width, float* height, float* top_margin,
                 float* bottom_margin, float* left_margin, float* right_margin) {
  namespace abi = tolmer::abi;
  const auto record = tolmer::paper_record(tolmer::state(), index);
  if (!record) return;
  abi::write_buffer(name, tolmer::paper_name(*record));
  abi::write(width, record->width);
  abi::write(height, record->height);
  abi::write(top_margin, record->top_margin);
  abi::write(bottom_margin, record->bottom_margin);
  abi::write(left_margin, record->left_margin);
  abi::write(right_margin, record->right_margin);
}

TOLMER_EXPORT(LibString) GETPAPERINFONAME(int32_t index) {
  const auto record = tolmer::paper_record(tolmer::state(), index);
  return tolmer::abi::result(!record ? std::string_view() : tolmer::paper_name(*record));
}

TOLMER_EXPORT(int32_t) GETPAPERINFONAMELENGTH(int32_t index) {
  const auto record = tolmer::paper_record(tolmer::state(), index);
  return !record ? 0 : static_cast<int32_t>(tolmer::paper_name(*record).size());
}

TOLMER_EXPORT(float) GETPAPERINFOWIDTH(int32_t index, int32_t orientation) {
  const auto record = tolmer::paper_record(tolmer::state(), index);
  return !record ? 0.0f : tolmer::paper_width(*record, orientation);
}

TOLMER_EXPORT(float) GETPAPERINFOHEIGHT(int32_t index, int32_t orientation) {
  const auto record = tolmer::paper_record(tolmer::state(), index);
  return !record ? 0.0f : tolmer::paper_height(*record, orientation);
}

TOLMER_EXPORT(void) SETPAPERINFOWIDTH(int32_t index, float value) {
  set_field(index, &PaperInfo::width, value);
}

TOLMER_EXPORT(void) SETPAPERINFOHEIGHT(int32_t index, float value) {
  set_field(index, &PaperInfo::height, value);
}

TOLMER_EXPORT(float) GETPAPERINFOTOPMARGIN(int32_t index) {
  return get_margin(index, &PaperInfo::top_margin);
}

TOLMER_EXPORT(float) GETPAPERINFOBOTTOMMARGIN(int32_t index) {
  return get_margin(index, &PaperInfo::bottom_margin);
}

TOLMER_EXPORT(float) GETPAPERINFOLEFTMARGIN(int32_t index) {
  return get_margin(index, &PaperInfo::left_margin);
}

TOLMER_EXPORT(float) GETPAPERINFORIGHTMARGIN(int32_t index) {
  return get_margin(index, &PaperInfo::right_margin);
}

TOLMER_EXPORT(void) SETPAPERINFOTOPMARGIN(int32_t index, float value) {
  set_field(index, &PaperInfo::top_margin, value);
}

TOLMER_EXPORT(void) SETPAPERINFOBOTTOMMARGIN(int32_t index, float value) {
  set_field(index, &PaperInfo::bottom_margin, value);
}

TOLMER_EXPORT(void) SETPAPERINFOLEFTMARGIN(int32_t index, float value) {
  set_field(index, &PaperInfo::left_margin, value);
}

TOLMER_EXPORT(void) SETPAPERINFORIGHTMARGIN(int32_t index, float value) {
  set_field(index, &PaperInfo::right_margin, value);
}

TOLMER_EXPORT(int32_t) GETPAPERINDEXFROMPAPERNAME(char* name) {
  namespace abi = tolmer::abi;
  const std::string wanted = tolmer::to_upper(tolmer::trim(abi::text_view(name)));
  abi::write_buffer(name, wanted);
  return tolmer::paper_index_from_name(tolmer::state(), wanted);
}

TOLMER_EXPORT(int32_t)
GETPAPERINDEXFROMPAPERSIZE(int32_t system, float width, float height, int32_t* orientation) {
  tolmer::ExtendedPrecision guard;
  const auto match = tolmer::paper_index_from_size(tolmer::state(), system, width, height);
  if (!match) return -1;
  tolmer::abi::write(orientation, static_cast<int32_t>(match->orientation));
  return match->index;
}
