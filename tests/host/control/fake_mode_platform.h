// An in-memory platform for the mode list: files live in a map, every
// warning text and every write is recorded, and reads or writes can be made
// to fail.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "control/model/mode_platform.h"
#include "control/model/mode_strings.h"

namespace scalewright {

class CFakeModePlatform final : public IModePlatform {
 public:
  static constexpr char kPath[] = "C:\\Apps\\Scalewright\\DerazeModes.txt";

  std::string path = kPath;
  // Mutable: the list holds the platform by const reference, yet saves.
  mutable std::map<std::string, std::string> files;
  std::optional<FileReadStatus> readStatus;  // set: every read returns it
  bool failWrites = false;
  std::optional<SFileStamp> stamp;  // what StampOf answers (nullopt: unknown)

  mutable std::vector<std::string> warnings;
  mutable int reads = 0;
  mutable int writes = 0;  // attempts, failed ones included

  std::string ModesFilePath() const override { return path; }

  bool EqualNoCase(std::string_view a, std::string_view b) const override {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
      if (Fold(a[i]) != Fold(b[i])) return false;
    }
    return true;
  }

  std::string LoadText(int id) const override {
    const char* text = BuiltInModeText(id);
    return text ? text : "";
  }

  void ShowWarning(const std::string& text) const override { warnings.push_back(text); }

  FileReadStatus ReadWholeFile(const std::string& file, std::string& bytes) const override {
    ++reads;
    if (readStatus) return *readStatus;
    const auto it = files.find(file);
    if (it == files.end()) return FileReadStatus::kMissing;
    bytes = it->second;
    return FileReadStatus::kOk;
  }

  bool ReplaceWholeFile(const std::string& file, std::string_view bytes) const override {
    ++writes;
    if (failWrites) return false;
    files[file] = std::string(bytes);
    return true;
  }

  std::optional<SFileStamp> StampOf(const std::string&) const override { return stamp; }

  // Content of the modes file, or nullopt when there is none.
  std::optional<std::string> File() const {
    const auto it = files.find(path);
    return it == files.end() ? std::nullopt : std::optional(it->second);
  }

 private:
  static char Fold(char c) { return c >= 'A' && c <= 'Z' ? char(c + 32) : c; }
};

}  // namespace scalewright
