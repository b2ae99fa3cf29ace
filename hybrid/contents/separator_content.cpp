#include "hybrid/contents/separator_content.h"

namespace scalewright {

int CSeparatorContent::GetHeightForWidth(int) {
  if (CellStyle() & kStyleContent3) return 1;
  return m_top + m_bottom + 2;
}

void CSeparatorContent::SetMargins(int left, int top, int right, int bottom) {
  if (left == m_left && top == m_top && right == m_right && bottom == m_bottom) return;
  m_left = left, m_top = top, m_right = right, m_bottom = bottom;
  RequestLayout();
}

void CSeparatorContent::Draw(gfx::Canvas& canvas, int left, int top, int right, int bottom) {
  const std::uint32_t style = CellStyle();
  if (!(style & kStyleTransparent)) canvas.FillRect({left, top, right, bottom}, Background());
  const int y = (style & kStyleContent3) ? top : top + m_top;
  const Point from{left + m_left, y};
  const Point to{right - m_right, y};
  if (to.x <= from.x) return;
  if (style & kStyleContent1) {
    canvas.Line(from, to, kLineGrey);
  } else if (style & kStyleContent2) {
    canvas.Line(from, to, kLineGrey);
    canvas.Line({from.x, y + 1}, {to.x, y + 1}, kWhite);
  }
}

}  // namespace scalewright
