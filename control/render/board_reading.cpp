#include "control/render/board_reading.h"

#include <cctype>
#include <set>

#include "control/model/marker_plan.h"
#include "control/model/music_model.h"
#include "control/render/fretboard_layout.h"
#include "control/render/fretboard_renderer.h"

namespace scalewright {

namespace {

// Note names are stored lower case ("c#"); read out they are letters.
std::string Spoken(std::string name) {
  if (!name.empty()) name[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
  return name;
}

}  // namespace

SBoardReading ReadBoardAloud(const gfx::Rect& bounds, const CFretboardState& state,
                             const CModeList& modes) {
  SBoardReading reading;
  reading.name = Spoken(CaptionText(state.GetTonality(), state.GetMode()));
  const SFretRange frets = VisibleFretRange(state.GetFirstFret(), state.GetLastFret());
  const int strings = static_cast<int>(state.GetStringNotes().size());
  const CFretboardLayout layout(bounds, frets, strings, state.GetSideDots(), state.GetLeftHanded());

  // The markers of the drawing pass, labelled with their letters in the
  // board's spelling whatever the board shows on them.
  SMarkerSettings settings = MarkerSettingsOf(state, frets);
  settings.labelKind = kLabelNoteLetters;
  std::set<int> pitches;
  std::vector<std::string> letters(kPitchClasses);
  for (const SMarker& marker : PlanMarkers(settings, modes)) {
    std::string name = Spoken(marker.label) + ", string " + std::to_string(marker.string + 1) +
                       ", fret " + std::to_string(marker.fret);
    if (marker.degreeIndex >= 0) name += ", degree " + std::to_string(marker.degreeIndex + 1);
    reading.markers.push_back({name, layout.Placed(layout.MarkerRect(marker.fret, marker.string)),
                               marker.string, marker.fret});
    pitches.insert(marker.pitch);
    letters[static_cast<std::size_t>(marker.pitch)] = Spoken(marker.label);
  }
  // The notes shown, in order from the tonic.
  std::string notes;
  const int tonic = IsPitchClass(state.GetTonality()) ? state.GetTonality() : 0;
  for (int step = 0; step < kPitchClasses; ++step) {
    const int pitch = (tonic + step) % kPitchClasses;
    if (!pitches.count(pitch)) continue;
    notes += (notes.empty() ? "" : ", ") + letters[static_cast<std::size_t>(pitch)];
  }
  reading.description = notes.empty() ? "No notes shown" : "Notes: " + notes;
  return reading;
}

}  // namespace scalewright
