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

// Dots per inch at which the board's lines are one unit wide.
inline constexpr int kBaseDpi = 96;

// Widths of the board's fixed lines (frame, strings, frets, the disc's
// outline) and of the nut on a device of |dpi| dots per inch: one and three
// units at 96, in proportion above. The markers and labels need no such
// rule: they are fractions of the cell, which grows with the window.
struct SLineWidths {
  int line = 1;
  int nut = 3;
};
SLineWidths LineWidthsAt(int dpi);

// Paints the whole of |bounds| on |target|. Labels are measured with a font
// made by |measure| (on Windows a screen-compatible context), so the layout
// of a printed page matches the screen's. Leaves the board and the cell size
// of this pass in |state|. A window on the screen passes its own |dpi|;
// pictures and prints are drawn at the base, in their device's units.
void DrawFretboard(gfx::Canvas& target, gfx::TextMetrics& measure, const gfx::Rect& bounds,
                   CFretboardState& state, const CModeList& modes,
                   const SBoardColours& colours = {}, int dpi = kBaseDpi);

// The marker settings of a pass over |frets| of the board |state| holds
// (its texts borrowed for as long as |state| keeps them).
SMarkerSettings MarkerSettingsOf(const CFretboardState& state, SFretRange frets);

}  // namespace scalewright
