#include "framework/gdi/gdi_text_metrics.h"

#include <climits>
#include <memory>

#include "framework/gdi/gdi_font.h"

namespace scalewright::gfx {

CGdiTextMetrics::CGdiTextMetrics() : m_dc(nullptr) {}

FontDesc CGdiTextMetrics::DefaultGuiFont() const { return DescribeLogFont(DefaultGuiLogFont()); }

FontPtr CGdiTextMetrics::MakeFont(const FontDesc& desc) { return MakeGdiFont(desc); }

Size CGdiTextMetrics::TextExtent(const Font* font, std::string_view text) const {
  if (!m_dc) return {};
  // A font of another kind is measured through a GDI copy of it.
  std::shared_ptr<const CGdiFont> copy;
  const CGdiFont* gdi = dynamic_cast<const CGdiFont*>(font);
  if (font && !gdi) {
    copy = MakeGdiFont(font->Desc());
    gdi = copy.get();
  }
  const HGDIOBJ handle = gdi && gdi->Handle() ? static_cast<HGDIOBJ>(gdi->Handle())
                                              : ::GetStockObject(DEFAULT_GUI_FONT);
  const ui::CSelectObject selected(m_dc.get(), handle);
  SIZE size{};
  const int length = text.size() > INT_MAX ? INT_MAX : static_cast<int>(text.size());
  if (!::GetTextExtentPoint32A(m_dc.get(), text.data(), length, &size)) return {};
  return {size.cx, size.cy};
}

}  // namespace scalewright::gfx
