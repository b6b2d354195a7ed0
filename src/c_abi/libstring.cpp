#include "c_abi/libstring.h"

#include <cstdlib>
#include <cstring>
#include <limits>

#if defined(_WIN32)
#include <windows.h>
#include <oleauto.h>
#endif

namespace tolmer::inline v1 {

LibString make_libstring(std::string_view bytes) {
  if (bytes.empty() || bytes.size() > std::numeric_limits<uint32_t>::max() - 8) return nullptr;
#if defined(_WIN32)
  BSTR made = SysAllocStringByteLen(bytes.data(), static_cast<UINT>(bytes.size()));
  return reinterpret_cast<LibString>(made);
#else
  // Layout: 4-byte count, bytes, NUL (and one more NUL so the string also
  // ends on a whole 16-bit character, as the Windows allocator's do).
  auto* block = static_cast<char*>(std::malloc(sizeof(uint32_t) + bytes.size() + 2));
  if (block == nullptr) return nullptr;
  const auto count = static_cast<uint32_t>(bytes.size());
  std::memcpy(block, &count, sizeof count);
  std::memcpy(block + sizeof count, bytes.data(), bytes.size());
  block[sizeof count + bytes.size()] = '\0';
  block[sizeof count + bytes.size() + 1] = '\0';
  return block + sizeof count;
#endif
}

LibString make_zeroed_libstring(std::size_t count) {
  if (count == 0 || count > std::numeric_limits<uint32_t>::max() - 8) return nullptr;
#if defined(_WIN32)
  // Without a source the system allocator leaves the bytes unset.
  BSTR made = SysAllocStringByteLen(nullptr, static_cast<UINT>(count));
  if (made == nullptr) return nullptr;
  std::memset(made, 0, count);
  return reinterpret_cast<LibString>(made);
#else
  auto* block = static_cast<char*>(std::calloc(sizeof(uint32_t) + count + 2, 1));
  if (block == nullptr) return nullptr;
  const auto stored = static_cast<uint32_t>(count);
  std::memcpy(block, &stored, sizeof stored);
  return block + sizeof stored;
#endif
}

void free_libstring(LibString handle) {
  if (handle == nullptr) return;
#if defined(_WIN32)
  SysFreeString(reinterpret_cast<BSTR>(handle));
#else
  std::free(handle - sizeof(uint32_t));
#endif
}

std::string_view libstring_bytes(LibString handle) {
  if (handle == nullptr) return {};
  uint32_t count = 0;
  std::memcpy(&count, handle - sizeof count, sizeof count);
  return {handle, count};
}

}  // namespace tolmer
