#include "framework/docview/window.h"

namespace scalewright::docview {

namespace {
constexpr char kObjectProperty[] = "Scalewright.CWnd";
}

CWnd::~CWnd() {
  // An object that goes before its window leaves the window to the system.
  if (m_hwnd) {
    ::RemovePropA(m_hwnd, kObjectProperty);
    HWND window = m_hwnd;
    m_hwnd = nullptr;
    ::DestroyWindow(window);
  }
}

CWnd* CWnd::FromHandle(HWND window) {
  return window ? static_cast<CWnd*>(::GetPropA(window, kObjectProperty)) : nullptr;
}

bool CWnd::RegisterClass(HINSTANCE module, const char* name, UINT style, HICON icon,
                         HBRUSH background) {
  WNDCLASSEXA wc = {};
  if (::GetClassInfoExA(module, name, &wc)) return true;
  wc.cbSize = sizeof wc;
  wc.style = style;
  wc.lpfnWndProc = StaticProc;
  wc.hInstance = module;
  wc.hIcon = icon;
  wc.hCursor = ::LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = background;
  wc.lpszClassName = name;
  return ::RegisterClassExA(&wc) != 0;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  return DefProc(message, wParam, lParam);
}

LRESULT CWnd::DefProc(UINT message, WPARAM wParam, LPARAM lParam) {
  return ::DefWindowProcA(m_hwnd, message, wParam, lParam);
}

LRESULT CALLBACK CWnd::StaticProc(HWND window, UINT message, WPARAM wParam,
                                  LPARAM lParam) {
  CWnd* self = FromHandle(window);
  if (!self && message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
    LPARAM param = reinterpret_cast<LPARAM>(create->lpCreateParams);
    // An MDI child gets its creation parameter through MDICREATESTRUCT.
    if ((create->dwExStyle & WS_EX_MDICHILD) && param)
      param = reinterpret_cast<const MDICREATESTRUCTA*>(param)->lParam;
    self = reinterpret_cast<CWnd*>(param);
    if (self) {
      self->m_hwnd = window;
      ::SetPropA(window, kObjectProperty, self);
    }
  }
  if (!self) return ::DefWindowProcA(window, message, wParam, lParam);
  LRESULT result = 0;
  try {
    result = self->WindowProc(message, wParam, lParam);
  } catch (...) {
    result = message == WM_CREATE ? -1 : 0;
  }
  if (message == WM_NCDESTROY) {
    ::RemovePropA(window, kObjectProperty);
    self->m_hwnd = nullptr;
    self->OnFinalDestroy();
  }
  return result;
}

}  // namespace scalewright::docview
