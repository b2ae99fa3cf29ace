#include "hybrid/core/text_style.h"

namespace scalewright {

CTextStyle::CTextStyle(gfx::TextMetrics& metrics, Color window)
    : metrics_(metrics), background_(window) {
  (void)reserved_;
}

HRESULT CTextStyle::QueryInterface(REFIID riid, void** ppv) {
  return QueryInterfaceTable<ITextStyle>(this, riid, ppv);
}

void CTextStyle::SetFont(const gfx::FontDesc& desc) {
  font_.reset();
  font_ = metrics_.MakeFont(desc);
  lineHeight_ = -1;
}

int CTextStyle::GetLineHeight() {
  if (!font_) return 0;
  if (lineHeight_ < 0) lineHeight_ = metrics_.TextExtent(font_.get(), "|").cy;
  return lineHeight_;
}

}  // namespace scalewright
