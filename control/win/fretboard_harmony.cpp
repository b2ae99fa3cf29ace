// The Fretboard's chord layer: the chord of the board's mode whose tones
// stand out, and the chords' titles for a host's menu.
#include <algorithm>
#include <cstring>
#include <string>

#include "control/model/mode_chords.h"
#include "control/model/mode_list.h"
#include "control/model/positions.h"
#include "control/model/scale_finder.h"
#include "control/win/fretboard_ctl.h"

namespace scalewright {

// Their dispatch ids in IFretboard4.
constexpr DISPID kDispChordDegree = 15, kDispChordSize = 16, kDispOverlayTonic = 18,
                 kDispOverlayNotes = 25, kDispChordLabels = 26, kDispPositionSystem = 27,
                 kDispPosition = 28;

void CFretboardCtl::SetChordDegree(std::int32_t degree) {
  AfterSetting(m_state.SetChordDegree(std::clamp(degree, 0, 7)), kDispChordDegree);
}

void CFretboardCtl::SetChordSize(std::int32_t size) {
  AfterSetting(m_state.SetChordSize(size), kDispChordSize);
}

void CFretboardCtl::SetOverlayNotes(std::int32_t notes) {
  AfterSetting(m_state.SetOverlayNotes(notes), kDispOverlayNotes);
}

void CFretboardCtl::SetChordLabels(bool on) {
  AfterSetting(m_state.SetChordLabels(on), kDispChordLabels);
}

void CFretboardCtl::SetPositionSystem(std::int32_t system) {
  AfterSetting(m_state.SetPositionSystem(std::clamp(system, 0, 3)), kDispPositionSystem);
}

void CFretboardCtl::SetPosition(std::int32_t position) {
  AfterSetting(m_state.SetPosition(std::max(0, position)), kDispPosition);
}

void CFretboardCtl::SetOverlay(std::int32_t tonic, const char* mode) {
  AfterSetting(m_state.SetOverlay(tonic >= 0 && tonic < 12 ? tonic : -1, mode), kDispOverlayTonic);
}

namespace {

// |text| into |buffer|, cut to fit; the text's whole length.
std::int32_t CopyOut(const std::string& text, char* buffer, std::int32_t capacity) {
  if (buffer && capacity > 0) {
    const std::size_t copied = std::min(text.size(), static_cast<std::size_t>(capacity - 1));
    std::memcpy(buffer, text.data(), copied);
    buffer[copied] = '\0';
  }
  return static_cast<std::int32_t>(text.size());
}

}  // namespace

std::int32_t CFretboardCtl::GetScalesHolding(const std::int32_t* marked, std::int32_t count,
                                             char* buffer, std::int32_t capacity) {
  try {
    std::vector<int> notes;
    for (std::int32_t i = 0; marked && i < count; ++i) {
      if (marked[i] >= 0 && marked[i] < 12) notes.push_back(marked[i]);
    }
    std::string text;
    WithModes([&](const CModeList& modes) {
      for (const SFoundScale& scale : ScalesHolding(notes, modes))
        text += std::to_string(scale.tonic) + " " + scale.mode + "\n";
    });
    return CopyOut(text, buffer, capacity);
  } catch (...) {
    return 0;
  }
}

std::int32_t CFretboardCtl::GetPositionNames(std::int32_t system, char* buffer,
                                             std::int32_t capacity) {
  try {
    SPositionSet set;
    WithModes([&](const CModeList& modes) {
      const int mode = modes.Find(m_state.GetMode());
      if (mode < 0) {
        set.unavailable = "Positions need a mode from the modes file";
        return;
      }
      set = PositionsOf(system, m_state.GetTonality(), modes.GetIntervals(mode),
                        m_state.GetStringNotes());
    });
    std::string text = set.positions.empty() ? set.unavailable : std::string();
    for (const SPosition& position : set.positions) {
      text += position.name + ", frets " + std::to_string(position.firstFret) + " to " +
              std::to_string(position.lastFret) + "\n";
    }
    CopyOut(text, buffer, capacity);
    return static_cast<std::int32_t>(set.positions.size());
  } catch (...) {
    return 0;
  }
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
    return CopyOut(title, buffer, capacity);
  } catch (...) {
    return 0;
  }
}

}  // namespace scalewright
