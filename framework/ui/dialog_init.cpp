#include "framework/ui/dialog_init.h"

#include <cstring>
#include <string>

namespace scalewright::ui {

namespace {
// The 16-bit numbers that resource editors still write for the two messages.
constexpr WORD kOldListAddString = 0x0401;
constexpr WORD kOldComboAddString = 0x0403;
}  // namespace

bool ApplyDialogInit(HWND dialog, const void* bytes, std::size_t size) {
  const auto* at = static_cast<const unsigned char*>(bytes);
  std::size_t left = bytes ? size : 0;
  while (left >= sizeof(WORD)) {
    WORD id = 0;
    std::memcpy(&id, at, sizeof id);
    if (id == 0) return true;
    if (left < 2 * sizeof(WORD) + sizeof(DWORD)) return false;
    WORD message = 0;
    DWORD length = 0;
    std::memcpy(&message, at + 2, sizeof message);
    std::memcpy(&length, at + 4, sizeof length);
    at += 8;
    left -= 8;
    if (length > left) return false;
    // The text up to its NUL, whatever the count says.
    const std::string text(reinterpret_cast<const char*>(at),
                           strnlen(reinterpret_cast<const char*>(at), length));
    UINT send = 0;
    if (message == CB_ADDSTRING || message == kOldComboAddString) send = CB_ADDSTRING;
    if (message == LB_ADDSTRING || message == kOldListAddString) send = LB_ADDSTRING;
    if (send) {
      ::SendDlgItemMessageA(dialog, id, send, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    at += length;
    left -= length;
  }
  return left == 0;
}

bool ApplyDialogInit(HWND dialog, HINSTANCE module, int templateId) {
  HRSRC found = ::FindResourceA(module, MAKEINTRESOURCEA(templateId),
                                MAKEINTRESOURCEA(kDialogInitResourceType));
  if (!found) return true;
  HGLOBAL loaded = ::LoadResource(module, found);
  const void* bytes = loaded ? ::LockResource(loaded) : nullptr;
  return ApplyDialogInit(dialog, bytes, ::SizeofResource(module, found));
}

}  // namespace scalewright::ui
