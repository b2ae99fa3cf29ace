// What kind of device context the board is painted on: a window's on the
// screen, which follows the user's display settings, or a memory bitmap, a
// metafile or a printer, which keep the board's fixed look.
#pragma once

#include <windows.h>

namespace scalewright {

// A window's context on the display.
bool IsScreenContext(HDC dc);

// The dots per inch the board is drawn at on |dc|: the DPI of the window a
// screen context belongs to (GetDpiForWindow where the system has it, the
// context's LOGPIXELSY otherwise), and the base 96 for every other context,
// whose pictures and prints are made in their own units.
int BoardDpiOf(HDC dc);

}  // namespace scalewright
