// What a screen reader is told of a board: its name (the tonic and mode),
// a description of the notes it shows, and one entry for every marker with
// the note in the board's spelling, the string (1 for the top line, the
// highest string of a standard tuning), the fret and the degree, where the
// marker is drawn.
#pragma once

#include <string>
#include <vector>

#include "control/model/fretboard_state.h"
#include "framework/gfx/geometry.h"

namespace scalewright {

class CModeList;

struct SMarkerReading {
  std::string name;  // "C, string 5, fret 3, degree 3"
  gfx::Rect place;   // as drawn in |bounds|
  int string = 0;    // 0 = the top line
  int fret = 0;
};

struct SBoardReading {
  std::string name;         // "A Aeolian"
  std::string description;  // "Notes: A, B, C, D, E, F, G"
  std::vector<SMarkerReading> markers;
};

// The board that DrawFretboard paints into |bounds|, read out.
SBoardReading ReadBoardAloud(const gfx::Rect& bounds, const CFretboardState& state,
                             const CModeList& modes);

}  // namespace scalewright
