// What the control's core asks of its window: client size, the scroll bar,
// posted and sent messages to itself and its parent, timers, mouse capture
// and the clock. The Windows window implements it over its HWND; host
// tests fake it and count the calls.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "hybrid/interfaces/hybrid_bits.h"
#include "hybrid/interfaces/hybrid_fwd.h"

namespace scalewright {

// The control's messages (application range).
enum HybridMessage : unsigned {
  WM_HYBRIDLAYOUT = 0x802A,
  WM_HYBRIDCOMMAND = 0x8039,
  WM_HYBRIDENSUREVISIBLE = 0x804A,
  WM_HYBRIDREPAINT = 0x806A,
  WM_HYBRIDSELCHANGE = 0x8071,
  WM_HYBRIDNOTIFY = 0x80CA,
};

class IHybridHost {
 public:
  virtual ~IHybridHost() = default;

  virtual bool WindowExists() = 0;
  // The whole client area, scroll bar included.
  virtual Size ClientSize() = 0;
  virtual int ScrollBarWidth() = 0;
  virtual void ShowScrollBar(bool show) = 0;
  // Range 0..contentHeight with a page of the client height.
  virtual void SetScrollBar(int contentHeight, int page, int position) = 0;
  // Moves the client area's pixels by dy (positive: down).
  virtual void ScrollClient(int dy) = 0;
  virtual void Invalidate() = 0;

  // Posted to the control itself.
  virtual void PostLayout() = 0;
  // False when the message could not be posted (no window yet, a full
  // queue): the core then posts again with the next request.
  virtual bool PostRepaint() = 0;
  virtual void PostSelectionChange() = 0;
  // The cell carries one reference; the handler passes it back to the core
  // (OnEnsureVisible), which releases it. A host that cannot post must
  // release it itself.
  virtual void PostEnsureVisible(IHybridCell* cell) = 0;

  // To the parent window.
  virtual void PostCommand(int commandId) = 0;
  virtual NotifyResult SendNotify(int code, IHybridCell* cell) = 0;

  virtual void StartTimer(int id, int intervalMs) = 0;
  virtual void StopTimer(int id) = 0;
  virtual void CaptureMouse() = 0;
  virtual void ReleaseMouse() = 0;
  virtual std::uint64_t NowMs() = 0;
  // Mouse position in client coordinates.
  virtual Point CursorPos() = 0;
  // Sets the cursor to its own position, so that hover is looked at again.
  virtual void RefreshCursor() = 0;

  // --- Input.
  // Gives the control window the keyboard focus.
  virtual void TakeFocus() = 0;
  // Moves the keyboard focus to the next (with |backward|: previous) tab
  // stop of the dialog holding the control; false when there is no other.
  virtual bool FocusNextTabStop(bool backward) = 0;
  // Draws the rubber band (window coordinates) by inverting, so that the
  // same call erases it again.
  virtual void DrawBand(const Rect& band) = 0;
  // Posts one timer message with the identifier at once.
  virtual void PostTimer(int id) = 0;
  // Shows the control's tooltip (tool 1105) with the text; empty removes it.
  virtual void SetToolTip(const std::string& text) = 0;

  // --- Expand and collapse.
  // Animates a cell's expansion or collapse over |area| (window
  // coordinates: from the cell's top down): keeps the picture there, runs
  // |layout|, makes the new picture off screen and reveals it (expand) or
  // hides the old one (collapse) in ten steps of a tenth of the area's
  // height. False when the window cannot animate; nothing was laid out.
  virtual bool AnimateArea(const Rect& /*area*/, bool /*expand*/,
                           const std::function<void()>& /*layout*/) {
    return false;
  }
};

}  // namespace scalewright
