// ITextStyle: a font, two colours and two inner margins for the text of
// contents. Slot order.
#pragma once

#include "framework/gfx/font.h"
#include "hybrid/interfaces/hybrid_bits.h"
#include "hybrid/interfaces/unknown.h"

namespace scalewright {

struct ITextStyle : public IUnknown {
  // Drops the old font and creates one from the description.
  virtual void SetFont(const gfx::FontDesc& desc) = 0;
  virtual gfx::FontPtr GetFont() = 0;
  virtual void SetBkColor(Color color) = 0;
  virtual Color GetBkColor() = 0;
  virtual void SetTextColor(Color color) = 0;
  virtual Color GetTextColor() = 0;
  virtual int GetLeftMargin() = 0;
  virtual void SetLeftMargin(int pixels) = 0;
  virtual int GetRightMargin() = 0;
  virtual void SetRightMargin(int pixels) = 0;
  // Height of "|" in the style's font; 0 without a font.
  virtual int GetLineHeight() = 0;

 protected:
  virtual ~ITextStyle() = default;
};

HYBRID_DECLARE_IID(ITextStyle, 0x5c3a1e05);

}  // namespace scalewright
