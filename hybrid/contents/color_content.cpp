#include "hybrid/contents/color_content.h"

namespace scalewright {

void CColorContent::SetColor(Color color) {
  if (color == m_color) return;
  m_color = color;
  Redraw();
}

void CColorContent::Draw(gfx::Canvas& canvas, int left, int top, int right, int bottom) {
  const Rect r{left, top, right, bottom};
  canvas.FillRect(r, Background());
  const Rect swatch{r.left + (r.Width() - kSide) / 2, r.top + (r.Height() - kSide) / 2,
                    r.left + (r.Width() - kSide) / 2 + kSide,
                    r.top + (r.Height() - kSide) / 2 + kSide};
  canvas.FillRect(swatch, m_color);
  canvas.FrameRect(swatch, SysColor(kColorBtnShadow));
}

}  // namespace scalewright
