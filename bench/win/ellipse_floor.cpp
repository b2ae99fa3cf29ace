// ellipse_floor: the least a Windows program does to show a picture — one
// window, one filled ellipse in its first WM_PAINT. startup_bench launches
// it to measure the platform's own start-up floor beside SW's.
//
// Built as imports_floor (SW_IMPORTS_FLOOR defined) it also imports every
// DLL that SW imports, so that it loads and initialises them before
// WinMain as SW does: the floor that SW's own code stands on.
#include <windows.h>

#ifdef SW_IMPORTS_FLOOR
#include <commctrl.h>
#include <oleauto.h>
#include <winver.h>
#endif

namespace {

LRESULT CALLBACK FloorWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = ::BeginPaint(window, &paint);
      RECT client;
      ::GetClientRect(window, &client);
      HBRUSH brush = ::CreateSolidBrush(RGB(200, 30, 30));
      HGDIOBJ old = ::SelectObject(dc, brush);
      ::Ellipse(dc, client.right / 4, client.bottom / 4, client.right * 3 / 4,
                client.bottom * 3 / 4);
      ::SelectObject(dc, old);
      ::DeleteObject(brush);
      ::EndPaint(window, &paint);
      return 0;
    }
    case WM_DESTROY:
      ::PostQuitMessage(0);
      return 0;
    default:
      return ::DefWindowProcA(window, message, wParam, lParam);
  }
}

#ifdef SW_IMPORTS_FLOOR
// One function of each DLL SW.exe imports, so that the linker keeps the
// import: the DLLs load with the program, nothing of them is called.
void* const volatile kImports[] = {
    reinterpret_cast<void*>(&::RegCloseKey),              // advapi32
    reinterpret_cast<void*>(&::InitCommonControlsEx),     // comctl32
    reinterpret_cast<void*>(&::GradientFill),             // msimg32
    reinterpret_cast<void*>(&::CoInitializeEx),           // ole32
    reinterpret_cast<void*>(&::SysAllocString),           // oleaut32
    reinterpret_cast<void*>(&::GetFileVersionInfoSizeA),  // version
};
#endif

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
#ifdef SW_IMPORTS_FLOOR
  if (!kImports[0]) return 1;
#endif
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = FloorWindowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = ::LoadCursor(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  windowClass.lpszClassName = "EllipseFloor";
  if (!::RegisterClassA(&windowClass)) return 1;
  HWND window = ::CreateWindowA("EllipseFloor", "Ellipse", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, 0,
                                CW_USEDEFAULT, 0, nullptr, nullptr, instance, nullptr);
  if (!window) return 1;
  ::ShowWindow(window, show);
  ::UpdateWindow(window);
  MSG message;
  while (::GetMessageA(&message, nullptr, 0, 0) > 0) {
    ::TranslateMessage(&message);
    ::DispatchMessageA(&message);
  }
  return static_cast<int>(message.wParam);
}
