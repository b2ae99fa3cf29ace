// CSeparatorContent: a horizontal line between margins (3 pixels each by
// default): one grey line (cell style 0x1000000), an etched line
// (0x2000000) or none, which makes it a spacer; 0x4000000 makes it 1 pixel
// high.
#pragma once

#include "hybrid/contents/content_base.h"
#include "hybrid/interfaces/content_interfaces.h"

namespace scalewright {

class CSeparatorContent final : public CContentBase<IHybridSeparator> {
 public:
  explicit CSeparatorContent(IHybridCtrl* ctrl) : CContentBase(ctrl) {}

  char GetKind() override { return 's'; }
  void Draw(gfx::Canvas& canvas, int left, int top, int right, int bottom) override;
  int GetHeightForWidth(int width) override;
  void SetMargins(int left, int top, int right, int bottom) override;

 private:
  ~CSeparatorContent() override = default;

  int m_left = 3, m_top = 3, m_right = 3, m_bottom = 3;
};

}  // namespace scalewright
