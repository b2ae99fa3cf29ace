// Fonts and text measurement without a device context in hand: layout
// measures text before anything is painted. Windows answers with a
// screen-compatible DC; tests use fixed metrics.
#pragma once

#include <cstdlib>
#include <string>
#include <string_view>

#include "framework/gfx/font.h"
#include "framework/gfx/geometry.h"

namespace scalewright::gfx {

// The vertical measures of a font, in pixels, and the face the platform
// really draws it with. A text placed by its top-left corner has its
// baseline at ascent; the em size is the cell height less the internal
// leading.
struct SFontMetrics {
  int height = 0;  // of the character cell
  int ascent = 0;
  int internalLeading = 0;
  std::string face;
  friend bool operator==(const SFontMetrics&, const SFontMetrics&) = default;
};

class TextMetrics {
 public:
  virtual ~TextMetrics() = default;

  // Description of the platform's default GUI font (DEFAULT_GUI_FONT).
  virtual FontDesc DefaultGuiFont() const = 0;
  virtual FontPtr MakeFont(const FontDesc& desc) = 0;
  // Extent of a single line of text; a null font measures in the default
  // GUI font.
  virtual Size TextExtent(const Font* font, std::string_view text) const = 0;
  // Measures from the description alone where the platform has none: a
  // positive height is the cell, a negative one the em; the ascent is four
  // fifths of the cell, a fifth of a positive cell is leading.
  virtual SFontMetrics FontMetrics(const Font* font) const {
    const FontDesc desc = font ? font->Desc() : DefaultGuiFont();
    SFontMetrics metrics;
    metrics.height = std::abs(desc.height);
    metrics.internalLeading = desc.height > 0 ? desc.height / 5 : 0;
    metrics.ascent = (metrics.height * 4 + 2) / 5;
    metrics.face = desc.face;
    return metrics;
  }
};

}  // namespace scalewright::gfx
