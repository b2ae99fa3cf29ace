#include "framework/gdi/gdi_text_metrics.h"

#include <climits>
#include <cstring>
#include <memory>

#include "framework/gdi/gdi_font.h"

namespace scalewright::gfx {

CGdiTextMetrics::CGdiTextMetrics() : m_dc(nullptr) {}

FontDesc CGdiTextMetrics::DefaultGuiFont() const { return DescribeLogFont(DefaultGuiLogFont()); }

FontPtr CGdiTextMetrics::MakeFont(const FontDesc& desc) { return MakeGdiFont(desc); }

namespace {

// The handle to measure |font| with; |copy| keeps a GDI copy of a font of
// another kind alive meanwhile.
HGDIOBJ MeasuringHandle(const Font* font, std::shared_ptr<const CGdiFont>& copy) {
  const CGdiFont* gdi = dynamic_cast<const CGdiFont*>(font);
  if (font && !gdi) {
    copy = MakeGdiFont(font->Desc());
    gdi = copy.get();
  }
  return gdi && gdi->Handle() ? static_cast<HGDIOBJ>(gdi->Handle())
                              : ::GetStockObject(DEFAULT_GUI_FONT);
}

}  // namespace

Size CGdiTextMetrics::TextExtent(const Font* font, std::string_view text) const {
  if (!m_dc) return {};
  std::shared_ptr<const CGdiFont> copy;
  const ui::CSelectObject selected(m_dc.get(), MeasuringHandle(font, copy));
  SIZE size{};
  const int length = text.size() > INT_MAX ? INT_MAX : static_cast<int>(text.size());
  if (!::GetTextExtentPoint32A(m_dc.get(), text.data(), length, &size)) return {};
  return {size.cx, size.cy};
}

SFontMetrics CGdiTextMetrics::FontMetrics(const Font* font) const {
  if (!m_dc) return TextMetrics::FontMetrics(font);
  std::shared_ptr<const CGdiFont> copy;
  const ui::CSelectObject selected(m_dc.get(), MeasuringHandle(font, copy));
  TEXTMETRICA text{};
  if (!::GetTextMetricsA(m_dc.get(), &text)) return TextMetrics::FontMetrics(font);
  SFontMetrics metrics;
  metrics.height = text.tmHeight;
  metrics.ascent = text.tmAscent;
  metrics.internalLeading = text.tmInternalLeading;
  char face[LF_FACESIZE] = {};
  const int length = ::GetTextFaceA(m_dc.get(), LF_FACESIZE, face);
  if (length > 0) metrics.face.assign(face, strnlen(face, LF_FACESIZE));
  return metrics;
}

}  // namespace scalewright::gfx
