#include "framework/ui/window_object.h"

namespace scalewright::ui {

namespace {

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

// The object's slot in its window's extra bytes. A window's own values are
// read in the process, where a property would cost a call to the system
// for every message.
CWindowObject* BoundObject(HWND window) {
  return reinterpret_cast<CWindowObject*>(::GetWindowLongPtrA(window, 0));
}

bool Bind(HWND window, CWindowObject* object) {
  ::SetLastError(ERROR_SUCCESS);
  const LONG_PTR previous = ::SetWindowLongPtrA(window, 0, reinterpret_cast<LONG_PTR>(object));
  return previous != 0 || ::GetLastError() == ERROR_SUCCESS;
}

// The class's window procedure as it was registered: asked in the other
// character set, the system answers with a translating stand-in.
ULONG_PTR ClassProc(HWND window) {
  return ::IsWindowUnicode(window) ? ::GetClassLongPtrW(window, GCLP_WNDPROC)
                                   : ::GetClassLongPtrA(window, GCLP_WNDPROC);
}

}  // namespace

CWindowObject::~CWindowObject() {
  if (m_hwnd) {
    Bind(m_hwnd, nullptr);
    HWND window = m_hwnd;
    m_hwnd = nullptr;
    ::DestroyWindow(window);
  }
}

CWindowObject* CWindowObject::FromHandle(HWND window) {
  // Objects live in this process, and other classes' extra bytes hold
  // other things: only this process's windows that run Proc keep one.
  DWORD process = 0;
  if (!window || !::GetWindowThreadProcessId(window, &process) ||
      process != ::GetCurrentProcessId() || ClassProc(window) != reinterpret_cast<ULONG_PTR>(&Proc))
    return nullptr;
  return BoundObject(window);
}

LRESULT CALLBACK CWindowObject::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  CWindowObject* self = BoundObject(window);
  if (!self && message == WM_NCCREATE) {
    self = CreationObject(lParam);
    if (self) {
      // A class registered without the object's room cannot make windows.
      if (!Bind(window, self)) return FALSE;
      self->m_hwnd = window;
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
    Bind(window, nullptr);
    self->m_hwnd = nullptr;
    self->OnFinalDestroy();
  }
  return result;
}

}  // namespace scalewright::ui
