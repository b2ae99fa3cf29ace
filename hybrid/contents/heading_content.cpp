#include "hybrid/contents/heading_content.h"

#include "hybrid/contents/button_content.h"

namespace scalewright {

int CHeadingContent::GetNaturalWidth() {
  const gfx::FontPtr font = StyleFont();
  return Measure(font.get(), m_text).cx + 2 * Margin() + 2;
}

int CHeadingContent::GetHeightForWidth(int) {
  const gfx::FontPtr font = StyleFont();
  return Measure(font.get(), "|").cy + 6;
}

void CHeadingContent::SetText(const char* text) {
  const std::string_view value = text ? text : "";
  if (value == m_text) return;
  m_text = value;
  RequestLayout();
  Redraw();
}

void CHeadingContent::Draw(gfx::Canvas& canvas, int left, int top, int right, int bottom) {
  const Rect r{left, top, right, bottom};
  canvas.FillRect(r, SysColor(kColorBtnFace));
  DrawButtonEdge(canvas, r, false, SysColor(kColorBtnHighlight), SysColor(kColorBtnShadow));
  canvas.SetTextColor(SysColor(kColorBtnText));
  gfx::ScopedFont font(canvas, StyleFont());
  canvas.DrawTextIn({r.left + Margin(), r.top, r.right - Margin(), r.bottom}, m_text,
                    gfx::kTextLeft | gfx::kTextVCenter | gfx::kTextSingleLine | gfx::kTextNoPrefix |
                        gfx::kTextEndEllipsis);
}

}  // namespace scalewright
