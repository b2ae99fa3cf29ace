// The DPI a window is shown at. A per-monitor aware program (SW, and a
// control in it) asks the window; older systems have one DPI for the whole
// screen.
#pragma once

#include <windows.h>

namespace scalewright::ui {

inline constexpr int kBaseDpi = 96;

// GetDpiForWindow where the system has it (Windows 10 1607 and later),
// the screen's LOGPIXELSY otherwise; the base 96 when neither answers.
int WindowDpi(HWND window);

// |value| at 96 DPI, at |dpi| (rounded half up, as MulDiv rounds).
inline int ScaleForDpi(int value, int dpi) { return ::MulDiv(value, dpi, kBaseDpi); }

}  // namespace scalewright::ui
