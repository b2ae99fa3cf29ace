// The framework's Open and Save As dialogs: the filter is "All Files (*.*)"
// (the template names no file type of its own) and no extension is added.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace scalewright::docview {

std::optional<std::string> AskOpenFileName(HWND owner);
std::optional<std::string> AskSaveFileName(HWND owner, const std::string& suggested);

}  // namespace scalewright::docview
