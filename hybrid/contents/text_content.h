// CTextContent: a text in a cell, on one line (shortened with an ellipsis
// when it does not fit) or word-wrapped, optionally a hyperlink or
// draggable sideways.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "hybrid/contents/block_pool.h"
#include "hybrid/contents/content_base.h"
#include "hybrid/contents/font_keyed_extent.h"
#include "hybrid/interfaces/content_interfaces.h"

namespace scalewright {

class CTextContent final : public CContentBase<IHybridText> {
 public:
  explicit CTextContent(IHybridCtrl* ctrl) : CContentBase(ctrl) {}
  // A list makes its texts by the thousand (block_pool.h).
  static void* operator new(std::size_t size) { return CBlockPool<CTextContent>::Allocate(size); }
  static void operator delete(void* block, std::size_t size) noexcept {
    CBlockPool<CTextContent>::Free(block, size);
  }

  char GetKind() override { return 'T'; }
  bool IsFocusable() override;
  void Draw(gfx::Canvas& canvas, int left, int top, int right, int bottom) override;
  void OnMouseMove(Point point) override;
  bool OnLButtonDown(Point point) override;
  void OnLButtonUp(Point point) override;
  void OnRButtonUp(Point point) override;
  bool OnKeyDown(int virtualKey, std::uint32_t keyData) override;
  HybridCursor GetCursor(Point point) override;
  int GetNaturalWidth() override;
  int GetHeightForWidth(int width) override;

  void SetTextFlags(std::uint32_t bits) override;
  void SetText(const char* text) override;
  std::string GetText() override { return m_text; }

  // A wrapped text's lines as drawn; none for a text of one line.
  const std::vector<std::string>& Lines() const { return m_lines; }
  int DragOffset() const { return m_dragOffset; }

 private:
  ~CTextContent() override = default;

  bool IsLink() const { return (CellStyle() & kStyleContent1) != 0; }
  bool IsMultiLine() const { return (CellStyle() & kStyleContent3) != 0; }
  bool IsDraggable() const { return !IsLink() && (CellStyle() & kStyleContent4) != 0; }
  int LeftMargin() const { return Style() ? Style()->GetLeftMargin() : 0; }
  int RightMargin() const { return Style() ? Style()->GetRightMargin() : 0; }
  bool WiderThanCell() const;
  void MeasureFor(int width);
  // Whether the lines and height measured last hold at |width|.
  bool MeasuredFor(int width) const;
  int LineHeight(const gfx::FontPtr& font) const;
  // The style's line height, which it keeps per font: 0 without one.
  int StyleLineHeight() const { return Style() ? Style()->GetLineHeight() : 0; }
  void Forget();
  void DrawLine(gfx::Canvas& canvas, const Rect& r, const std::string& line, unsigned format);

  std::string m_text;
  std::vector<std::string> m_lines;
  int m_height = 0;
  int m_naturalWidth = -1;  // -1: not measured
  int m_dragOffset = 0;
  int m_dragStartOffset = 0;
  Point m_dragOrigin;
  // What decided m_lines and m_height besides the text: the width (-1: not
  // measured), and the style's line height, font and left margin then.
  int m_measuredWidth = -1;
  int m_measuredLineHeight = 0;
  int m_measuredMargin = 0;
  std::weak_ptr<const gfx::Font> m_measuredFont;
  // The one line's extent, from the platform's metrics (natural width) and
  // from the surface it is drawn on (ellipsis). The control paints on the
  // screen only, so a font's extent holds from one paint to the next.
  CFontKeyedExtent m_extent;
  CFontKeyedExtent m_drawnExtent;
};

// Wraps text for an available width: a line ends after the last space,
// backslash or slash once it reaches the width, or before the character
// that reaches it when the line has no such break. `width` measures a
// piece of text.
template <class MeasureFn>
std::vector<std::string> WrapText(const std::string& text, int available, MeasureFn&& width) {
  std::vector<std::string> lines;
  size_t start = 0;
  size_t lastBreak = 0;  // 0: none in the current line
  size_t i = start;
  while (i < text.size()) {
    const size_t length = i - start + 1;
    if (length > 1 && width(std::string_view(text).substr(start, length)) >= available) {
      const size_t end = lastBreak > start ? lastBreak : i;
      lines.push_back(text.substr(start, end - start));
      start = end;
      lastBreak = 0;
      i = start;
      continue;
    }
    const char c = text[i];
    if (c == ' ' || c == '\\' || c == '/') lastBreak = i + 1;
    ++i;
  }
  lines.push_back(text.substr(start));
  return lines;
}

}  // namespace scalewright
