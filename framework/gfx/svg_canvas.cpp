#include "framework/gfx/svg_canvas.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <utility>

namespace scalewright::gfx {
namespace {

// Windows-1252's 0x80..0x9F; 0xFFFD where the code page has no character.
constexpr char32_t kCp1252High[32] = {
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

std::string Num(int v) { return std::to_string(v); }

// A value given in half units: "12" or "12.5".
std::string Half(long long twice) {
  std::string s = std::to_string(twice / 2);
  if (twice % 2 != 0) {
    if (twice < 0 && twice / 2 == 0) s = "-0";
    s += ".5";
  }
  return s;
}

std::string Colour(Color c) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02x%02x%02x", RedOf(c), GreenOf(c), BlueOf(c));
  return text;
}

std::string RectElement(const Rect& r, Color fill) {
  return "<rect x=\"" + Num(r.left) + "\" y=\"" + Num(r.top) + "\" width=\"" + Num(r.Width()) +
         "\" height=\"" + Num(r.Height()) + "\" fill=\"" + Colour(fill) + "\"/>\n";
}

// A CSS font-family list: the face drawn, the face asked for, a generic
// family for viewers that have neither. Quotes in a face would end the
// CSS string, so they are left out.
std::string FontFamily(const std::string& drawn, const std::string& asked) {
  std::string family;
  for (const std::string* face : {&drawn, &asked}) {
    if (face->empty() || (face == &asked && asked == drawn)) continue;
    std::string clean;
    for (char c : *face)
      if (c != '\'' && c != '"' && c != '\\') clean += c;
    family += "'" + clean + "', ";
  }
  return XmlEscape(family + "sans-serif");
}

}  // namespace

std::string XmlEscape(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char ch : text) {
    const auto byte = static_cast<unsigned char>(ch);
    switch (byte) {
      case '&':
        out += "&amp;";
        continue;
      case '<':
        out += "&lt;";
        continue;
      case '>':
        out += "&gt;";
        continue;
      case '"':
        out += "&quot;";
        continue;
      case '\'':
        out += "&apos;";
        continue;
      default:
        break;
    }
    if (byte < 0x20 && byte != '\t' && byte != '\n' && byte != '\r') {
      AppendUtf8(out, 0xFFFD);  // XML 1.0 has no such characters
    } else if (byte >= 0x80 && byte < 0xA0) {
      AppendUtf8(out, kCp1252High[byte - 0x80]);
    } else {
      AppendUtf8(out, byte);
    }
  }
  return out;
}

CSvgCanvas::CSvgCanvas(TextMetrics& metrics, const Rect& surface)
    : m_metrics(metrics), m_surface(surface), m_clips{surface} {}

std::string CSvgCanvas::Document() const {
  const std::string width = Num(std::max(m_surface.Width(), 0));
  const std::string height = Num(std::max(m_surface.Height(), 0));
  std::string doc =
      "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n"
      "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" +
      width + "\" height=\"" + height + "\" viewBox=\"" + Num(m_surface.left) + " " +
      Num(m_surface.top) + " " + width + " " + height + "\">\n";
  doc += m_body;
  for (std::size_t open = m_clips.size(); open > 1; --open) doc += "</g>\n";
  doc += "</svg>\n";
  return doc;
}

void CSvgCanvas::FillRect(const Rect& r, Color color) {
  if (r.IsEmpty()) return;
  m_body += RectElement(r, color);
}

// Four one-unit strips just inside r, as the GDI canvas paints them.
void CSvgCanvas::FrameRect(const Rect& r, Color color) {
  FillRect({r.left, r.top, r.right - 1, r.top + 1}, color);
  FillRect({r.left, r.top, r.left + 1, r.bottom - 1}, color);
  FillRect({r.right - 1, r.top, r.right, r.bottom}, color);
  FillRect({r.left, r.bottom - 1, r.right, r.bottom}, color);
}

void CSvgCanvas::SetTextColor(Color color) { m_textColor = color; }

// Level lines cover the pixels from `from` up to `to`, without it: a
// one-pixel strip. Any other line runs between pixel centres.
void CSvgCanvas::Line(Point from, Point to, Color color) {
  if (from == to) return;
  if (from.y == to.y) {
    const int left = from.x < to.x ? from.x : to.x + 1;
    FillRect({left, from.y, left + std::abs(to.x - from.x), from.y + 1}, color);
  } else if (from.x == to.x) {
    const int top = from.y < to.y ? from.y : to.y + 1;
    FillRect({from.x, top, from.x + 1, top + std::abs(to.y - from.y)}, color);
  } else {
    m_body += "<line x1=\"" + Half(2LL * from.x + 1) + "\" y1=\"" + Half(2LL * from.y + 1) +
              "\" x2=\"" + Half(2LL * to.x + 1) + "\" y2=\"" + Half(2LL * to.y + 1) +
              "\" stroke=\"" + Colour(color) + "\" stroke-width=\"1\"/>\n";
  }
}

void CSvgCanvas::Ellipse(const Rect& r, int penWidth, Color pen, Color brush) {
  Shape("ellipse", r, penWidth, pen, brush);
}

void CSvgCanvas::Rectangle(const Rect& r, int penWidth, Color pen, Color brush) {
  Shape("rect", r, penWidth, pen, brush);
}

// GDI fills the pixels from left to right - 1; its outline runs through the
// centres of the outermost ones, the pen's width centred on it (a width of
// 0 or less draws one pixel).
void CSvgCanvas::Shape(const char* element, const Rect& given, int penWidth, Color pen,
                       Color brush) {
  const Rect r = given.Normalized();
  if (r.Width() < 1 || r.Height() < 1) return;
  const long long left2 = 2LL * r.left + 1;
  const long long top2 = 2LL * r.top + 1;
  const long long width2 = 2LL * (r.Width() - 1);
  const long long height2 = 2LL * (r.Height() - 1);
  std::string geometry;
  if (std::string_view(element) == "ellipse") {
    geometry = "cx=\"" + Half(left2 + width2 / 2) + "\" cy=\"" + Half(top2 + height2 / 2) +
               "\" rx=\"" + Half(width2 / 2) + "\" ry=\"" + Half(height2 / 2) + "\"";
  } else {
    geometry = "x=\"" + Half(left2) + "\" y=\"" + Half(top2) + "\" width=\"" + Half(width2) +
               "\" height=\"" + Half(height2) + "\"";
  }
  m_body += std::string("<") + element + " " + geometry + " fill=\"" + Colour(brush) +
            "\" stroke=\"" + Colour(pen) + "\" stroke-width=\"" + Num(std::max(penWidth, 1)) +
            "\"/>\n";
}

void CSvgCanvas::TextAt(Point topLeft, std::string_view text) {
  if (text.empty()) return;
  const SFontMetrics font = m_metrics.FontMetrics(m_font.get());
  const FontDesc desc = m_font ? m_font->Desc() : m_metrics.DefaultGuiFont();
  const int emSize = std::max(font.height - font.internalLeading, 1);
  std::string attributes = "x=\"" + Num(topLeft.x) + "\" y=\"" + Num(topLeft.y + font.ascent) +
                           "\" font-family=\"" + FontFamily(font.face, desc.face) +
                           "\" font-size=\"" + Num(emSize) + "\"";
  if (desc.weight >= 600) attributes += " font-weight=\"bold\"";
  if (desc.italic) attributes += " font-style=\"italic\"";
  if (desc.underline) attributes += " text-decoration=\"underline\"";
  // The platform's advance: another font in the viewer still ends where
  // the screen's text does.
  const int width = TextExtent(text).cx;
  if (width > 0)
    attributes += " textLength=\"" + Num(width) + "\" lengthAdjust=\"spacingAndGlyphs\"";
  m_body += "<text " + attributes + " fill=\"" + Colour(m_textColor) +
            "\" xml:space=\"preserve\">" + XmlEscape(text) + "</text>\n";
}

Size CSvgCanvas::TextExtent(std::string_view text) {
  return m_metrics.TextExtent(m_font.get(), text);
}

FontDesc CSvgCanvas::DefaultGuiFont() { return m_metrics.DefaultGuiFont(); }

FontPtr CSvgCanvas::MakeFont(const FontDesc& desc) { return m_metrics.MakeFont(desc); }

FontPtr CSvgCanvas::SelectFont(FontPtr font) { return std::exchange(m_font, std::move(font)); }

Rect CSvgCanvas::ClipBox() { return m_clips.back(); }

void CSvgCanvas::PushClip(const Rect& r) {
  const Rect clip = m_clips.back().Intersection(r);
  const std::string id = "clip" + Num(++m_nextId);
  m_body += "<clipPath id=\"" + id + "\">" + RectElement(clip.IsEmpty() ? Rect{} : clip, 0) +
            "</clipPath>\n<g clip-path=\"url(#" + id + ")\">\n";
  m_clips.push_back(clip);
}

void CSvgCanvas::PopClip() {
  if (m_clips.size() <= 1) return;
  m_clips.pop_back();
  m_body += "</g>\n";
}

void CSvgCanvas::DrawTextIn(const Rect& r, std::string_view text, unsigned format) {
  const Size extent = TextExtent(text);
  Point at{r.left, r.top};
  if (format & kTextCenter) {
    at.x = r.left + (r.Width() - extent.cx) / 2;
  } else if (format & kTextRight) {
    at.x = r.right - extent.cx;
  }
  if (format & kTextVCenter) {
    at.y = r.top + (r.Height() - extent.cy) / 2;
  } else if (format & kTextBottom) {
    at.y = r.bottom - extent.cy;
  }
  const ScopedClip clip(*this, r);
  TextAt(at, text);
}

void CSvgCanvas::DrawFocusRect(const Rect& r) {
  if (r.IsEmpty()) return;
  m_body += "<rect x=\"" + Half(2LL * r.left + 1) + "\" y=\"" + Half(2LL * r.top + 1) +
            "\" width=\"" + Num(r.Width() - 1) + "\" height=\"" + Num(r.Height() - 1) +
            "\" fill=\"none\" stroke=\"#000000\" stroke-width=\"1\" "
            "stroke-dasharray=\"1,1\"/>\n";
}

void CSvgCanvas::GradientFill(const Rect& r, Color from, Color to) {
  if (r.IsEmpty()) return;
  const std::string id = "shade" + Num(++m_nextId);
  m_body += "<linearGradient id=\"" + id + "\" x1=\"0\" y1=\"0\" x2=\"1\" y2=\"0\">" +
            "<stop offset=\"0\" stop-color=\"" + Colour(from) + "\"/><stop offset=\"1\" " +
            "stop-color=\"" + Colour(to) + "\"/></linearGradient>\n<rect x=\"" + Num(r.left) +
            "\" y=\"" + Num(r.top) + "\" width=\"" + Num(r.Width()) + "\" height=\"" +
            Num(r.Height()) + "\" fill=\"url(#" + id + ")\"/>\n";
}

void CSvgCanvas::DrawBitmap(int, Color, Point) {}

void CSvgCanvas::DrawIcon(IconHandle, Point) {}

}  // namespace scalewright::gfx
