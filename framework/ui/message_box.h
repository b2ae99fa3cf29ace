// The program's one kind of message box: a modal warning with the
// exclamation icon and an OK button.
#pragma once

#include <windows.h>

#include <string>

namespace scalewright::ui {

int ShowWarningBox(HWND owner, const std::string& text, const std::string& caption);

}  // namespace scalewright::ui
