#include "framework/gdi/gdi_canvas.h"

#include <climits>
#include <tuple>
#include <utility>

#include "framework/gfx/visible_part.h"

namespace scalewright::gfx {
namespace {

RECT ToRect(const Rect& r) { return {r.left, r.top, r.right, r.bottom}; }

int Length(std::string_view text) {
  return text.size() > INT_MAX ? INT_MAX : static_cast<int>(text.size());
}

// FillSolidRect: an opaque ExtTextOut paints the rectangle in the
// background colour without making a brush.
void FillSolid(HDC dc, const RECT& rc, COLORREF color) {
  const COLORREF previous = ::SetBkColor(dc, color);
  ::ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &rc, nullptr, 0, nullptr);
  ::SetBkColor(dc, previous);
}

TRIVERTEX Vertex(int x, int y, Color c) {
  TRIVERTEX v{};
  v.x = x;
  v.y = y;
  v.Red = static_cast<COLOR16>(RedOf(c) << 8);
  v.Green = static_cast<COLOR16>(GreenOf(c) << 8);
  v.Blue = static_cast<COLOR16>(BlueOf(c) << 8);
  return v;
}

}  // namespace

CGdiCanvas::CGdiCanvas(HDC dc, HMODULE resources)
    : m_dc(dc),
      m_resources(resources),
      m_previousTextColor(::GetTextColor(dc)),
      m_previousBkMode(::SetBkMode(dc, TRANSPARENT)),
      // Texts are placed by their top-left corner whatever the caller's DC
      // was set to.
      m_previousAlign(::SetTextAlign(dc, TA_LEFT | TA_TOP | TA_NOUPDATECP)) {}

CGdiCanvas::~CGdiCanvas() {
  while (!m_clips.empty()) PopClip();
  if (m_originalFont && m_selectedHandle != m_originalFont) ::SelectObject(m_dc, m_originalFont);
  m_selected.reset();  // out of the DC now, so it may be deleted
  m_font.reset();
  if (m_previousAlign != GDI_ERROR) ::SetTextAlign(m_dc, m_previousAlign);
  if (m_previousBkMode != 0) ::SetBkMode(m_dc, m_previousBkMode);
  if (m_previousTextColor != CLR_INVALID) ::SetTextColor(m_dc, m_previousTextColor);
}

const Rect& CGdiCanvas::Visible() {
  if (m_visible) return *m_visible;
  // A metafile records everything: it is played later, at another size.
  const DWORD kind = ::GetObjectType(m_dc);
  RECT rc{};
  if (kind == OBJ_METADC || kind == OBJ_ENHMETADC || ::GetClipBox(m_dc, &rc) == ERROR) {
    m_visible = Rect{INT_MIN, INT_MIN, INT_MAX, INT_MAX};
  } else {
    m_visible = Rect{rc.left, rc.top, rc.right, rc.bottom};
  }
  return *m_visible;
}

void CGdiCanvas::FillRect(const Rect& r, Color color) {
  const Rect& box = Visible();
  if (OutsideBox(r, 0, box)) return;
  FillSolid(m_dc, ToRect(Oversized(r, box) ? r.Intersection(box) : r), color);
}

// Draw3dRect with one colour: four one-unit strips just inside r.
void CGdiCanvas::FrameRect(const Rect& r, Color color) {
  FillRect({r.left, r.top, r.right - 1, r.top + 1}, color);
  FillRect({r.left, r.top, r.left + 1, r.bottom - 1}, color);
  FillRect({r.right - 1, r.top, r.right, r.bottom}, color);
  FillRect({r.left, r.bottom - 1, r.right, r.bottom}, color);
}

void CGdiCanvas::SetTextColor(Color color) { ::SetTextColor(m_dc, color); }

void CGdiCanvas::Line(Point from, Point to, Color color) {
  const Rect& box = Visible();
  const Rect bounds = Rect{from.x, from.y, to.x, to.y}.Normalized();
  if (OutsideBox(bounds, 1, box)) return;
  if (Oversized(bounds, box)) {
    const auto part = ClipSegment(from, to, box, 2);
    if (!part) return;
    std::tie(from, to) = *part;
  }
  const ui::CPen pen = ui::MakeSolidPen(1, color);
  const ui::CSelectObject selected(m_dc, pen.get());
  ::MoveToEx(m_dc, from.x, from.y, nullptr);
  ::LineTo(m_dc, to.x, to.y);
}

void CGdiCanvas::Ellipse(const Rect& r, int penWidth, Color pen, Color brush) {
  DrawShape(Shape::kEllipse, r, penWidth, pen, brush);
}

void CGdiCanvas::Rectangle(const Rect& r, int penWidth, Color pen, Color brush) {
  DrawShape(Shape::kRectangle, r, penWidth, pen, brush);
}

void CGdiCanvas::DrawShape(Shape shape, const Rect& given, int penWidth, Color pen, Color brush) {
  const Rect& box = Visible();
  if (OutsideBox(given, penWidth, box)) return;
  Rect r = given;
  if (Oversized(given, box)) {
    if (shape == Shape::kEllipse) {
      // Drawn as the rows of it that show.
      const SEllipseRuns runs = EllipseRunsInBox(given, penWidth, box);
      for (const Rect& run : runs.brush) FillSolid(m_dc, ToRect(run), brush);
      for (const Rect& run : runs.pen) FillSolid(m_dc, ToRect(run), pen);
      return;
    }
    // The edges beyond the box and its pen's margin show nothing.
    r = given.Normalized().Intersection({box.left - penWidth - 2, box.top - penWidth - 2,
                                         box.right + penWidth + 2, box.bottom + penWidth + 2});
  }
  const ui::CPen outline = ui::MakeSolidPen(penWidth, pen);
  const ui::CBrush fill = ui::MakeSolidBrush(brush);
  const ui::CSelectObject penSelected(m_dc, outline.get());
  const ui::CSelectObject brushSelected(m_dc, fill.get());
  if (shape == Shape::kEllipse) {
    ::Ellipse(m_dc, r.left, r.top, r.right, r.bottom);
  } else {
    ::Rectangle(m_dc, r.left, r.top, r.right, r.bottom);
  }
}

void CGdiCanvas::TextAt(Point topLeft, std::string_view text) {
  // Text runs right and down from its corner.
  const Rect& box = Visible();
  if (text.empty() || topLeft.x >= box.right || topLeft.y >= box.bottom) return;
  ApplyFont();
  ::TextOutA(m_dc, topLeft.x, topLeft.y, text.data(), Length(text));
}

Size CGdiCanvas::TextExtent(std::string_view text) {
  ApplyFont();
  SIZE size{};
  if (!::GetTextExtentPoint32A(m_dc, text.data(), Length(text), &size)) return {};
  return {size.cx, size.cy};
}

FontDesc CGdiCanvas::DefaultGuiFont() { return DescribeLogFont(DefaultGuiLogFont()); }

FontPtr CGdiCanvas::MakeFont(const FontDesc& desc) { return MakeGdiFont(desc); }

FontPtr CGdiCanvas::SelectFont(FontPtr font) {
  std::shared_ptr<const CGdiFont> gdi = AsGdiFont(font);
  if (gdi && !gdi->Handle()) gdi.reset();  // no font made: the DC's own
  return std::exchange(m_font, std::move(gdi));
}

void CGdiCanvas::ApplyFont() {
  const HGDIOBJ wanted = m_font ? m_font->Handle() : m_originalFont;
  // Nothing wanted: none of ours ever replaced the DC's own font.
  if (!wanted || wanted == m_selectedHandle) return;
  const HGDIOBJ previous = ::SelectObject(m_dc, wanted);
  if (!previous || previous == HGDI_ERROR) return;
  if (!m_originalFont) m_originalFont = previous;
  m_selectedHandle = wanted;
  m_selected = m_font;
}

// The DC's box, asked once and then kept across the canvas's own clips. A
// metafile answers with no bounds: it records everything.
Rect CGdiCanvas::ClipBox() { return Visible(); }

// The clip in force is kept as a region (GetClipRgn gives a copy) rather
// than with SaveDC, whose RestoreDC would also undo font selections made
// between a push and its pop.
void CGdiCanvas::PushClip(const Rect& r) {
  // The box shrinks to the pushed rectangle without asking the DC again: a
  // cell painted in a clip of its own costs no round trip for it.
  m_visibleSaved.push_back(m_visible);
  if (m_visible) m_visible = m_visible->Intersection(r);
  ui::CRgn saved(::CreateRectRgn(0, 0, 0, 0));
  if (saved && ::GetClipRgn(m_dc, saved.get()) != 1) saved.reset();
  m_clips.push_back(std::move(saved));
  ::IntersectClipRect(m_dc, r.left, r.top, r.right, r.bottom);
}

void CGdiCanvas::PopClip() {
  if (m_clips.empty()) return;
  m_visible = m_visibleSaved.back();
  m_visibleSaved.pop_back();
  ::SelectClipRgn(m_dc, m_clips.back().get());  // null removes the clip
  m_clips.pop_back();
}

void CGdiCanvas::DrawTextIn(const Rect& r, std::string_view text, unsigned format) {
  ApplyFont();
  RECT rc = ToRect(r);
  ::DrawTextA(m_dc, text.data(), Length(text), &rc, format);
}

void CGdiCanvas::DrawFocusRect(const Rect& r) {
  const RECT rc = ToRect(r);
  ::DrawFocusRect(m_dc, &rc);
}

void CGdiCanvas::GradientFill(const Rect& r, Color from, Color to) {
  TRIVERTEX vertices[2] = {Vertex(r.left, r.top, from), Vertex(r.right, r.bottom, to)};
  GRADIENT_RECT rect = {0, 1};
  ::GradientFill(m_dc, vertices, 2, &rect, 1, GRADIENT_FILL_RECT_H);
}

void CGdiCanvas::DrawBitmap(int resourceId, Color transparent, Point at) {
  if (!m_resources) return;
  const ui::CBitmap bitmap(::LoadBitmapA(m_resources, MAKEINTRESOURCEA(resourceId)));
  BITMAP info{};
  if (!bitmap || ::GetObjectA(bitmap.get(), sizeof info, &info) == 0) return;
  const ui::CMemoryDc source(m_dc);
  if (!source) return;
  const ui::CSelectObject selected(source.get(), bitmap.get());
  ::TransparentBlt(m_dc, at.x, at.y, info.bmWidth, info.bmHeight, source.get(), 0, 0, info.bmWidth,
                   info.bmHeight, transparent);
}

void CGdiCanvas::DrawIcon(IconHandle icon, Point at) {
  if (!icon) return;
  ::DrawIconEx(m_dc, at.x, at.y, static_cast<HICON>(const_cast<void*>(icon)), 0, 0, 0, nullptr,
               DI_NORMAL);
}

}  // namespace scalewright::gfx
