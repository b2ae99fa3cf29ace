// The framework's Open and Save As dialogs. Without file types of the
// application's own the filter is "All Files (*.*)" and no extension is
// added.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace scalewright::docview {

struct SFileTypes {
  // Pairs of display name and pattern, each ended by '\0', the list ended by
  // one more: "Boards (*.swb)\0*.swb\0All files (*.*)\0*.*\0".
  std::string filter;
  // Added by Save As to a name typed without one ("swb"); empty: none.
  std::string defaultExtension;
};

std::optional<std::string> AskOpenFileName(HWND owner, const SFileTypes& types = {});
std::optional<std::string> AskSaveFileName(HWND owner, const std::string& suggested,
                                           const SFileTypes& types = {});

}  // namespace scalewright::docview
