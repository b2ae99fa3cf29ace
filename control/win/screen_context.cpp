#include "control/win/screen_context.h"

#include "control/render/fretboard_renderer.h"
#include "framework/ui/window_dpi.h"

namespace scalewright {

bool IsScreenContext(HDC dc) {
  return dc && ::GetObjectType(dc) == OBJ_DC && ::GetDeviceCaps(dc, TECHNOLOGY) == DT_RASDISPLAY;
}

int BoardDpiOf(HDC dc) {
  if (!IsScreenContext(dc)) return kBaseDpi;
  if (HWND window = ::WindowFromDC(dc)) return ui::WindowDpi(window);
  const int dpi = ::GetDeviceCaps(dc, LOGPIXELSY);
  return dpi > 0 ? dpi : kBaseDpi;
}

}  // namespace scalewright
