// CWindowObject: a window bound to a C++ object from WM_NCCREATE to
// WM_NCDESTROY. The object comes in as the creation parameter (an MDI
// child's through its MDICREATESTRUCT) and is kept in the window's extra
// bytes; every message reaches its WindowProc, and no exception leaves the
// window procedure. Register window classes with CWindowObject::Proc and
// kWindowExtraBytes, and pass the object as
// static_cast<CWindowObject*>(this): with more than one base class, |this|
// alone may point elsewhere.
#pragma once

#include <windows.h>

namespace scalewright::ui {

class CWindowObject {
 public:
  CWindowObject() = default;
  CWindowObject(const CWindowObject&) = delete;
  CWindowObject& operator=(const CWindowObject&) = delete;
  // An object that goes before its window leaves the window to the system.
  virtual ~CWindowObject();

  // The extra bytes (cbWndExtra) a class that runs Proc reserves.
  static constexpr int kWindowExtraBytes = sizeof(LONG_PTR);

  HWND Hwnd() const { return m_hwnd; }
  // The object bound to |window| by this mechanism, or null.
  static CWindowObject* FromHandle(HWND window);

  // The window procedure of classes whose windows are bound to objects.
  static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

 protected:
  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) = 0;
  // After WM_NCDESTROY: the handle is gone. Self-owned windows delete
  // themselves here.
  virtual void OnFinalDestroy() {}

  HWND m_hwnd = nullptr;
};

}  // namespace scalewright::ui
