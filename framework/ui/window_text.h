// Texts of windows and dialog items as std::string (ANSI, like the rest of
// the program), however long they are.
#pragma once

#include <windows.h>

#include <string>

namespace scalewright::ui {

std::string GetWindowTextString(HWND window);
std::string GetItemText(HWND dialog, int id);
// Writes only when the text differs, so that an edit box reports a change
// exactly when its text really changes.
bool SetItemTextIfChanged(HWND dialog, int id, const std::string& text);

}  // namespace scalewright::ui
