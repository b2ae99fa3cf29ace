// The mode list a drawing pass uses. Every pass could read the modes file
// and write it back, as a fresh CModeList does; when the file system shows
// that the file is the one the last pass left behind, the same list is used
// again instead: the picture and the file's contents are what a fresh list
// would give, without opening the file.
#pragma once

#include <functional>
#include <memory>
#include <mutex>
#include <optional>

#include "control/model/mode_list.h"
#include "control/model/mode_platform.h"

namespace scalewright {

class CPaintedModes {
 public:
  // |platform| must outlive this object. A pass on another thread while one
  // is under way reads through |otherThreads| instead, which must be safe to
  // use from any thread (the plain file platform is; the painting one, with
  // its warning bookkeeping, is not).
  CPaintedModes(const IModePlatform& platform, const IModePlatform& otherThreads);
  explicit CPaintedModes(const IModePlatform& platform) : CPaintedModes(platform, platform) {}

  ~CPaintedModes();
  CPaintedModes(const CPaintedModes&) = delete;
  CPaintedModes& operator=(const CPaintedModes&) = delete;

  // Calls |use| with the modes for one pass. Re-entrant: a warning box shown
  // while the file is read may repaint and so come back here. Controls of
  // several apartments paint on several threads: a pass that finds another
  // thread's pass under way (perhaps behind its warning box) does not wait
  // for it but reads the file on its own, without warnings or writing back,
  // and leaves the kept list alone.
  void ForPass(const std::function<void(const CModeList&)>& use);

 private:
  class CReadOnlyPlatform;

  const IModePlatform& m_platform;
  // Reads for passes of other threads: silent, never writing.
  std::unique_ptr<CReadOnlyPlatform> m_otherThreads;
  // Held by the thread whose pass uses the kept list and the platform's
  // bookkeeping; recursive for the nested pass of a warning box.
  std::recursive_mutex m_passLock;
  // The kept list reads through this, and can never write: whatever happens
  // to the file later, a list kept from an earlier read must not replace it.
  std::unique_ptr<CReadOnlyPlatform> m_readOnly;
  // The list kept from the last pass and the stamp of the file it was read
  // from; shared so that a pass keeps its list whatever a nested pass does.
  std::shared_ptr<const CModeList> m_kept;
  std::optional<SFileStamp> m_keptStamp;
};

}  // namespace scalewright
