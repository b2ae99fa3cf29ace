#include "control/model/painted_modes.h"

namespace scalewright {

class CPaintedModes::CReadOnlyPlatform final : public IModePlatform {
 public:
  CReadOnlyPlatform(const IModePlatform& platform, bool showWarnings)
      : m_platform(platform), m_showWarnings(showWarnings) {}
  std::string ModesFilePath() const override { return m_platform.ModesFilePath(); }
  bool EqualNoCase(std::string_view a, std::string_view b) const override {
    return m_platform.EqualNoCase(a, b);
  }
  std::string LoadText(int id) const override { return m_platform.LoadText(id); }
  void ShowWarning(const std::string& text) const override {
    if (m_showWarnings) m_platform.ShowWarning(text);
  }
  FileReadStatus ReadWholeFile(const std::string& path, std::string& bytes) const override {
    return m_platform.ReadWholeFile(path, bytes);
  }
  bool ReplaceWholeFile(const std::string&, std::string_view) const override { return false; }
  std::optional<SFileStamp> StampOf(const std::string& path) const override {
    return m_platform.StampOf(path);
  }

 private:
  const IModePlatform& m_platform;
  const bool m_showWarnings;
};

CPaintedModes::CPaintedModes(const IModePlatform& platform, const IModePlatform& otherThreads)
    : m_platform(platform),
      m_otherThreads(std::make_unique<CReadOnlyPlatform>(otherThreads, false)),
      m_readOnly(std::make_unique<CReadOnlyPlatform>(platform, true)) {}

// The kept list goes before the platform it reads through.
CPaintedModes::~CPaintedModes() { m_kept.reset(); }

void CPaintedModes::ForPass(const std::function<void(const CModeList&)>& use) {
  std::unique_lock<std::recursive_mutex> lock(m_passLock, std::try_to_lock);
  if (!lock.owns_lock()) {
    // Its warnings and the write-back are the other pass's business.
    const CModeList own(*m_otherThreads);
    use(own);
    return;
  }
  const std::string path = m_platform.ModesFilePath();
  const std::optional<SFileStamp> before = m_platform.StampOf(path);
  if (m_kept && before && before->settled && before == m_keptStamp) {
    const std::shared_ptr<const CModeList> kept = m_kept;
    lock.unlock();  // the list is immutable: others may have it meanwhile
    use(*kept);
    return;
  }

  m_kept.reset();
  m_keptStamp.reset();
  bool readFailed = true;
  {
    // The pass as it always was: read, draw, write back what was read.
    const CModeList fresh(m_platform);
    readFailed = fresh.ReadFailed();
    use(fresh);
  }
  if (readFailed) return;  // nothing trustworthy to keep

  // Keep a list read from the file as the pass left it. The stamp is taken
  // first: a write that slips in between makes the next stamp differ.
  const std::optional<SFileStamp> after = m_platform.StampOf(path);
  if (!after || !after->settled) return;
  auto kept = std::make_shared<const CModeList>(*m_readOnly);
  if (kept->ReadFailed()) return;
  m_kept = std::move(kept);
  m_keptStamp = after;
}

}  // namespace scalewright
