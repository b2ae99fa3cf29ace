// Which fret positions of a board carry a marker, and what each one shows:
// the musical half of a drawing pass, kept apart from the geometry so that
// it can be checked and measured without a device.
#pragma once

#include <string>
#include <vector>

#include "control/model/music_model.h"

namespace scalewright {

class CModeList;

// The settings a pass reads (borrowed texts, valid for the call).
struct SMarkerSettings {
  int firstFret = 0;
  int lastFret = 17;
  int tonic = 0;
  const char* mode = "Ionian";
  const char* highlight = "1,3,5";
  int labelKind = kLabelStepNumber;
  int spelling = 0;  // NoteSpelling of kind 1's letters
  NoteFlags noteShown{};
  const std::vector<int>* stringPitches = nullptr;
  // The chord layer: the degree (1-7, 0 none) and size (3 or 4) of the
  // mode's chord whose tones stand out.
  int chordDegree = 0;
  int chordSize = 3;
  // With a chord chosen, its tones are labelled by their place in it (1, 3,
  // 5, 7) instead of the label kind.
  bool chordLabels = false;
  // A second scale over the board's: its tonic (-1 none) and mode.
  int overlayTonic = -1;
  const char* overlayMode = "";
  // A position (positions.h): its system and number (1 on; 0 the whole
  // neck). Markers outside it are quiet.
  int positionSystem = 0;
  int position = 0;
  // Notes marked for the second layer besides that scale (a chord's tones,
  // the notes a player clicked): bit n for pitch class n.
  int overlayNotes = 0;
};

struct SMarker {
  int string = 0;  // index into the string pitches, 0 = top line
  int fret = 0;
  int pitch = 0;
  int degreeIndex = kNoPitch;  // 0-based degree in the mode, -1 outside it
  bool highlighted = false;
  bool disc = false;  // a black disc is painted over the marker
  std::string label;
  // With a chord chosen: the tone's place in it (0 root, 1 third, 2 fifth,
  // 3 seventh), or -1 for the rest of the scale, drawn quieter.
  int chordTone = -1;
  bool quiet = false;
  // The note belongs to the second scale drawn over the board's.
  bool overlay = false;
};

// Markers in drawing order: string by string, fret by fret within a string.
// Strings without a pitch carry none; frets outside first..last are not
// visited, so a last fret below the first gives none.
std::vector<SMarker> PlanMarkers(const SMarkerSettings& settings, const CModeList& modes);

}  // namespace scalewright
