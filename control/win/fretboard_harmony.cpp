// The Fretboard's chord layer: the chord of the board's mode whose tones
// stand out, and the chords' titles for a host's menu.
#include <algorithm>
#include <cstring>
#include <string>

#include "control/model/mode_chords.h"
#include "control/model/mode_list.h"
#include "control/win/fretboard_ctl.h"

namespace scalewright {

void CFretboardCtl::SetChordDegree(std::int32_t degree) {
  if (m_state.SetChordDegree(std::clamp(degree, 0, 7))) RequestRepaint();
}

void CFretboardCtl::SetChordSize(std::int32_t size) {
  if (m_state.SetChordSize(size)) RequestRepaint();
}

std::int32_t CFretboardCtl::GetChordTitle(std::int32_t degree, std::int32_t size, char* buffer,
                                          std::int32_t capacity) {
  // The settings interfaces never fail and nothing may unwind through them.
  try {
    std::string title;
    WithModes([&](const CModeList& modes) {
      const int mode = modes.Find(m_state.GetMode());
      if (mode < 0) return;
      const std::vector<SModeChord> chords =
          ModeChords(m_state.GetTonality(), modes.GetIntervals(mode), size);
      if (degree < 1 || static_cast<std::size_t>(degree) > chords.size()) return;
      const SModeChord& chord = chords[static_cast<std::size_t>(degree - 1)];
      title = chord.numeral + "  " + chord.name;
    });
    if (buffer && capacity > 0) {
      const std::size_t copied = std::min(title.size(), static_cast<std::size_t>(capacity - 1));
      std::memcpy(buffer, title.data(), copied);
      buffer[copied] = '\0';
    }
    return static_cast<std::int32_t>(title.size());
  } catch (...) {
    return 0;
  }
}

}  // namespace scalewright
