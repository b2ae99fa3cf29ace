// CWnd: a window bound to a C++ object for its whole life, from
// WM_NCCREATE to WM_NCDESTROY. Messages reach WindowProc; what it leaves
// goes to DefProc, which frames and MDI children override with their own
// default procedures. No exception leaves the window procedure.
#pragma once

#include <windows.h>

namespace scalewright::docview {

class CWnd {
 public:
  CWnd() = default;
  CWnd(const CWnd&) = delete;
  CWnd& operator=(const CWnd&) = delete;
  virtual ~CWnd();

  HWND Hwnd() const { return m_hwnd; }
  // The object bound to |window| by this framework, or null.
  static CWnd* FromHandle(HWND window);

  // Registers a window class whose procedure dispatches to CWnd objects.
  static bool RegisterClass(HINSTANCE module, const char* name, UINT style,
                            HICON icon, HBRUSH background);

 protected:
  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  virtual LRESULT DefProc(UINT message, WPARAM wParam, LPARAM lParam);
  // After WM_NCDESTROY: the handle is gone. Self-owned windows delete
  // themselves here.
  virtual void OnFinalDestroy() {}

 private:
  static LRESULT CALLBACK StaticProc(HWND window, UINT message, WPARAM wParam,
                                     LPARAM lParam);
  HWND m_hwnd = nullptr;
};

}  // namespace scalewright::docview
