#include "framework/ui/message_box.h"

namespace scalewright::ui {

int ShowWarningBox(HWND owner, const std::string& text, const std::string& caption) {
  return ::MessageBoxA(owner, text.c_str(), caption.c_str(), MB_ICONEXCLAMATION | MB_OK);
}

}  // namespace scalewright::ui
