#include "framework/gdi/gdi_font.h"

#include <algorithm>
#include <cstring>

namespace scalewright::gfx {

LOGFONTA DefaultGuiLogFont() {
  LOGFONTA logFont{};
  if (::GetObjectA(::GetStockObject(DEFAULT_GUI_FONT), sizeof logFont, &logFont) !=
      sizeof logFont) {
    // Not expected on any system; the GUI font's usual face keeps text legible.
    logFont = LOGFONTA{};
    logFont.lfHeight = -11;
    logFont.lfWeight = FW_NORMAL;
    logFont.lfCharSet = DEFAULT_CHARSET;
    std::strcpy(logFont.lfFaceName, "MS Shell Dlg");
  }
  return logFont;
}

FontDesc DescribeLogFont(const LOGFONTA& logFont) {
  FontDesc desc;
  desc.height = logFont.lfHeight;
  desc.weight = logFont.lfWeight;
  desc.italic = logFont.lfItalic != 0;
  desc.underline = logFont.lfUnderline != 0;
  desc.face.assign(logFont.lfFaceName, strnlen(logFont.lfFaceName, LF_FACESIZE));
  return desc;
}

std::shared_ptr<const CGdiFont> MakeGdiFont(const FontDesc& desc) {
  LOGFONTA logFont = DefaultGuiLogFont();
  logFont.lfHeight = desc.height;
  logFont.lfWeight = desc.weight;
  logFont.lfItalic = desc.italic ? TRUE : FALSE;
  logFont.lfUnderline = desc.underline ? TRUE : FALSE;
  if (!desc.face.empty()) {
    const std::size_t n = std::min<std::size_t>(desc.face.size(), LF_FACESIZE - 1);
    std::memcpy(logFont.lfFaceName, desc.face.data(), n);
    logFont.lfFaceName[n] = '\0';
  }
  return std::make_shared<const CGdiFont>(desc, ui::CFont(::CreateFontIndirectA(&logFont)));
}

std::shared_ptr<const CGdiFont> AsGdiFont(const FontPtr& font) {
  if (!font) return nullptr;
  if (auto gdi = std::dynamic_pointer_cast<const CGdiFont>(font)) return gdi;
  return MakeGdiFont(font->Desc());
}

}  // namespace scalewright::gfx
