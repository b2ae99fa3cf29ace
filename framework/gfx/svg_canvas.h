// A canvas that writes SVG 1.1: the same primitives as the GDI canvas, with
// the platform's pixel rules kept (a one-unit line up to, not including,
// its end; fills and frames on whole pixels; shape outlines centred on the
// outermost pixels of their rectangle), and text placed by the measures of
// the platform's fonts, so that a picture rendered at its own size matches
// the one painted on screen. Texts are in the ANSI code page (Windows-1252).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "framework/gfx/canvas.h"
#include "framework/gfx/text_metrics.h"

namespace scalewright::gfx {

class CSvgCanvas final : public Canvas {
 public:
  // |metrics| (borrowed, outliving the canvas) makes and measures the
  // fonts; the picture covers |surface|.
  CSvgCanvas(TextMetrics& metrics, const Rect& surface);
  CSvgCanvas(const CSvgCanvas&) = delete;
  CSvgCanvas& operator=(const CSvgCanvas&) = delete;

  // The whole document as UTF-8, clips still open closed.
  std::string Document() const;

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
  // One line, aligned in r as |format| says; no ellipsis.
  void DrawTextIn(const Rect& r, std::string_view text, unsigned format) override;
  void DrawFocusRect(const Rect& r) override;
  void GradientFill(const Rect& r, Color from, Color to) override;
  // Resources and icons belong to the platform: nothing is drawn.
  void DrawBitmap(int resourceId, Color transparent, Point at) override;
  void DrawIcon(IconHandle icon, Point at) override;

 private:
  void Shape(const char* element, const Rect& r, int penWidth, Color pen, Color brush);

  TextMetrics& m_metrics;
  Rect m_surface;
  std::string m_body;
  FontPtr m_font;
  Color m_textColor = 0;
  std::vector<Rect> m_clips;
  int m_nextId = 0;
};

// |text| (Windows-1252) as XML character data or attribute text: markup
// characters escaped, other bytes as UTF-8, characters XML cannot hold as
// U+FFFD.
std::string XmlEscape(std::string_view text);

}  // namespace scalewright::gfx
