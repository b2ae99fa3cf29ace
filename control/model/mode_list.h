// CModeList: the user's modes, the in-memory form of "DerazeModes.txt".
// Creating one reads the file; destroying one writes the whole list back.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "control/model/mode_platform.h"

namespace scalewright {

class CModeList {
 public:
  // Loads the modes file through |platform|, which must outlive the list.
  explicit CModeList(const IModePlatform& platform);
  // Writes the list back, except when its read failed or Store was called.
  ~CModeList();

  CModeList(const CModeList&) = delete;
  CModeList& operator=(const CModeList&) = delete;

  int GetCount() const;
  // Name and intervals of mode |i|; an index outside 0..count-1 gives "".
  const std::string& GetName(int i) const;
  const std::string& GetIntervals(int i) const;

  // Index of the first mode whose name equals |name| ignoring case; -1 when
  // |name| is null or nothing matches.
  int Find(const char* name) const;
  int Find(std::string_view name) const;

  // Checks one line in text form ("Name-digits") and appends it when valid.
  bool Add(const char* line, bool showDigitMessage);
  bool Add(std::string_view line, bool showDigitMessage);

  // Empties the list, then adds every non-blank line of |text|; false at the
  // first line that Add refuses (earlier lines stay).
  bool ParseText(const char* text, bool showDigitMessage);
  bool ParseText(std::string_view text, bool showDigitMessage);

  void Clear();

  // True when the file exists but could not be read; such a list is never
  // written back, whatever is added to it.
  bool ReadFailed() const;

  // Writes the list back now. False when nothing could be stored: the file's
  // read failed, there is no file path, or the write failed (the file then
  // keeps its old contents). Either way the destructor writes nothing more.
  bool Store();

  // The modes in file form: each as name, '-', intervals, CR LF.
  std::string ToFileText() const;
  // The modes joined by CR LF with no break after the last (the editor's text).
  std::string ToEditorText() const;

 private:
  void Load();
  void Save();

  const IModePlatform& m_platform;
  std::string m_path;  // fixed at load so the save goes where the read came from
  std::vector<std::string> m_names;
  std::vector<std::string> m_intervals;
  FileReadStatus m_readStatus = FileReadStatus::kMissing;
  std::string m_readBytes;  // the file as read, to skip writing it unchanged
  bool m_stored = false;    // Store was called: the destructor leaves the file alone
};

}  // namespace scalewright
