// CHybridCore's mouse input: presses select and focus clickable cells and
// post their commands, a press beside them draws a rubber band, a press on
// the selection may become a drag, movement tracks the hot cell (or selects
// by hovering) and the cursor and tooltip follow the cell under the mouse.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "hybrid/core/hybrid_core.h"
#include "hybrid/interfaces/ihybrid_content.h"

namespace scalewright {

namespace {

// The content of a cell when it exists and takes input.
RefPtr<IHybridContent> EnabledContent(IHybridCell* cell) {
  RefPtr<IHybridContent> content;
  if (!cell || !cell->GetContent(content.put()) || !content->IsEnabled()) return {};
  return content;
}

RefPtr<IHybridCell> ClickableOf(IHybridCell* hit) {
  RefPtr<IHybridCell> clickable;
  if (hit) hit->FindFocusable(clickable.put());
  return clickable;
}

// Answers to the tooltip query below this are flags, not texts; a text
// is cut at this many characters.
constexpr std::uintptr_t kLowestTextAddress = 0x10000;
constexpr std::size_t kMaxToolTipChars = 1023;

HybridCursor DragCursor(NotifyResult feedback) {
  if (feedback == kDragAnswerNoDrop) return HybridCursor::kNo;
  if (feedback == kDragAnswerDrop) return HybridCursor::kDrop;
  return HybridCursor::kArrow;
}

}  // namespace

void CHybridCore::OnButtonDown(Point point, bool primary, bool ctrl, bool shift) {
  m_downPoint = point;
  m_host.TakeFocus();
  if (m_singleSelection) shift = false;  // Shift never extends then

  RefPtr<IHybridCell> hit;
  HitTest(point, hit.put());
  RefPtr<IHybridCell> clickable = ClickableOf(hit.get());

  bool handled = false;
  bool allowSelect = true;
  if (RefPtr<IHybridContent> content = EnabledContent(hit.get()))
    handled = primary ? content->OnLButtonDown(point) : content->OnRButtonDown(point, &allowSelect);
  // The content may have rebuilt the tree under the mouse.
  if (clickable && !InTree(clickable.get())) clickable.reset();
  if (hit && !InTree(hit.get())) hit.reset();

  if (clickable) {
    if (allowSelect) SelectByClick(clickable.get(), ctrl, shift);
    m_host.PostCommand(clickable->GetCommandId());
    if (m_dragEnabled && !m_mouseCaptured) {
      m_mouseCaptured = true;
      m_host.CaptureMouse();
    }
  } else if (!handled && !m_mouseCaptured && !m_captured && !m_singleSelection) {
    // A content that took the press (a text dragged sideways) keeps it.
    StartBand(point, ctrl);
  }
  if (hit) SetFocusCell(hit.get(), true);
  UpdateCursorAndToolTip(point);
}

void CHybridCore::OnButtonDblClk(Point point) {
  RefPtr<IHybridCell> hit;
  HitTest(point, hit.put());
  if (RefPtr<IHybridContent> content = EnabledContent(hit.get())) content->OnLButtonDblClk(point);
  RefPtr<IHybridCell> clickable = ClickableOf(hit.get());
  if (clickable && InTree(clickable.get())) NotifyFrom(clickable.get(), kNotifyDoubleClick);
  UpdateCursorAndToolTip(point);
}

void CHybridCore::OnMouseMove(Point point) {
  if (m_mouseCaptured || m_captured) {
    const bool canDrag =
        !m_dragStarted && m_dragEnabled && m_anchor && m_anchor->IsSelected() && !m_bandActive;
    if (canDrag && (std::abs(point.x - m_downPoint.x) > kDragThreshold ||
                    std::abs(point.y - m_downPoint.y) > kDragThreshold)) {
      m_dragStarted = true;
      NotifyFrom(m_anchor.get(), kNotifyDragBegin);
    }
    if (m_dragStarted) m_dragFeedback = NotifyFrom(m_anchor.get(), kNotifyDragMove);
  } else if (!m_hoverTimerRunning) {
    // Nothing tells the control that the mouse left it; the timer looks.
    m_hoverTimerRunning = true;
    m_host.StartTimer(kHoverTimerId, kHoverTimerMs);
  }

  if (m_bandActive)
    UpdateBand(point);
  else if (m_selectOnHover)
    SelectByHover(point);
  else
    TrackHot(point);
  UpdateCursorAndToolTip(point);
}

void CHybridCore::OnButtonUp(Point point, bool primary) {
  if (m_bandActive) EndBand();
  RefPtr<IHybridCell> target = m_captured;
  if (!target) HitTest(point, target.put());
  if (RefPtr<IHybridContent> content = EnabledContent(target.get())) {
    if (primary)
      content->OnLButtonUp(point);
    else
      content->OnRButtonUp(point);
  }
  if (!primary && target && InTree(target.get())) NotifyFrom(target.get(), kNotifyRButtonUp);
  if (m_dragStarted) {
    m_dragStarted = false;
    NotifyFrom(m_anchor.get(), kNotifyDragEnd);
  }
  if (m_mouseCaptured) {
    m_mouseCaptured = false;
    ReleaseHostMouse();
  }
  UpdateCursorAndToolTip(point);
}

void CHybridCore::ReleaseHostMouse() {
  m_releasingMouse = true;
  m_host.ReleaseMouse();
  m_releasingMouse = false;
}

void CHybridCore::OnCaptureLost() {
  if (m_releasingMouse) return;
  m_mouseCaptured = false;  // the system has it: nothing left to release
  if (m_bandActive) {
    if (m_bandVisible) ToggleBand();
    m_bandActive = false;
  }
  if (m_autoScrollRunning) {
    m_autoScrollRunning = false;
    m_host.StopTimer(kAutoScrollTimerId);
  }
  if (RefPtr<IHybridCell> captured = std::move(m_captured)) {
    // A release far from every cell: a pressed button lets go unclicked.
    constexpr Point kNowhere{-0x4000000, -0x4000000};
    if (RefPtr<IHybridContent> content = EnabledContent(captured.get()))
      content->OnLButtonUp(kNowhere);
  }
  if (m_dragStarted) {
    m_dragStarted = false;
    NotifyFrom(m_anchor.get(), kNotifyDragEnd);
  }
  m_cursor = HybridCursor::kNone;
}

void CHybridCore::StartBand(Point point, bool extend) {
  m_bandActive = true;
  m_bandVisible = false;
  m_bandExtends = extend;
  m_bandStart = {point.x, point.y + m_scroll};
  m_bandEnd = m_bandStart;
  m_mouseCaptured = true;
  m_host.CaptureMouse();
}

Rect CHybridCore::BandWindowRect() const {
  return Rect{m_bandStart.x, m_bandStart.y, m_bandEnd.x, m_bandEnd.y}.Normalized().Offset(
      0, -m_scroll);
}

void CHybridCore::ToggleBand() {
  m_host.DrawBand(BandWindowRect());
  m_bandVisible = !m_bandVisible;
}

void CHybridCore::UpdateBand(Point point) {
  const Size client = LayoutClientSize();
  point.x = std::clamp(point.x, 0, std::max(0, client.cx));
  if ((point.y < 0 || point.y >= client.cy) && !m_autoScrollRunning) {
    m_autoScrollRunning = true;
    m_host.StartTimer(kAutoScrollTimerId, kAutoScrollTimerMs);
    m_host.PostTimer(kAutoScrollTimerId);  // the first step without delay
  }
  if (m_bandVisible) ToggleBand();
  m_bandEnd = {point.x, point.y + m_scroll};
  const Rect band = Rect{m_bandStart.x, m_bandStart.y, m_bandEnd.x, m_bandEnd.y}.Normalized();
  if (RefPtr<IHybridCell> root = m_root) root->SelectInRect(band, m_bandExtends);
  if (m_bandActive) ToggleBand();
}

void CHybridCore::EndBand() {
  if (m_bandVisible) ToggleBand();
  m_bandActive = false;
  if (m_mouseCaptured) {
    m_mouseCaptured = false;
    ReleaseHostMouse();
  }
  if (m_autoScrollRunning) {
    m_autoScrollRunning = false;
    m_host.StopTimer(kAutoScrollTimerId);
  }
}

void CHybridCore::OnAutoScrollTimer() {
  const Point cursor = m_host.CursorPos();
  const int height = LayoutClientSize().cy;
  int distance = 0;
  if (cursor.y < 0) distance = cursor.y;
  if (cursor.y >= height) distance = cursor.y - (height - 1);
  if (!m_bandActive || distance == 0) {
    m_autoScrollRunning = false;
    m_host.StopTimer(kAutoScrollTimerId);
    return;
  }
  // The inverted band moves with the scrolled pixels: off first.
  if (m_bandVisible) ToggleBand();
  SetScrollPosition(m_scroll + distance);
  UpdateBand(cursor);
}

void CHybridCore::TrackHot(Point point) {
  // A cell holding the capture stays hot until it lets go.
  RefPtr<IHybridCell> hit = m_captured;
  if (!hit) HitTest(point, hit.put());
  const bool changed = hit.get() != m_hot.get();
  if (changed) {
    if (RefPtr<IHybridCell> old = std::move(m_hot)) {
      RefPtr<IHybridContent> content;
      if (old->GetContent(content.put())) content->OnMouseLeave();
      NotifyFrom(old.get(), kNotifyMouseLeave);
    }
    m_hot = hit;
    if (RefPtr<IHybridContent> content = EnabledContent(hit.get())) content->OnMouseEnter();
  }
  if (RefPtr<IHybridContent> content = EnabledContent(hit.get())) content->OnMouseMove(point);
  if (changed && hit && InTree(hit.get())) NotifyFrom(hit.get(), kNotifyMouseEnter);
}

void CHybridCore::SelectByHover(Point point) {
  RefPtr<IHybridCell> hit;
  HitTest(point, hit.put());
  RefPtr<IHybridCell> clickable = ClickableOf(hit.get());
  if (!clickable || (clickable == m_anchor && clickable->IsSelected())) return;
  ClearSelection();
  m_anchor = clickable;
  clickable->SetSelected(true);
  if (InTree(clickable.get())) NotifyFrom(clickable.get(), kNotifyHoverSelected);
}

void CHybridCore::UpdateCursorAndToolTip(Point point) {
  if (m_dragStarted) {
    m_cursor = DragCursor(m_dragFeedback);
    return;
  }
  HybridCursor cursor = HybridCursor::kNone;
  std::string text;
  if (RefPtr<IHybridCell> hot = m_hot) {
    const NotifyResult answer = NotifyFrom(hot.get(), kNotifyToolTip);
    if (RefPtr<IHybridContent> content = EnabledContent(hot.get())) {
      cursor = content->GetCursor(point);
      text = content->GetToolTipText();
    }
    if (static_cast<std::uintptr_t>(answer) >= kLowestTextAddress) {
      const char* given = reinterpret_cast<const char*>(answer);
      text.assign(given, ::strnlen(given, kMaxToolTipChars));
    }
  }
  m_cursor = cursor;
  if (text == m_toolTip) return;
  m_toolTip = text;
  m_host.SetToolTip(text);
}

void CHybridCore::OnHoverTimer() {
  const Size client = m_host.ClientSize();
  if (Rect{0, 0, client.cx, client.cy}.Contains(m_host.CursorPos())) return;
  m_hoverTimerRunning = false;
  m_host.StopTimer(kHoverTimerId);
  if (RefPtr<IHybridCell> old = std::move(m_hot)) {
    RefPtr<IHybridContent> content;
    if (old->GetContent(content.put())) content->OnMouseLeave();
    NotifyFrom(old.get(), kNotifyMouseLeave);
  }
  m_cursor = HybridCursor::kNone;
  if (!m_toolTip.empty()) {
    m_toolTip.clear();
    m_host.SetToolTip(m_toolTip);
  }
}

}  // namespace scalewright
