#include "hybrid/contents/button_content.h"

namespace scalewright {

void DrawButtonEdge(gfx::Canvas& canvas, const Rect& r, bool sunken, Color light, Color shadow) {
  if (r.IsEmpty()) return;
  const Color topLeft = sunken ? shadow : light;
  const Color bottomRight = sunken ? light : shadow;
  canvas.Line({r.left, r.bottom - 1}, {r.left, r.top}, topLeft);
  canvas.Line({r.left, r.top}, {r.right - 1, r.top}, topLeft);
  canvas.Line({r.right - 1, r.top}, {r.right - 1, r.bottom - 1}, bottomRight);
  canvas.Line({r.right - 1, r.bottom - 1}, {r.left - 1, r.bottom - 1}, bottomRight);
}

Size CButtonContent::Face() const {
  if (m_bitmap && GetCtrl()) return GetCtrl()->Platform().BitmapSize(m_bitmap);
  const gfx::FontPtr font = StyleFont();
  Size face = Measure(font.get(), m_caption);
  face.cy = Measure(font.get(), "|").cy;
  return face;
}

void CButtonContent::SetText(const char* caption) {
  const std::string_view value = caption ? caption : "";
  if (value == m_caption) return;
  m_caption = value;
  RequestLayout();
  Redraw();
}

void CButtonContent::SetBitmap(int resourceId, Color transparent) {
  m_bitmap = resourceId;
  m_transparent = transparent;
  RequestLayout();
  Redraw();
}

void CButtonContent::SetTextStyle(ITextStyle* style) {
  CContentBase::SetTextStyle(style);
  RequestLayout();
}

void CButtonContent::SetDown(bool down) {
  if (down == m_down) return;
  m_down = down;
  Redraw();
}

void CButtonContent::SetPressed(bool pressed) {
  if (pressed == m_pressed) return;
  m_pressed = pressed;
  Redraw();
}

std::string CButtonContent::GetToolTipText() { return m_bitmap ? m_caption : std::string(); }

void CButtonContent::Draw(gfx::Canvas& canvas, int left, int top, int right, int bottom) {
  const Rect r{left, top, right, bottom};
  const bool sunken = LooksPressed();
  const bool hot = m_hover && (CellStyle() & kStyleContent1);
  canvas.FillRect(r, hot ? SysColor(kColorBtnHighlight) : SysColor(kColorBtnFace));
  DrawButtonEdge(canvas, r, sunken, SysColor(kColorBtnHighlight), SysColor(kColorBtnShadow));
  // A pressed face moves one pixel right and down, as native buttons do.
  const int shift = sunken ? 1 : 0;
  const Rect face = r.Deflate(2, 2, 2, 2).Offset(shift, shift);
  if (m_bitmap) {
    const Size size = Face();
    canvas.DrawBitmap(
        m_bitmap, m_transparent,
        {face.left + (face.Width() - size.cx) / 2, face.top + (face.Height() - size.cy) / 2});
  } else {
    canvas.SetTextColor(IsEnabled() ? SysColor(kColorBtnText) : SysColor(kColorGrayText));
    gfx::ScopedFont font(canvas, StyleFont());
    canvas.DrawTextIn(
        face, m_caption,
        gfx::kTextCenter | gfx::kTextVCenter | gfx::kTextSingleLine | gfx::kTextNoPrefix);
  }
  if (HasFocus()) canvas.DrawFocusRect(r.Deflate(3, 3, 3, 3));
}

bool CButtonContent::OnLButtonDown(Point) {
  CaptureMouse();
  SetPressed(true);
  NotifyOwner(kNotifyButtonPressed);
  return true;
}

void CButtonContent::OnMouseMove(Point point) {
  if (HasCapture()) SetPressed(CellRect().Contains(point));
}

void CButtonContent::OnLButtonUp(Point point) {
  if (!HasCapture()) return;
  ReleaseMouse();
  const bool inside = CellRect().Contains(point);
  SetPressed(false);
  if (inside) NotifyOwner(kNotifyButtonClicked);
}

void CButtonContent::OnMouseEnter() {
  m_hover = true;
  if (CellStyle() & kStyleContent1) Redraw();
}

void CButtonContent::OnMouseLeave() {
  m_hover = false;
  if (CellStyle() & kStyleContent1) Redraw();
}

bool CButtonContent::OnKeyDown(int virtualKey, std::uint32_t) {
  if (virtualKey != kVkSpace) return false;
  m_spacePressed = true;
  SetPressed(true);
  return true;
}

void CButtonContent::OnKeyUp(int virtualKey, std::uint32_t) {
  if (virtualKey != kVkSpace || !m_spacePressed) return;
  m_spacePressed = false;
  SetPressed(false);
  NotifyOwner(kNotifyButtonClicked);
}

}  // namespace scalewright
