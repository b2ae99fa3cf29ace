// The mode list's platform on POSIX hosts: real files in a given folder,
// ASCII case folding and the built-in texts. Host tests and benchmarks use it
// to run the list against a real file system.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "control/model/mode_platform.h"

namespace scalewright {

class CPosixModePlatform final : public IModePlatform {
 public:
  using WarningSink = std::function<void(const std::string&)>;

  // The modes file lives in |folder| (empty: no file). Warnings go to |sink|,
  // or nowhere when it is empty.
  explicit CPosixModePlatform(std::string folder, WarningSink sink = {});

  std::string ModesFilePath() const override;
  bool EqualNoCase(std::string_view a, std::string_view b) const override;
  std::string LoadText(int id) const override;
  void ShowWarning(const std::string& text) const override;
  // POSIX has no share modes; the read is exclusive only by convention.
  FileReadStatus ReadWholeFile(const std::string& path, std::string& bytes) const override;
  // Writes "<path>.tmp", fsyncs it, renames it over |path| and fsyncs the
  // folder; the temporary file is removed when any step fails.
  bool ReplaceWholeFile(const std::string& path, std::string_view bytes) const override;

 private:
  std::string m_folder;
  WarningSink m_sink;
};

}  // namespace scalewright
