// IHybridHost over a window handle: the client area, the vertical scroll bar
// child, messages posted to the window itself and to the window that hears
// its commands and notifications, timers, capture, the cursor, the focus and
// the tooltip. Used by the control window and by the combo's drop-down list.
#pragma once

#include <windows.h>

#include <functional>

#include "framework/gfx/canvas.h"
#include "hybrid/interfaces/hybrid_host.h"

namespace scalewright {

// Tool identifier of the control's tooltip.
constexpr UINT_PTR kHybridToolId = 1105;

class CWinHybridHost final : public IHybridHost {
 public:
  // |scrollBar| and |toolTip| may be null (no bar, no tooltip).
  void Attach(HWND window, HWND scrollBar, HWND toolTip);
  void Detach() { Attach(nullptr, nullptr, nullptr); }
  // Commands and notifications go to |listener| instead of the parent
  // (a popup's "parent" is its owner, which must not hear them).
  void SetListener(HWND listener) {
    m_listener = listener;
    m_hasListener = true;
  }
  HWND Window() const { return m_window; }
  // Paints the control's picture (in window coordinates) for animations;
  // without one the host does not animate.
  using Painter = std::function<void(gfx::Canvas&)>;
  void SetPainter(Painter painter) { m_painter = std::move(painter); }
  HWND ScrollBar() const { return m_scrollBar; }

  bool WindowExists() override;
  Size ClientSize() override;
  int ScrollBarWidth() override;
  void ShowScrollBar(bool show) override;
  void SetScrollBar(int contentHeight, int page, int position) override;
  void ScrollClient(int dy) override;
  void Invalidate() override;

  void PostLayout() override;
  bool PostRepaint() override;
  void PostSelectionChange() override;
  void PostEnsureVisible(IHybridCell* cell) override;

  void PostCommand(int commandId) override;
  NotifyResult SendNotify(int code, IHybridCell* cell) override;

  void StartTimer(int id, int intervalMs) override;
  void StopTimer(int id) override;
  void CaptureMouse() override;
  void ReleaseMouse() override;
  std::uint64_t NowMs() override;
  Point CursorPos() override;
  void RefreshCursor() override;

  void TakeFocus() override;
  bool FocusNextTabStop(bool backward) override;
  void DrawBand(const Rect& band) override;
  void PostTimer(int id) override;
  void SetToolTip(const std::string& text) override;
  bool AnimateArea(const Rect& area, bool expand, const std::function<void()>& layout) override;

 private:
  // The window's parent hears commands and notifications.
  HWND Parent() const;
  void Post(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

  HWND m_window = nullptr;
  HWND m_scrollBar = nullptr;
  HWND m_toolTip = nullptr;
  HWND m_listener = nullptr;
  Painter m_painter;
  bool m_hasListener = false;
  bool m_barShown = false;
  // What the bar was last given.
  struct SBar {
    int content, page, position;
    friend bool operator==(const SBar&, const SBar&) = default;
  };
  SBar m_bar{0, 0, 0};
  bool m_barSet = false;
  bool m_toolAdded = false;
};

}  // namespace scalewright
