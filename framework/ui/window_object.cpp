#include "framework/ui/window_object.h"

namespace scalewright::ui {

namespace {

constexpr char kObjectProperty[] = "Scalewright.WindowObject";

LRESULT DefaultProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return ::IsWindowUnicode(window) ? ::DefWindowProcW(window, message, wParam, lParam)
                                   : ::DefWindowProcA(window, message, wParam, lParam);
}

// The object a window is created for; creation structures have the same
// layout in both character sets.
CWindowObject* CreationObject(LPARAM lParam) {
  const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
  LPARAM param = reinterpret_cast<LPARAM>(create->lpCreateParams);
  // An MDI child gets its creation parameter through MDICREATESTRUCT.
  if ((create->dwExStyle & WS_EX_MDICHILD) && param)
    param = reinterpret_cast<const MDICREATESTRUCTA*>(param)->lParam;
  return reinterpret_cast<CWindowObject*>(param);
}

}  // namespace

CWindowObject::~CWindowObject() {
  if (m_hwnd) {
    ::RemovePropA(m_hwnd, kObjectProperty);
    HWND window = m_hwnd;
    m_hwnd = nullptr;
    ::DestroyWindow(window);
  }
}

CWindowObject* CWindowObject::FromHandle(HWND window) {
  return window ? static_cast<CWindowObject*>(::GetPropA(window, kObjectProperty)) : nullptr;
}

LRESULT CALLBACK CWindowObject::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  CWindowObject* self = FromHandle(window);
  if (!self && message == WM_NCCREATE) {
    self = CreationObject(lParam);
    if (self) {
      self->m_hwnd = window;
      ::SetPropA(window, kObjectProperty, self);
    }
  }
  if (!self) return DefaultProc(window, message, wParam, lParam);
  LRESULT result = 0;
  try {
    result = self->WindowProc(message, wParam, lParam);
  } catch (...) {
    // Nothing may unwind through the system's dispatch; a window whose
    // creation threw is not created.
    result = message == WM_CREATE ? -1 : 0;
  }
  if (message == WM_NCDESTROY) {
    ::RemovePropA(window, kObjectProperty);
    self->m_hwnd = nullptr;
    self->OnFinalDestroy();
  }
  return result;
}

}  // namespace scalewright::ui
