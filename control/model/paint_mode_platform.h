// The mode list's platform as the control's painting uses it. Painting reads
// the modes file on every pass; a file with offending lines would raise its
// warning boxes on every pass, and a modal box repaints the control behind
// it, which reads the file again. This wrapper passes everything through to
// the real platform but shows each warning at most once for the file's
// contents as last read, and never while one of its own boxes is open.
//
// All the module's controls should paint through one instance, so that a
// problem is shown once however many controls read the file.
#pragma once

#include <set>
#include <string>
#include <string_view>

#include "control/model/mode_platform.h"

namespace scalewright {

class CPaintModePlatform final : public IModePlatform {
 public:
  // |platform| must outlive this object.
  explicit CPaintModePlatform(const IModePlatform& platform);

  std::string ModesFilePath() const override;
  bool EqualNoCase(std::string_view a, std::string_view b) const override;
  std::string LoadText(int id) const override;
  void ShowWarning(const std::string& text) const override;
  // Notes what was read: new contents (or a file that appeared, vanished or
  // became unreadable) make their warnings due again.
  FileReadStatus ReadWholeFile(const std::string& path, std::string& bytes) const override;
  bool ReplaceWholeFile(const std::string& path, std::string_view bytes) const override;
  std::optional<SFileStamp> StampOf(const std::string& path) const override;

 private:
  const IModePlatform& m_platform;
  // What the latest read saw, and the warnings already shown for it. The
  // interface is const because the list holds its platform by const
  // reference; this bookkeeping is not part of what the list sees.
  mutable FileReadStatus m_lastStatus = FileReadStatus::kMissing;
  mutable std::string m_lastBytes;
  mutable bool m_haveRead = false;
  mutable std::set<std::string> m_shown;
  mutable bool m_boxOpen = false;
};

}  // namespace scalewright
