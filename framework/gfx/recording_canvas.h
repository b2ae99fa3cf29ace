// A canvas that records every primitive with its coordinates, colours, text
// and the clip in force, measuring with fixed metrics. Tests compare the
// recorded list exactly.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "framework/gfx/canvas.h"
#include "framework/gfx/fixed_text_metrics.h"

namespace scalewright::gfx {

struct Primitive {
  enum Kind {
    kFill,
    kFrame,
    kTextColor,
    kLine,
    kEllipse,
    kRectangle,
    kTextAt,
    kDrawTextIn,
    kFocusRect,
    kGradient,
    kBitmap,
    kIcon,
  };
  Kind kind = kFill;
  Rect rect;         // fill, frame, shapes, text rectangle, gradient
  Point from, to;    // line; text/bitmap/icon position in `from`
  Color color = 0;   // fill, frame, line, pen, text colour, gradient start
  Color color2 = 0;  // brush, gradient end, transparent colour
  int pen = 0;
  int resource = 0;
  std::string text;
  unsigned format = 0;
  int fontHeight = 0;  // of the font selected at the time (text only)
  int fontWeight = 0;
  Color textColor = 0;  // in force at the time (text only)
  Rect clip;
};

class RecordingCanvas : public Canvas {
 public:
  explicit RecordingCanvas(Rect surface = {0, 0, 10000, 10000}) : m_clips{surface} {}

  std::vector<Primitive> items;
  FixedTextMetrics metrics;
  int clipsPushed = 0;

  void FillRect(const Rect& r, Color c) override {
    Add(Primitive::kFill, [&](Primitive& p) { p.rect = r, p.color = c; });
  }
  void FrameRect(const Rect& r, Color c) override {
    Add(Primitive::kFrame, [&](Primitive& p) { p.rect = r, p.color = c; });
  }
  void SetTextColor(Color c) override {
    m_textColor = c;
    Add(Primitive::kTextColor, [&](Primitive& p) { p.color = c; });
  }
  void Line(Point a, Point b, Color c) override {
    Add(Primitive::kLine, [&](Primitive& p) { p.from = a, p.to = b, p.color = c, p.pen = 1; });
  }
  void Ellipse(const Rect& r, int pen, Color pc, Color bc) override {
    Add(Primitive::kEllipse,
        [&](Primitive& p) { p.rect = r, p.pen = pen, p.color = pc, p.color2 = bc; });
  }
  void Rectangle(const Rect& r, int pen, Color pc, Color bc) override {
    Add(Primitive::kRectangle,
        [&](Primitive& p) { p.rect = r, p.pen = pen, p.color = pc, p.color2 = bc; });
  }
  void TextAt(Point at, std::string_view text) override {
    Add(Primitive::kTextAt, [&](Primitive& p) {
      p.from = at, p.text = std::string(text);
      Describe(p);
    });
  }
  Size TextExtent(std::string_view text) override { return metrics.TextExtent(m_font.get(), text); }
  FontDesc DefaultGuiFont() override { return metrics.DefaultGuiFont(); }
  FontPtr MakeFont(const FontDesc& d) override { return metrics.MakeFont(d); }
  FontPtr SelectFont(FontPtr font) override { return std::exchange(m_font, std::move(font)); }
  Rect ClipBox() override { return m_clips.back(); }
  void PushClip(const Rect& r) override {
    ++clipsPushed;
    m_clips.push_back(m_clips.back().Intersection(r));
  }
  void PopClip() override {
    if (m_clips.size() > 1) m_clips.pop_back();
  }
  void DrawTextIn(const Rect& r, std::string_view text, unsigned format) override {
    Add(Primitive::kDrawTextIn, [&](Primitive& p) {
      p.rect = r, p.text = std::string(text), p.format = format;
      Describe(p);
    });
  }
  void DrawFocusRect(const Rect& r) override {
    Add(Primitive::kFocusRect, [&](Primitive& p) { p.rect = r; });
  }
  void GradientFill(const Rect& r, Color a, Color b) override {
    Add(Primitive::kGradient, [&](Primitive& p) { p.rect = r, p.color = a, p.color2 = b; });
  }
  void DrawBitmap(int id, Color transparent, Point at) override {
    Add(Primitive::kBitmap,
        [&](Primitive& p) { p.resource = id, p.color2 = transparent, p.from = at; });
  }
  void DrawIcon(IconHandle, Point at) override {
    Add(Primitive::kIcon, [&](Primitive& p) { p.from = at; });
  }

  // The recorded primitives of one kind, in order.
  std::vector<Primitive> OfKind(Primitive::Kind kind) const {
    std::vector<Primitive> out;
    for (const Primitive& p : items)
      if (p.kind == kind) out.push_back(p);
    return out;
  }
  size_t ClipDepth() const { return m_clips.size(); }
  const Font* SelectedFont() const { return m_font.get(); }

 private:
  template <class F>
  void Add(Primitive::Kind kind, F&& fill) {
    Primitive p;
    p.kind = kind;
    p.clip = m_clips.back();
    fill(p);
    items.push_back(std::move(p));
  }
  void Describe(Primitive& p) const {
    const FontDesc d = m_font ? m_font->Desc() : metrics.DefaultGuiFont();
    p.fontHeight = d.height;
    p.fontWeight = d.weight;
    p.textColor = m_textColor;
  }

  std::vector<Rect> m_clips;
  FontPtr m_font;
  Color m_textColor = 0;
};

}  // namespace scalewright::gfx
