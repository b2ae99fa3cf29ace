#include "hybrid/contents/separator_content.h"

namespace scalewright {

int CSeparatorContent::GetHeightForWidth(int) {
  if (CellStyle() & kStyleContent3) return 1;
  return top_ + bottom_ + 2;
}

void CSeparatorContent::SetMargins(int left, int top, int right, int bottom) {
  if (left == left_ && top == top_ && right == right_ && bottom == bottom_)
    return;
  left_ = left, top_ = top, right_ = right, bottom_ = bottom;
  RequestLayout();
}

void CSeparatorContent::Draw(gfx::Canvas& canvas, int left, int top,
                             int right, int bottom) {
  const std::uint32_t style = CellStyle();
  if (!(style & kStyleTransparent))
    canvas.FillRect({left, top, right, bottom}, Background());
  const int y = (style & kStyleContent3) ? top : top + top_;
  const Point from{left + left_, y};
  const Point to{right - right_, y};
  if (to.x <= from.x) return;
  if (style & kStyleContent1) {
    canvas.Line(from, to, kLineGrey);
  } else if (style & kStyleContent2) {
    canvas.Line(from, to, kLineGrey);
    canvas.Line({from.x, y + 1}, {to.x, y + 1}, kWhite);
  }
}

}  // namespace scalewright
