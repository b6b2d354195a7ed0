// Positional fields through the exports: counts, fields, values and field
// replacement in a list buffer of exactly the documented room.
#include <cmath>
#include <cstring>

#include "frame/primitives.h"
#include "fuzz_input.h"
#include "text/fields.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::Input in(data, size);
  const int32_t position = in.small(-6, 12);
  const std::string delimiter = in.text(4);
  const std::string part = in.text(64);
  const std::string list = in.rest();

  const int32_t count = PARSECOUNTDLL(list.c_str(), delimiter.c_str());
  fuzz::check(count >= 1 && static_cast<size_t>(count) == tolmer::count_fields(list, delimiter));
  const std::string field = fuzz::take_result(GETSTRINGPARTFROMSTRINGBYPOSITION(list.c_str(), position, delimiter.c_str()));
  fuzz::check(field == tolmer::field_at(list, position, delimiter));
  if (position == 0 || position > count || position < -count) fuzz::check(field.empty());
  const double value = GETVALUEFROMSTRINGBYPOSITION(list.c_str(), position, delimiter.c_str());
  if (field.empty()) fuzz::check(value == 0);
  fuzz::check(!std::isnan(value));

  // Room: the list, the part and 3 bytes.
  for (int variant = 0; variant < 2; ++variant) {
    fuzz::Buffer buffer(list, list.size() + part.size() + 3);
    const int32_t length = variant == 0
                               ? SETSTRINGPARTINSTRINGBYPOSITION(buffer.data(), position, part.c_str(), delimiter.c_str())
                               : SETSTRINGPARTINSTRINGBYPOSITION2(buffer.data(), position, part.c_str(), delimiter.c_str());
    const auto expected = tolmer::replace_field(list, position, part, delimiter);
    if (position < 1 || position > count) fuzz::check(!expected.has_value());
    if (!expected.has_value()) {
      // No such field (a list wrapped in quotes, with the quote-comma-quote
      // delimiter, is counted inside its quotes): the buffer is untouched.
      fuzz::check(length == -1 && buffer.str() == list);
      fuzz::check(position < 1 || position > count || delimiter == "\",\"");
    } else {
      fuzz::check(length == static_cast<int32_t>(buffer.str().size()) && buffer.str() == *expected);
      fuzz::check(tolmer::trim(*expected).size() == expected->size());
    }
  }
  // A null list is not written; the answer is the length it would have.
  if (position == 1) {
    const int32_t null_length = SETSTRINGPARTINSTRINGBYPOSITION(nullptr, 1, part.c_str(), delimiter.c_str());
    const auto from_empty = tolmer::replace_field("", 1, part, delimiter);
    fuzz::check(from_empty.has_value() && null_length == static_cast<int32_t>(from_empty->size()));
  }
  return 0;
}
