// CColorContent: a colour swatch of the colour table dialog, installed by
// the caller with U(%o): a filled square in a thin dark frame.
#pragma once

#include "hybrid/contents/content_base.h"
#include "hybrid/interfaces/content_interfaces.h"

namespace scalewright {

class CColorContent final : public CContentBase<IHybridColor> {
 public:
  static constexpr int kSide = 16;

  // The control comes from the cell the swatch is installed in.
  explicit CColorContent(Color color, IHybridCtrl* ctrl = nullptr)
      : CContentBase(ctrl), m_color(color) {}

  void Draw(gfx::Canvas& canvas, int left, int top, int right, int bottom) override;
  int GetNaturalWidth() override { return kSide + 4; }
  int GetHeightForWidth(int) override { return kSide + 4; }
  void SetColor(Color color) override;
  Color GetColor() override { return m_color; }

 private:
  ~CColorContent() override = default;

  Color m_color;
};

}  // namespace scalewright
