// One drawing pass of the fretboard: background and frame, string and fret
// lines with the nut, the side-dot row, and a labelled marker on every
// position whose pitch is shown.
#pragma once

#include "control/model/fretboard_state.h"
#include "control/model/marker_plan.h"
#include "control/render/fretboard_layout.h"
#include "framework/gfx/canvas.h"
#include "framework/gfx/text_metrics.h"

namespace scalewright {

class CModeList;

// The colours of a pass: black on white, as every picture and print has
// them; on a screen in high contrast, the system's text and window colours,
// with the markers in the window colour too.
struct SBoardColours {
  gfx::Color ink = gfx::Rgb(0, 0, 0);
  gfx::Color paper = gfx::Rgb(255, 255, 255);
  bool system = false;
};

// Paints the whole of |bounds| on |target|. Labels are measured with a font
// made by |measure| (on Windows a screen-compatible context), so the layout
// of a printed page matches the screen's. Leaves the board and the cell size
// of this pass in |state|.
void DrawFretboard(gfx::Canvas& target, gfx::TextMetrics& measure, const gfx::Rect& bounds,
                   CFretboardState& state, const CModeList& modes,
                   const SBoardColours& colours = {});

// The marker settings of a pass over |frets| of the board |state| holds
// (its texts borrowed for as long as |state| keeps them).
SMarkerSettings MarkerSettingsOf(const CFretboardState& state, SFretRange frets);

}  // namespace scalewright
