// CTextStyle: a font made from a description, a background and a text colour
// and two inner margins. Starts with one reference owned by its creator.
#pragma once

#include "framework/gfx/text_metrics.h"
#include "hybrid/interfaces/com_object.h"
#include "hybrid/interfaces/itext_style.h"

namespace scalewright {

class CTextStyle final : public ITextStyle {
 public:
  // The metrics make the font and measure the line height; `window` is the
  // system window colour, the initial background.
  CTextStyle(gfx::TextMetrics& metrics, Color window);

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override;
  HYBRID_IMPLEMENT_REFCOUNT()

  void SetFont(const gfx::FontDesc& desc) override;
  gfx::FontPtr GetFont() override { return font_; }
  void SetBkColor(Color color) override { background_ = color; }
  Color GetBkColor() override { return background_; }
  void SetTextColor(Color color) override { text_ = color; }
  Color GetTextColor() override { return text_; }
  int GetLeftMargin() override { return leftMargin_; }
  void SetLeftMargin(int pixels) override { leftMargin_ = pixels; }
  int GetRightMargin() override { return rightMargin_; }
  void SetRightMargin(int pixels) override { rightMargin_ = pixels; }
  int GetLineHeight() override;

 private:
  ~CTextStyle() override = default;

  gfx::TextMetrics& metrics_;
  gfx::FontPtr font_;
  Color background_;
  Color text_ = kBlack;
  int reserved_ = 0;
  int leftMargin_ = 4;
  int rightMargin_ = 4;
  int lineHeight_ = -1;  // measured once per font
  RefCount refs_{1};
};

}  // namespace scalewright
