// CHybridCore: everything of the hybrid control that is not a platform call
// — the root cell and its vertical layout, the built-in styles, background,
// focus/anchor/hot/captured cells, layout and its request throttling, the
// repaint queue, scroll arithmetic, the timer table, the end of the
// notification chain and the coalesced selection notification. The Windows
// window (CHybridCtrl) maps its messages onto it; host tests drive it
// directly.
#pragma once

#include <cstdint>
#include <deque>
#include <mutex>
#include <optional>
#include <string>
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
  int GetContentHeight() const { return contentHeight_; }
  void SetSingleSelection(bool single) { singleSelection_ = single; }
  bool SingleSelection() const { return singleSelection_; }
  void Clear(bool recreateRoot);
  void SetBackColor(Color color, bool passOn);
  void ClearSelection();
  bool HitTest(Point point, IHybridCell** out);
  void SetScrollPosition(int position);
  void SetHandler(IHybridHandler* handler);
  IHybridCell* Root() const { return root_.get(); }
  IHybridSubContent* RootLayout() const { return rootLayout_.get(); }
  bool ScrollBarShown() const { return barShown_; }
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
  // True when the key was consumed (the message is not dispatched).
  bool OnKeyDown(int virtualKey, std::uint32_t keyData);
  void OnKeyUp(int virtualKey, std::uint32_t keyData);
  void OnSetFocus();
  // |toSibling|: the window getting the focus has the control's parent.
  void OnKillFocus(bool toSibling);
  // The cursor WM_SETCURSOR applies (kNone: the arrow).
  HybridCursor CurrentCursor() const { return cursor_; }
  void SetSelectOnHover(bool on) { selectOnHover_ = on; }
  void SetDragEnabled(bool on) { dragEnabled_ = on; }
  void SetScrollBarAllowed(bool on) { scrollBarAllowed_ = on; }

  // --- Control services (IHybridCtrl).
  void RequestLayout(bool immediate) override;
  void RequestCellRepaint(IHybridCell* cell, const Rect* rect) override;
  int RegisterTimer(int intervalMs, ITimerCallback* callback) override;
  void UnregisterTimer(int timerId) override;
  NotifyResult Notify(int code, IHybridCell* cell) override;
  bool GetFocusCell(IHybridCell** out) override { return focus_.CopyTo(out); }
  bool GetAnchorCell(IHybridCell** out) const { return anchor_.CopyTo(out); }
  bool GetHotCell(IHybridCell** out) const { return hot_.CopyTo(out); }
  void SetFocusCell(IHybridCell* cell, bool byUser) override;
  void EnsureVisible(IHybridCell* cell) override;
  int GetScrollPosition() override { return layingOut_ ? 0 : scroll_; }
  ITextStyle* GetBuiltInStyle(int number) override;
  void CaptureMouse(IHybridCell* cell) override;
  void ReleaseMouse(IHybridCell* cell) override;
  bool HasMouseCapture(IHybridCell* cell) override {
    return cell && captured_.get() == cell;
  }
  void RegisterCell(IHybridCell* cell) override;
  void UnregisterCell(IHybridCell* cell) override;
  void PostSelectionChange() override;
  bool IsHotCell(IHybridCell* cell) override {
    return cell && hot_.get() == cell;
  }
  Point GetCursorPos() override { return host_.CursorPos(); }
  Color GetBackColor() override { return back_; }
  IHybridPlatform& Platform() override { return platform_; }
  void AnimateExpand(IHybridCell* cell, bool expand, bool immediate) override;
  void BuildWith(const char* tmpl, TemplateArgs& args) override;

  // State the input handling (and tests) read.
  bool LayoutPending();
  bool RepaintPending() const { return repaintPending_; }
  size_t RepaintQueueSize();
  int GrantedLayoutRequests() const { return granted_; }
  bool DragStarted() const { return dragStarted_; }
  bool BandActive() const { return bandActive_; }

 private:
  void CreateRoot();
  void UpdateScrollBar();

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
  void OnAutoScrollTimer();
  bool MoveFocusByTab(bool backward);
  bool OfferKey(int virtualKey, std::uint32_t keyData);
  bool WalkSiblings(int virtualKey, bool shift, bool alt);
  bool MoveByArrow(int virtualKey, bool shift, bool alt);
  void MoveAnchorTo(IHybridCell* cell, bool extend);

  IHybridHost& host_;
  IHybridPlatform& platform_;
  RefPtr<IHybridCell> root_;
  RefPtr<IHybridSubContent> rootLayout_;
  RefPtr<IHybridCell> focus_;
  RefPtr<IHybridCell> anchor_;
  RefPtr<IHybridCell> hot_;
  RefPtr<IHybridCell> captured_;
  Color back_;
  bool repaintPending_ = false;
  bool barShown_ = false;
  int contentHeight_ = 0;
  int scroll_ = 0;
  bool layingOut_ = false;  // the scroll position reads 0 meanwhile
  std::vector<ITimerCallback*> timers_;
  std::uint64_t windowStart_ = 0;
  int granted_ = 0;
  struct RepaintEntry {
    RefPtr<IHybridCell> cell;
    std::optional<Rect> rect;  // content coordinates
  };
  std::mutex repaintLock_;
  std::deque<RepaintEntry> repaints_;
  std::recursive_mutex layoutLock_;
  bool layoutPending_ = false;
  bool selectionChangePosted_ = false;
  RefPtr<IHybridHandler> handler_;
  bool singleSelection_ = false;
  bool selectOnHover_ = false;
  bool dragEnabled_ = false;
  bool scrollBarAllowed_ = true;
  HybridCursor cursor_ = HybridCursor::kNone;
  // Mouse state. The control itself holds the capture for a rubber band or
  // a press that may become a drag; a cell may hold it besides (captured_).
  Point downPoint_;
  bool mouseCaptured_ = false;
  bool dragStarted_ = false;
  NotifyResult dragFeedback_ = kDragAnswerNoDrop;
  bool bandActive_ = false;
  bool bandVisible_ = false;
  bool bandExtends_ = false;  // Ctrl held: cells outside keep their state
  bool autoScrollRunning_ = false;
  Point bandStart_;  // content coordinates
  Point bandEnd_;
  bool hoverTimerRunning_ = false;
  std::string toolTip_;  // the text the tooltip shows now
  bool created_ = false;
  RefPtr<ITextStyle> styles_[3];
};

}  // namespace scalewright
