// The conversions of abi.h that are not inline.
#include "c_abi/abi.h"

#include "frame/primitives.h"

namespace tolmer::inline v1::abi {

std::size_t trim_and_upper_in_place(char* text, std::size_t length) {
  if (text == nullptr) return 0;
  const std::string_view trimmed = trim(std::string_view(text, length));
  if (!trimmed.empty()) std::memmove(text, trimmed.data(), trimmed.size());
  for (std::size_t k = 0; k < trimmed.size(); ++k) {
    text[k] = static_cast<char>(upper_byte(static_cast<unsigned char>(text[k])));
  }
  return trimmed.size();
}

}  // namespace tolmer::abi
