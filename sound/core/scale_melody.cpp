#include "sound/core/scale_melody.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

#include "control/model/marker_plan.h"
#include "control/render/fretboard_layout.h"
#include "control/render/fretboard_renderer.h"
#include "sound/core/string_pitches.h"

namespace scalewright::sound {

namespace {

constexpr int kPositionFrets = 5;

// How far |fret| lies outside the frets first .. first + 4.
int OutsidePosition(int fret, int first) {
  if (fret < first) return first - fret;
  return std::max(0, fret - (first + kPositionFrets - 1));
}

}  // namespace

std::vector<SPlayedNote> ScaleMelody(const CFretboardState& state, const CModeList& modes) {
  const SFretRange frets = VisibleFretRange(state.GetFirstFret(), state.GetLastFret());
  const std::vector<int> strings = StringNotes(
      state.GetStringNotes(), ParseOctaves(state.GetOctaves()).value_or(std::vector<int>{}));
  std::vector<SPlayedNote> shown;
  for (const SMarker& marker : PlanMarkers(MarkerSettingsOf(state, frets), modes)) {
    const int open = strings[static_cast<std::size_t>(marker.string)];
    if (open != kNoString) shown.push_back({marker.string, marker.fret, open + marker.fret});
  }
  // The lowest tonic, on the lower fret of two alike.
  const int tonic = ((state.GetTonality() % 12) + 12) % 12;
  const SPlayedNote* start = nullptr;
  for (const SPlayedNote& note : shown) {
    if (note.note % 12 != tonic) continue;
    if (!start || note.note < start->note || (note.note == start->note && note.fret < start->fret))
      start = &note;
  }
  if (!start) return {};
  const int first = std::max(0, start->fret - 1);
  const int bottom = start->note;

  // Every note of the octave the board shows, each where the position has
  // it (on the lower string of two), else nearest to the position.
  std::vector<SPlayedNote> up;
  for (int note = bottom; note <= bottom + 12; ++note) {
    const SPlayedNote* best = nullptr;
    for (const SPlayedNote& candidate : shown) {
      if (candidate.note != note) continue;
      const int away = OutsidePosition(candidate.fret, first);
      const int bestAway = best ? OutsidePosition(best->fret, first) : INT_MAX;
      if (!best || away < bestAway || (away == bestAway && candidate.string > best->string))
        best = &candidate;
    }
    if (best) up.push_back(note == bottom ? *start : *best);
  }
  std::vector<SPlayedNote> melody = up;
  for (std::size_t i = up.size() - 1; i-- > 0;) melody.push_back(up[i]);
  return melody;
}

std::vector<SNote> Timed(const std::vector<SPlayedNote>& melody, int tempo) {
  const int step = kSampleRate * 60 / std::clamp(tempo, kMinTempo, kMaxTempo);
  std::vector<SNote> notes;
  for (std::size_t i = 0; i < melody.size(); ++i) {
    // The last note rings longest.
    const int length = i + 1 == melody.size() ? kSampleRate * 3 / 2 : step * 2;
    notes.push_back({FrequencyOf(melody[i].note), static_cast<int>(i) * step, length});
  }
  return notes;
}

std::vector<SNote> Performance(const std::vector<SPlayedNote>& notes, int tempo) {
  if (notes.size() == 1) return {{FrequencyOf(notes[0].note), 0, kSampleRate * 3 / 2}};
  return Timed(notes, tempo);
}

}  // namespace scalewright::sound
