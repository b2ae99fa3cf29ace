#include "framework/gdi/gdi_text_metrics.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <memory>
#include <string>

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

// Texts whose GDI extent a font's table must give exactly before it is
// used: every byte, and pairs that kerning would close up.
constexpr char kKerningProbe[] = "AVAWATaVaWaYoTyLTFrPaYa.ff fi 1/2 ";

// Texts of a font measured with GDI before its table is made.
constexpr int kMeasuresBeforeTable = 256;

Size CGdiTextMetrics::TextExtent(const Font* font, std::string_view text) const {
  if (!m_dc) return {};
  SAdvances& advances = EntryOf(font);
  if (!advances.made && ++advances.measured > kMeasuresBeforeTable) MakeTable(font, advances);
  if (!advances.exact || text.empty()) return MeasureWithGdi(font, text);
  long long width = 0;
  for (char c : text) width += advances.widths[static_cast<unsigned char>(c)];
  return {static_cast<int>(std::min<long long>(width, INT_MAX)), advances.height};
}

CGdiTextMetrics::SAdvances& CGdiTextMetrics::EntryOf(const Font* font) const {
  std::optional<FontDesc> desc;
  if (font) desc = font->Desc();
  for (SAdvances& known : m_advances) {
    if (known.font == desc) return known;
  }
  // A few fonts are in use at a time; a host that makes many starts afresh.
  if (m_advances.size() >= 16) m_advances.clear();
  SAdvances& entry = m_advances.emplace_back();
  entry.font = desc;
  return entry;
}

void CGdiTextMetrics::MakeTable(const Font* font, SAdvances& made) const {
  made.made = true;
  CPINFO codePage{};
  if (!::GetCPInfo(CP_ACP, &codePage) || codePage.MaxCharSize != 1) return;
  {
    std::shared_ptr<const CGdiFont> copy;
    const ui::CSelectObject selected(m_dc.get(), MeasuringHandle(font, copy));
    INT widths[256] = {};
    TEXTMETRICA metrics{};
    if (!::GetCharWidth32A(m_dc.get(), 0, 255, widths) || !::GetTextMetricsA(m_dc.get(), &metrics))
      return;
    for (std::size_t i = 0; i < 256; ++i) made.widths[i] = widths[i];
    made.height = metrics.tmHeight;
  }
  // The table stands in for GDI only where it measures as GDI does.
  std::string every;
  for (int c = 1; c < 256; ++c) every += static_cast<char>(c);
  bool exact = true;
  for (std::string_view probe : {std::string_view(every), std::string_view(kKerningProbe)}) {
    int width = 0;
    for (char c : probe) width += made.widths[static_cast<unsigned char>(c)];
    const Size measured = MeasureWithGdi(font, probe);
    exact = exact && measured.cx == width && measured.cy == made.height;
  }
  made.exact = exact;
}

Size CGdiTextMetrics::MeasureWithGdi(const Font* font, std::string_view text) const {
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
