// CButtonContent: a push button drawn in its cell, with a caption or a
// bitmap (the caption then serves as tooltip), a latched "down" state, and
// a hover highlight with cell style 0x1000000. Notifies 16 when pressed and
// 15 when clicked.
#pragma once

#include <string>

#include "hybrid/contents/content_base.h"
#include "hybrid/interfaces/content_interfaces.h"

namespace scalewright {

class CButtonContent final : public CContentBase<IHybridButton> {
 public:
  explicit CButtonContent(IHybridCtrl* ctrl) : CContentBase(ctrl) {}

  char GetKind() override { return 'B'; }
  bool IsFocusable() override { return true; }
  void Draw(gfx::Canvas& canvas, int left, int top, int right, int bottom) override;
  std::string GetToolTipText() override;
  void OnMouseMove(Point point) override;
  bool OnLButtonDown(Point point) override;
  void OnLButtonUp(Point point) override;
  void OnMouseEnter() override;
  void OnMouseLeave() override;
  bool OnKeyDown(int virtualKey, std::uint32_t keyData) override;
  void OnKeyUp(int virtualKey, std::uint32_t keyData) override;
  int GetNaturalWidth() override { return Face().cx + 4; }
  int GetHeightForWidth(int) override { return Face().cy + 4; }

  void SetText(const char* caption) override;
  void SetBitmap(int resourceId, Color transparent) override;
  void SetTextStyle(ITextStyle* style) override;
  void SetDown(bool down) override;
  bool IsDown() override { return m_down; }

  bool LooksPressed() const { return m_pressed || m_down; }

 private:
  ~CButtonContent() override = default;
  Size Face() const;
  void SetPressed(bool pressed);

  std::string m_caption;
  int m_bitmap = 0;
  Color m_transparent = 0;
  bool m_down = false;
  bool m_pressed = false;
  bool m_hover = false;
  bool m_spacePressed = false;
};

// Raised (or, pressed, sunken) 3D edge of a button face.
void DrawButtonEdge(gfx::Canvas& canvas, const Rect& r, bool sunken, Color light, Color shadow);

}  // namespace scalewright
