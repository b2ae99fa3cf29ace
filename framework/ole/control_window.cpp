#include "framework/ole/control_window.h"

#include <windowsx.h>

#include <oleacc.h>

#include "framework/ole/control_core.h"
#include "framework/ui/this_module.h"

namespace scalewright::ole {
namespace {

// Windows alive in this module; the class lives exactly as long as one does.
// Controls are apartment-threaded, but two apartments may each have some.
LONG g_windows = 0;

CControlCore* CoreOf(HWND hwnd) {
  return reinterpret_cast<CControlCore*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

LRESULT HandleMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  CControlCore* core = CoreOf(hwnd);
  switch (message) {
    case WM_NCCREATE: {
      ::InterlockedIncrement(&g_windows);
      const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
      ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
      break;
    }
    case WM_PAINT: {
      if (!core) break;
      CPaintScope paint(hwnd);
      RECT client = {};
      ::GetClientRect(hwnd, &client);
      if (paint.dc()) core->OnDraw(paint.dc(), client);
      return 0;
    }
    case WM_PRINTCLIENT: {
      // PrintWindow and AnimateWindow ask for the picture in their own context.
      if (!core || !wParam) break;
      RECT client = {};
      ::GetClientRect(hwnd, &client);
      core->OnDraw(reinterpret_cast<HDC>(wParam), client);
      return 0;
    }
    case WM_GETOBJECT: {
      // Screen readers ask for the client area's object.
      if (!core || static_cast<LONG>(lParam) != OBJID_CLIENT) break;
      IAccessible* accessible = core->NewAccessible(hwnd);
      if (!accessible) break;
      const LRESULT result = ::LresultFromObject(IID_IAccessible, wParam, accessible);
      accessible->Release();
      return result;
    }
    case WM_ERASEBKGND:
      // The control paints every pixel of its client area.
      if (core) return 1;
      break;
    case WM_MOUSEACTIVATE:
      if (core) core->OnWindowMouseActivate();
      break;
    case WM_LBUTTONUP:
      if (core) core->OnWindowClick({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
      break;
    case kControlNotice:
      if (core) core->OnWindowNotice(wParam, lParam);
      return 0;
    case WM_SETFOCUS:
      if (core) core->OnWindowFocus(true);
      break;
    case WM_KILLFOCUS:
      if (core) core->OnWindowFocus(false);
      break;
    case WM_NCDESTROY:
      if (core) core->OnWindowDestroyed();
      ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
      ::InterlockedDecrement(&g_windows);
      break;
    default:
      break;
  }
  return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK ControlWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  // Nothing may unwind into the system's dispatcher.
  try {
    return HandleMessage(hwnd, message, wParam, lParam);
  } catch (...) {
    return ::DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

bool EnsureClass() {
  WNDCLASSEXW wc = {};
  wc.cbSize = sizeof wc;
  if (::GetClassInfoExW(ui::ThisModule(), kControlWindowClass, &wc)) return true;
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = &ControlWindowProc;
  wc.hInstance = ui::ThisModule();
  wc.hCursor = ::LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  wc.lpszClassName = kControlWindowClass;
  return ::RegisterClassExW(&wc) != 0 || ::GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

}  // namespace

void UnregisterIdleClass() {
  // Fails harmlessly (the class has windows) while another apartment's
  // control still has one.
  if (::InterlockedCompareExchange(&g_windows, 0, 0) == 0) {
    ::UnregisterClassW(kControlWindowClass, ui::ThisModule());
  }
}

HWND CreateControlWindow(CControlCore& core, HWND parent, const RECT& pos) {
  if (!EnsureClass()) return nullptr;
  HWND hwnd = ::CreateWindowExW(0, kControlWindowClass, L"",
                                WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, pos.left,
                                pos.top, pos.right - pos.left, pos.bottom - pos.top, parent,
                                nullptr, ui::ThisModule(), &core);
  if (!hwnd) {
    const DWORD error = ::GetLastError();
    UnregisterIdleClass();
    ::SetLastError(error);
  }
  return hwnd;
}

namespace {

// Runs when the module unloads: a container that destroyed the last control
// window along with its own leaves the class registered, and a class whose
// procedure is unloaded must not outlive the module.
struct CClassReleaser {
  CClassReleaser() = default;
  CClassReleaser(const CClassReleaser&) = delete;
  CClassReleaser& operator=(const CClassReleaser&) = delete;
  ~CClassReleaser() { UnregisterIdleClass(); }
};
const CClassReleaser g_classReleaser;

}  // namespace

void DestroyControlWindow(HWND hwnd) {
  if (hwnd) ::DestroyWindow(hwnd);
  // A class cannot be unregistered while its last window is being destroyed.
  UnregisterIdleClass();
}

}  // namespace scalewright::ole
