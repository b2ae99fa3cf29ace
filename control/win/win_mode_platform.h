// The mode list's platform on Windows: the modes file beside a module, names
// compared in the system code page, texts from the module's string table and
// warnings in a message box captioned with the module's name.
#pragma once

#include <windows.h>

#include <functional>
#include <mutex>
#include <string>
#include <string_view>

#include "control/model/mode_platform.h"
#include "control/win/modes_file_location.h"

namespace scalewright {

// Shows a message box the way ::MessageBoxA does. Tests pass a recorder.
using MessageBoxFunction =
    std::function<int(HWND owner, const char* text, const char* caption, UINT type)>;

// Longer warnings are cut (at a character boundary, "..." appended) so the
// box stays on screen with its OK button reachable.
inline constexpr std::size_t kMaxWarningBytes = 4096;

class CWinModePlatform final : public IModePlatform {
 public:
  // |module| holds the string table and decides where the modes file lives
  // (modes_file_location.h); an empty |box| shows real message boxes, an
  // empty |writable| asks the file system whether the module's folder can
  // be written.
  explicit CWinModePlatform(HMODULE module, MessageBoxFunction box = {},
                            FolderWritable writable = {});

  std::string ModesFilePath() const override;
  bool EqualNoCase(std::string_view a, std::string_view b) const override;
  // Falls back to the built-in text when the module lacks the resource, so a
  // warning is never an empty box.
  std::string LoadText(int id) const override;
  void ShowWarning(const std::string& text) const override;
  // The user's file in the profile that does not exist yet is read from the
  // file beside the module.
  FileReadStatus ReadWholeFile(const std::string& path, std::string& bytes) const override;
  // Writes "<path>.<process>-<n>.tmp", flushes it and moves it over |path|,
  // keeping |path|'s attributes; the temporary file is deleted when any
  // step fails. The profile's folder for the user's file is made first.
  bool ReplaceWholeFile(const std::string& path, std::string_view bytes) const override;
  // Size and last write time from the directory entry, without opening the
  // file; settled once the last write is two seconds old.
  std::optional<SFileStamp> StampOf(const std::string& path) const override;

 private:
  HMODULE m_module;
  std::string m_modulePath;  // empty when it could not be read
  std::string m_caption;
  MessageBoxFunction m_box;
  FolderWritable m_writable;
  // Found on first use: the probe writes a file.
  mutable std::once_flag m_located;
  mutable SModesFileLocation m_location;
  const SModesFileLocation& Location() const;
  FileReadStatus ReadOneFile(const std::string& path, std::string& bytes) const;
};

// Full path of |module|, however long; empty when it cannot be read.
std::string ReadModulePath(HMODULE module);

}  // namespace scalewright
