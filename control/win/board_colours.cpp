#include "control/win/board_colours.h"

namespace scalewright {

namespace {

gfx::Color SystemColour(int index) {
  const COLORREF colour = ::GetSysColor(index);
  return gfx::Rgb(GetRValue(colour), GetGValue(colour), GetBValue(colour));
}

}  // namespace

SBoardColours BoardColoursFor(HDC dc, bool highContrast) {
  // A window's context on the display: not a memory bitmap, a metafile or
  // a printer.
  const bool screen =
      dc && ::GetObjectType(dc) == OBJ_DC && ::GetDeviceCaps(dc, TECHNOLOGY) == DT_RASDISPLAY;
  if (!highContrast || !screen) return {};
  return {SystemColour(COLOR_WINDOWTEXT), SystemColour(COLOR_WINDOW), true};
}

bool HighContrastOn() {
  HIGHCONTRASTW contrast = {};
  contrast.cbSize = sizeof contrast;
  return ::SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
         (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

}  // namespace scalewright
