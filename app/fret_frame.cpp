#include "app/fret_frame.h"

namespace scalewright::app {

LRESULT CFretFrame::OnCreate(const CREATESTRUCTA& create) {
  if (CMDIChildWnd::OnCreate(create) == -1) return -1;
  // Posted, so that the maximise comes after the MDI creation sequence.
  ::PostMessageA(Hwnd(), WM_SYSCOMMAND, SC_MAXIMIZE, 0);
  return 0;
}

}  // namespace scalewright::app
