// The Fretboard's notes for a host that sounds them: the scale Play Scale
// plays, the note under a click, and the marker shown as sounding.
#include <algorithm>
#include <vector>

#include "control/render/board_reading.h"
#include "control/win/fretboard_ctl.h"
#include "sound/core/scale_melody.h"
#include "sound/core/string_pitches.h"

namespace scalewright {

std::int32_t CFretboardCtl::GetScaleNotes(SSoundNote* notes, std::int32_t capacity) {
  // The settings interface never fails and nothing may unwind through it.
  try {
    std::vector<sound::SPlayedNote> melody;
    WithModes([&](const CModeList& modes) { melody = sound::ScaleMelody(m_state, modes); });
    const auto count = static_cast<std::int32_t>(melody.size());
    for (std::int32_t i = 0; notes && i < std::min(count, capacity); ++i) {
      const sound::SPlayedNote& played = melody[static_cast<std::size_t>(i)];
      notes[i] = {played.string, played.fret, played.note};
    }
    return count;
  } catch (...) {
    return 0;
  }
}

bool CFretboardCtl::GetNoteAt(POINT point, SSoundNote* note) {
  HWND window = Window();
  RECT client = {};
  if (!note || !window || !::GetClientRect(window, &client)) return false;
  try {
    SBoardReading reading;
    WithModes([&](const CModeList& modes) {
      reading = ReadBoardAloud({0, 0, client.right, client.bottom}, m_state, modes);
    });
    const std::vector<int> strings =
        sound::StringNotes(m_state.GetStringNotes(),
                           sound::ParseOctaves(m_state.GetOctaves()).value_or(std::vector<int>{}));
    for (const SMarkerReading& marker : reading.markers) {
      const gfx::Rect& r = marker.place;
      if (point.x < r.left || point.x >= r.right || point.y < r.top || point.y >= r.bottom)
        continue;
      const int open = strings[static_cast<std::size_t>(marker.string)];
      if (open == sound::kNoString) return false;
      *note = {marker.string, marker.fret, open + marker.fret};
      return true;
    }
  } catch (...) {
  }
  return false;
}

void CFretboardCtl::SetSoundingMarker(std::int32_t string, std::int32_t fret) {
  if (m_state.SetSounding(string < 0 ? -1 : string, string < 0 ? -1 : fret)) RequestRepaint();
}

void CFretboardCtl::SetOctaves(const char* octaves) {
  // Its dispatch id in IFretboard4; the board looks the same.
  constexpr DISPID kDispOctaves = 20;
  if (m_state.SetOctaves(octaves)) AfterSetting(true, kDispOctaves);
}

void CFretboardCtl::OnWindowClick(POINT point) {
  SSoundNote note = {};
  if (!GetNoteAt(point, &note)) return;
  IOleClientSite* site = Links().clientSite.get();
  com::ComPtr<IFretboardSoundSite> listener;
  if (site && SUCCEEDED(site->QueryInterface(IID_IFretboardSoundSite, listener.put_void())) &&
      listener)
    listener->OnNoteClicked(note);
}

}  // namespace scalewright
