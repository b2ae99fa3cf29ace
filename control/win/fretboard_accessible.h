// The board as assistive technology reads it (MSAA, which UI Automation
// wraps): a graphic named after its scale ("A Aeolian"), described by the
// notes it shows, with one child for every marker, named "C, string 5,
// fret 3, degree 3" and located where it is drawn. A snapshot of the board
// at the time of the request, holding nothing of the control but its window.
#pragma once

#include <windows.h>

#include <oleacc.h>

#include "control/render/board_reading.h"

namespace scalewright {

// A new object with one reference; |reading|'s places are in |window|'s
// client coordinates.
IAccessible* NewBoardAccessible(HWND window, SBoardReading reading);

}  // namespace scalewright
