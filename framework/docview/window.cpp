#include "framework/docview/window.h"

#include "framework/ui/utf8_text.h"

namespace scalewright::docview {

CWnd* CWnd::FromHandle(HWND window) {
  return dynamic_cast<CWnd*>(CWindowObject::FromHandle(window));
}

bool CWnd::RegisterClass(HINSTANCE module, const char* name, UINT style, HICON icon,
                         HBRUSH background) {
  // Unicode windows: titles (file names) in any script show as they are.
  const std::wstring className = ui::Widen(name);
  WNDCLASSEXW wc = {};
  if (::GetClassInfoExW(module, className.c_str(), &wc)) return true;
  wc.cbSize = sizeof wc;
  wc.style = style;
  wc.lpfnWndProc = CWindowObject::Proc;
  wc.cbWndExtra = CWindowObject::kWindowExtraBytes;
  wc.hInstance = module;
  wc.hIcon = icon;
  wc.hCursor = ::LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = background;
  wc.lpszClassName = className.c_str();
  return ::RegisterClassExW(&wc) != 0;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  return DefProc(message, wParam, lParam);
}

LRESULT CWnd::DefProc(UINT message, WPARAM wParam, LPARAM lParam) {
  return ::DefWindowProcW(m_hwnd, message, wParam, lParam);
}

}  // namespace scalewright::docview
