// The mode list a drawing pass uses. Every pass could read the modes file
// and write it back, as a fresh CModeList does; when the file system shows
// that the file is the one the last pass left behind, the same list is used
// again instead: the picture and the file's contents are what a fresh list
// would give, without opening the file.
#pragma once

#include <functional>
#include <memory>
#include <optional>

#include "control/model/mode_list.h"
#include "control/model/mode_platform.h"

namespace scalewright {

class CPaintedModes {
 public:
  // |platform| must outlive this object.
  explicit CPaintedModes(const IModePlatform& platform);

  ~CPaintedModes();
  CPaintedModes(const CPaintedModes&) = delete;
  CPaintedModes& operator=(const CPaintedModes&) = delete;

  // Calls |use| with the modes for one pass. Re-entrant: a warning box shown
  // while the file is read may repaint and so come back here.
  void ForPass(const std::function<void(const CModeList&)>& use);

 private:
  class CReadOnlyPlatform;

  const IModePlatform& m_platform;
  // The kept list reads through this, and can never write: whatever happens
  // to the file later, a list kept from an earlier read must not replace it.
  std::unique_ptr<CReadOnlyPlatform> m_readOnly;
  // The list kept from the last pass and the stamp of the file it was read
  // from; shared so that a pass keeps its list whatever a nested pass does.
  std::shared_ptr<const CModeList> m_kept;
  std::optional<SFileStamp> m_keptStamp;
};

}  // namespace scalewright
