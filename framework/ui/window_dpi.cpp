#include "framework/ui/window_dpi.h"

namespace scalewright::ui {

namespace {

using GetDpiForWindowProc = UINT(WINAPI*)(HWND);

// Looked up, not imported, so that the program still starts on Windows 7.
GetDpiForWindowProc WindowDpiFunction() {
  static const auto function = reinterpret_cast<GetDpiForWindowProc>(reinterpret_cast<void*>(
      ::GetProcAddress(::GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
  return function;
}

}  // namespace

int WindowDpi(HWND window) {
  if (const GetDpiForWindowProc windowDpi = WindowDpiFunction(); windowDpi && window) {
    if (const UINT dpi = windowDpi(window); dpi > 0) return static_cast<int>(dpi);
  }
  HDC screen = ::GetDC(window);
  const int dpi = screen ? ::GetDeviceCaps(screen, LOGPIXELSY) : 0;
  if (screen) ::ReleaseDC(window, screen);
  return dpi > 0 ? dpi : kBaseDpi;
}

}  // namespace scalewright::ui
