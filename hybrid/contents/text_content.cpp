#include "hybrid/contents/text_content.h"

#include <algorithm>

namespace scalewright {

namespace {

constexpr std::uint32_t kTextFlagMask = kStyleContent1 | kStyleContent3 | kStyleContent4;

// Horizontal and vertical placement from the cell's text bits.
unsigned Placement(std::uint32_t style) {
  unsigned format = gfx::kTextLeft;
  if (style & kStyleTextRight) format = gfx::kTextRight;
  if (style & kStyleTextCenter) format = gfx::kTextCenter;
  if (style & kStyleTextTop)
    format |= gfx::kTextTop;
  else if (style & kStyleTextBottom)
    format |= gfx::kTextBottom;
  else
    format |= gfx::kTextVCenter;
  if (!(style & kStyleContent5)) format |= gfx::kTextNoPrefix;
  return format;
}

}  // namespace

bool CTextContent::IsFocusable() { return IsLink(); }

void CTextContent::Forget() {
  m_measuredWidth = -1;
  m_naturalWidth = -1;
  m_extent.Forget();
  m_drawnExtent.Forget();
}

int CTextContent::LineHeight(const gfx::FontPtr& font) const {
  // The style keeps the height of its font's line: one measurement for
  // every cell that shares the style.
  if (font && Style()) return Style()->GetLineHeight();
  return Measure(font.get(), "|").cy;
}

void CTextContent::MeasureFor(int width) {
  if (!Cell() || width <= 0) return;
  const gfx::FontPtr font = StyleFont();
  m_measuredWidth = width;
  m_measuredLineHeight = StyleLineHeight();
  m_measuredMargin = LeftMargin();
  m_measuredFont = font;
  const int lineHeight = LineHeight(font) + 2;
  int height = lineHeight;
  if (!IsMultiLine()) {
    // One line is drawn from the text itself: no copy of it is kept (a list
    // of ten thousand rows would make twenty thousand allocations more).
    m_lines.clear();
    // The height of one line needs no text extent; the natural width is
    // measured when someone asks for it (a list of texts never does).
    m_naturalWidth = -1;
  } else {
    const int available = width - LeftMargin() - 10;
    m_lines = WrapText(m_text, available,
                       [&](std::string_view piece) { return Measure(font.get(), piece).cx; });
    height = static_cast<int>(m_lines.size()) * lineHeight;
    m_naturalWidth = width;
  }
  if (height != m_height) {
    m_height = height;
    RequestLayout();
  }
}

int CTextContent::GetNaturalWidth() {
  if (IsMultiLine()) {
    if (m_naturalWidth < 0) MeasureFor(10000);
  } else if (Cell()) {
    // The margins are read as they are now; the text is measured once per
    // font.
    const gfx::FontPtr font = StyleFont();
    const int extent = m_extent.Get(font, [&] { return Measure(font.get(), m_text); }).cx;
    m_naturalWidth = extent + LeftMargin() + RightMargin();
  }
  return std::max(m_naturalWidth, 0);
}

bool CTextContent::MeasuredFor(int width) const {
  if (m_measuredWidth <= 0 || StyleLineHeight() != m_measuredLineHeight) return false;
  // One line is as high at every width and in every font of its height:
  // only a wrapped text measures again.
  if (!IsMultiLine()) return true;
  return width == m_measuredWidth && LeftMargin() == m_measuredMargin &&
         IsSameFont(m_measuredFont, StyleFont());
}

int CTextContent::GetHeightForWidth(int width) {
  if (!MeasuredFor(width)) MeasureFor(width);
  return m_height;
}

void CTextContent::SetTextFlags(std::uint32_t bits) {
  IHybridCell* cell = Cell();
  if (!cell) return;
  const std::uint32_t style = cell->GetStyle();
  const std::uint32_t updated = (style & ~kTextFlagMask) | (bits & kTextFlagMask);
  if (updated == style) return;
  cell->SetStyle(updated);
  Forget();
  RequestLayout();
}

void CTextContent::SetText(const char* text) {
  const std::string_view value = text ? text : "";
  if (value == m_text) return;
  m_text = value;
  m_dragOffset = 0;
  Forget();
  const int width = CellRect().Width();
  if (width >= 1) MeasureFor(width);
  Redraw();
}

bool CTextContent::WiderThanCell() const {
  const gfx::FontPtr font = StyleFont();
  const Rect r = CellRect();
  return Measure(font.get(), m_text).cx > r.Width() - LeftMargin() - RightMargin();
}

void CTextContent::Draw(gfx::Canvas& canvas, int left, int top, int right, int bottom) {
  const std::uint32_t style = CellStyle();
  const Rect cellRect{left, top, right, bottom};
  if (!(style & kStyleTransparent)) canvas.FillRect(cellRect, Background());

  Color color = Style() ? Style()->GetTextColor() : kBlack;
  if (IsLink()) color = HasFocus() ? kLinkVisited : kLinkBlue;
  if (CellSelected()) color = SysColor(kColorHighlightText);
  canvas.SetTextColor(color);
  const gfx::FontPtr styleFont = StyleFont();
  gfx::ScopedFont font(canvas, styleFont);

  const Rect r{left + LeftMargin(), top, right - RightMargin(), bottom};
  const unsigned format = Placement(style);
  if (IsMultiLine()) {
    if (m_lines.empty()) return;
    const int band = r.Height() / static_cast<int>(m_lines.size());
    for (size_t i = 0; i < m_lines.size(); ++i) {
      const int y = r.top + band * static_cast<int>(i);
      DrawLine(canvas, {r.left, y, r.right, y + band}, m_lines[i], format | gfx::kTextSingleLine);
    }
    return;
  }
  if (m_dragOffset != 0) {
    // The shifted text stays inside its rectangle.
    gfx::ScopedClip clip(canvas, r);
    const Rect shifted = r.Offset(m_dragOffset, 0);
    DrawLine(canvas, {shifted.left, r.top, shifted.left + 100000, r.bottom}, m_text,
             gfx::kTextSingleLine | gfx::kTextVCenter | gfx::kTextNoPrefix);
    return;
  }
  // A full repaint measures only texts whose text or font changed since.
  const int textWidth = m_drawnExtent.Get(styleFont, [&] { return canvas.TextExtent(m_text); }).cx;
  std::string shown = m_text;
  unsigned lineFormat = format | gfx::kTextSingleLine;
  if (textWidth > r.Width()) {
    if (style & kStyleContent6) {
      const long long n =
          static_cast<long long>(m_text.size()) * r.Width() / std::max(textWidth, 1) - 5;
      const size_t half = n > 0 ? static_cast<size_t>(n / 2) : 0;
      shown = m_text.substr(0, half) + " ... " +
              m_text.substr(m_text.size() - std::min(half, m_text.size()));
    } else {
      lineFormat |= gfx::kTextEndEllipsis;
    }
  }
  DrawLine(canvas, r, shown, lineFormat);
}

void CTextContent::DrawLine(gfx::Canvas& canvas, const Rect& r, const std::string& line,
                            unsigned format) {
  const bool enabled = IsEnabled();
  if (!enabled) canvas.SetTextColor(CellSelected() ? kBorderGrey : SysColor(kColorGrayText));
  canvas.DrawTextIn(r, line, format);
  if (!IsLink() || (CellStyle() & kStyleContent2)) return;
  const Size extent = canvas.TextExtent(line);
  const int width = std::min(extent.cx, r.Width());
  const int y = r.bottom - (r.Height() - extent.cy) / 2;
  const Color underline = HasFocus() ? kLinkVisited : (enabled ? kLinkBlue : kLineGrey);
  canvas.Line({r.left, y}, {r.left + width, y}, underline);
}

bool CTextContent::OnLButtonDown(Point point) {
  const Rect r = CellRect();
  if (IsLink()) {
    if (point.x <= r.left + GetNaturalWidth()) {
      NotifyOwner(kNotifyLinkActivated);
      return true;
    }
    return false;
  }
  if (IsDraggable() && WiderThanCell()) {
    CaptureMouse();
    m_dragOrigin = point;
    m_dragStartOffset = m_dragOffset;
    return true;
  }
  NotifyOwner(kNotifyTextClicked);
  return false;
}

void CTextContent::OnMouseMove(Point point) {
  if (!HasCapture() || !IsDraggable()) return;
  const Rect r = CellRect();
  const int overflow = std::max(0, GetNaturalWidth() - r.Width());
  const int offset = std::clamp(m_dragStartOffset + point.x - m_dragOrigin.x, -overflow, 0);
  if (offset == m_dragOffset) return;
  m_dragOffset = offset;
  Redraw();
}

void CTextContent::OnLButtonUp(Point) {
  if (HasCapture()) ReleaseMouse();
}

void CTextContent::OnRButtonUp(Point) {
  if (IsLink()) NotifyOwner(kNotifyLinkRButtonUp);
}

bool CTextContent::OnKeyDown(int virtualKey, std::uint32_t) {
  if (virtualKey != kVkSpace || !IsLink()) return false;
  NotifyOwner(kNotifyLinkActivated);
  return true;
}

HybridCursor CTextContent::GetCursor(Point point) {
  const Rect r = CellRect();
  if (IsLink())
    return point.x <= r.left + GetNaturalWidth() + LeftMargin() ? HybridCursor::kHand
                                                                : HybridCursor::kNone;
  if (IsDraggable() && WiderThanCell()) return HybridCursor::kSizeWE;
  return HybridCursor::kNone;
}

}  // namespace scalewright
