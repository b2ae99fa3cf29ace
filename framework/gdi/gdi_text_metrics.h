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
  // GDI measures, with the font selected into the measuring DC and the
  // previous one put back. A font measured many times (a list's rows) is
  // measured from a table of its advance widths instead, made once and used
  // where it agrees with GetTextExtentPoint32 (a single-byte code page, no
  // spacing of GDI's own): the table costs as much as some hundred texts,
  // which a board's few labels would pay on every paint.
  Size TextExtent(const Font* font, std::string_view text) const override;
  // The font's TEXTMETRIC and the face GDI chose for it (GetTextFace).
  SFontMetrics FontMetrics(const Font* font) const override;

 private:
  struct SAdvances {
    std::optional<FontDesc> font;  // none: the default GUI font
    int measured = 0;              // texts measured with GDI before the table is made
    bool made = false;
    bool exact = false;
    int height = 0;
    std::array<int, 256> widths{};
  };
  SAdvances& EntryOf(const Font* font) const;
  void MakeTable(const Font* font, SAdvances& advances) const;
  Size MeasureWithGdi(const Font* font, std::string_view text) const;

  ui::CMemoryDc m_dc;
  mutable std::vector<SAdvances> m_advances;
};

}  // namespace scalewright::gfx
