#include "framework/docview/file_dialog.h"

#include <commdlg.h>

#include <algorithm>
#include <vector>

namespace scalewright::docview {

namespace {

constexpr char kAllFilesFilter[] = "All Files (*.*)\0*.*\0";
// Long paths are legal; the buffer takes the longest the system allows.
constexpr DWORD kPathBuffer = 32768;

std::optional<std::string> Ask(HWND owner, const std::string& initial, bool save) {
  std::vector<char> path(kPathBuffer, '\0');
  initial.copy(path.data(), std::min<std::size_t>(initial.size(), kPathBuffer - 1));
  OPENFILENAMEA dialog = {};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = kAllFilesFilter;
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = path.data();
  dialog.nMaxFile = kPathBuffer;
  dialog.Flags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_EXPLORER |
                 (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
  const BOOL chosen = save ? ::GetSaveFileNameA(&dialog) : ::GetOpenFileNameA(&dialog);
  if (!chosen) return std::nullopt;
  return std::string(path.data());
}

}  // namespace

std::optional<std::string> AskOpenFileName(HWND owner) { return Ask(owner, {}, false); }

std::optional<std::string> AskSaveFileName(HWND owner, const std::string& suggested) {
  return Ask(owner, suggested, true);
}

}  // namespace scalewright::docview
