// CWnd: a frame-side window bound to a C++ object for its whole life (see
// ui::CWindowObject). What WindowProc leaves goes to DefProc, which frames
// and MDI children override with their own default procedures.
#pragma once

#include <windows.h>

#include "framework/ui/window_object.h"

namespace scalewright::docview {

class CWnd : public ui::CWindowObject {
 public:
  // The CWnd bound to |window|, or null.
  static CWnd* FromHandle(HWND window);

  // Registers a window class whose procedure dispatches to CWnd objects,
  // with the icon resource |iconId| of |module| (0: none).
  static bool RegisterClass(HINSTANCE module, const char* name, UINT style, UINT iconId,
                            HBRUSH background);

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  virtual LRESULT DefProc(UINT message, WPARAM wParam, LPARAM lParam);
};

}  // namespace scalewright::docview
