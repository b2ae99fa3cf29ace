// Text measurement with a memory DC compatible with the screen, so that
// layout measures the same whatever device it later paints on.
#pragma once

#include <array>
#include <optional>
#include <vector>

#include "framework/gdi/gdi.h"
#include "framework/gfx/text_metrics.h"

namespace scalewright::gfx {

class CGdiTextMetrics final : public TextMetrics {
 public:
  CGdiTextMetrics();

  FontDesc DefaultGuiFont() const override;
  FontPtr MakeFont(const FontDesc& desc) override;
  // From a table of the font's advance widths, made once a font and used
  // where it agrees with GetTextExtentPoint32 (a single-byte code page, no
  // spacing of GDI's own); else GDI measures, with the font selected into
  // the measuring DC and the previous one put back.
  Size TextExtent(const Font* font, std::string_view text) const override;
  // The font's TEXTMETRIC and the face GDI chose for it (GetTextFace).
  SFontMetrics FontMetrics(const Font* font) const override;

 private:
  struct SAdvances {
    std::optional<FontDesc> font;  // none: the default GUI font
    bool exact = false;
    int height = 0;
    std::array<int, 256> widths{};
  };
  const SAdvances& AdvancesOf(const Font* font) const;
  Size MeasureWithGdi(const Font* font, std::string_view text) const;

  ui::CMemoryDc m_dc;
  mutable std::vector<SAdvances> m_advances;
};

}  // namespace scalewright::gfx
