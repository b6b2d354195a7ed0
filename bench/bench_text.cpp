// Text utilities over growing inputs: field counting and access against a
// memchr loop and a plain compare-and-count loop, string helpers, delimited
// lists and the temporary string array.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "bench_support.h"
#include "frame/primitives.h"
#include "text/delimited.h"
#include "text/fields.h"
#include "text/strings.h"
#include "text/temp_array.h"
#include "tolmerdll.h"
#include "c_abi/process.h"

namespace bench {

namespace {

// The inputs of one case: copies of one text. A 1 MiB text (or a list of
// 1,000 items) read over and over stays in the processor's caches while a
// 32 MiB one (or 100,000 items) comes from memory, which would make the larger
// case look worse than linear; so a case whose text is 8 KiB or more cycles
// through enough copies (64 MiB or more in all) that every call reads its
// input from memory, as the largest case does. Only the inputs of the case
// being run are kept.
const std::vector<std::string>& copies_of(const std::string& key, const std::function<std::string()>& make) {
  static std::string current_key;
  static std::vector<std::string> copies;
  if (key != current_key) {
    copies.clear();
    copies.shrink_to_fit();
    current_key = key;
    const std::string text = make();
    constexpr std::size_t kColdBytes = 64u << 20;
    const std::size_t size = text.size();
    const std::size_t count = size < (8u << 10) ? 1 : std::max<std::size_t>(2, (kColdBytes + size - 1) / size);
    copies.assign(count, text);
  }
  return copies;
}

const std::vector<std::string>& inputs(const std::string& kind, std::size_t size,
                                       const std::function<char(std::size_t)>& byte) {
  return copies_of(kind + "/" + std::to_string(size), [&] {
    std::string text(size, '\0');
    for (std::size_t i = 0; i < size; ++i) text[i] = byte(i);
    return text;
  });
}

// Texts of `size` bytes with a comma every `spacing` bytes (the last byte of
// each run of `spacing`), the other bytes letters.
const std::vector<std::string>& fields_texts(std::size_t size, std::size_t spacing) {
  return inputs("fields" + std::to_string(spacing), size, [spacing](std::size_t i) {
    return (i % spacing == spacing - 1) ? ',' : static_cast<char>('a' + i % 23);
  });
}

// Cycles through the copies of a case.
class Cycle {
 public:
  explicit Cycle(const std::vector<std::string>& copies) : copies_(copies) {}
  const std::string& next() {
    const std::string& text = copies_[index_];
    index_ = index_ + 1 == copies_.size() ? 0 : index_ + 1;
    return text;
  }
  const std::string& first() const { return copies_.front(); }

 private:
  const std::vector<std::string>& copies_;
  std::size_t index_ = 0;
};

struct Density {
  const char* name;
  std::size_t spacing;
};
constexpr Density kLong{"long", 4096};
constexpr Density kShort{"short", 8};

std::size_t memchr_count(const std::string& text, char delimiter) {
  std::size_t count = 1;
  const char* p = text.data();
  const char* end = p + text.size();
  while (const void* hit = std::memchr(p, delimiter, static_cast<std::size_t>(end - p))) {
    ++count;
    p = static_cast<const char*>(hit) + 1;
  }
  return count;
}

std::size_t compare_count(const std::string& text, char delimiter) {
  std::size_t count = 1;
  for (const char c : text) count += c == delimiter ? 1 : 0;
  return count;
}

void bytes_processed(benchmark::State& state, std::size_t size) {
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(size));
}

std::string size_name(std::size_t n) { return std::to_string(n); }

// The bytes of a LibString result, which is released.
std::string libstring_text(LibString result) {
  std::string text = result == nullptr ? std::string() : std::string(result, std::strlen(result));
  FREELIBSTRING(result);
  return text;
}

void register_field_counting() {
  for (const Density density : {kLong, kShort}) {
    for (const std::size_t size : text_sizes()) {
      const std::string suffix = std::string(density.name) + "/";
      const std::string tail = "/" + size_name(size);
      add("field_count/" + suffix + "library" + tail, [=](benchmark::State& state) {
        Cycle texts(fields_texts(size, density.spacing));
        if (!check(state, tolmer::count_fields(texts.first(), ",") == compare_count(texts.first(), ','),
                   "count_fields"))
          return;
        for (auto _ : state) benchmark::DoNotOptimize(tolmer::count_fields(texts.next(), ","));
        bytes_processed(state, size);
      });
      add("field_count/" + suffix + "memchr" + tail, [=](benchmark::State& state) {
        Cycle texts(fields_texts(size, density.spacing));
        for (auto _ : state) benchmark::DoNotOptimize(memchr_count(texts.next(), ','));
        bytes_processed(state, size);
      });
      add("field_count/" + suffix + "compare" + tail, [=](benchmark::State& state) {
        Cycle texts(fields_texts(size, density.spacing));
        for (auto _ : state) benchmark::DoNotOptimize(compare_count(texts.next(), ','));
        bytes_processed(state, size);
      });
      // Two passes as the export makes them: the length, then the count.
      add("field_count/" + suffix + "strlen_memchr" + tail, [=](benchmark::State& state) {
        Cycle texts(fields_texts(size, density.spacing));
        for (auto _ : state) {
          const std::string& text = texts.next();
          benchmark::DoNotOptimize(std::strlen(text.c_str()));
          benchmark::DoNotOptimize(memchr_count(text, ','));
        }
        bytes_processed(state, size);
      });
      // Through the export: the text's length is found first (its NUL).
      add("field_count/" + suffix + "export" + tail, [=](benchmark::State& state) {
        Cycle texts(fields_texts(size, density.spacing));
        if (!check(state,
                   static_cast<std::size_t>(PARSECOUNTDLL(texts.first().c_str(), ",")) ==
                       compare_count(texts.first(), ','),
                   "PARSECOUNTDLL"))
          return;
        for (auto _ : state) benchmark::DoNotOptimize(PARSECOUNTDLL(texts.next().c_str(), ","));
        bytes_processed(state, size);
      });
    }
  }
}

// One text operation over 1 KiB, 1 MiB and 32 MiB inputs: the report checks
// that each grows linearly.
void add_linear(const std::string& name, const std::vector<std::string>& (*make)(std::size_t),
                std::function<void(const std::string&)> operation,
                std::function<bool(const std::string&)> self_check = nullptr) {
  for (const std::size_t size : text_sizes()) {
    add("text_linear/" + name + "/" + size_name(size), [=](benchmark::State& state) {
      Cycle texts(make(size));
      if (self_check && !check(state, self_check(texts.first()), name)) return;
      for (auto _ : state) operation(texts.next());
      bytes_processed(state, size);
    });
  }
}

const std::vector<std::string>& short_fields(std::size_t size) { return fields_texts(size, kShort.spacing); }

// Spaces with one letter in the middle.
const std::vector<std::string>& blanks(std::size_t size) {
  return inputs("blanks", size, [size](std::size_t i) { return i == size / 2 ? 'x' : ' '; });
}

// Digits with one period a third of the way in.
const std::vector<std::string>& decimal_digits(std::size_t size) {
  return inputs("digits", size, [size](std::size_t i) {
    return i == size / 3 ? '.' : static_cast<char>('0' + i % 10);
  });
}

void register_text_scaling() {
  add_linear("field_count_comma_rule/library", short_fields,
             [](const std::string& text) { benchmark::DoNotOptimize(tolmer::count_fields(text, "")); },
             [](const std::string& text) { return tolmer::count_fields(text, "") == compare_count(text, ','); });
  add_linear("field_count_long_delimiter/library", short_fields, [](const std::string& text) {
    benchmark::DoNotOptimize(tolmer::count_fields(text, "a,b"));
  });
  add_linear("field_last/library", short_fields,
             [](const std::string& text) {
               const auto last = static_cast<int64_t>(text.size() / kShort.spacing + 1);
               benchmark::DoNotOptimize(tolmer::field_at(text, last, ",").data());
             },
             [](const std::string& text) {
               const auto last = static_cast<int64_t>(compare_count(text, ','));
               return tolmer::field_at(text, last, ",") == tolmer::field_at(text, -1, ",") &&
                      static_cast<std::size_t>(last) == text.size() / kShort.spacing + 1;
             });
  add_linear("field_from_end/library", short_fields, [](const std::string& text) {
    benchmark::DoNotOptimize(tolmer::field_at(text, -2, ",").data());
  });
  add_linear("field_value/export", short_fields, [](const std::string& text) {
    benchmark::DoNotOptimize(GETVALUEFROMSTRINGBYPOSITION(text.c_str(), -1, ","));
  });
  add_linear("field_replace/library", short_fields, [](const std::string& text) {
    const auto middle = static_cast<int64_t>(text.size() / kShort.spacing / 2);
    auto replaced = tolmer::replace_field(text, middle, "replacement", ",");
    benchmark::DoNotOptimize(replaced->data());
  });
  add_linear("reverse/library", short_fields, [](const std::string& text) {
    std::string reversed = tolmer::reverse_bytes(text);
    benchmark::DoNotOptimize(reversed.data());
  });
  add_linear("strip_blanks/library", blanks, [](const std::string& text) {
    benchmark::DoNotOptimize(tolmer::trim(text).data());
  });
  add_linear("is_unsigned_decimal/library", decimal_digits,
             [](const std::string& text) { benchmark::DoNotOptimize(tolmer::is_unsigned_decimal(text)); },
             [](const std::string& text) { return tolmer::is_unsigned_decimal(text); });
  add_linear("contains_characters/library", short_fields, [](const std::string& text) {
    benchmark::DoNotOptimize(tolmer::first_contained_character(text, "#$%&*?<>|"));
  });
}

// Entries of equal length, so a search compares every one in full.
std::string entry_text(std::size_t i) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "entry-%07zu", i);
  return buffer;
}

void register_temp_array() {
  for (const std::size_t n : item_counts()) {
    const std::string tail = "/" + size_name(n);
    add("temp_array/append/library" + tail, [=](benchmark::State& state) {
      std::vector<std::string> texts;
      for (std::size_t i = 0; i < n; ++i) texts.push_back(entry_text(i));
      for (auto _ : state) {
        tolmer::temp_array_clear(tolmer::state());
        for (const auto& text : texts) benchmark::DoNotOptimize(tolmer::temp_array_append(tolmer::state(), text));
      }
      check(state, tolmer::temp_array_upper_bound(tolmer::state()) == static_cast<int32_t>(n), "append count");
      state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * n));
      tolmer::temp_array_clear(tolmer::state());
    });
    add("temp_array/search/library" + tail, [=](benchmark::State& state) {
      tolmer::temp_array_clear(tolmer::state());
      for (std::size_t i = 0; i < n; ++i) tolmer::temp_array_append(tolmer::state(), entry_text(i));
      std::string wanted = entry_text(n - 1);
      wanted[0] = 'E';  // found regardless of case
      if (!check(state, tolmer::temp_array_search(tolmer::state(), wanted) == static_cast<int32_t>(n), "search"))
        return;
      for (auto _ : state) benchmark::DoNotOptimize(tolmer::temp_array_search(tolmer::state(), wanted));
      tolmer::temp_array_clear(tolmer::state());
    });
    add("temp_array/search/export" + tail, [=](benchmark::State& state) {
      tolmer::temp_array_clear(tolmer::state());
      for (std::size_t i = 0; i < n; ++i) tolmer::temp_array_append(tolmer::state(), entry_text(i));
      const std::string wanted = entry_text(n);  // absent: every entry compared
      if (!check(state, ACCESSTEMPSTRINGARRAY(0, wanted.c_str()) == -1, "export search")) return;
      for (auto _ : state) benchmark::DoNotOptimize(ACCESSTEMPSTRINGARRAY(0, wanted.c_str()));
      tolmer::temp_array_clear(tolmer::state());
    });
  }
}

// A delimited list of `n` items of equal length ("item-0000000,...").
std::string list_of(std::size_t n) {
  std::string list;
  for (std::size_t i = 0; i < n; ++i) {
    if (i > 0) list += ',';
    list += entry_text(i);
  }
  return list;
}

// The copies of a list of `n` items, each with room for a delimiter after it.
const std::vector<std::string>& lists_of(std::size_t n) {
  return copies_of("list/" + std::to_string(n), [n] { return list_of(n); });
}

void register_lists() {
  for (const std::size_t n : item_counts()) {
    const std::string tail = "/" + size_name(n);
    // Search for the last item, ignoring case and outer spaces (the list is
    // upper-cased and every field trimmed on the way).
    add("list/search/library" + tail, [=](benchmark::State& state) {
      Cycle lists(lists_of(n));
      std::string wanted = " " + entry_text(n - 1) + " ";
      wanted[1] = 'E';
      if (!check(state, tolmer::find_in_list(lists.first(), wanted, ",", false, false) == static_cast<int32_t>(n),
                 "find_in_list"))
        return;
      for (auto _ : state) benchmark::DoNotOptimize(tolmer::find_in_list(lists.next(), wanted, ",", false, false));
      state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * n));
    });
    add("list/search_exact/export" + tail, [=](benchmark::State& state) {
      Cycle lists(lists_of(n));
      const std::string wanted = entry_text(n);  // absent
      char delimiter[] = ",";
      for (auto _ : state)
        benchmark::DoNotOptimize(ISSTRINGINDELIMITEDSTRING(lists.next().c_str(), wanted.c_str(), delimiter, 1, 1));
      state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * n));
    });
    add("list/remove/library" + tail, [=](benchmark::State& state) {
      Cycle lists(lists_of(n));
      const auto middle = static_cast<int64_t>(n / 2 + 1);
      const auto removed = tolmer::remove_from_list(lists.first(), middle, ",");
      if (!check(state, removed.removed && removed.list.size() == lists.first().size() - entry_text(0).size() - 1,
                 "remove_from_list"))
        return;
      for (auto _ : state) {
        auto result = tolmer::remove_from_list(lists.next(), middle, ",");
        benchmark::DoNotOptimize(result.list.data());
      }
      state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * n));
    });
    // The export rewrites its buffer: each call works on a fresh copy of the
    // list, and that copy is part of the time measured.
    add("list/remove/export" + tail, [=](benchmark::State& state) {
      const std::string list = list_of(n);
      std::vector<char> buffer(list.size() + 1);
      const auto middle = static_cast<int32_t>(n / 2 + 1);
      for (auto _ : state) {
        std::memcpy(buffer.data(), list.c_str(), list.size() + 1);
        benchmark::DoNotOptimize(REMOVESTRINGINDELIMITEDSTRINGBYPOSITION(buffer.data(), middle, ","));
      }
      state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * n));
    });
    // The export writes the list and a delimiter back into the buffer; the
    // copies have room for it, and the delimiter is cut off again.
    add("list/add/export" + tail, [=](benchmark::State& state) {
      std::vector<std::string> lists = lists_of(n);
      const std::size_t size = lists.front().size();
      for (auto& list : lists) list.append("\0\0\0\0", 4);
      char delimiter[] = ",";
      if (!check(state, libstring_text(ADDTODELIMITEDSTRING(lists.front().data(), "new", delimiter)) ==
                                lists.front().substr(0, size) + ",new" &&
                            lists.front()[size] == ',',
                 "ADDTODELIMITEDSTRING"))
        return;
      lists.front()[size] = '\0';
      std::size_t i = 0;
      for (auto _ : state) {
        FREELIBSTRING(ADDTODELIMITEDSTRING(lists[i].data(), "new-item", delimiter));
        lists[i][size] = '\0';
        i = i + 1 == lists.size() ? 0 : i + 1;
      }
      state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * n));
    });
    add("list/join_integers/library" + tail, [=](benchmark::State& state) {
      std::vector<int32_t> values(n);
      for (std::size_t i = 0; i < n; ++i) values[i] = static_cast<int32_t>(i * 7919 - 500000);
      for (auto _ : state) {
        std::string joined = tolmer::join_integers(values, ",");
        benchmark::DoNotOptimize(joined.data());
      }
      state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * n));
    });
    add("list/value_in_array/export" + tail, [=](benchmark::State& state) {
      std::vector<int32_t> values(n);
      for (std::size_t i = 0; i < n; ++i) values[i] = static_cast<int32_t>(i);
      const auto last = static_cast<int32_t>(n - 1);
      if (!check(state, ISVALUEINLONGARRAY(last, values.data(), last, 0) == last, "ISVALUEINLONGARRAY")) return;
      for (auto _ : state) benchmark::DoNotOptimize(ISVALUEINLONGARRAY(last, values.data(), last, 0));
      state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * n));
    });
  }
}

}  // namespace

void register_text() {
  register_field_counting();
  register_text_scaling();
  register_temp_array();
  register_lists();
}

}  // namespace bench
