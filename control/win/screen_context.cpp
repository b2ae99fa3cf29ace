#include "control/win/screen_context.h"

#include "control/render/fretboard_renderer.h"

namespace scalewright {

namespace {

// Windows 10 1607 and later; looked up so that SW still starts on older
// systems, where the context's own resolution is the window's.
using GetDpiForWindowProc = UINT(WINAPI*)(HWND);

GetDpiForWindowProc WindowDpiFunction() {
  static const auto function = reinterpret_cast<GetDpiForWindowProc>(reinterpret_cast<void*>(
      ::GetProcAddress(::GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
  return function;
}

}  // namespace

bool IsScreenContext(HDC dc) {
  return dc && ::GetObjectType(dc) == OBJ_DC && ::GetDeviceCaps(dc, TECHNOLOGY) == DT_RASDISPLAY;
}

int BoardDpiOf(HDC dc) {
  if (!IsScreenContext(dc)) return kBaseDpi;
  HWND window = ::WindowFromDC(dc);
  if (const GetDpiForWindowProc windowDpi = WindowDpiFunction(); windowDpi && window) {
    if (const UINT dpi = windowDpi(window); dpi > 0) return static_cast<int>(dpi);
  }
  const int dpi = ::GetDeviceCaps(dc, LOGPIXELSY);
  return dpi > 0 ? dpi : kBaseDpi;
}

}  // namespace scalewright
