// Printing the fretboard: the control paints itself through its private
// settings interface onto any device context.
#pragma once

#include <windows.h>

#include <unknwn.h>

namespace scalewright::app {

// Nothing is drawn when |control| is null or lacks the interface.
void DrawFretboard(IUnknown* control, HDC dc, const RECT& page);

}  // namespace scalewright::app
