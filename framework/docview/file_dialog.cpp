#include "framework/docview/file_dialog.h"

#include <commdlg.h>

#include <algorithm>
#include <vector>

#include "framework/ui/utf8_text.h"

namespace scalewright::docview {

namespace {

constexpr char kAllFilesFilter[] = "All Files (*.*)\0*.*\0";
// Long paths are legal; the buffer takes the longest the system allows.
constexpr DWORD kPathBuffer = 32768;

std::optional<std::string> Ask(HWND owner, const std::string& initial, bool save,
                               const SFileTypes& types) {
  const std::wstring start = ui::Widen(initial);
  std::vector<wchar_t> path(kPathBuffer, L'\0');
  start.copy(path.data(), std::min<std::size_t>(start.size(), kPathBuffer - 1));
  OPENFILENAMEW dialog = {};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  // The filter holds its own NULs: its data, not c_str(), ends it.
  const std::wstring filter =
      ui::Widen(types.filter.empty() ? std::string(kAllFilesFilter, sizeof kAllFilesFilter)
                                     : types.filter + '\0');
  const std::wstring extension = ui::Widen(types.defaultExtension);
  dialog.lpstrFilter = filter.c_str();
  dialog.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = path.data();
  dialog.nMaxFile = kPathBuffer;
  dialog.Flags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_EXPLORER |
                 (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
  const BOOL chosen = save ? ::GetSaveFileNameW(&dialog) : ::GetOpenFileNameW(&dialog);
  if (!chosen) return std::nullopt;
  return ui::Narrow(path.data());
}

}  // namespace

std::optional<std::string> AskOpenFileName(HWND owner, const SFileTypes& types) {
  return Ask(owner, {}, false, types);
}

std::optional<std::string> AskSaveFileName(HWND owner, const std::string& suggested,
                                           const SFileTypes& types) {
  return Ask(owner, suggested, true, types);
}

}  // namespace scalewright::docview
