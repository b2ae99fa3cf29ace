#include "framework/ui/window_subclass.h"

#include <commctrl.h>

#include <utility>

namespace scalewright::ui {

namespace {
// One subclass of ours per window and object: the object's address tells
// them apart, this id tells them from other code's subclasses.
constexpr UINT_PTR kSubclassId = 0x5357;  // "SW"
}  // namespace

bool CWindowSubclass::Attach(HWND window, Handler handler) {
  Detach();
  if (!window || !handler) return false;
  if (!::SetWindowSubclass(window, &CWindowSubclass::Proc, kSubclassId,
                           reinterpret_cast<DWORD_PTR>(this))) {
    return false;
  }
  m_hwnd = window;
  m_handler = std::move(handler);
  return true;
}

void CWindowSubclass::Detach() {
  if (HWND window = std::exchange(m_hwnd, nullptr)) {
    ::RemoveWindowSubclass(window, &CWindowSubclass::Proc, kSubclassId);
  }
  m_handler = nullptr;
}

LRESULT CALLBACK CWindowSubclass::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR, DWORD_PTR data) {
  auto* self = reinterpret_cast<CWindowSubclass*>(data);
  if (message == WM_NCDESTROY) {
    // The window goes first: unhook so that nothing calls a stale object.
    self->Detach();
    return ::DefSubclassProc(window, message, wParam, lParam);
  }
  LRESULT result = 0;
  bool handled = false;
  try {
    handled = self->m_handler && self->m_handler(window, message, wParam, lParam, result);
  } catch (...) {
    handled = false;
  }
  return handled ? result : ::DefSubclassProc(window, message, wParam, lParam);
}

}  // namespace scalewright::ui
