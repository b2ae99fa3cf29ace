// CHybridCore's mouse input: presses select and focus clickable cells and
// post their commands, a press beside them draws a rubber band, a press on
// the selection may become a drag, movement tracks the hot cell (or selects
// by hovering) and the cursor and tooltip follow the cell under the mouse.
#include <algorithm>
#include <cstdlib>

#include "hybrid/core/hybrid_core.h"
#include "hybrid/interfaces/ihybrid_content.h"

namespace scalewright {

namespace {

// The content of a cell when it exists and takes input.
RefPtr<IHybridContent> EnabledContent(IHybridCell* cell) {
  RefPtr<IHybridContent> content;
  if (!cell || !cell->GetContent(content.put()) || !content->IsEnabled())
    return {};
  return content;
}

RefPtr<IHybridCell> ClickableOf(IHybridCell* hit) {
  RefPtr<IHybridCell> clickable;
  if (hit) hit->FindFocusable(clickable.put());
  return clickable;
}

HybridCursor DragCursor(NotifyResult feedback) {
  if (feedback == kDragAnswerNoDrop) return HybridCursor::kNo;
  if (feedback == kDragAnswerDrop) return HybridCursor::kDrop;
  return HybridCursor::kArrow;
}

}  // namespace

void CHybridCore::OnButtonDown(Point point, bool primary, bool ctrl,
                               bool shift) {
  downPoint_ = point;
  host_.TakeFocus();
  if (singleSelection_) shift = false;  // Shift never extends then

  RefPtr<IHybridCell> hit;
  HitTest(point, hit.put());
  RefPtr<IHybridCell> clickable = ClickableOf(hit.get());

  bool handled = false;
  bool allowSelect = true;
  if (RefPtr<IHybridContent> content = EnabledContent(hit.get()))
    handled = primary ? content->OnLButtonDown(point)
                      : content->OnRButtonDown(point, &allowSelect);
  // The content may have rebuilt the tree under the mouse.
  if (clickable && !InTree(clickable.get())) clickable.reset();
  if (hit && !InTree(hit.get())) hit.reset();

  if (clickable) {
    if (allowSelect) SelectByClick(clickable.get(), ctrl, shift);
    host_.PostCommand(clickable->GetCommandId());
    if (dragEnabled_ && !mouseCaptured_) {
      mouseCaptured_ = true;
      host_.CaptureMouse();
    }
  } else if (!handled && !mouseCaptured_ && !captured_ && !singleSelection_) {
    // A content that took the press (a text dragged sideways) keeps it.
    StartBand(point, ctrl);
  }
  if (hit) SetFocusCell(hit.get(), true);
  UpdateCursorAndToolTip(point);
}

void CHybridCore::OnButtonDblClk(Point point) {
  RefPtr<IHybridCell> hit;
  HitTest(point, hit.put());
  if (RefPtr<IHybridContent> content = EnabledContent(hit.get()))
    content->OnLButtonDblClk(point);
  RefPtr<IHybridCell> clickable = ClickableOf(hit.get());
  if (clickable && InTree(clickable.get()))
    NotifyFrom(clickable.get(), kNotifyDoubleClick);
  UpdateCursorAndToolTip(point);
}

void CHybridCore::OnMouseMove(Point point) {
  if (mouseCaptured_ || captured_) {
    const bool canDrag = !dragStarted_ && dragEnabled_ && anchor_ &&
                         anchor_->IsSelected() && !bandActive_;
    if (canDrag && (std::abs(point.x - downPoint_.x) > kDragThreshold ||
                    std::abs(point.y - downPoint_.y) > kDragThreshold)) {
      dragStarted_ = true;
      NotifyFrom(anchor_.get(), kNotifyDragBegin);
    }
    if (dragStarted_) dragFeedback_ = NotifyFrom(anchor_.get(), kNotifyDragMove);
  } else if (!hoverTimerRunning_) {
    // Nothing tells the control that the mouse left it; the timer looks.
    hoverTimerRunning_ = true;
    host_.StartTimer(kHoverTimerId, kHoverTimerMs);
  }

  if (bandActive_)
    UpdateBand(point);
  else if (selectOnHover_)
    SelectByHover(point);
  else
    TrackHot(point);
  UpdateCursorAndToolTip(point);
}

void CHybridCore::OnButtonUp(Point point, bool primary) {
  if (bandActive_) EndBand();
  RefPtr<IHybridCell> target = captured_;
  if (!target) HitTest(point, target.put());
  if (RefPtr<IHybridContent> content = EnabledContent(target.get())) {
    if (primary)
      content->OnLButtonUp(point);
    else
      content->OnRButtonUp(point);
  }
  if (!primary && target && InTree(target.get()))
    NotifyFrom(target.get(), kNotifyRButtonUp);
  if (dragStarted_) {
    dragStarted_ = false;
    NotifyFrom(anchor_.get(), kNotifyDragEnd);
  }
  if (mouseCaptured_) {
    mouseCaptured_ = false;
    host_.ReleaseMouse();
  }
  UpdateCursorAndToolTip(point);
}

void CHybridCore::StartBand(Point point, bool extend) {
  bandActive_ = true;
  bandVisible_ = false;
  bandExtends_ = extend;
  bandStart_ = {point.x, point.y + scroll_};
  bandEnd_ = bandStart_;
  mouseCaptured_ = true;
  host_.CaptureMouse();
}

Rect CHybridCore::BandWindowRect() const {
  return Rect{bandStart_.x, bandStart_.y, bandEnd_.x, bandEnd_.y}
      .Normalized()
      .Offset(0, -scroll_);
}

void CHybridCore::ToggleBand() {
  host_.DrawBand(BandWindowRect());
  bandVisible_ = !bandVisible_;
}

void CHybridCore::UpdateBand(Point point) {
  const Size client = LayoutClientSize();
  point.x = std::clamp(point.x, 0, std::max(0, client.cx));
  if ((point.y < 0 || point.y >= client.cy) && !autoScrollRunning_) {
    autoScrollRunning_ = true;
    host_.StartTimer(kAutoScrollTimerId, kAutoScrollTimerMs);
    host_.PostTimer(kAutoScrollTimerId);  // the first step without delay
  }
  if (bandVisible_) ToggleBand();
  bandEnd_ = {point.x, point.y + scroll_};
  const Rect band =
      Rect{bandStart_.x, bandStart_.y, bandEnd_.x, bandEnd_.y}.Normalized();
  if (RefPtr<IHybridCell> root = root_) root->SelectInRect(band, bandExtends_);
  if (bandActive_) ToggleBand();
}

void CHybridCore::EndBand() {
  if (bandVisible_) ToggleBand();
  bandActive_ = false;
  if (mouseCaptured_) {
    mouseCaptured_ = false;
    host_.ReleaseMouse();
  }
  if (autoScrollRunning_) {
    autoScrollRunning_ = false;
    host_.StopTimer(kAutoScrollTimerId);
  }
}

void CHybridCore::OnAutoScrollTimer() {
  const Point cursor = host_.CursorPos();
  const int height = LayoutClientSize().cy;
  int distance = 0;
  if (cursor.y < 0) distance = cursor.y;
  if (cursor.y >= height) distance = cursor.y - (height - 1);
  if (!bandActive_ || distance == 0) {
    autoScrollRunning_ = false;
    host_.StopTimer(kAutoScrollTimerId);
    return;
  }
  // The inverted band moves with the scrolled pixels: off first.
  if (bandVisible_) ToggleBand();
  SetScrollPosition(scroll_ + distance);
  UpdateBand(cursor);
}

void CHybridCore::TrackHot(Point point) {
  // A cell holding the capture stays hot until it lets go.
  RefPtr<IHybridCell> hit = captured_;
  if (!hit) HitTest(point, hit.put());
  const bool changed = hit.get() != hot_.get();
  if (changed) {
    if (RefPtr<IHybridCell> old = std::move(hot_)) {
      RefPtr<IHybridContent> content;
      if (old->GetContent(content.put())) content->OnMouseLeave();
      NotifyFrom(old.get(), kNotifyMouseLeave);
    }
    hot_ = hit;
    if (RefPtr<IHybridContent> content = EnabledContent(hit.get()))
      content->OnMouseEnter();
  }
  if (RefPtr<IHybridContent> content = EnabledContent(hit.get()))
    content->OnMouseMove(point);
  if (changed && hit && InTree(hit.get()))
    NotifyFrom(hit.get(), kNotifyMouseEnter);
}

void CHybridCore::SelectByHover(Point point) {
  RefPtr<IHybridCell> hit;
  HitTest(point, hit.put());
  RefPtr<IHybridCell> clickable = ClickableOf(hit.get());
  if (!clickable || (clickable == anchor_ && clickable->IsSelected())) return;
  ClearSelection();
  anchor_ = clickable;
  clickable->SetSelected(true);
  NotifyFrom(clickable.get(), kNotifyHoverSelected);
}

void CHybridCore::UpdateCursorAndToolTip(Point point) {
  if (dragStarted_) {
    cursor_ = DragCursor(dragFeedback_);
    return;
  }
  HybridCursor cursor = HybridCursor::kNone;
  std::string text;
  if (RefPtr<IHybridCell> hot = hot_) {
    NotifyFrom(hot.get(), kNotifyToolTip);
    if (RefPtr<IHybridContent> content = EnabledContent(hot.get())) {
      cursor = content->GetCursor(point);
      text = content->GetToolTipText();
    }
  }
  cursor_ = cursor;
  if (text == toolTip_) return;
  toolTip_ = text;
  host_.SetToolTip(text);
}

void CHybridCore::OnHoverTimer() {
  const Size client = host_.ClientSize();
  if (Rect{0, 0, client.cx, client.cy}.Contains(host_.CursorPos())) return;
  hoverTimerRunning_ = false;
  host_.StopTimer(kHoverTimerId);
  if (RefPtr<IHybridCell> old = std::move(hot_)) {
    RefPtr<IHybridContent> content;
    if (old->GetContent(content.put())) content->OnMouseLeave();
    NotifyFrom(old.get(), kNotifyMouseLeave);
  }
  cursor_ = HybridCursor::kNone;
  if (!toolTip_.empty()) {
    toolTip_.clear();
    host_.SetToolTip(toolTip_);
  }
}

}  // namespace scalewright
