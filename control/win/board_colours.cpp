#include "control/win/board_colours.h"

#include "control/win/screen_context.h"

namespace scalewright {

namespace {

gfx::Color SystemColour(int index) {
  const COLORREF colour = ::GetSysColor(index);
  return gfx::Rgb(GetRValue(colour), GetGValue(colour), GetBValue(colour));
}

}  // namespace

SBoardColours BoardColoursFor(HDC dc, bool highContrast) {
  if (!highContrast || !IsScreenContext(dc)) return {};
  return {SystemColour(COLOR_WINDOWTEXT), SystemColour(COLOR_WINDOW), true};
}

bool HighContrastOn() {
  HIGHCONTRASTW contrast = {};
  contrast.cbSize = sizeof contrast;
  return ::SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
         (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

}  // namespace scalewright
