// Text measurement with a memory DC compatible with the screen, so that
// layout measures the same whatever device it later paints on.
#pragma once

#include "framework/gdi/gdi.h"
#include "framework/gfx/text_metrics.h"

namespace scalewright::gfx {

class CGdiTextMetrics final : public TextMetrics {
 public:
  CGdiTextMetrics();

  FontDesc DefaultGuiFont() const override;
  FontPtr MakeFont(const FontDesc& desc) override;
  // Each call selects the font into the measuring DC and puts the previous
  // one back.
  Size TextExtent(const Font* font, std::string_view text) const override;
  // The font's TEXTMETRIC and the face GDI chose for it (GetTextFace).
  SFontMetrics FontMetrics(const Font* font) const override;

 private:
  ui::CMemoryDc m_dc;
};

}  // namespace scalewright::gfx
