// CSliderContent: a horizontal slider: a sunken track across the cell and a
// thumb that the mouse drags or the arrow, Home and End keys move.
#pragma once

#include "hybrid/contents/content_base.h"
#include "hybrid/interfaces/content_interfaces.h"

namespace scalewright {

class CSliderContent final : public CContentBase<IHybridSlider> {
 public:
  static constexpr int kThumbWidth = 10;
  static constexpr int kHeight = 20;

  explicit CSliderContent(IHybridCtrl* ctrl) : CContentBase(ctrl) {}

  char GetKind() override { return 'L'; }
  bool IsFocusable() override { return true; }
  void Draw(gfx::Canvas& canvas, int left, int top, int right, int bottom) override;
  bool OnLButtonDown(Point point) override;
  void OnMouseMove(Point point) override;
  void OnLButtonUp(Point point) override;
  bool OnKeyDown(int virtualKey, std::uint32_t keyData) override;
  int GetNaturalWidth() override { return 4 * kThumbWidth; }
  int GetHeightForWidth(int) override { return kHeight; }

  void SetRange(int minimum, int maximum) override;
  void SetPos(int position) override;
  int GetPos() override { return m_pos; }

  // The thumb's left edge for the current position in a cell [left, right).
  int ThumbLeft(int left, int right) const;
  int PositionAt(int x) const;

 private:
  ~CSliderContent() override = default;

  int m_min = 0;
  int m_max = 100;
  int m_pos = 0;
};

}  // namespace scalewright
