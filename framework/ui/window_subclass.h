// CWindowSubclass: hooks the messages of a window the program did not
// create (a frame's page wrapper, say) for as long as the object lives or
// the window exists, whichever ends first. Messages the handler leaves go
// on to the window's own procedure.
#pragma once

#include <windows.h>

#include <functional>

namespace scalewright::ui {

class CWindowSubclass {
 public:
  // Return true when handled, with |result| as the message's answer.
  using Handler =
      std::function<bool(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)>;

  CWindowSubclass() = default;
  ~CWindowSubclass() { Detach(); }
  // The system holds this object's address: it neither copies nor moves.
  CWindowSubclass(const CWindowSubclass&) = delete;
  CWindowSubclass& operator=(const CWindowSubclass&) = delete;

  // Detaches from any earlier window first. False when the window is not
  // of this thread or the system refuses.
  bool Attach(HWND window, Handler handler);
  void Detach();
  HWND Hwnd() const { return m_hwnd; }

 private:
  static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                               DWORD_PTR self);

  HWND m_hwnd = nullptr;
  Handler m_handler;
};

}  // namespace scalewright::ui
