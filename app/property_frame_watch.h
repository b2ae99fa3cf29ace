// Which property frame a call opened. OleCreatePropertyFrameIndirect gives no
// handle back, and runs its own loop in which SW stays usable: a window
// that closes while its frame is up must take the frame down, or the frame
// would go on editing a control that is gone. While a watch lives, the
// first top-level dialog made on this thread is its frame.
#pragma once

#include <windows.h>

namespace scalewright::app {

class CPropertyFrameWatch {
 public:
  CPropertyFrameWatch();
  ~CPropertyFrameWatch();
  CPropertyFrameWatch(const CPropertyFrameWatch&) = delete;
  CPropertyFrameWatch& operator=(const CPropertyFrameWatch&) = delete;

  // The frame; null before it was made, or when it is gone.
  HWND Frame() const;
  // Cancels the frame, as its Cancel button does, if it is up.
  void Close() const;

 private:
  static LRESULT CALLBACK OnWindowEvent(int code, WPARAM wParam, LPARAM lParam);

  HHOOK m_hook = nullptr;
  CPropertyFrameWatch* m_outer = nullptr;  // a watch of a frame opened earlier
  HWND m_frame = nullptr;
};

}  // namespace scalewright::app
