#include "hybrid/contents/check_box_content.h"

namespace scalewright {

int CCheckBoxContent::LineHeight() const {
  const gfx::FontPtr font = StyleFont();
  return Measure(font.get(), "|").cy;
}

int CCheckBoxContent::GetHeightForWidth(int) { return LineHeight(); }

int CCheckBoxContent::GetNaturalWidth() {
  const gfx::FontPtr font = StyleFont();
  return BoxSize(LineHeight()) + 4 + Measure(font.get(), m_caption).cx;
}

void CCheckBoxContent::SetText(const char* caption) {
  const std::string_view value = caption ? caption : "";
  if (value == m_caption) return;
  m_caption = value;
  RequestLayout();
  Redraw();
}

void CCheckBoxContent::SetTextStyle(ITextStyle* style) {
  CContentBase::SetTextStyle(style);
  RequestLayout();
}

void CCheckBoxContent::SetCheck(bool checked) {
  m_checked = checked;
  NotifyOwner(kNotifyCheckChanged);
  Redraw();
}

void CCheckBoxContent::Draw(gfx::Canvas& canvas, int left, int top, int right, int bottom) {
  const Rect r{left, top, right, bottom};
  if (!(CellStyle() & kStyleTransparent)) canvas.FillRect(r, Background());
  const int box = BoxSize(LineHeight());
  const Rect boxRect{r.left, r.top + (r.Height() - box) / 2, r.left + box,
                     r.top + (r.Height() - box) / 2 + box};
  const bool enabled = IsEnabled();
  canvas.FillRect(boxRect,
                  m_pressed || !enabled ? SysColor(kColorBtnFace) : SysColor(kColorWindow));
  canvas.FrameRect(boxRect, SysColor(kColorBtnShadow));
  if (m_checked) {
    // A tick: down from the left third, up to the top right.
    const Color ink = enabled ? SysColor(kColorWindowText) : SysColor(kColorGrayText);
    const int x0 = boxRect.left + 3, y0 = boxRect.top + box / 2;
    const int x1 = boxRect.left + box / 2 - 1, y1 = boxRect.bottom - 4;
    const int x2 = boxRect.right - 3, y2 = boxRect.top + 3;
    canvas.Line({x0, y0}, {x1, y1 + 1}, ink);
    canvas.Line({x1, y1}, {x2, y2 - 1}, ink);
  }
  canvas.SetTextColor(enabled ? (Style() ? Style()->GetTextColor() : kBlack)
                              : SysColor(kColorGrayText));
  gfx::ScopedFont font(canvas, StyleFont());
  const Rect text{boxRect.right + 4, r.top, r.right, r.bottom};
  canvas.DrawTextIn(text, m_caption,
                    gfx::kTextLeft | gfx::kTextVCenter | gfx::kTextSingleLine | gfx::kTextNoPrefix);
  if (HasFocus()) {
    const int width = Measure(StyleFont().get(), m_caption).cx;
    canvas.DrawFocusRect({text.left - 1, r.top, text.left + width + 1, r.bottom});
  }
}

bool CCheckBoxContent::OnLButtonDown(Point) {
  CaptureMouse();
  m_pressed = true;
  Redraw();
  return true;
}

void CCheckBoxContent::OnMouseMove(Point point) {
  if (!HasCapture()) return;
  const bool inside = CellRect().Contains(point);
  if (inside == m_pressed) return;
  m_pressed = inside;
  Redraw();
}

void CCheckBoxContent::OnLButtonUp(Point point) {
  if (!HasCapture()) return;
  ReleaseMouse();
  m_pressed = false;
  // As with a native check box, releasing outside cancels the click.
  if (CellRect().Contains(point))
    SetCheck(!m_checked);
  else
    Redraw();
}

bool CCheckBoxContent::OnKeyDown(int virtualKey, std::uint32_t) {
  if (virtualKey != kVkSpace) return false;
  SetCheck(!m_checked);
  return true;
}

}  // namespace scalewright
