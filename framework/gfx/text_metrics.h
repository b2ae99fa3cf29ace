// Fonts and text measurement without a device context in hand: layout
// measures text before anything is painted. Windows answers with a
// screen-compatible DC; tests use fixed metrics.
#pragma once

#include <string_view>

#include "framework/gfx/font.h"
#include "framework/gfx/geometry.h"

namespace scalewright::gfx {

class TextMetrics {
 public:
  virtual ~TextMetrics() = default;

  // Description of the platform's default GUI font (DEFAULT_GUI_FONT).
  virtual FontDesc DefaultGuiFont() const = 0;
  virtual FontPtr MakeFont(const FontDesc& desc) = 0;
  // Extent of a single line of text; a null font measures in the default
  // GUI font.
  virtual Size TextExtent(const Font* font, std::string_view text) const = 0;
};

}  // namespace scalewright::gfx
