// CFontKeyedExtent: one text's extent kept with the font it was measured
// in, so that a layout or a paint in the same font takes it instead of
// measuring the text again. The owner forgets it when the text changes; a
// new font (a style's SetFont makes one) never matches the kept one.
#pragma once

#include <memory>

#include "framework/gfx/font.h"
#include "framework/gfx/geometry.h"

namespace scalewright {

// Whether |kept| was taken from |font| (both null: no font either time).
// Weak: a kept font keeps no platform font alive, and its control block
// outlives it, so a later font never shares it and never passes for it.
inline bool IsSameFont(const std::weak_ptr<const gfx::Font>& kept, const gfx::FontPtr& font) {
  return !kept.owner_before(font) && !font.owner_before(kept);
}

class CFontKeyedExtent {
 public:
  // The extent in |font|, from |measure| unless kept from the same font. A
  // null font is the surface's own, which cannot be told apart: measured
  // every time.
  template <class MeasureFn>
  gfx::Size Get(const gfx::FontPtr& font, MeasureFn&& measure) {
    if (!font) return measure();
    if (!IsSameFont(m_font, font)) {
      m_size = measure();
      m_font = font;
    }
    return m_size;
  }
  void Forget() { m_font.reset(); }

 private:
  std::weak_ptr<const gfx::Font> m_font;  // empty: nothing kept
  gfx::Size m_size;
};

}  // namespace scalewright
