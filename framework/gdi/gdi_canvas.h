// The drawing surface over a GDI device context: the fretboard's primitives
// with the platform's own calls, and what the hybrid control needs besides.
// Pens and brushes live only for the primitive that uses them; the DC's
// font, text colour, background mode, alignment and clip are put back when
// the canvas goes.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <vector>

#include "framework/gdi/gdi.h"
#include "framework/gdi/gdi_font.h"
#include "framework/gfx/canvas.h"

namespace scalewright::gfx {

class CGdiCanvas final : public Canvas {
 public:
  // |dc| is borrowed and must outlive the canvas; |resources| holds the
  // bitmaps DrawBitmap loads (null: none).
  explicit CGdiCanvas(HDC dc, HMODULE resources = nullptr);
  ~CGdiCanvas() override;
  CGdiCanvas(const CGdiCanvas&) = delete;
  CGdiCanvas& operator=(const CGdiCanvas&) = delete;

  void FillRect(const Rect& r, Color color) override;
  void FrameRect(const Rect& r, Color color) override;
  void SetTextColor(Color color) override;
  void Line(Point from, Point to, Color color) override;
  void Ellipse(const Rect& r, int penWidth, Color pen, Color brush) override;
  void Rectangle(const Rect& r, int penWidth, Color pen, Color brush) override;
  void TextAt(Point topLeft, std::string_view text) override;
  Size TextExtent(std::string_view text) override;
  FontDesc DefaultGuiFont() override;
  FontPtr MakeFont(const FontDesc& desc) override;
  FontPtr SelectFont(FontPtr font) override;

  Rect ClipBox() override;
  void PushClip(const Rect& r) override;
  void PopClip() override;
  void DrawTextIn(const Rect& r, std::string_view text, unsigned format) override;
  void DrawFocusRect(const Rect& r) override;
  void GradientFill(const Rect& r, Color from, Color to) override;
  void DrawBitmap(int resourceId, Color transparent, Point at) override;
  void DrawIcon(IconHandle icon, Point at) override;

 private:
  enum class Shape { kEllipse, kRectangle };
  void DrawShape(Shape shape, const Rect& r, int penWidth, Color pen, Color brush);
  // Puts the font the caller selected into the DC, if it is not there yet.
  void ApplyFont();
  // The DC's clip box, asked once per clip: primitives outside it are
  // skipped, and oversized ones cut down to it (visible_part.h).
  const Rect& Visible();

  HDC m_dc;
  HMODULE m_resources;
  COLORREF m_previousTextColor;
  int m_previousBkMode;
  UINT m_previousAlign;
  // A selected font goes into the DC only when text is drawn or measured:
  // a cell that selects its font and gives the old one back, row after
  // row, costs two selections in all, not two a row.
  HGDIOBJ m_originalFont = nullptr;            // the DC's own, once ours replaced it
  std::shared_ptr<const CGdiFont> m_font;      // what the caller selected
  std::shared_ptr<const CGdiFont> m_selected;  // in the DC now: kept alive
  HGDIOBJ m_selectedHandle = nullptr;          // null: the DC's own font
  // Clip in force before each PushClip; null where there was none.
  std::vector<ui::CRgn> m_clips;
  std::optional<Rect> m_visible;
  std::vector<std::optional<Rect>> m_visibleSaved;  // before each PushClip
};

}  // namespace scalewright::gfx
