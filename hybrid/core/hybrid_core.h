// CHybridCore: everything of the hybrid control that is not a platform call
// — the root cell and its vertical layout, the built-in styles, background,
// focus/anchor/hot/captured cells, layout and its request throttling, the
// repaint queue, scroll arithmetic, the timer table, the end of the
// notification chain and the coalesced selection notification. The Windows
// window (CHybridCtrl) maps its messages onto it; host tests drive it
// directly.
#pragma once

#include <atomic>
#include <cstdint>
#include <deque>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <unordered_set>
#include <vector>

#include "hybrid/interfaces/hybrid_host.h"
#include "hybrid/interfaces/hybrid_platform.h"
#include "hybrid/interfaces/ihybrid_cell.h"
#include "hybrid/interfaces/ihybrid_ctrl.h"
#include "hybrid/interfaces/ihybrid_handler.h"
#include "hybrid/interfaces/ihybrid_sub_content.h"
#include "hybrid/interfaces/itext_style.h"
#include "hybrid/interfaces/ref_ptr.h"

namespace scalewright {

constexpr int kLayoutRequestsPerWindow = 20;
constexpr std::uint64_t kLayoutRequestWindowMs = 334;
constexpr int kHoverTimerId = 10000;
constexpr int kAutoScrollTimerId = 10001;
constexpr int kWheelPixelsPerLine = 20;
constexpr int kHoverTimerMs = 100;
constexpr int kAutoScrollTimerMs = 50;
// A press moves farther than this in either direction before a drag starts.
constexpr int kDragThreshold = 3;
// Answers to the drag-move notification that choose the cursor.
constexpr NotifyResult kDragAnswerNoDrop = 0;
constexpr NotifyResult kDragAnswerDrop = 2;

// Scroll bar request codes (the platform's SB_ values).
enum ScrollCode : int {
  kScrollLineUp = 0,
  kScrollLineDown = 1,
  kScrollPageUp = 2,
  kScrollPageDown = 3,
  kScrollThumbPosition = 4,
  kScrollThumbTrack = 5,
  kScrollTop = 6,
  kScrollBottom = 7,
};

class CHybridCore final : public IHybridCtrl {
 public:
  CHybridCore(IHybridHost& host, IHybridPlatform& platform);
  ~CHybridCore();
  CHybridCore(const CHybridCore&) = delete;
  CHybridCore& operator=(const CHybridCore&) = delete;

  // WM_CREATE: root cell, built-in styles. WM_DESTROY: the reverse.
  void OnCreate();
  void OnDestroy();

  // --- Operations of the control.
  void Layout();
  int GetContentHeight() const { return m_contentHeight; }
  void SetSingleSelection(bool single) { m_singleSelection = single; }
  bool SingleSelection() const { return m_singleSelection; }
  void Clear(bool recreateRoot);
  void SetBackColor(Color color, bool passOn);
  void ClearSelection();
  bool HitTest(Point point, IHybridCell** out);
  void SetScrollPosition(int position);
  void SetHandler(IHybridHandler* handler);
  IHybridCell* Root() const { return m_root.get(); }
  IHybridSubContent* RootLayout() const { return m_rootLayout.get(); }
  bool ScrollBarShown() const { return m_barShown; }
  // Client area used for layout: the scroll bar's width left out while it
  // is shown.
  Size LayoutClientSize();
  // Largest scroll position: the content's bottom at the view's bottom.
  int ScrollLimit();

  // --- Message handlers.
  void OnLayoutMessage();
  void OnRepaintMessage(gfx::Canvas& windowCanvas);
  void OnSelectionChangeMessage();
  void OnEnsureVisibleMessage(IHybridCell* cellWithReference);
  void OnSize();
  void OnPaint(gfx::Canvas& canvas);
  void OnVScroll(int code, int trackPosition);
  void OnMouseWheel(int delta, int linesPerNotch);
  void OnTimer(int id);

  // --- Input (mouse, keyboard, focus). Points are in window (client)
  // coordinates; the window passes the modifier keys of mouse messages and
  // the core reads those of key messages from the platform.
  void OnButtonDown(Point point, bool primary, bool ctrl, bool shift);
  void OnButtonDblClk(Point point);
  void OnMouseMove(Point point);
  void OnButtonUp(Point point, bool primary);
  // The system took the mouse away mid-press (Alt+Tab, a dialog opened from
  // a notification): a band is erased, a running drag ends, a captured
  // content lets go without a click, and the timers of the press stop.
  void OnCaptureLost();
  // True when the key was consumed (the message is not dispatched).
  bool OnKeyDown(int virtualKey, std::uint32_t keyData);
  void OnKeyUp(int virtualKey, std::uint32_t keyData);
  void OnSetFocus();
  // |toSibling|: the window getting the focus has the control's parent.
  void OnKillFocus(bool toSibling);
  // The cursor WM_SETCURSOR applies (kNone: the arrow).
  HybridCursor CurrentCursor() const { return m_cursor; }
  void SetSelectOnHover(bool on) { m_selectOnHover = on; }
  void SetDragEnabled(bool on) { m_dragEnabled = on; }
  void SetScrollBarAllowed(bool on) { m_scrollBarAllowed = on; }

  // --- Control services (IHybridCtrl).
  void RequestLayout(bool immediate) override;
  void SizesMayHaveChanged() override { m_sizesMayHaveChanged = true; }
  void RequestCellRepaint(IHybridCell* cell, const Rect* rect) override;
  int RegisterTimer(int intervalMs, ITimerCallback* callback) override;
  void UnregisterTimer(int timerId) override;
  NotifyResult Notify(int code, IHybridCell* cell) override;
  bool GetFocusCell(IHybridCell** out) override { return m_focus.CopyTo(out); }
  bool GetAnchorCell(IHybridCell** out) const { return m_anchor.CopyTo(out); }
  bool GetHotCell(IHybridCell** out) const { return m_hot.CopyTo(out); }
  void SetFocusCell(IHybridCell* cell, bool byUser) override;
  void EnsureVisible(IHybridCell* cell) override;
  int GetScrollPosition() override { return m_layingOut ? 0 : m_scroll.load(); }
  ITextStyle* GetBuiltInStyle(int number) override;
  void CaptureMouse(IHybridCell* cell) override;
  void ReleaseMouse(IHybridCell* cell) override;
  bool HasMouseCapture(IHybridCell* cell) override { return cell && m_captured.get() == cell; }
  void RegisterCell(IHybridCell* cell) override;
  void UnregisterCell(IHybridCell* cell) override;
  void PostSelectionChange() override;
  bool IsHotCell(IHybridCell* cell) override { return cell && m_hot.get() == cell; }
  Point GetCursorPos() override { return m_host.CursorPos(); }
  Color GetBackColor() override { return m_back; }
  IHybridPlatform& Platform() override { return m_platform; }
  void AnimateExpand(IHybridCell* cell, bool expand, bool immediate) override;
  void BuildWith(const char* tmpl, TemplateArgs& args) override;
  void Bind(IHybridCtrlBound* object) override;
  void Unbind(IHybridCtrlBound* object) override;

  // State the input handling (and tests) read.
  bool LayoutPending();
  bool RepaintPending() const { return m_repaintPending; }
  size_t RepaintQueueSize();
  int GrantedLayoutRequests() const { return m_granted; }
  bool DragStarted() const { return m_dragStarted; }
  bool BandActive() const { return m_bandActive; }

 private:
  void CreateRoot();
  void UpdateScrollBar();
  // Tells every bound object still signed on that the control goes;
  // ForgetCtrl must not call back.
  void ReleaseBound();

  // Input helpers (hybrid_input*.cpp).
  bool InTree(IHybridCell* cell) const;
  NotifyResult NotifyFrom(IHybridCell* cell, int code);
  std::vector<RefPtr<IHybridCell>> TabList();
  void SelectByClick(IHybridCell* cell, bool ctrl, bool shift);
  void SelectRange(IHybridCell* from, IHybridCell* to);
  void StartBand(Point point, bool extend);
  void UpdateBand(Point point);
  void EndBand();
  Rect BandWindowRect() const;
  void ToggleBand();
  void TrackHot(Point point);
  void SelectByHover(Point point);
  void UpdateCursorAndToolTip(Point point);
  void OnHoverTimer();
  void ReleaseHostMouse();
  void OnAutoScrollTimer();
  bool MoveFocusByTab(bool backward);
  bool OfferKey(int virtualKey, std::uint32_t keyData);
  bool WalkSiblings(int virtualKey, bool shift, bool alt);
  bool MoveByArrow(int virtualKey, bool shift, bool alt);
  void MoveAnchorTo(IHybridCell* cell, bool extend);

  IHybridHost& m_host;
  IHybridPlatform& m_platform;
  RefPtr<IHybridCell> m_root;
  RefPtr<IHybridSubContent> m_rootLayout;
  RefPtr<IHybridCell> m_focus;
  RefPtr<IHybridCell> m_anchor;
  RefPtr<IHybridCell> m_hot;
  RefPtr<IHybridCell> m_captured;
  Color m_back;
  bool m_repaintPending = false;
  bool m_barShown = false;
  int m_contentHeight = 0;
  // Set by every change that can move or resize a cell, from any thread;
  // cleared when a layout starts. The width the tree was last laid out at.
  std::atomic<bool> m_sizesMayHaveChanged{true};
  int m_laidOutWidth = -1;
  // Written by the window's thread only; atomic because a repaint request
  // from another thread reads it to place the rectangle it was given.
  std::atomic<int> m_scroll{0};
  bool m_layingOut = false;  // the scroll position reads 0 meanwhile
  std::vector<ITimerCallback*> m_timers;
  std::uint64_t m_windowStart = 0;
  int m_granted = 0;
  struct RepaintEntry {
    RefPtr<IHybridCell> cell;
    std::optional<Rect> rect;  // content coordinates
  };
  bool ResolveRepaint(RepaintEntry& entry) const;
  std::mutex m_repaintLock;
  std::deque<RepaintEntry> m_repaints;
  // The thread that made the control, which owns its window and its tree.
  const std::thread::id m_windowThread = std::this_thread::get_id();
  // A repaint message is on its way; cleared when one arrives, or when the
  // post failed, so that a lost post never leaves the queue waiting.
  bool m_repaintPosted = false;
  std::recursive_mutex m_layoutLock;
  bool m_layoutPending = false;
  bool m_selectionChangePosted = false;
  RefPtr<IHybridHandler> m_handler;
  bool m_singleSelection = false;
  bool m_selectOnHover = false;
  bool m_dragEnabled = false;
  bool m_scrollBarAllowed = true;
  HybridCursor m_cursor = HybridCursor::kNone;
  // Mouse state. The control itself holds the capture for a rubber band or
  // a press that may become a drag; a cell may hold it besides (m_captured).
  Point m_downPoint;
  bool m_mouseCaptured = false;
  bool m_releasingMouse = false;  // our own release: not a capture lost
  bool m_dragStarted = false;
  NotifyResult m_dragFeedback = kDragAnswerNoDrop;
  bool m_bandActive = false;
  bool m_bandVisible = false;
  bool m_bandExtends = false;  // Ctrl held: cells outside keep their state
  bool m_autoScrollRunning = false;
  Point m_bandStart;  // content coordinates
  Point m_bandEnd;
  bool m_hoverTimerRunning = false;
  std::string m_toolTip;  // the text the tooltip shows now
  bool m_created = false;
  RefPtr<ITextStyle> m_styles[3];
  // Signed on and off from any thread that drops the last reference.
  std::mutex m_boundLock;
  std::unordered_set<IHybridCtrlBound*> m_bound;
};

}  // namespace scalewright
