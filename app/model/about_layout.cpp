#include "app/model/about_layout.h"

#include <algorithm>

namespace scalewright::app {

int AboutTextWidth(gfx::Size banner, int iconWidth) {
  // A banner narrower than the icon column leaves no room for text.
  return std::max(0, banner.cx - 2 * iconWidth);
}

SAboutLayout LayOutAbout(const SAboutMeasures& m) {
  const int bw = m.banner.cx;
  const int bh = m.banner.cy;
  const int iw = m.icon.cx;
  const int th = m.textHeight;
  SAboutLayout layout;
  // Half an icon from the column's left edge and from the banner.
  layout.icon = {iw / 2, bh + iw / 2};
  layout.text = {2 * iw, bh, 2 * iw + AboutTextWidth(m.banner, iw), bh + th};
  layout.button = {bw - m.button.cx - kAboutMargin, bh + th + kAboutMargin};
  layout.client = {bw, bh + th + m.button.cy + kAboutButtonGap};
  return layout;
}

}  // namespace scalewright::app
