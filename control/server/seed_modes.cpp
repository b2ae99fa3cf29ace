#include "control/server/seed_modes.h"

#include "control/model/mode_list.h"
#include "control/model/mode_strings.h"
#include "control/win/win_mode_platform.h"

namespace scalewright {

void SeedModesFile(HMODULE module) {
  try {
    const CWinModePlatform platform(module);
    // Destroying the list writes the file back.
    CModeList modes(platform);
    if (modes.GetCount() == 0) {
      modes.ParseText(platform.LoadText(IDS_DEFAULT_MODES), false);
    }
  } catch (...) {
    // Out of memory while loading: the file stays as it was, and the
    // module's classes still work.
  }
}

}  // namespace scalewright
