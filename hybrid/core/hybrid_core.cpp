#include "hybrid/core/hybrid_core.h"

#include <algorithm>

#include "hybrid/core/template_builder.h"
#include "hybrid/interfaces/ihybrid_content.h"
#include "hybrid/layouts/hybrid_cell.h"
#include "hybrid/layouts/ver_sub_content.h"

namespace scalewright {

CHybridCore::CHybridCore(IHybridHost& host, IHybridPlatform& platform)
    : m_host(host), m_platform(platform), m_back(platform.SysColor(kColorWindow)) {}

CHybridCore::~CHybridCore() {
  if (m_created) OnDestroy();
  ReleaseBound();
}

void CHybridCore::CreateRoot() {
  m_root = RefPtr<IHybridCell>(new CHybridCell(this, nullptr));
  m_root->EnsureLayout(kLayoutVertical);
  m_root->GetSubContent(m_rootLayout.put());
}

void CHybridCore::OnCreate() {
  if (m_created) return;
  m_created = true;
  CreateRoot();
  const Color text = m_platform.SysColor(kColorWindowText);
  Build("S(%r%c)S(%r%b%c)S(%r%s)", m_styles[0].put(), text, m_styles[1].put(), 700, text,
        m_styles[2].put(), 200);
}

void CHybridCore::OnDestroy() {
  if (!m_created) return;
  m_created = false;
  for (RefPtr<ITextStyle>& style : m_styles) style.reset();
  Clear(false);
  // Timers, capture and tooltip went with the window; a new window starts
  // with none of them.
  m_hot.reset();
  m_captured.reset();
  m_mouseCaptured = m_dragStarted = m_bandActive = m_bandVisible = false;
  m_autoScrollRunning = m_hoverTimerRunning = false;
  m_toolTip.clear();
  m_cursor = HybridCursor::kNone;
  if (m_handler) {
    m_handler->Detach();
    m_handler.reset();
  }
  {
    std::lock_guard<std::recursive_mutex> lock(m_layoutLock);
    m_layoutPending = false;
  }
  // Headings and styles a caller still holds belong to the tree that went.
  ReleaseBound();
}

void CHybridCore::Bind(IHybridCtrlBound* object) {
  if (!object) return;
  std::lock_guard<std::mutex> lock(m_boundLock);
  m_bound.insert(object);
}

void CHybridCore::Unbind(IHybridCtrlBound* object) {
  std::lock_guard<std::mutex> lock(m_boundLock);
  m_bound.erase(object);
}

void CHybridCore::ReleaseBound() {
  // Under the lock: an object going on another thread waits in Unbind
  // until it has been told, so it is never told after it went.
  std::lock_guard<std::mutex> lock(m_boundLock);
  for (IHybridCtrlBound* object : m_bound) object->ForgetCtrl();
  m_bound.clear();
}

void CHybridCore::BuildWith(const char* tmpl, TemplateArgs& args) {
  BuildTemplate(*this, m_rootLayout.get(), tmpl, args);
}

ITextStyle* CHybridCore::GetBuiltInStyle(int number) {
  if (number < kStyleNormal || number > kStyleLarge) return nullptr;
  return m_styles[number - 1].get();
}

Size CHybridCore::LayoutClientSize() {
  Size size = m_host.ClientSize();
  if (m_barShown) size.cx = std::max(0, size.cx - m_host.ScrollBarWidth());
  return size;
}

int CHybridCore::ScrollLimit() { return std::max(0, m_contentHeight - LayoutClientSize().cy); }

void CHybridCore::Layout() {
  const Size client = LayoutClientSize();
  if (!m_root || client.cx <= 0) return;
  // With nothing said since the last layout at this width, every cell is
  // where it was: a forced layout of a long list costs its paint alone. A
  // change said while the tree is walked counts for the next layout.
  if (m_sizesMayHaveChanged.exchange(false) || client.cx != m_laidOutWidth) {
    m_layingOut = true;
    m_root->SetRect({0, 0, client.cx, 0});
    m_contentHeight = m_root->Layout(true);
    m_layingOut = false;
    m_laidOutWidth = client.cx;
  }
  if (m_scroll > ScrollLimit()) SetScrollPosition(ScrollLimit());

  const bool wasShown = m_barShown;
  UpdateScrollBar();
  if (m_barShown != wasShown)
    RequestLayout(false);  // the client width changed
  else
    m_host.Invalidate();
}

void CHybridCore::UpdateScrollBar() {
  const int client = LayoutClientSize().cy;
  const bool show = m_contentHeight - client > 0;
  if (show != m_barShown) {
    m_barShown = show;
    m_host.ShowScrollBar(show);
  }
  if (show)
    m_host.SetScrollBar(m_contentHeight, client, m_scroll);
  else
    m_host.SetScrollBar(0, 0, 0);
}

void CHybridCore::RequestLayout(bool immediate) {
  SizesMayHaveChanged();
  if (!m_created) return;
  std::lock_guard<std::recursive_mutex> lock(m_layoutLock);
  // Building a long list asks thousands of times while one layout is
  // pending: that answer needs no question to the window.
  if (m_layoutPending || !m_host.WindowExists()) return;
  const std::uint64_t now = m_host.NowMs();
  if (now - m_windowStart >= kLayoutRequestWindowMs) {
    m_windowStart = now;
    m_granted = 0;
  }
  if (!immediate && m_granted >= kLayoutRequestsPerWindow) {
    m_repaintPending = true;
    m_host.Invalidate();
    return;
  }
  ++m_granted;
  m_layoutPending = true;
  m_host.PostLayout();
}

bool CHybridCore::LayoutPending() {
  std::lock_guard<std::recursive_mutex> lock(m_layoutLock);
  return m_layoutPending;
}

void CHybridCore::OnLayoutMessage() {
  std::lock_guard<std::recursive_mutex> lock(m_layoutLock);
  m_layoutPending = false;
  Layout();
}

void CHybridCore::OnSize() {
  {
    std::lock_guard<std::recursive_mutex> lock(m_layoutLock);
    m_granted = 0;
  }
  UpdateScrollBar();
  RequestLayout(false);
}

void CHybridCore::OnPaint(gfx::Canvas& canvas) {
  m_repaintPending = false;
  // The band is inverted on the screen: take it off so that the painted
  // cells do not keep half of it, and put it back over them.
  const bool band = m_bandVisible;
  if (band) ToggleBand();
  if (m_root) m_root->Paint(canvas);
  const Size client = LayoutClientSize();
  const int below = m_contentHeight - m_scroll;
  if (below < client.cy) canvas.FillRect({0, std::max(0, below), client.cx, client.cy}, m_back);
  if (band) ToggleBand();
}

void CHybridCore::RequestCellRepaint(IHybridCell* cell, const Rect* rect) {
  if (!cell) return;
  // Contents repaint after their setters; some of those change a natural
  // width that a row or a flow of cells depends on, without a layout.
  SizesMayHaveChanged();
  // On the window's thread the tree may be read at once: a cell never laid
  // out (a row just added by a fill) is nowhere on screen, and its layout
  // paints it. Other threads only queue.
  if (!rect && std::this_thread::get_id() == m_windowThread) {
    Rect own;
    cell->GetRect(&own);
    if (own.IsEmpty()) return;
  }
  // Any thread may ask: the request is queued as given, and the tree is
  // walked on the window's thread when the repaint message comes.
  RepaintEntry entry{RefPtr<IHybridCell>(cell), std::nullopt};
  if (rect) entry.rect = rect->Offset(0, m_scroll.load());
  bool post;
  {
    std::lock_guard<std::mutex> lock(m_repaintLock);
    m_repaints.push_back(std::move(entry));
    post = !m_repaintPosted;
    m_repaintPosted = true;
  }
  if (post && !m_host.PostRepaint()) {
    std::lock_guard<std::mutex> lock(m_repaintLock);
    m_repaintPosted = false;
  }
}

// Where a queued request paints: a transparent cell shows its ancestor's
// background, so the nearest opaque ancestor repaints the transparent
// cell's area. False for a cell never laid out (nowhere on screen).
bool CHybridCore::ResolveRepaint(RepaintEntry& entry) const {
  RefPtr<IHybridCell> target = entry.cell;
  while (target->GetStyle() & kStyleTransparent) {
    RefPtr<IHybridCell> parent;
    if (!target->GetParentCell(parent.put())) break;
    if (!entry.rect) {
      Rect own;
      target->GetRect(&own);
      entry.rect = own.Offset(0, m_scroll);
    }
    target = std::move(parent);
  }
  Rect own;
  target->GetRect(&own);
  entry.cell = std::move(target);
  return entry.rect || !own.IsEmpty();
}

size_t CHybridCore::RepaintQueueSize() {
  std::lock_guard<std::mutex> lock(m_repaintLock);
  return m_repaints.size();
}

void CHybridCore::OnRepaintMessage(gfx::Canvas& canvas) {
  // The band is inverted onto the window: it goes off before a cell paints
  // under it, and comes back over the new pixels at the end.
  bool bandOff = false;
  // A fill queues a repaint for every new cell, and by the time the queue
  // is read most of them lie below the window: those paint nothing, and are
  // passed over before any clip is made or the band is touched.
  const Rect visible = canvas.ClipBox();
  {
    // Requests from here on need a message of their own.
    std::lock_guard<std::mutex> lock(m_repaintLock);
    m_repaintPosted = false;
  }
  for (;;) {
    RepaintEntry entry;
    {
      std::lock_guard<std::mutex> lock(m_repaintLock);
      if (m_repaints.empty()) break;
      entry = std::move(m_repaints.front());
      m_repaints.pop_front();
    }
    if (!InTree(entry.cell.get()) || !ResolveRepaint(entry)) continue;
    Rect clip;
    if (entry.rect)
      clip = entry.rect->Offset(0, -m_scroll);
    else
      entry.cell->GetRect(&clip);
    if (clip.Intersection(visible).IsEmpty()) continue;
    if (m_bandVisible && !bandOff) {
      ToggleBand();
      bandOff = true;
    }
    gfx::ScopedClip scoped(canvas, clip);
    entry.cell->Paint(canvas);
  }
  if (bandOff) ToggleBand();
}

void CHybridCore::SetScrollPosition(int position) {
  const int clamped = std::clamp(position, 0, ScrollLimit());
  if (clamped == m_scroll) return;
  m_host.ScrollClient(m_scroll - clamped);
  m_scroll = clamped;
  m_host.SetScrollBar(m_contentHeight, LayoutClientSize().cy, m_scroll);
  m_host.RefreshCursor();
}

void CHybridCore::OnVScroll(int code, int trackPosition) {
  switch (code) {
    case kScrollLineUp:
      SetScrollPosition(m_scroll - 1);
      break;
    case kScrollLineDown:
      SetScrollPosition(m_scroll + 1);
      break;
    case kScrollPageUp:
      SetScrollPosition(m_scroll - (m_contentHeight - 1));
      break;
    case kScrollPageDown:
      SetScrollPosition(m_scroll + m_contentHeight - 1);
      break;
    case kScrollThumbPosition:
    case kScrollThumbTrack:
      SetScrollPosition(trackPosition);
      break;
    case kScrollTop:
      SetScrollPosition(0);
      break;
    case kScrollBottom:
      SetScrollPosition(m_contentHeight - 1);
      break;
    default:
      break;
  }
}

void CHybridCore::OnMouseWheel(int delta, int linesPerNotch) {
  // The band's start is fixed in the content; the auto-scroll moves the view
  // while it is drawn.
  if (m_bandActive) return;
  const int lines = linesPerNotch > 0 ? linesPerNotch : 3;
  const int position = m_scroll - (delta / 120) * lines * kWheelPixelsPerLine;
  SetScrollPosition(std::clamp(position, 0, std::max(0, m_contentHeight - 1)));
}

void CHybridCore::EnsureVisible(IHybridCell* cell) {
  if (!cell) return;
  cell->AddRef();  // released by OnEnsureVisibleMessage
  m_host.PostEnsureVisible(cell);
}

void CHybridCore::OnEnsureVisibleMessage(IHybridCell* cellWithReference) {
  RefPtr<IHybridCell> cell = RefPtr<IHybridCell>::Adopt(cellWithReference);
  // A cell that left the tree since the request has no place to scroll to.
  if (!cell || !InTree(cell.get())) return;
  Rect r;
  cell->GetRect(&r);  // window coordinates
  const int client = LayoutClientSize().cy;
  if (r.bottom > client)
    SetScrollPosition(m_scroll + r.bottom - client);
  else if (r.top < 0)
    SetScrollPosition(m_scroll + r.top);
}

int CHybridCore::RegisterTimer(int intervalMs, ITimerCallback* callback) {
  if (!callback) return -1;
  auto slot = std::find(m_timers.begin(), m_timers.end(), nullptr);
  if (slot == m_timers.end()) {
    if (m_timers.size() >= static_cast<size_t>(kHoverTimerId)) return -1;
    slot = m_timers.insert(m_timers.end(), nullptr);
  }
  *slot = callback;
  const int id = static_cast<int>(slot - m_timers.begin());
  m_host.StartTimer(id, intervalMs);
  return id;
}

void CHybridCore::UnregisterTimer(int timerId) {
  if (timerId < 0 || timerId >= static_cast<int>(m_timers.size()) || !m_timers[timerId]) return;
  m_host.StopTimer(timerId);
  m_timers[timerId] = nullptr;
}

void CHybridCore::OnTimer(int id) {
  if (id == kHoverTimerId) return OnHoverTimer();
  if (id == kAutoScrollTimerId) return OnAutoScrollTimer();
  if (id >= 0 && id < static_cast<int>(m_timers.size()) && m_timers[id]) m_timers[id]->OnTimer(id);
}

NotifyResult CHybridCore::Notify(int code, IHybridCell* cell) {
  if (m_handler) {
    bool handled = false;
    return m_handler->OnNotify(code, cell, &handled);
  }
  return m_host.SendNotify(code, cell);
}

void CHybridCore::SetHandler(IHybridHandler* handler) {
  if (handler == m_handler.get()) return;
  if (RefPtr<IHybridHandler> old = std::move(m_handler)) old->Detach();
  m_handler = RefPtr<IHybridHandler>(handler);
  if (m_handler) m_handler->Attach(this, nullptr);
}

void CHybridCore::SetFocusCell(IHybridCell* cell, bool byUser) {
  if (cell == m_focus.get()) return;
  RefPtr<IHybridContent> content;
  RefPtr<IHybridCell> keep(cell);  // the contents told below may drop it
  if (cell) {
    // A cell that left the tree (or belongs elsewhere) would hold the
    // focus where no key and no Tab can reach it.
    if (!InTree(cell)) return;
    if (byUser && (cell->GetStyle() & kStyleNoClickFocus)) return;
    if (!cell->GetContent(content.put()) || !content->IsFocusable() || !content->IsEnabled())
      return;
  }
  if (RefPtr<IHybridCell> old = std::move(m_focus)) {
    RefPtr<IHybridContent> oldContent;
    if (old->GetContent(oldContent.put())) oldContent->OnFocus(false);
    old->Redraw();
  }
  m_focus = keep;
  if (!cell) return;
  content->OnFocus(true);
  cell->Redraw();
  if (!byUser) NotifyFrom(cell, kNotifyFocusByProgram);
}

void CHybridCore::CaptureMouse(IHybridCell* cell) {
  m_captured = RefPtr<IHybridCell>(cell);
  m_host.CaptureMouse();
}

void CHybridCore::ReleaseMouse(IHybridCell* cell) {
  if (!cell || m_captured.get() != cell) return;
  m_captured.reset();
  ReleaseHostMouse();
}

void CHybridCore::RegisterCell(IHybridCell*) { RequestLayout(false); }

void CHybridCore::UnregisterCell(IHybridCell* cell) {
  if (!cell) return;
  SizesMayHaveChanged();
  if (m_focus.get() == cell) m_focus.reset();
  if (m_anchor.get() == cell) m_anchor.reset();
  if (m_hot.get() == cell) m_hot.reset();
  if (m_captured.get() == cell) {
    m_captured.reset();
    ReleaseHostMouse();
  }
  std::lock_guard<std::mutex> lock(m_repaintLock);
  std::erase_if(m_repaints, [cell](const RepaintEntry& e) { return e.cell.get() == cell; });
}

void CHybridCore::PostSelectionChange() {
  if (m_selectionChangePosted) return;
  m_selectionChangePosted = true;
  m_host.PostSelectionChange();
}

void CHybridCore::OnSelectionChangeMessage() {
  m_selectionChangePosted = false;
  Notify(kNotifySelectionChanged, nullptr);
}

void CHybridCore::Clear(bool recreateRoot) {
  SizesMayHaveChanged();
  m_focus.reset();
  m_anchor.reset();
  // The queue goes first: each cell detached below would otherwise search
  // it for its own requests, for every cell of a list just filled.
  {
    std::lock_guard<std::mutex> lock(m_repaintLock);
    m_repaints.clear();
  }
  if (RefPtr<IHybridCell> root = std::move(m_root)) {
    m_rootLayout.reset();
    root->Detach();
  }
  if (recreateRoot) CreateRoot();
}

void CHybridCore::SetBackColor(Color color, bool passOn) {
  m_back = color;
  if (m_root) m_root->SetColor(color, passOn);
  m_host.Invalidate();
}

void CHybridCore::ClearSelection() {
  // Selected cells may sit at any depth; walk the tree without recursion.
  std::vector<RefPtr<IHybridCell>> pending;
  if (m_root) pending.push_back(m_root);
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
  return m_root && m_root->HitTest(point, out);
}

void CHybridCore::AnimateExpand(IHybridCell* cell, bool expand, bool immediate) {
  if (!immediate && cell && m_created && !m_layingOut) {
    // Everything from the cell's top down moves.
    Rect r;
    cell->GetRect(&r);
    const Size client = LayoutClientSize();
    const Rect area{0, std::max(0, r.top), client.cx, client.cy};
    if (r.bottom > 0 && !area.IsEmpty() && m_host.AnimateArea(area, expand, [this] { Layout(); }))
      return;
  }
  RequestLayout(true);
}

}  // namespace scalewright
