#include "control/model/marker_plan.h"

#include <algorithm>
#include <utility>

#include "control/model/mode_chords.h"
#include "control/model/mode_list.h"
#include "control/model/note_spelling.h"
#include "control/model/positions.h"

namespace scalewright {

std::vector<SMarker> PlanMarkers(const SMarkerSettings& settings, const CModeList& modes) {
  std::vector<SMarker> markers;
  if (settings.stringPitches == nullptr) return markers;

  // The mode is looked up once; each marker then walks its intervals.
  const int modeIndex = modes.Find(settings.mode);
  const std::string* intervals = modeIndex < 0 ? nullptr : &modes.GetIntervals(modeIndex);
  // Note letters follow the board's spelling; the sharps are the model's
  // own names.
  const bool spelled = settings.labelKind == kLabelNoteLetters && settings.spelling != kSpellSharps;
  const NoteNames names =
      spelled ? SpelledNoteNames(settings.spelling, settings.tonic,
                                 intervals ? std::string_view(*intervals) : std::string_view())
              : NoteNames{};

  // The chosen chord's tones, root first; none when the mode makes none.
  std::vector<int> chord;
  if (intervals && settings.chordDegree >= 1) {
    const std::vector<SModeChord> chords =
        ModeChords(settings.tonic, *intervals, settings.chordSize);
    if (static_cast<std::size_t>(settings.chordDegree) <= chords.size())
      chord = chords[static_cast<std::size_t>(settings.chordDegree - 1)].tones;
  }

  // The second scale's notes, when its mode is in the list, and the notes
  // marked besides.
  NoteFlags overlay{};
  for (int pitch = 0; pitch < kPitchClasses; ++pitch)
    overlay[pitch] = (settings.overlayNotes >> pitch) & 1;
  const int overlayMode =
      IsPitchClass(settings.overlayTonic) ? modes.Find(settings.overlayMode) : -1;
  if (overlayMode >= 0) {
    for (int pitch = 0; pitch < kPitchClasses; ++pitch) {
      if (DegreeIndexInIntervals(pitch, settings.overlayTonic, modes.GetIntervals(overlayMode)) !=
          kNoPitch)
        overlay[pitch] = true;
    }
  }

  // The position's cells, when one is chosen and the board can have it.
  std::vector<SFretCell> position;
  if (intervals && settings.position >= 1) {
    const SPositionSet set =
        PositionsOf(settings.positionSystem, settings.tonic, *intervals, *settings.stringPitches);
    if (static_cast<std::size_t>(settings.position) <= set.positions.size())
      position = set.positions[static_cast<std::size_t>(settings.position - 1)].cells;
  }

  const std::vector<int>& strings = *settings.stringPitches;
  for (int i = 0; i < static_cast<int>(strings.size()); ++i) {
    for (int fret = settings.firstFret; fret <= settings.lastFret; ++fret) {
      const int pitch = PitchAt(fret, strings[i]);
      if (pitch == kNoPitch || !settings.noteShown[pitch]) continue;

      SMarker marker;
      marker.string = i;
      marker.fret = fret;
      marker.pitch = pitch;
      marker.degreeIndex =
          intervals ? DegreeIndexInIntervals(pitch, settings.tonic, *intervals) : kNoPitch;
      marker.highlighted = IsMarkerHighlighted(marker.degreeIndex, settings.highlight);
      marker.disc = MarkerHasDisc(settings.labelKind, marker.highlighted);
      marker.label =
          spelled ? names[pitch]
                  : MarkerLabel(settings.labelKind, pitch, settings.tonic, marker.degreeIndex);
      for (std::size_t tone = 0; tone < chord.size(); ++tone) {
        if (chord[tone] == pitch) marker.chordTone = static_cast<int>(tone);
      }
      // Root, third, fifth, seventh.
      static const char* const kChordToneLabels[] = {"1", "3", "5", "7"};
      if (settings.chordLabels && marker.chordTone >= 0 && marker.chordTone < 4)
        marker.label = kChordToneLabels[marker.chordTone];
      marker.quiet = !chord.empty() && marker.chordTone < 0;
      if (!position.empty() &&
          std::find(position.begin(), position.end(), SFretCell{i, fret}) == position.end())
        marker.quiet = true;
      marker.overlay = overlay[pitch];
      markers.push_back(std::move(marker));
    }
  }
  return markers;
}

}  // namespace scalewright
