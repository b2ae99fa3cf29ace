// Scope owners for the DCs a window borrows: the paint DC (BeginPaint and
// EndPaint) and the window DC (GetDC and ReleaseDC).
#pragma once

#include <windows.h>

namespace scalewright {

class CPaintDc {
 public:
  explicit CPaintDc(HWND window) : m_window(window) {
    m_dc = ::BeginPaint(window, &m_paint);
  }
  ~CPaintDc() { ::EndPaint(m_window, &m_paint); }
  CPaintDc(const CPaintDc&) = delete;
  CPaintDc& operator=(const CPaintDc&) = delete;

  HDC Get() const { return m_dc; }

 private:
  HWND m_window;
  PAINTSTRUCT m_paint{};
  HDC m_dc = nullptr;
};

class CWindowDc {
 public:
  explicit CWindowDc(HWND window) : m_window(window), m_dc(::GetDC(window)) {}
  ~CWindowDc() {
    if (m_dc) ::ReleaseDC(m_window, m_dc);
  }
  CWindowDc(const CWindowDc&) = delete;
  CWindowDc& operator=(const CWindowDc&) = delete;

  HDC Get() const { return m_dc; }
  explicit operator bool() const { return m_dc != nullptr; }

 private:
  HWND m_window;
  HDC m_dc;
};

}  // namespace scalewright
