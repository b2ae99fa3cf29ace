#include "control/model/paint_mode_platform.h"

namespace scalewright {
namespace {

// Clears a flag when the scope ends, also when the box's caller throws.
class CFlagScope {
 public:
  explicit CFlagScope(bool& flag) : m_flag(flag) { m_flag = true; }
  ~CFlagScope() { m_flag = false; }
  CFlagScope(const CFlagScope&) = delete;
  CFlagScope& operator=(const CFlagScope&) = delete;

 private:
  bool& m_flag;
};

}  // namespace

CPaintModePlatform::CPaintModePlatform(const IModePlatform& platform) : m_platform(platform) {}

std::string CPaintModePlatform::ModesFilePath() const { return m_platform.ModesFilePath(); }

bool CPaintModePlatform::EqualNoCase(std::string_view a, std::string_view b) const {
  return m_platform.EqualNoCase(a, b);
}

std::string CPaintModePlatform::LoadText(int id) const { return m_platform.LoadText(id); }

// A warning suppressed because a box was open is not marked as shown: the
// next read of the same file gives it its turn.
void CPaintModePlatform::ShowWarning(const std::string& text) const {
  if (m_boxOpen || m_shown.count(text) != 0) return;
  m_shown.insert(text);
  const CFlagScope open(m_boxOpen);
  m_platform.ShowWarning(text);
}

FileReadStatus CPaintModePlatform::ReadWholeFile(const std::string& path,
                                                 std::string& bytes) const {
  const FileReadStatus status = m_platform.ReadWholeFile(path, bytes);
  const bool same = m_haveRead && status == m_lastStatus &&
                    (status != FileReadStatus::kOk || bytes == m_lastBytes);
  if (!same) {
    m_haveRead = true;
    m_lastStatus = status;
    if (status == FileReadStatus::kOk) {
      m_lastBytes = bytes;
    } else {
      m_lastBytes.clear();
    }
    m_shown.clear();
  }
  return status;
}

bool CPaintModePlatform::ReplaceWholeFile(const std::string& path, std::string_view bytes) const {
  return m_platform.ReplaceWholeFile(path, bytes);
}

std::optional<SFileStamp> CPaintModePlatform::StampOf(const std::string& path) const {
  return m_platform.StampOf(path);
}

}  // namespace scalewright
