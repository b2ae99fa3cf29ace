// The Fretboard's notes for a host that sounds them (the scale Play Scale
// plays, the note under a click, and the marker shown as sounding), and the
// control's own player for scripts.
#include <algorithm>
#include <vector>

#include "control/render/board_reading.h"
#include "control/win/fretboard_ctl.h"
#include "sound/core/pluck_voice.h"
#include "sound/core/scale_melody.h"
#include "sound/core/string_pitches.h"
#include "sound/win/wave_player.h"

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

HRESULT CFretboardCtl::Play(std::vector<SSoundNote> notes, int tempo) {
  std::vector<sound::SPlayedNote> melody;
  for (const SSoundNote& note : notes) melody.push_back({note.string, note.fret, note.note});
  const std::vector<sound::SNote> timed = sound::Performance(melody, tempo);
  std::vector<int> cues;
  for (const sound::SNote& note : timed) cues.push_back(note.start);
  if (!m_player) m_player = std::make_unique<sound::CWavePlayer>();
  m_playing = std::move(notes);
  // Without a window (a script's control not in place) nothing is shown
  // as it sounds.
  const bool played =
      m_player->Play(sound::RenderNotes(timed), cues, Window(), ole::kControlNotice);
  return played ? S_OK : S_FALSE;
}

HRESULT CFretboardCtl::StopPlaying() {
  if (m_player) m_player->Stop();
  return S_OK;
}

HRESULT CFretboardCtl::get_Playing(VARIANT_BOOL* playing) {
  if (!playing) return E_POINTER;
  *playing = m_player && m_player->Playing() ? VARIANT_TRUE : VARIANT_FALSE;
  return S_OK;
}

void CFretboardCtl::OnWindowNotice(WPARAM cue, LPARAM) {
  if (cue < m_playing.size()) {
    SetSoundingMarker(m_playing[cue].string, m_playing[cue].fret);
  } else if (cue == sound::kPlayEnded) {
    SetSoundingMarker(-1, -1);
  }
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
