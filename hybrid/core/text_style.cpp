#include "hybrid/core/text_style.h"

#include "hybrid/interfaces/hybrid_platform.h"

namespace scalewright {

CTextStyle::CTextStyle(IHybridCtrl& ctrl, Color window)
    : m_ctrl(&ctrl), m_metrics(&ctrl.Platform().Metrics()), m_background(window) {
  (void)m_reserved;
  m_ctrl->Bind(this);
}

CTextStyle::CTextStyle(gfx::TextMetrics& metrics, Color window)
    : m_metrics(&metrics), m_background(window) {
  (void)m_reserved;
}

CTextStyle::~CTextStyle() {
  if (m_ctrl) m_ctrl->Unbind(this);
}

void CTextStyle::ForgetCtrl() {
  m_ctrl = nullptr;
  m_metrics = nullptr;
}

HRESULT CTextStyle::QueryInterface(REFIID riid, void** ppv) {
  return QueryInterfaceTable<ITextStyle>(this, riid, ppv);
}

void CTextStyle::SetFont(const gfx::FontDesc& desc) {
  if (!m_metrics) return;  // nothing left to make it with
  m_font.reset();
  m_font = m_metrics->MakeFont(desc);
  m_lineHeight = -1;
  // Every cell in this style measures again.
  if (m_ctrl) m_ctrl->SizesMayHaveChanged();
}

// Margins take from a wrapped text's width and add to a text's natural one.
void CTextStyle::SetLeftMargin(int pixels) {
  m_leftMargin = pixels;
  if (m_ctrl) m_ctrl->SizesMayHaveChanged();
}

void CTextStyle::SetRightMargin(int pixels) {
  m_rightMargin = pixels;
  if (m_ctrl) m_ctrl->SizesMayHaveChanged();
}

int CTextStyle::GetLineHeight() {
  if (!m_font) return 0;
  if (m_lineHeight < 0) {
    // Measured while the control was there, or never.
    if (!m_metrics) return 0;
    m_lineHeight = m_metrics->TextExtent(m_font.get(), "|").cy;
  }
  return m_lineHeight;
}

}  // namespace scalewright
