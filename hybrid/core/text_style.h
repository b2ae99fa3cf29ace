// CTextStyle: a font made from a description, a background and a text colour
// and two inner margins. Starts with one reference owned by its creator.
#pragma once

#include "framework/gfx/text_metrics.h"
#include "hybrid/interfaces/com_object.h"
#include "hybrid/interfaces/ihybrid_ctrl.h"
#include "hybrid/interfaces/itext_style.h"

namespace scalewright {

class CTextStyle final : public ITextStyle, private IHybridCtrlBound {
 public:
  // A style of the control: its platform's metrics make the font and
  // measure the line height for as long as the control is there. Once it
  // has gone the style keeps its font, colours and margins, and a new font
  // can no longer be made (SetFont does nothing). `window` is the system
  // window colour, the initial background.
  CTextStyle(IHybridCtrl& ctrl, Color window);
  // A style of no control, over metrics that outlive it.
  CTextStyle(gfx::TextMetrics& metrics, Color window);

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override;
  HYBRID_IMPLEMENT_REFCOUNT()

  void SetFont(const gfx::FontDesc& desc) override;
  gfx::FontPtr GetFont() override { return m_font; }
  void SetBkColor(Color color) override { m_background = color; }
  Color GetBkColor() override { return m_background; }
  void SetTextColor(Color color) override { m_text = color; }
  Color GetTextColor() override { return m_text; }
  int GetLeftMargin() override { return m_leftMargin; }
  void SetLeftMargin(int pixels) override;
  int GetRightMargin() override { return m_rightMargin; }
  void SetRightMargin(int pixels) override;
  int GetLineHeight() override;

 private:
  ~CTextStyle() override;
  void ForgetCtrl() override;

  IHybridCtrl* m_ctrl = nullptr;  // not counted; null once it has gone
  gfx::TextMetrics* m_metrics;    // the control's; null once it has gone
  gfx::FontPtr m_font;
  Color m_background;
  Color m_text = kBlack;
  int m_reserved = 0;
  int m_leftMargin = 4;
  int m_rightMargin = 4;
  int m_lineHeight = -1;  // measured once per font
  RefCount m_refs{1};
};

}  // namespace scalewright
