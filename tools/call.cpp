// tolmer call: any export by name, with its arguments given as text.
//
// The export table gives each export's kinds; every argument is turned into
// its kind (numbers, text, buffers, references, records), the export is found
// by name in the library and called, and the result and every value written
// back through a reference or buffer is printed.
#include <algorithm>
#include <cstddef>
#include <cstring>
#include <ostream>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "cli.h"
#include "commands.h"
#include "library.h"

namespace tolmer::inline v1::tool {

const char* kind_name(Kind kind) {
  switch (kind) {
    case Kind::Void: return "nothing";
    case Kind::Integer: return "integer";
    case Kind::Single: return "single";
    case Kind::Double: return "double";
    case Kind::LibString: return "LibString";
    case Kind::IntegerRef: return "integer reference";
    case Kind::SingleRef: return "single reference";
    case Kind::DoubleRef: return "double reference";
    case Kind::Text: return "text";
    case Kind::TextBuffer: return "text buffer";
    case Kind::LibStringHandle: return "LibString handle";
    case Kind::DoubleRectRef: return "DoubleRect reference";
    case Kind::IntArrayDescriptorRef: return "integer array descriptor";
    case Kind::IntArrayRef: return "integer array";
    case Kind::BitsRef: return "bit string reference";
    case Kind::ByteRef: return "byte reference";
    case Kind::HostServicesRef: return "host services";
  }
  return "?";
}

bool is_address(Kind kind) {
  switch (kind) {
    case Kind::Void:
    case Kind::Integer:
    case Kind::Single:
    case Kind::Double:
    case Kind::LibString:
      return false;
    default:
      return true;
  }
}

namespace {

// A bit-string reference points into the middle of this many bytes, so that
// every bit number from -kBitsMargin * 8 to kBitsMargin * 8 - 1 stays inside.
constexpr std::size_t kBitsMargin = 32;

// One argument, held in the kind the export receives.
struct Slot {
  Kind kind = Kind::Integer;
  bool null = false;
  int32_t integer = 0;
  float single = 0;
  double real = 0;
  uint8_t byte = 0;
  std::string text;
  std::vector<char> bytes;  // buffer, counted string or bit string
  std::vector<int32_t> elements;
  DoubleRect rect{};
  TolmerLongArray descriptor{};
};

// The C value of a slot for its kind.
template <class K>
typename K::type pass(Slot& slot);

template <> int32_t pass<kinds::Integer>(Slot& s) { return s.integer; }
template <> float pass<kinds::Single>(Slot& s) { return s.single; }
template <> double pass<kinds::Double>(Slot& s) { return s.real; }
template <> int32_t* pass<kinds::IntegerRef>(Slot& s) { return s.null ? nullptr : &s.integer; }
template <> float* pass<kinds::SingleRef>(Slot& s) { return s.null ? nullptr : &s.single; }
template <> double* pass<kinds::DoubleRef>(Slot& s) { return s.null ? nullptr : &s.real; }
template <> const char* pass<kinds::Text>(Slot& s) { return s.null ? nullptr : s.text.c_str(); }
template <> char* pass<kinds::TextBuffer>(Slot& s) { return s.null ? nullptr : s.bytes.data(); }
template <> LibString pass<kinds::LibStringHandle>(Slot& s) {
  return s.null ? nullptr : s.bytes.data() + sizeof(uint32_t);
}
template <> const DoubleRect* pass<kinds::DoubleRectRef>(Slot& s) { return s.null ? nullptr : &s.rect; }
template <> const TolmerLongArray* pass<kinds::IntArrayDescriptorRef>(Slot& s) {
  return s.null ? nullptr : &s.descriptor;
}
template <> const int32_t* pass<kinds::IntArrayRef>(Slot& s) { return s.null ? nullptr : s.elements.data(); }
template <> void* pass<kinds::BitsRef>(Slot& s) { return s.null ? nullptr : s.bytes.data() + kBitsMargin; }
template <> uint8_t* pass<kinds::ByteRef>(Slot& s) { return s.null ? nullptr : &s.byte; }
template <> const TolmerHostServices* pass<kinds::HostServicesRef>(Slot&) { return nullptr; }

// The result of one call.
using Value = std::variant<std::monostate, int32_t, float, double, LibString>;

template <class Result, class Arguments>
struct Invoker;

template <class Result, class... Arguments>
struct Invoker<Result, std::tuple<Arguments...>> {
  using Pointer = typename ExportSignature<Result, std::tuple<Arguments...>>::Pointer;

  static Value invoke(void* address, std::vector<Slot>& slots) {
    return call(as_function<Pointer>(address), slots, std::index_sequence_for<Arguments...>{});
  }

  template <std::size_t... I>
  static Value call(Pointer function, [[maybe_unused]] std::vector<Slot>& slots, std::index_sequence<I...>) {
    if constexpr (std::is_void_v<typename Result::type>) {
      function(pass<Arguments>(slots[I])...);
      return Value{};
    } else {
      return Value{function(pass<Arguments>(slots[I])...)};
    }
  }
};

template <class... Arguments>
std::vector<Kind> kinds_of(std::tuple<Arguments...>) {
  return {Arguments::kind...};
}

struct Entry {
  const char* name;
  Kind result;
  std::vector<Kind> arguments;
  Value (*invoke)(void*, std::vector<Slot>&);
};

const std::vector<Entry>& entries() {
  using namespace kinds;
  using kinds::LibString;
  static const std::vector<Entry> table = {
#define TOLMER_EXPORT_ENTRY(name, result, args)                            \
  Entry{#name, result::kind, kinds_of(std::tuple<TOLMER_TOOL_UNPAREN args>{}), \
        &Invoker<result, std::tuple<TOLMER_TOOL_UNPAREN args>>::invoke},
#include "c_abi/export_table.h"
#undef TOLMER_EXPORT_ENTRY
  };
  return table;
}

const Entry* find_entry(std::string name) {
  name = ascii_upper(std::move(name));
  for (const Entry& entry : entries())
    if (name == entry.name) return &entry;
  return nullptr;
}

std::string signature(const Entry& entry) {
  std::string text = std::string(entry.name) + "(";
  for (std::size_t i = 0; i < entry.arguments.size(); ++i)
    text += std::string(i ? ", " : "") + kind_name(entry.arguments[i]);
  return text + ") -> " + kind_name(entry.result);
}

// The numbers of a comma-separated list ("1,-2,30"; empty for none).
std::vector<double> number_list(const std::string& text, const std::string& what) {
  std::vector<double> numbers;
  if (text.empty()) return numbers;
  std::size_t start = 0;
  while (true) {
    const std::size_t comma = text.find(',', start);
    numbers.push_back(parse_real(text.substr(start, comma - start), what));
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  return numbers;
}

// Fills a slot from its text. `room` is the size of a text buffer.
Slot prepare(Kind kind, const std::string& text, std::size_t room, const std::string& what) {
  Slot slot;
  slot.kind = kind;
  if (is_address(kind) && text == "NULL") {
    slot.null = true;
    return slot;
  }
  switch (kind) {
    case Kind::Integer:
    case Kind::IntegerRef:
      slot.integer = parse_integer(text, what);
      break;
    case Kind::Single:
    case Kind::SingleRef:
      slot.single = static_cast<float>(parse_real(text, what));
      break;
    case Kind::Double:
    case Kind::DoubleRef:
      slot.real = parse_real(text, what);
      break;
    case Kind::Text:
      slot.text = text;
      break;
    case Kind::TextBuffer:
      slot.bytes.assign(room, '\0');
      std::memcpy(slot.bytes.data(), text.data(), text.size());
      break;
    case Kind::LibStringHandle: {
      const uint32_t count = static_cast<uint32_t>(text.size());
      slot.bytes.assign(sizeof count + text.size() + 1, '\0');
      std::memcpy(slot.bytes.data(), &count, sizeof count);
      std::memcpy(slot.bytes.data() + sizeof count, text.data(), text.size());
      break;
    }
    case Kind::DoubleRectRef: {
      const auto numbers = number_list(text, what);
      if (numbers.size() != 4) throw UsageError(what + " must be four numbers x1,y1,x2,y2, not '" + text + "'");
      slot.rect = DoubleRect{numbers[0], numbers[1], numbers[2], numbers[3]};
      break;
    }
    case Kind::IntArrayDescriptorRef:
    case Kind::IntArrayRef:
      for (const double number : number_list(text, what)) {
        if (!(number >= -2147483648.0 && number <= 2147483647.0) || number != static_cast<int32_t>(number))
          throw UsageError(what + " must be 32-bit integers separated by commas, not '" + text + "'");
        slot.elements.push_back(static_cast<int32_t>(number));
      }
      if (kind == Kind::IntArrayDescriptorRef && !slot.elements.empty()) {
        slot.descriptor.elements = slot.elements.data();
        slot.descriptor.flags = TOLMER_LONG_ARRAY_HAS_STORAGE;
        slot.descriptor.lower_bound = 0;  // the library walks from index 0
        slot.descriptor.upper_bound = static_cast<int32_t>(slot.elements.size()) - 1;
      }
      if (slot.elements.empty()) slot.elements.push_back(0);  // an address to pass; never read
      break;
    case Kind::BitsRef: {
      slot.integer = parse_integer(text, what);
      slot.bytes.assign(2 * kBitsMargin, '\0');
      std::memcpy(slot.bytes.data() + kBitsMargin, &slot.integer, sizeof slot.integer);
      break;
    }
    case Kind::ByteRef: {
      const int32_t value = parse_integer(text, what);
      if (value < -128 || value > 255) throw UsageError(what + " must be a byte (0 to 255), not '" + text + "'");
      slot.byte = static_cast<uint8_t>(value & 0xFF);
      break;
    }
    case Kind::HostServicesRef:
      throw UsageError(what + " can only be NULL here (the library's own services)");
    case Kind::Void:
    case Kind::LibString:
      break;
  }
  return slot;
}

// Keeps the library inside the tool's storage where an argument says how far
// it reads: the last (and first) index of an integer array, the bit number of
// a bit string.
void check_reach(const Entry& entry, const std::vector<Slot>& slots) {
  // MAKELIBSTRING reads as many bytes as its length says: at most the text
  // and its NUL.
  if (std::strcmp(entry.name, "MAKELIBSTRING") == 0 && !slots[0].null &&
      static_cast<int64_t>(slots[1].integer) > static_cast<int64_t>(slots[0].text.size()) + 1)
    throw UsageError("MAKELIBSTRING would read " + std::to_string(slots[1].integer) + " bytes of a text of " +
                     std::to_string(slots[0].text.size()) + " (and its NUL)");
  for (std::size_t i = 0; i < entry.arguments.size(); ++i) {
    const Slot& slot = slots[i];
    if (slot.null || i + 1 >= slots.size() || entry.arguments[i + 1] != Kind::Integer) continue;
    if (entry.arguments[i] == Kind::IntArrayRef) {
      const int64_t last = slots[i + 1].integer;
      const bool has_first = i + 2 < slots.size() && entry.arguments[i + 2] == Kind::Integer;
      const int64_t first = has_first ? slots[i + 2].integer : 0;
      const auto count = static_cast<int64_t>(slot.elements.size());
      if (first <= last && (first < 0 || last >= count))
        throw UsageError("the array of argument " + std::to_string(i + 1) + " has indices 0 to " +
                         std::to_string(count - 1) + ", so it cannot be read from " + std::to_string(first) +
                         " to " + std::to_string(last));
    } else if (entry.arguments[i] == Kind::BitsRef) {
      const int64_t bit = slots[i + 1].integer;
      const auto reach = static_cast<int64_t>(kBitsMargin * 8);
      if (bit < -reach || bit >= reach)
        throw UsageError("bit number " + std::to_string(bit) + " lies outside the tool's storage (" +
                         std::to_string(-reach) + " to " + std::to_string(reach - 1) + ")");
    }
  }
}

std::string show(const Value& value) {
  if (std::holds_alternative<int32_t>(value)) return std::to_string(std::get<int32_t>(value));
  if (std::holds_alternative<float>(value)) return format_number(std::get<float>(value));
  if (std::holds_alternative<double>(value)) return format_number(std::get<double>(value));
  if (std::holds_alternative<LibString>(value)) return quoted(take(std::get<LibString>(value)));
  return "(none)";
}

// The value of an argument after the call, for the kinds the export writes.
std::optional<std::string> written_back(const Slot& slot) {
  if (slot.null) {
    switch (slot.kind) {
      case Kind::IntegerRef: case Kind::SingleRef: case Kind::DoubleRef: case Kind::TextBuffer:
      case Kind::BitsRef: case Kind::ByteRef:
        return "NULL";
      default:
        return std::nullopt;
    }
  }
  switch (slot.kind) {
    case Kind::IntegerRef: return std::to_string(slot.integer);
    case Kind::SingleRef: return format_number(slot.single);
    case Kind::DoubleRef: return format_number(slot.real);
    case Kind::TextBuffer: return quoted(std::string_view(slot.bytes.data(), ::strnlen(slot.bytes.data(), slot.bytes.size())));
    case Kind::BitsRef: {
      int32_t value = 0;
      std::memcpy(&value, slot.bytes.data() + kBitsMargin, sizeof value);
      return std::to_string(value);
    }
    case Kind::ByteRef: return std::to_string(slot.byte);
    default: return std::nullopt;
  }
}

int list_exports(std::ostream& out) {
  for (const Entry& entry : entries())
    out << signature(entry) << (find_export(entry.name) == nullptr ? "  [not in this library]" : "") << '\n';
  return kSuccess;
}

}  // namespace

int run_call(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
  std::size_t next = 0;
  bool initialize = true;
  for (; next < arguments.size() && arguments[next].rfind("--", 0) == 0; ++next) {
    if (arguments[next] == "--list") {
      if (arguments.size() != next + 1) throw UsageError("--list takes no further arguments");
      return list_exports(out);
    }
    if (arguments[next] == "--no-init") {
      initialize = false;
    } else {
      throw UsageError("unknown option " + arguments[next]);
    }
  }
  if (next >= arguments.size()) throw UsageError("the export to call is missing");

  // Calls separated by "+": EXPORT ARG... + EXPORT ARG...
  std::vector<std::vector<std::string>> calls(1);
  for (; next < arguments.size(); ++next) {
    if (arguments[next] == "+") {
      calls.emplace_back();
    } else {
      calls.back().push_back(arguments[next]);
    }
  }
  // Check every call before the first runs.
  std::vector<const Entry*> targets;
  std::size_t text_bytes = 0;
  for (const auto& call : calls) {
    if (call.empty()) throw UsageError("an export name must follow \"+\"");
    const Entry* entry = find_entry(call[0]);
    if (entry == nullptr) {
      // A look-up that finds nothing, like the other commands' look-ups.
      err << "tolmer call: no export named '" << call[0] << "' (tolmer call --list shows them all)\n";
      return kRejected;
    }
    if (call.size() - 1 != entry->arguments.size())
      throw UsageError(std::string(entry->name) + " takes " + std::to_string(entry->arguments.size()) +
                       " argument" + (entry->arguments.size() == 1 ? "" : "s") + ", not " +
                       std::to_string(call.size() - 1) + ": " + signature(*entry));
    targets.push_back(entry);
    for (const auto& argument : call) text_bytes += argument.size();
  }
  // Ample room for any buffer: every export writes at most the texts it was
  // given, twice over, plus a little.
  const std::size_t room = 2 * text_bytes + 4096;

  std::vector<std::vector<Slot>> prepared;
  for (std::size_t c = 0; c < calls.size(); ++c) {
    const Entry& entry = *targets[c];
    std::vector<Slot> slots;
    slots.reserve(entry.arguments.size());
    // FREELIBSTRING releases only what the library made: from the command
    // line that can only be the null handle.
    if (std::strcmp(entry.name, "FREELIBSTRING") == 0 && calls[c][1] != "NULL")
      throw UsageError("FREELIBSTRING releases results of the library; here it can only be given NULL");
    for (std::size_t i = 0; i < entry.arguments.size(); ++i)
      slots.push_back(prepare(entry.arguments[i], calls[c][i + 1], room,
                              "argument " + std::to_string(i + 1) + " of " + entry.name + " (" +
                                  kind_name(entry.arguments[i]) + ")"));
    check_reach(entry, slots);
    prepared.push_back(std::move(slots));
  }
  for (const Entry* entry : targets) require_export(entry->name);
  // The array descriptors point into their own slot's elements: set them
  // where the slots now stay.
  for (auto& slots : prepared)
    for (auto& slot : slots)
      if (slot.kind == Kind::IntArrayDescriptorRef && slot.descriptor.elements != nullptr)
        slot.descriptor.elements = slot.elements.data();

  if (initialize) initialize_library();
  for (std::size_t c = 0; c < calls.size(); ++c) {
    const Entry& entry = *targets[c];
    if (calls.size() > 1) out << "== " << entry.name << '\n';
    const Value value = entry.invoke(require_export(entry.name), prepared[c]);
    out << "result = " << show(value) << '\n';
    for (std::size_t i = 0; i < prepared[c].size(); ++i)
      if (const auto text = written_back(prepared[c][i])) out << "arg " << (i + 1) << " = " << *text << '\n';
  }
  return kSuccess;
}

}  // namespace tolmer::tool
