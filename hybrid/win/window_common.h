// What the hybrid framework's windows share: mouse points from message parameters, and the window
// procedure. The object comes in as the creation
// parameter and lives in the window's user data; each message goes to its
// OnMessage. A window class declares the procedure a friend and keeps its
// window handle in m_window.
#pragma once

#include <windows.h>

#include "hybrid/interfaces/hybrid_bits.h"

namespace scalewright {

// The signed client point of a mouse message.
inline Point PointOf(LPARAM lParam) {
  return {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

template <class Window>
LRESULT CALLBACK ObjectWindowProc(HWND window, UINT message, WPARAM wParam,
                                  LPARAM lParam) {
  auto* self =
      reinterpret_cast<Window*>(::GetWindowLongPtrA(window, GWLP_USERDATA));
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
    self = static_cast<Window*>(create->lpCreateParams);
    if (!self) return FALSE;
    self->m_window = window;
    ::SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  if (!self) return ::DefWindowProcA(window, message, wParam, lParam);
  LRESULT result = 0;
  try {
    result = self->OnMessage(message, wParam, lParam);
  } catch (...) {
    // Nothing may unwind through the system's dispatch.
    result = 0;
  }
  if (message == WM_NCDESTROY) {
    ::SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    self->m_window = nullptr;
  }
  return result;
}

}  // namespace scalewright
