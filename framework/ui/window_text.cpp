#include "framework/ui/window_text.h"

namespace scalewright::ui {

std::string GetWindowTextString(HWND window) {
  if (!window) return {};
  const int length = ::GetWindowTextLengthA(window);
  if (length <= 0) return {};
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  const int copied = ::GetWindowTextA(window, text.data(), length + 1);
  text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
  return text;
}

std::string GetItemText(HWND dialog, int id) {
  return GetWindowTextString(::GetDlgItem(dialog, id));
}

bool SetItemTextIfChanged(HWND dialog, int id, const std::string& text) {
  if (GetItemText(dialog, id) == text) return false;
  ::SetDlgItemTextA(dialog, id, text.c_str());
  return true;
}

}  // namespace scalewright::ui
