#include "hybrid/core/text_style.h"

namespace scalewright {

CTextStyle::CTextStyle(gfx::TextMetrics& metrics, Color window)
    : m_metrics(metrics), m_background(window) {
  (void)m_reserved;
}

HRESULT CTextStyle::QueryInterface(REFIID riid, void** ppv) {
  return QueryInterfaceTable<ITextStyle>(this, riid, ppv);
}

void CTextStyle::SetFont(const gfx::FontDesc& desc) {
  m_font.reset();
  m_font = m_metrics.MakeFont(desc);
  m_lineHeight = -1;
}

int CTextStyle::GetLineHeight() {
  if (!m_font) return 0;
  if (m_lineHeight < 0) m_lineHeight = m_metrics.TextExtent(m_font.get(), "|").cy;
  return m_lineHeight;
}

}  // namespace scalewright
