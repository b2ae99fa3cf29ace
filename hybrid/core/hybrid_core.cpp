#include "hybrid/core/hybrid_core.h"

#include <algorithm>

#include "hybrid/layouts/hybrid_cell.h"
#include "hybrid/interfaces/ihybrid_content.h"
#include "hybrid/core/template_builder.h"
#include "hybrid/layouts/ver_sub_content.h"

namespace scalewright {

CHybridCore::CHybridCore(IHybridHost& host, IHybridPlatform& platform)
    : host_(host), platform_(platform), back_(platform.SysColor(kColorWindow)) {}

CHybridCore::~CHybridCore() {
  if (created_) OnDestroy();
}

void CHybridCore::CreateRoot() {
  root_ = new CHybridCell(this, nullptr);
  root_->EnsureLayout(kLayoutVertical);
  root_->GetSubContent(rootLayout_.put());
}

void CHybridCore::OnCreate() {
  if (created_) return;
  created_ = true;
  CreateRoot();
  const Color text = platform_.SysColor(kColorWindowText);
  Build("S(%r%c)S(%r%b%c)S(%r%s)", styles_[0].put(), text, styles_[1].put(),
        700, text, styles_[2].put(), 200);
}

void CHybridCore::OnDestroy() {
  if (!created_) return;
  created_ = false;
  for (RefPtr<ITextStyle>& style : styles_) style.reset();
  Clear(false);
  // Timers, capture and tooltip went with the window; a new window starts
  // with none of them.
  hot_.reset();
  captured_.reset();
  mouseCaptured_ = dragStarted_ = bandActive_ = bandVisible_ = false;
  autoScrollRunning_ = hoverTimerRunning_ = false;
  toolTip_.clear();
  cursor_ = HybridCursor::kNone;
  if (handler_) {
    handler_->Detach();
    handler_.reset();
  }
  std::lock_guard<std::recursive_mutex> lock(layoutLock_);
  layoutPending_ = false;
}

void CHybridCore::BuildWith(const char* tmpl, TemplateArgs& args) {
  BuildTemplate(*this, rootLayout_.get(), tmpl, args);
}

ITextStyle* CHybridCore::GetBuiltInStyle(int number) {
  if (number < kStyleNormal || number > kStyleLarge) return nullptr;
  return styles_[number - 1].get();
}

Size CHybridCore::LayoutClientSize() {
  Size size = host_.ClientSize();
  if (barShown_) size.cx = std::max(0, size.cx - host_.ScrollBarWidth());
  return size;
}

int CHybridCore::ScrollLimit() {
  return std::max(0, contentHeight_ - LayoutClientSize().cy);
}

void CHybridCore::Layout() {
  const Size client = LayoutClientSize();
  if (!root_ || client.cx <= 0) return;
  layingOut_ = true;
  root_->SetRect({0, 0, client.cx, 0});
  contentHeight_ = root_->Layout(true);
  layingOut_ = false;
  if (scroll_ > ScrollLimit()) SetScrollPosition(ScrollLimit());

  const bool wasShown = barShown_;
  UpdateScrollBar();
  if (barShown_ != wasShown)
    RequestLayout(false);  // the client width changed
  else
    host_.Invalidate();
}

void CHybridCore::UpdateScrollBar() {
  const int client = LayoutClientSize().cy;
  const bool show = contentHeight_ - client > 0;
  if (show != barShown_) {
    barShown_ = show;
    host_.ShowScrollBar(show);
  }
  if (show)
    host_.SetScrollBar(contentHeight_, client, scroll_);
  else
    host_.SetScrollBar(0, 0, 0);
}

void CHybridCore::RequestLayout(bool immediate) {
  if (!created_) return;
  std::lock_guard<std::recursive_mutex> lock(layoutLock_);
  // Building a long list asks thousands of times while one layout is
  // pending: that answer needs no question to the window.
  if (layoutPending_ || !host_.WindowExists()) return;
  const std::uint64_t now = host_.NowMs();
  if (now - windowStart_ >= kLayoutRequestWindowMs) {
    windowStart_ = now;
    granted_ = 0;
  }
  if (!immediate && granted_ >= kLayoutRequestsPerWindow) {
    repaintPending_ = true;
    host_.Invalidate();
    return;
  }
  ++granted_;
  layoutPending_ = true;
  host_.PostLayout();
}

bool CHybridCore::LayoutPending() {
  std::lock_guard<std::recursive_mutex> lock(layoutLock_);
  return layoutPending_;
}

void CHybridCore::OnLayoutMessage() {
  std::lock_guard<std::recursive_mutex> lock(layoutLock_);
  layoutPending_ = false;
  Layout();
}

void CHybridCore::OnSize() {
  {
    std::lock_guard<std::recursive_mutex> lock(layoutLock_);
    granted_ = 0;
  }
  UpdateScrollBar();
  RequestLayout(false);
}

void CHybridCore::OnPaint(gfx::Canvas& canvas) {
  repaintPending_ = false;
  // The band is inverted on the screen: take it off so that the painted
  // cells do not keep half of it, and put it back over them.
  const bool band = bandVisible_;
  if (band) ToggleBand();
  if (root_) root_->Paint(canvas);
  const Size client = LayoutClientSize();
  const int below = contentHeight_ - scroll_;
  if (below < client.cy)
    canvas.FillRect({0, std::max(0, below), client.cx, client.cy}, back_);
  if (band) ToggleBand();
}

void CHybridCore::RequestCellRepaint(IHybridCell* cell, const Rect* rect) {
  if (!cell) return;
  RefPtr<IHybridCell> target(cell);
  std::optional<Rect> area;
  if (rect) area = rect->Offset(0, scroll_);
  // A transparent cell shows its ancestor's background: the nearest opaque
  // ancestor repaints the transparent cell's area.
  while (target->GetStyle() & kStyleTransparent) {
    RefPtr<IHybridCell> parent;
    if (!target->GetParentCell(parent.put())) break;
    if (!area) {
      Rect own;
      target->GetRect(&own);
      area = own.Offset(0, scroll_);
    }
    target = std::move(parent);
  }
  // A cell never laid out is nowhere on screen: nothing to repaint.
  Rect own;
  target->GetRect(&own);
  if (!area && own.IsEmpty()) return;
  bool wasEmpty;
  {
    std::lock_guard<std::mutex> lock(repaintLock_);
    wasEmpty = repaints_.empty();
    repaints_.push_back({std::move(target), area});
  }
  if (wasEmpty) host_.PostRepaint();
}

size_t CHybridCore::RepaintQueueSize() {
  std::lock_guard<std::mutex> lock(repaintLock_);
  return repaints_.size();
}

void CHybridCore::OnRepaintMessage(gfx::Canvas& canvas) {
  for (;;) {
    RepaintEntry entry;
    {
      std::lock_guard<std::mutex> lock(repaintLock_);
      if (repaints_.empty()) return;
      entry = std::move(repaints_.front());
      repaints_.pop_front();
    }
    Rect clip;
    if (entry.rect)
      clip = entry.rect->Offset(0, -scroll_);
    else
      entry.cell->GetRect(&clip);
    gfx::ScopedClip scoped(canvas, clip);
    entry.cell->Paint(canvas);
  }
}

void CHybridCore::SetScrollPosition(int position) {
  const int clamped = std::clamp(position, 0, ScrollLimit());
  if (clamped == scroll_) return;
  host_.ScrollClient(scroll_ - clamped);
  scroll_ = clamped;
  host_.SetScrollBar(contentHeight_, LayoutClientSize().cy, scroll_);
  host_.RefreshCursor();
}

void CHybridCore::OnVScroll(int code, int trackPosition) {
  switch (code) {
    case kScrollLineUp: SetScrollPosition(scroll_ - 1); break;
    case kScrollLineDown: SetScrollPosition(scroll_ + 1); break;
    case kScrollPageUp: SetScrollPosition(scroll_ - (contentHeight_ - 1)); break;
    case kScrollPageDown: SetScrollPosition(scroll_ + contentHeight_ - 1); break;
    case kScrollThumbPosition:
    case kScrollThumbTrack: SetScrollPosition(trackPosition); break;
    case kScrollTop: SetScrollPosition(0); break;
    case kScrollBottom: SetScrollPosition(contentHeight_ - 1); break;
    default: break;
  }
}

void CHybridCore::OnMouseWheel(int delta, int linesPerNotch) {
  // The band's start is fixed in the content; the auto-scroll moves the view
  // while it is drawn.
  if (bandActive_) return;
  const int lines = linesPerNotch > 0 ? linesPerNotch : 3;
  const int position = scroll_ - (delta / 120) * lines * kWheelPixelsPerLine;
  SetScrollPosition(std::clamp(position, 0, std::max(0, contentHeight_ - 1)));
}

void CHybridCore::EnsureVisible(IHybridCell* cell) {
  if (!cell) return;
  cell->AddRef();  // released by OnEnsureVisibleMessage
  host_.PostEnsureVisible(cell);
}

void CHybridCore::OnEnsureVisibleMessage(IHybridCell* cellWithReference) {
  RefPtr<IHybridCell> cell = RefPtr<IHybridCell>::Adopt(cellWithReference);
  if (!cell) return;
  Rect r;
  cell->GetRect(&r);  // window coordinates
  const int client = LayoutClientSize().cy;
  if (r.bottom > client)
    SetScrollPosition(scroll_ + r.bottom - client);
  else if (r.top < 0)
    SetScrollPosition(scroll_ + r.top);
}

int CHybridCore::RegisterTimer(int intervalMs, ITimerCallback* callback) {
  if (!callback) return -1;
  auto slot = std::find(timers_.begin(), timers_.end(), nullptr);
  if (slot == timers_.end()) {
    if (timers_.size() >= static_cast<size_t>(kHoverTimerId)) return -1;
    slot = timers_.insert(timers_.end(), nullptr);
  }
  *slot = callback;
  const int id = static_cast<int>(slot - timers_.begin());
  host_.StartTimer(id, intervalMs);
  return id;
}

void CHybridCore::UnregisterTimer(int timerId) {
  if (timerId < 0 || timerId >= static_cast<int>(timers_.size()) ||
      !timers_[timerId])
    return;
  host_.StopTimer(timerId);
  timers_[timerId] = nullptr;
}

void CHybridCore::OnTimer(int id) {
  if (id == kHoverTimerId) return OnHoverTimer();
  if (id == kAutoScrollTimerId) return OnAutoScrollTimer();
  if (id >= 0 && id < static_cast<int>(timers_.size()) && timers_[id])
    timers_[id]->OnTimer(id);
}

NotifyResult CHybridCore::Notify(int code, IHybridCell* cell) {
  if (handler_) {
    bool handled = false;
    return handler_->OnNotify(code, cell, &handled);
  }
  return host_.SendNotify(code, cell);
}

void CHybridCore::SetHandler(IHybridHandler* handler) {
  if (handler == handler_.get()) return;
  if (RefPtr<IHybridHandler> old = std::move(handler_)) old->Detach();
  handler_ = handler;
  if (handler_) handler_->Attach(this, nullptr);
}

void CHybridCore::SetFocusCell(IHybridCell* cell, bool byUser) {
  if (cell == focus_.get()) return;
  RefPtr<IHybridContent> content;
  RefPtr<IHybridCell> keep(cell);  // the contents told below may drop it
  if (cell) {
    // A cell that left the tree (or belongs elsewhere) would hold the
    // focus where no key and no Tab can reach it.
    if (!InTree(cell)) return;
    if (byUser && (cell->GetStyle() & kStyleNoClickFocus)) return;
    if (!cell->GetContent(content.put()) || !content->IsFocusable() ||
        !content->IsEnabled())
      return;
  }
  if (RefPtr<IHybridCell> old = std::move(focus_)) {
    RefPtr<IHybridContent> oldContent;
    if (old->GetContent(oldContent.put())) oldContent->OnFocus(false);
    old->Redraw();
  }
  focus_ = cell;
  if (!cell) return;
  content->OnFocus(true);
  cell->Redraw();
  if (!byUser) NotifyFrom(cell, kNotifyFocusByProgram);
}

void CHybridCore::CaptureMouse(IHybridCell* cell) {
  captured_ = cell;
  host_.CaptureMouse();
}

void CHybridCore::ReleaseMouse(IHybridCell* cell) {
  if (!cell || captured_.get() != cell) return;
  captured_.reset();
  host_.ReleaseMouse();
}

void CHybridCore::RegisterCell(IHybridCell*) { RequestLayout(false); }

void CHybridCore::UnregisterCell(IHybridCell* cell) {
  if (!cell) return;
  if (focus_.get() == cell) focus_.reset();
  if (anchor_.get() == cell) anchor_.reset();
  if (hot_.get() == cell) hot_.reset();
  if (captured_.get() == cell) {
    captured_.reset();
    host_.ReleaseMouse();
  }
  std::lock_guard<std::mutex> lock(repaintLock_);
  std::erase_if(repaints_,
                [cell](const RepaintEntry& e) { return e.cell.get() == cell; });
}

void CHybridCore::PostSelectionChange() {
  if (selectionChangePosted_) return;
  selectionChangePosted_ = true;
  host_.PostSelectionChange();
}

void CHybridCore::OnSelectionChangeMessage() {
  selectionChangePosted_ = false;
  Notify(kNotifySelectionChanged, nullptr);
}

void CHybridCore::Clear(bool recreateRoot) {
  focus_.reset();
  anchor_.reset();
  if (RefPtr<IHybridCell> root = std::move(root_)) {
    rootLayout_.reset();
    root->Detach();
  }
  {
    std::lock_guard<std::mutex> lock(repaintLock_);
    repaints_.clear();
  }
  if (recreateRoot) CreateRoot();
}

void CHybridCore::SetBackColor(Color color, bool passOn) {
  back_ = color;
  if (root_) root_->SetColor(color, passOn);
  host_.Invalidate();
}

void CHybridCore::ClearSelection() {
  // Selected cells may sit at any depth; walk the tree without recursion.
  std::vector<RefPtr<IHybridCell>> pending;
  if (root_) pending.push_back(root_);
  while (!pending.empty()) {
    RefPtr<IHybridCell> cell = std::move(pending.back());
    pending.pop_back();
    cell->SetSelected(false);
    RefPtr<IHybridSubContent> children;
    if (!cell->GetSubContent(children.put())) continue;
    std::vector<RefPtr<IHybridCell>> kids;
    children->GetChildren(&kids);
    pending.insert(pending.end(), kids.begin(), kids.end());
  }
}

bool CHybridCore::HitTest(Point point, IHybridCell** out) {
  if (out) *out = nullptr;
  return root_ && root_->HitTest(point, out);
}

void CHybridCore::AnimateExpand(IHybridCell* cell, bool expand,
                                bool immediate) {
  if (!immediate && cell && created_ && !layingOut_) {
    // Everything from the cell's top down moves.
    Rect r;
    cell->GetRect(&r);
    const Size client = LayoutClientSize();
    const Rect area{0, std::max(0, r.top), client.cx, client.cy};
    if (r.bottom > 0 && !area.IsEmpty() &&
        host_.AnimateArea(area, expand, [this] { Layout(); }))
      return;
  }
  RequestLayout(true);
}

}  // namespace scalewright
