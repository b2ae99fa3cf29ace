// The drawing surface of the fretboard renderer and of the hybrid control.
// Windows implements it over a device context (GDI canvas); tests record the
// primitives with their coordinates. A canvas restores whatever it selected
// when it is destroyed.
#pragma once

#include <string_view>
#include <utility>

#include "framework/gfx/font.h"
#include "framework/gfx/geometry.h"

namespace scalewright::gfx {

// Text placement inside a rectangle; the values are the platform's DT_ bits.
enum TextFormat : unsigned {
  kTextLeft = 0x0,
  kTextTop = 0x0,
  kTextCenter = 0x1,
  kTextRight = 0x2,
  kTextVCenter = 0x4,
  kTextBottom = 0x8,
  kTextSingleLine = 0x20,
  kTextNoPrefix = 0x800,
  kTextEndEllipsis = 0x8000,
};

// Images come from the application's resources or are icon handles.
using IconHandle = const void*;

class Canvas {
 public:
  virtual ~Canvas() = default;

  // --- The fretboard's primitives.
  virtual void FillRect(const Rect& r, Color color) = 0;
  // A 1-unit frame just inside r.
  virtual void FrameRect(const Rect& r, Color color) = 0;
  // Text colour for the following text; the background stays transparent.
  virtual void SetTextColor(Color color) = 0;
  // A 1-unit line from `from` up to (not including) `to`.
  virtual void Line(Point from, Point to, Color color) = 0;
  virtual void Ellipse(const Rect& r, int penWidth, Color pen, Color brush) = 0;
  virtual void Rectangle(const Rect& r, int penWidth, Color pen, Color brush) = 0;
  virtual void TextAt(Point topLeft, std::string_view text) = 0;
  // Extent of text in the selected font.
  virtual Size TextExtent(std::string_view text) = 0;
  virtual FontDesc DefaultGuiFont() = 0;
  virtual FontPtr MakeFont(const FontDesc& desc) = 0;
  // Selects a font (kept alive while selected) and returns the previous
  // one; null selects the surface's original font.
  virtual FontPtr SelectFont(FontPtr font) = 0;

  // --- What the hybrid control needs besides.
  // The part of the surface that drawing can reach.
  virtual Rect ClipBox() = 0;
  // Narrows the clip to r until the matching PopClip.
  virtual void PushClip(const Rect& r) = 0;
  virtual void PopClip() = 0;
  virtual void DrawTextIn(const Rect& r, std::string_view text, unsigned format) = 0;
  virtual void DrawFocusRect(const Rect& r) = 0;
  // Left-to-right shade from `from` to `to`.
  virtual void GradientFill(const Rect& r, Color from, Color to) = 0;
  // Bitmap resource drawn at its own size, `transparent` left unpainted.
  virtual void DrawBitmap(int resourceId, Color transparent, Point at) = 0;
  virtual void DrawIcon(IconHandle icon, Point at) = 0;

  // Convenience for the renderer: the default GUI font at a height.
  FontPtr CreateGuiFont(int height) {
    FontDesc desc = DefaultGuiFont();
    desc.height = height;
    return MakeFont(desc);
  }
};

// Narrows the clip for one scope.
class ScopedClip {
 public:
  ScopedClip(Canvas& canvas, const Rect& r) : m_canvas(canvas) { m_canvas.PushClip(r); }
  ~ScopedClip() { m_canvas.PopClip(); }
  ScopedClip(const ScopedClip&) = delete;
  ScopedClip& operator=(const ScopedClip&) = delete;

 private:
  Canvas& m_canvas;
};

// Selects a font for one scope and restores the previous one.
class ScopedFont {
 public:
  ScopedFont(Canvas& canvas, FontPtr font)
      : m_canvas(canvas), m_previous(canvas.SelectFont(std::move(font))) {}
  ~ScopedFont() { m_canvas.SelectFont(std::move(m_previous)); }
  ScopedFont(const ScopedFont&) = delete;
  ScopedFont& operator=(const ScopedFont&) = delete;

 private:
  Canvas& m_canvas;
  FontPtr m_previous;
};

}  // namespace scalewright::gfx
