// CCheckBoxContent: a check box with its caption; the release of a press
// inside it, or the space key, toggles it. Every SetCheck notifies 18.
#pragma once

#include <string>

#include "hybrid/contents/content_base.h"
#include "hybrid/interfaces/content_interfaces.h"

namespace scalewright {

class CCheckBoxContent final : public CContentBase<IHybridCheckBox> {
 public:
  explicit CCheckBoxContent(IHybridCtrl* ctrl) : CContentBase(ctrl) {}

  char GetKind() override { return 'x'; }
  bool IsFocusable() override { return true; }
  void Draw(gfx::Canvas& canvas, int left, int top, int right, int bottom) override;
  bool OnLButtonDown(Point point) override;
  void OnMouseMove(Point point) override;
  void OnLButtonUp(Point point) override;
  bool OnKeyDown(int virtualKey, std::uint32_t keyData) override;
  int GetNaturalWidth() override;
  int GetHeightForWidth(int width) override;

  void SetText(const char* caption) override;
  void SetCheck(bool checked) override;
  bool GetCheck() override { return m_checked; }
  void SetTextStyle(ITextStyle* style) override;

  // Side of the square box for a line of `lineHeight`.
  static int BoxSize(int lineHeight) { return lineHeight < 13 ? lineHeight : 13; }

 private:
  ~CCheckBoxContent() override = default;
  int LineHeight() const;

  std::string m_caption;
  bool m_checked = false;
  bool m_pressed = false;
};

}  // namespace scalewright
