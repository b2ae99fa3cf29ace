// Where the About box puts its parts, from the sizes it measures: the banner
// across the top, the icon centred in a left column two icons wide, the
// text block to its right as high as its content, OK at the bottom right.
// Integer arithmetic only, no window: the dialog measures, this places.
#pragma once

#include "framework/gfx/geometry.h"

namespace scalewright::app {

inline constexpr int kAboutMargin = 5;      // around the OK button
inline constexpr int kAboutButtonGap = 10;  // the margins above and below OK

struct SAboutMeasures {
  gfx::Size banner;    // the banner bitmap's pixels (0 x 0 when missing)
  gfx::Size icon;      // the icon picture's window
  gfx::Size button;    // the OK button's window
  int textHeight = 0;  // the text block's content height at TextWidth()
};

struct SAboutLayout {
  gfx::Point icon;    // the icon picture's position (its size is kept)
  gfx::Rect text;     // the text block
  gfx::Point button;  // the OK button's position (its size is kept)
  gfx::Size client;   // the dialog's client area
};

// Width of the text block: the banner's width less the icon column, never
// below 0.
int AboutTextWidth(gfx::Size banner, int iconWidth);

SAboutLayout LayOutAbout(const SAboutMeasures& measures);

}  // namespace scalewright::app
