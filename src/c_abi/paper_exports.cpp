// The paper size table: the exports.
#include <string>

#include "c_abi/process.h"
#include "c_abi/abi.h"
#include "frame/precision.h"
#include "frame/primitives.h"
#include "paper/paper.h"

namespace {

using tolmer::Orientation;
using tolmer::PaperField;

tolmer::Library& library() { return tolmer::process_library(); }

// One margin of the record at `index`, 0 outside the table.
float get_margin(int32_t index, float tolmer::PaperRecord::*margin) {
  const auto record = library().paper(index);
  return record ? *record.*margin : 0.0f;
}

}  // namespace

TOLMER_EXPORT(int32_t) SIZEPAPERINFOARRAY(int32_t upper_bound) {
  return tolmer::abi::guarded(int32_t{0}, [&]() -> int32_t {
    return library().size_paper_table(upper_bound);
  });
}

TOLMER_EXPORT(int32_t) GETUBPAPERINFOARRAY(void) {
  return tolmer::abi::guarded(int32_t{0}, [&]() -> int32_t {
    return library().paper_upper_bound().value_or(-1);
  });
}

TOLMER_EXPORT(void)
SETPAPERINFOITEM(int32_t index, const char* name, float width, float height, float top_margin,
                 float bottom_margin, float left_margin, float right_margin) {
  tolmer::abi::guarded([&] {
    // Only the first 16 bytes of the name are kept.
    library().set_paper(index, {std::string(tolmer::abi::text_view(name).substr(0, 16)), width, height, top_margin,
                                bottom_margin, left_margin, right_margin});
  });
}

TOLMER_EXPORT(void)
GETPAPERINFOITEM(int32_t index, char* name, float* width, float* height, float* top_margin,
                 float* bottom_margin, float* left_margin, float* right_margin) {
  tolmer::abi::guarded([&] {
    namespace abi = tolmer::abi;
    const auto record = library().paper(index);
    if (!record) return;
    abi::write_buffer(name, record->name);
    abi::write(width, record->width);
    abi::write(height, record->height);
    abi::write(top_margin, record->top_margin);
    abi::write(bottom_margin, record->bottom_margin);
    abi::write(left_margin, record->left_margin);
    abi::write(right_margin, record->right_margin);
  });
}

TOLMER_EXPORT(LibString) GETPAPERINFONAME(int32_t index) {
  return tolmer::abi::guarded(LibString{}, [&]() -> LibString {
    const auto record = library().paper(index);
    return tolmer::abi::result(record ? std::string_view(record->name) : std::string_view());
  });
}

TOLMER_EXPORT(int32_t) GETPAPERINFONAMELENGTH(int32_t index) {
  return tolmer::abi::guarded(int32_t{0}, [&]() -> int32_t {
    const auto record = library().paper(index);
    return record ? static_cast<int32_t>(record->name.size()) : 0;
  });
}

TOLMER_EXPORT(float) GETPAPERINFOWIDTH(int32_t index, int32_t orientation) {
  return tolmer::abi::guarded(0.0f, [&]() -> float {
    return library().paper_width(index, static_cast<Orientation>(orientation)).value_or(0.0f);
  });
}

TOLMER_EXPORT(float) GETPAPERINFOHEIGHT(int32_t index, int32_t orientation) {
  return tolmer::abi::guarded(0.0f, [&]() -> float {
    return library().paper_height(index, static_cast<Orientation>(orientation)).value_or(0.0f);
  });
}

TOLMER_EXPORT(void) SETPAPERINFOWIDTH(int32_t index, float value) {
  tolmer::abi::guarded([&] {
    library().set_paper_field(index, PaperField::Width, value);
  });
}

TOLMER_EXPORT(void) SETPAPERINFOHEIGHT(int32_t index, float value) {
  tolmer::abi::guarded([&] {
    library().set_paper_field(index, PaperField::Height, value);
  });
}

TOLMER_EXPORT(float) GETPAPERINFOTOPMARGIN(int32_t index) {
  return tolmer::abi::guarded(0.0f, [&]() -> float {
    return get_margin(index, &tolmer::PaperRecord::top_margin);
  });
}

TOLMER_EXPORT(float) GETPAPERINFOBOTTOMMARGIN(int32_t index) {
  return tolmer::abi::guarded(0.0f, [&]() -> float {
    return get_margin(index, &tolmer::PaperRecord::bottom_margin);
  });
}

TOLMER_EXPORT(float) GETPAPERINFOLEFTMARGIN(int32_t index) {
  return tolmer::abi::guarded(0.0f, [&]() -> float {
    return get_margin(index, &tolmer::PaperRecord::left_margin);
  });
}

TOLMER_EXPORT(float) GETPAPERINFORIGHTMARGIN(int32_t index) {
  return tolmer::abi::guarded(0.0f, [&]() -> float {
    return get_margin(index, &tolmer::PaperRecord::right_margin);
  });
}

TOLMER_EXPORT(void) SETPAPERINFOTOPMARGIN(int32_t index, float value) {
  tolmer::abi::guarded([&] {
    library().set_paper_field(index, PaperField::TopMargin, value);
  });
}

TOLMER_EXPORT(void) SETPAPERINFOBOTTOMMARGIN(int32_t index, float value) {
  tolmer::abi::guarded([&] {
    library().set_paper_field(index, PaperField::BottomMargin, value);
  });
}

TOLMER_EXPORT(void) SETPAPERINFOLEFTMARGIN(int32_t index, float value) {
  tolmer::abi::guarded([&] {
    library().set_paper_field(index, PaperField::LeftMargin, value);
  });
}

TOLMER_EXPORT(void) SETPAPERINFORIGHTMARGIN(int32_t index, float value) {
  tolmer::abi::guarded([&] {
    library().set_paper_field(index, PaperField::RightMargin, value);
  });
}

TOLMER_EXPORT(int32_t) GETPAPERINDEXFROMPAPERNAME(char* name) {
  return tolmer::abi::guarded(int32_t{0}, [&]() -> int32_t {
    namespace abi = tolmer::abi;
    // The caller's buffer gets the name trimmed and upper-cased.
    const std::string wanted = tolmer::to_upper(tolmer::trim(abi::text_view(name)));
    abi::write_buffer(name, wanted);
    return library().paper_index(wanted).value_or(-1);
  });
}

TOLMER_EXPORT(int32_t)
GETPAPERINDEXFROMPAPERSIZE(int32_t system, float width, float height, int32_t* orientation) {
  return tolmer::abi::guarded(int32_t{0}, [&]() -> int32_t {
    const auto match = library().paper_index(static_cast<tolmer::System>(system), width, height);
    if (!match) return -1;
    tolmer::abi::write(orientation, static_cast<int32_t>(match->orientation));
    return match->index;
  });
}
