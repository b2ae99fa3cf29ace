#include "framework/docview/window.h"

#include "framework/ui/utf8_text.h"

namespace scalewright::docview {

CWnd* CWnd::FromHandle(HWND window) {
  return dynamic_cast<CWnd*>(CWindowObject::FromHandle(window));
}

bool CWnd::RegisterClass(HINSTANCE module, const char* name, UINT style, UINT iconId,
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
  if (iconId) {
    // Both sizes from the resource's own images: a class given only the
    // large one has the small one scaled from it, which costs the start-up
    // a few milliseconds a class.
    const auto load = [&](int width, int height) {
      return static_cast<HICON>(::LoadImageA(module, MAKEINTRESOURCEA(iconId), IMAGE_ICON, width,
                                             height, LR_DEFAULTCOLOR | LR_SHARED));
    };
    wc.hIcon = load(::GetSystemMetrics(SM_CXICON), ::GetSystemMetrics(SM_CYICON));
    wc.hIconSm = load(::GetSystemMetrics(SM_CXSMICON), ::GetSystemMetrics(SM_CYSMICON));
  }
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
