#include "hybrid/contents/slider_content.h"

#include <algorithm>

#include "hybrid/contents/button_content.h"

namespace scalewright {

void CSliderContent::SetRange(int minimum, int maximum) {
  if (maximum < minimum) std::swap(minimum, maximum);
  m_min = minimum;
  m_max = maximum;
  SetPos(m_pos);
  Redraw();
}

void CSliderContent::SetPos(int position) {
  const int clamped = std::clamp(position, m_min, m_max);
  if (clamped == m_pos) return;
  m_pos = clamped;
  Redraw();
}

int CSliderContent::ThumbLeft(int left, int right) const {
  const int travel = std::max(0, right - left - kThumbWidth);
  if (m_max == m_min) return left;
  return left + static_cast<int>(static_cast<long long>(m_pos - m_min) * travel /
                                 (static_cast<long long>(m_max) - m_min));
}

int CSliderContent::PositionAt(int x) const {
  const Rect r = CellRect();
  const int travel = std::max(1, r.Width() - kThumbWidth);
  const long long offset = std::clamp(x - r.left - kThumbWidth / 2, 0, travel);
  return m_min + static_cast<int>(offset * (static_cast<long long>(m_max) - m_min) / travel);
}

void CSliderContent::Draw(gfx::Canvas& canvas, int left, int top, int right, int bottom) {
  const Rect r{left, top, right, bottom};
  if (!(CellStyle() & kStyleTransparent)) canvas.FillRect(r, Background());
  const int mid = (r.top + r.bottom) / 2;
  const Color light = SysColor(kColorBtnHighlight);
  const Color shadow = SysColor(kColorBtnShadow);
  // A sunken groove, then the raised thumb over it.
  canvas.Line({r.left + kThumbWidth / 2, mid - 1}, {r.right - kThumbWidth / 2, mid - 1}, shadow);
  canvas.Line({r.left + kThumbWidth / 2, mid + 1}, {r.right - kThumbWidth / 2, mid + 1}, light);
  const int x = ThumbLeft(r.left, r.right);
  const Rect thumb{x, r.top + 2, x + kThumbWidth, r.bottom - 2};
  canvas.FillRect(thumb, SysColor(kColorBtnFace));
  DrawButtonEdge(canvas, thumb, false, light, shadow);
  if (HasFocus()) canvas.DrawFocusRect(r);
}

bool CSliderContent::OnLButtonDown(Point point) {
  CaptureMouse();
  SetPos(PositionAt(point.x));
  return true;
}

void CSliderContent::OnMouseMove(Point point) {
  if (HasCapture()) SetPos(PositionAt(point.x));
}

void CSliderContent::OnLButtonUp(Point) {
  if (HasCapture()) ReleaseMouse();
}

bool CSliderContent::OnKeyDown(int virtualKey, std::uint32_t) {
  switch (virtualKey) {
    case kVkLeft:
      SetPos(m_pos - 1);
      return true;
    case kVkRight:
      SetPos(m_pos + 1);
      return true;
    case kVkHome:
      SetPos(m_min);
      return true;
    case kVkEnd:
      SetPos(m_max);
      return true;
    default:
      return false;
  }
}

}  // namespace scalewright
