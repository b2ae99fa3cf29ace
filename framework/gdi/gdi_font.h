// Fonts for the GDI canvas and the GDI text metrics: the default GUI font's
// description, with what the product changes (height, weight, style, face)
// applied, made with CreateFontIndirect.
#pragma once

#include <windows.h>

#include <memory>

#include "framework/gdi/gdi.h"
#include "framework/gfx/font.h"

namespace scalewright::gfx {

class CGdiFont final : public Font {
 public:
  CGdiFont(FontDesc desc, ui::CFont font) : m_desc(std::move(desc)), m_font(std::move(font)) {}
  const FontDesc& Desc() const override { return m_desc; }
  HFONT Handle() const { return m_font.get(); }

 private:
  FontDesc m_desc;
  ui::CFont m_font;
};

// DEFAULT_GUI_FONT as a LOGFONT: the base of every font made here, so that
// character set, quality and the rest stay as the system has them.
LOGFONTA DefaultGuiLogFont();
FontDesc DescribeLogFont(const LOGFONTA& logFont);
// A font with |desc| applied to the default GUI font. Its handle is null
// when the system refused to make it; drawing then uses the DC's font.
std::shared_ptr<const CGdiFont> MakeGdiFont(const FontDesc& desc);
// |font| itself when it is a GDI font, otherwise one made from its
// description (fonts of another canvas or metrics).
std::shared_ptr<const CGdiFont> AsGdiFont(const FontPtr& font);

}  // namespace scalewright::gfx
