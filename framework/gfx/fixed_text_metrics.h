// Text metrics with fixed, predictable numbers for tests, benchmarks and the
// fuzzer: every character of a font of height h is |h|/2 + 1 pixels wide
// (one more when bold) and a line is |h| + 2 pixels high, so that wrapping,
// ellipses and heights can be computed by hand.
#pragma once

#include <cstdlib>
#include <memory>
#include <string_view>

#include "framework/gfx/text_metrics.h"

namespace scalewright::gfx {

class FixedFont : public Font {
 public:
  explicit FixedFont(FontDesc desc) : m_desc(std::move(desc)) {}
  const FontDesc& Desc() const override { return m_desc; }

 private:
  FontDesc m_desc;
};

class FixedTextMetrics : public TextMetrics {
 public:
  static constexpr int kDefaultHeight = -11;

  static int CharWidth(const FontDesc& d) {
    return std::abs(d.height) / 2 + 1 + (d.weight >= 700 ? 1 : 0);
  }
  static int LineHeight(const FontDesc& d) { return std::abs(d.height) + 2; }

  FontDesc DefaultGuiFont() const override {
    FontDesc d;
    d.height = kDefaultHeight;
    d.face = "MS Shell Dlg";
    return d;
  }
  FontPtr MakeFont(const FontDesc& desc) override {
    ++fontsCreated;
    return std::make_shared<FixedFont>(desc);
  }
  Size TextExtent(const Font* font, std::string_view text) const override {
    ++extentsMeasured;
    const FontDesc d = font ? font->Desc() : DefaultGuiFont();
    return {static_cast<int>(text.size()) * CharWidth(d), LineHeight(d)};
  }

  int fontsCreated = 0;
  mutable int extentsMeasured = 0;
};

}  // namespace scalewright::gfx
