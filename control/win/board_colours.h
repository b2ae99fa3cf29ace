// The colours the board paints a device context in: the system's text and
// window colours in a window on the screen while the user has high contrast
// on; black on white for every picture, print and clipboard copy, which
// leave the screen.
#pragma once

#include <windows.h>

#include "control/render/fretboard_renderer.h"

namespace scalewright {

SBoardColours BoardColoursFor(HDC dc, bool highContrast);

// Whether the user asked for high contrast (SPI_GETHIGHCONTRAST).
bool HighContrastOn();

}  // namespace scalewright
