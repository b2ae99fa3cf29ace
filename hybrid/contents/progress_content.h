// CProgressContent: a progress bar with its percentage printed in the
// middle: a grey-and-white frame, the done part shaded from blue to pale
// blue, the rest from grey to white.
#pragma once

#include "hybrid/contents/content_base.h"
#include "hybrid/interfaces/content_interfaces.h"

namespace scalewright {

class CProgressContent final : public CContentBase<IHybridProgress> {
 public:
  explicit CProgressContent(IHybridCtrl* ctrl) : CContentBase(ctrl) {}

  char GetKind() override { return 'p'; }
  void Draw(gfx::Canvas& canvas, int left, int top, int right, int bottom) override;
  int GetNaturalWidth() override;
  int GetHeightForWidth(int width) override;
  void SetRange(int range) override;
  void SetPos(int position) override;
  int GetPos() override { return m_position; }

  // The width of the done part inside `inner` pixels, and the percentage;
  // 64-bit products, clamped to the bar.
  int DoneWidth(int inner) const;
  int Percent() const;

 private:
  ~CProgressContent() override = default;

  int m_range = 100;
  int m_position = 0;
};

}  // namespace scalewright
