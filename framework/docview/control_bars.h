// The frame's control bars over the common controls: a toolbar loaded from
// a toolbar resource (button images from the bitmap of the same id, tool
// tips and status prompts from the command strings) that docks on any side
// of its frame, and a status bar with a message pane and key indicators.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "framework/ui/window_subclass.h"

namespace scalewright::docview {

// "Prompt\nTip": the part of command |id|'s string before (status) or after
// (tool tip) the newline; empty when there is none.
std::string CommandPrompt(HINSTANCE module, UINT id);
std::string CommandTip(HINSTANCE module, UINT id);

// A bar shown within its frame, whether or not the frame itself is shown
// yet: the layout made before the frame's first ShowWindow must already
// leave the bars their room, or showing the frame moves and repaints every
// child.
inline bool BarShown(HWND bar) {
  return bar && (::GetWindowLongPtrA(bar, GWL_STYLE) & WS_VISIBLE) != 0;
}

class CToolBar {
 public:
  enum class Side { Top, Bottom, Left, Right };

  CToolBar() = default;
  CToolBar(const CToolBar&) = delete;
  CToolBar& operator=(const CToolBar&) = delete;

  // The same images drawn larger for denser screens: their size in pixels
  // (square) and their bitmap resource.
  struct SImageSet {
    int size;
    UINT bitmap;
  };

  bool CreateEx(HWND frame, DWORD controlStyle, DWORD barStyle, UINT id);
  // Toolbar resource |id|: image size and button commands (0: separator),
  // the images from the bitmap of the same id or, on a denser screen, from
  // the largest of |larger| that is no larger than the base size there.
  bool LoadToolBar(HINSTANCE module, UINT id, std::vector<SImageSet> larger = {});
  // Shows the images drawn for |dpi| (the frame moved to another screen).
  void ScaleTo(int dpi);
  HWND Hwnd() const { return m_hwnd; }
  const std::vector<UINT>& Commands() const { return m_commands; }

  Side DockSide() const { return m_side; }
  void DockTo(Side side);
  // The bar's extent across its side (height docked top/bottom, else width).
  int Thickness() const;
  // Dragging the bar drops it at the frame's side nearest the cursor.
  void OnDrop(POINT screen);

 private:
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
  const SImageSet& ImagesFor(int dpi) const;
  void SetButtonSize(int width, int height);
  HWND m_hwnd = nullptr;
  HINSTANCE m_module = nullptr;
  // The base images first, then the larger ones; which one the bar shows.
  std::vector<SImageSet> m_imageSets;
  UINT m_shownBitmap = 0;
  int m_images = 0;
  std::vector<UINT> m_commands;
  Side m_side = Side::Top;
  bool m_dragging = false;
  ui::CWindowSubclass m_subclass;
};

class CStatusBar {
 public:
  bool Create(HWND frame, DWORD style, UINT id);
  // Pane 0 is the message pane; the others show their indicator's text
  // (the string of the same id) while its key is on.
  bool SetIndicators(HINSTANCE module, const std::vector<UINT>& ids);
  HWND Hwnd() const { return m_hwnd; }
  void SetText(const std::string& text);
  std::string Text() const;
  void UpdateIndicators();
  void Resize();

 private:
  HWND m_hwnd = nullptr;
  std::vector<UINT> m_ids;
  std::vector<std::string> m_texts;
  std::vector<int> m_widths;
};

}  // namespace scalewright::docview
