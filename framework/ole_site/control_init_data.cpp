#include "framework/ole_site/control_init_data.h"

#include <cstring>

namespace scalewright::ole {

namespace {

constexpr WORD kDialogInitType = 240;

template <class T>
T Read(const BYTE* at) {
  T value;
  std::memcpy(&value, at, sizeof value);
  return value;
}

}  // namespace

std::optional<std::vector<BYTE>> FindControlStream(const BYTE* bytes, std::size_t size,
                                                   WORD itemId) {
  // Entries: item id, message (words), data length (dword), data; a zero id ends.
  std::size_t at = 0;
  while (at + 2 <= size) {
    const WORD id = Read<WORD>(bytes + at);
    if (id == 0 || at + 8 > size) break;
    const WORD message = Read<WORD>(bytes + at + 2);
    const DWORD length = Read<DWORD>(bytes + at + 4);
    at += 8;
    if (length > size - at) break;
    if (id == itemId && message == kLoadFromStreamMessage) {
      if (length < 4) return std::nullopt;
      const DWORD keyChars = Read<DWORD>(bytes + at);
      const std::size_t skip = 4 + static_cast<std::size_t>(keyChars) * sizeof(WCHAR);
      if (skip > length) return std::nullopt;
      return std::vector<BYTE>(bytes + at + skip, bytes + at + length);
    }
    at += length;
  }
  return std::nullopt;
}

std::optional<std::vector<BYTE>> FindControlStream(HINSTANCE module, int templateId, WORD itemId) {
  HRSRC found =
      ::FindResourceA(module, MAKEINTRESOURCEA(templateId), MAKEINTRESOURCEA(kDialogInitType));
  if (!found) return std::nullopt;
  const auto* bytes = static_cast<const BYTE*>(::LockResource(::LoadResource(module, found)));
  if (!bytes) return std::nullopt;
  return FindControlStream(bytes, ::SizeofResource(module, found), itemId);
}

}  // namespace scalewright::ole
