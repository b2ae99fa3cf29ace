// The window of a windowed control: a child of the container's window that
// paints through the control's OnDraw and turns focus and mouse activation
// into UI activation, as containers expect of a control.
#pragma once

#include <windows.h>

namespace scalewright::ole {

class CControlCore;

// BeginPaint in the constructor, EndPaint in the destructor.
class CPaintScope {
 public:
  explicit CPaintScope(HWND hwnd) : m_hwnd(hwnd) { m_dc = ::BeginPaint(m_hwnd, &m_ps); }
  ~CPaintScope() { ::EndPaint(m_hwnd, &m_ps); }
  CPaintScope(const CPaintScope&) = delete;
  CPaintScope& operator=(const CPaintScope&) = delete;

  HDC dc() const { return m_dc; }

 private:
  HWND m_hwnd;
  PAINTSTRUCT m_ps = {};
  HDC m_dc = nullptr;
};

// The window class every control of this module uses.
inline constexpr wchar_t kControlWindowClass[] = L"ScalewrightOleControl";

// A visible child of |parent| at |pos| whose messages go to |core|; null on
// failure (GetLastError tells why). The class is registered with the first
// window and unregistered after the last, so that an unloaded module leaves
// no class behind whose procedure is gone.
HWND CreateControlWindow(CControlCore& core, HWND parent, const RECT& pos);
void DestroyControlWindow(HWND hwnd);
// The class once no window of it is left (also run when the module unloads).
void UnregisterIdleClass();

}  // namespace scalewright::ole
