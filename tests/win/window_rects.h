// Where a window is: on the screen, or inside another window's client area.
// Header only, so that every test program (the end-to-end driver too) can
// take it without linking anything more.
#pragma once

#include <windows.h>

namespace scalewright {

// |window|'s rectangle, frame included, in screen coordinates.
inline RECT ScreenRect(HWND window) {
  RECT rect = {};
  ::GetWindowRect(window, &rect);
  return rect;
}

// |window|'s rectangle, frame included, in |parent|'s client coordinates.
inline RECT WindowRectIn(HWND window, HWND parent) {
  RECT rect = ScreenRect(window);
  ::MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

// Dialog item |id|'s rectangle in its dialog's client coordinates.
inline RECT ItemRect(HWND dialog, int id) { return WindowRectIn(::GetDlgItem(dialog, id), dialog); }

}  // namespace scalewright
