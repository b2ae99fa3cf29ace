#include "hybrid/layouts/hybrid_cell.h"

#include <algorithm>

#include "hybrid/contents/content_factory.h"
#include "hybrid/interfaces/hybrid_platform.h"
#include "hybrid/interfaces/ihybrid_ctrl.h"
#include "hybrid/layouts/free_sub_content.h"
#include "hybrid/layouts/head_sub_content.h"
#include "hybrid/layouts/ml_sub_content.h"
#include "hybrid/layouts/ver_sub_content.h"

namespace scalewright {

namespace {

Color InitialColor(IHybridCtrl* ctrl, IHybridSubContent* parent) {
  RefPtr<IHybridCell> owner;
  if (parent && parent->GetOwner(owner.put())) return owner->GetColor();
  return ctrl ? ctrl->GetBackColor() : kWhite;
}

int ScrollOf(IHybridCtrl* ctrl) { return ctrl ? ctrl->GetScrollPosition() : 0; }

}  // namespace

CHybridCell::CHybridCell(IHybridCtrl* ctrl, IHybridSubContent* parent)
    : m_ctrl(ctrl), m_parent(parent), m_color(InitialColor(ctrl, parent)) {}

HRESULT CHybridCell::QueryInterface(REFIID riid, void** ppv) {
  return QueryInterfaceTable<IHybridCell>(this, riid, ppv);
}

void CHybridCell::SetContent(IHybridContent* content) {
  if (content == m_content.get()) return;
  RefPtr<IHybridContent> old = std::move(m_content);
  m_content = RefPtr<IHybridContent>(content);
  if (old) old->SetCell(nullptr);
  if (m_content) {
    RefPtr<IHybridCell> current;
    m_content->GetCell(current.put());
    if (current.get() != this) m_content->SetCell(this);
  }
  if (m_ctrl) m_ctrl->RequestLayout(false);
}

void CHybridCell::SizeMayHaveChanged() {
  if (m_ctrl) m_ctrl->SizesMayHaveChanged();
}

void CHybridCell::SetStyle(std::uint32_t style) {
  if (style == m_style) return;
  m_style = style;
  SizeMayHaveChanged();
}

void CHybridCell::SetState(std::uint32_t state) {
  if (state == m_state) return;
  m_state = state;
  SizeMayHaveChanged();
}

void CHybridCell::SetBorders(std::uint32_t packed) {
  if (packed == m_borders) return;
  m_borders = packed;
  SizeMayHaveChanged();
}

void CHybridCell::CreateContent(char letter) {
  RefPtr<IHybridContent> content = CreateContentOfKind(letter, m_ctrl);
  SetContent(content.get());
  if (content) content->Init();
}

bool CHybridCell::GetContent(IHybridContent** out) { return m_content.CopyTo(out); }

char CHybridCell::GetContentKind() { return m_content ? m_content->GetKind() : '\0'; }

void CHybridCell::DropLayout() {
  if (RefPtr<IHybridSubContent> old = std::move(m_children)) {
    old->RemoveAll();
    old->ReleaseOwner();
  }
}

void CHybridCell::SetLayout(LayoutSelector selector) {
  DropLayout();
  const std::intptr_t value = SelectorValue(selector);
  if (value == -3) {
    m_children = RefPtr<IHybridSubContent>(new CFreeSubContent(m_ctrl, this));
  } else if (value == -1 || value == -2) {
    m_children = RefPtr<IHybridSubContent>(new CMLSubContent(m_ctrl, this, value == -2));
  } else if (selector) {
    m_children = RefPtr<IHybridSubContent>(new CHeadSubContent(m_ctrl, this, *selector));
  } else {
    // No heading to follow: a plain list rather than a row of nothing.
    m_children = RefPtr<IHybridSubContent>(new CVerSubContent(m_ctrl, this));
  }
  if (m_ctrl) m_ctrl->RequestLayout(false);
}

void CHybridCell::EnsureLayout(int kind) {
  if (m_children && m_children->GetKind() == kind) return;
  DropLayout();
  if (kind == kLayoutVertical)
    m_children = RefPtr<IHybridSubContent>(new CVerSubContent(m_ctrl, this));
  if (m_ctrl) m_ctrl->RequestLayout(false);
}

bool CHybridCell::GetSubContent(IHybridSubContent** out) { return m_children.CopyTo(out); }

int CHybridCell::Layout(bool commit) {
  const int top = m_rect.top;
  if (!IsShown()) {
    // A hidden cell takes no room, borders included: an empty rectangle
    // where it would start.
    if (commit) {
      m_rect.right = m_rect.left;
      m_rect.bottom = top;
      ReportSize();
    }
    return top;
  }
  int contentBottom = top;
  int childrenBottom = top;
  if (m_content) {
    contentBottom = top + GetHeight(m_rect.Width(), true);
    m_content->OnLayout();
  }
  if (m_children) childrenBottom = m_children->LayoutChildren();
  const int bottom = std::max(contentBottom, childrenBottom) + PackedByte(m_borders, 3);
  if (commit) {
    m_rect.bottom = bottom;
    ReportSize();
  }
  return bottom;
}

int CHybridCell::GetHeight(int width, bool ignoreChildren) {
  if (!IsShown()) return 0;
  int height = m_content ? m_content->GetHeightForWidth(width) : 0;
  if (!ignoreChildren && m_children) {
    const std::uint32_t insets = GetInsets();
    const int inner = width - PackedByte(insets, 0) - PackedByte(insets, 2);
    height = std::max(height, m_children->GetHeight(inner));
  }
  return height + (HasFocusFrame() ? 2 : 0);
}

int CHybridCell::GetWidth() {
  if (!IsShown()) return 0;
  int width = m_content ? m_content->GetNaturalWidth() : 0;
  if (m_children) width = std::max(width, m_children->GetWidth());
  const std::uint32_t insets = GetInsets();
  return width + PackedByte(insets, 0) + PackedByte(insets, 2);
}

void CHybridCell::SetRect(const Rect& rect) {
  m_rect = rect;
  ReportSize();
}

void CHybridCell::ReportSize() {
  const Size size{m_rect.Width(), m_rect.Height()};
  if (!m_handler || size == m_reported) return;
  m_reported = size;
  m_handler->OnSize(size.cx, size.cy);
}

void CHybridCell::GetRect(Rect* out) {
  if (out) *out = m_rect.Offset(0, -ScrollOf(m_ctrl));
}

void CHybridCell::GetClientRect(Rect* out) {
  if (!out) return;
  const std::uint32_t insets = GetInsets();
  GetRect(out);
  *out = out->Deflate(PackedByte(insets, 0), PackedByte(insets, 1), PackedByte(insets, 2),
                      PackedByte(insets, 3));
}

bool CHybridCell::HitTest(Point point, IHybridCell** out) {
  if (!out) return false;
  *out = nullptr;
  if (!IsVisible()) return false;
  if (m_children && IsShown() && m_children->HitTest(point, out)) return true;
  Rect r;
  GetRect(&r);
  if (!r.Contains(point)) return false;
  return HandOut<IHybridCell>(this, out);
}

void CHybridCell::Paint(gfx::Canvas& canvas) {
  Rect r;
  GetRect(&r);
  if (!r.Intersects(canvas.ClipBox())) return;
  if (!IsShown()) {
    canvas.FillRect(r, m_color);
    return;
  }
  const Color background =
      IsSelected() && m_ctrl ? m_ctrl->Platform().SysColor(kColorHighlight) : m_color;
  if (m_content) {
    m_content->Draw(canvas, r.left, r.top, r.right, r.bottom);
  } else if (!m_children && !(m_style & kStyleTransparent)) {
    // An empty cell still owns its area.
    canvas.FillRect(r, background);
  }
  if (m_children) m_children->Draw(canvas, !m_content && !(m_style & kStyleTransparent));
  if (HasFocusFrame()) canvas.FrameRect(r, background);
  const int left = PackedByte(m_borders, 0), top = PackedByte(m_borders, 1),
            right = PackedByte(m_borders, 2), bottom = PackedByte(m_borders, 3);
  if (left) canvas.FillRect({r.left, r.top, r.left + left, r.bottom}, kBorderGrey);
  if (right) canvas.FillRect({r.right - right, r.top, r.right, r.bottom}, kBorderGrey);
  if (top) canvas.FillRect({r.left, r.top, r.right, r.top + top}, kBorderGrey);
  if (bottom) canvas.FillRect({r.left, r.bottom - bottom, r.right, r.bottom}, kBorderGrey);
  if (HasFocusFrame() && m_ctrl) {
    RefPtr<IHybridCell> focus;
    if (m_ctrl->GetFocusCell(focus.put()) && focus.get() == this) canvas.DrawFocusRect(r);
  }
}

void CHybridCell::Redraw() {
  if (m_ctrl) m_ctrl->RequestCellRepaint(this, nullptr);
}

void CHybridCell::SelectInRect(const Rect& band, bool extend) {
  if (m_style & kStyleClickable) {
    if (m_rect.Intersects(band))
      SetSelected(true);
    else if (!extend)
      SetSelected(false);
    return;
  }
  if (m_children) m_children->SelectInRect(band, extend);
}

void CHybridCell::SetSelected(bool selected) {
  // A cell that may not be selected can still be deselected.
  if (selected && (m_state & kStateNoSelect)) return;
  if (selected == IsSelected()) return;
  RefPtr<IHybridCell> self(this);  // the receivers may drop the tree's reference
  m_state ^= kStateSelected;
  Notify(kNotifyCellSelected, this);
  // A receiver may have taken the cell out of the tree (or cleared the
  // control), which forgets the control: nothing of it is on screen to
  // repaint, and the tree's selection did not change by it.
  if (!m_ctrl) return;
  Redraw();
  m_ctrl->PostSelectionChange();
}

bool CHybridCell::FindFocusable(IHybridCell** out) {
  if (!out) return false;
  *out = nullptr;
  RefPtr<IHybridCell> cell(this);
  while (cell) {
    if (cell->GetStyle() & kStyleClickable) return cell.CopyTo(out);
    RefPtr<IHybridCell> parent;
    cell->GetParentCell(parent.put());
    cell = std::move(parent);
  }
  return false;
}

bool CHybridCell::IsUnderMouse(bool byHotState) {
  if (!m_ctrl) return false;
  if (byHotState) return m_ctrl->IsHotCell(this);
  Rect r;
  GetRect(&r);
  return r.Contains(m_ctrl->GetCursorPos());
}

bool CHybridCell::GetParentLayout(IHybridSubContent** out) { return m_parent.CopyTo(out); }

bool CHybridCell::GetParentCell(IHybridCell** out) {
  if (out) *out = nullptr;
  return m_parent && m_parent->GetOwner(out);
}

namespace {

// The sibling after (or before) `cell` in its parent's display order.
RefPtr<IHybridCell> Sibling(IHybridCell* cell, bool forward) {
  RefPtr<IHybridSubContent> parent;
  if (!cell->GetParentLayout(parent.put())) return {};
  const int kind = parent->GetKind();
  RefPtr<IHybridCell> found;
  if (kind == kLayoutVertical || kind == kLayoutFlow) {
    forward ? cell->GetNext(found.put()) : cell->GetPrev(found.put());
    return found;
  }
  std::vector<RefPtr<IHybridCell>> kids;
  parent->GetChildren(&kids);
  const auto it = std::find(kids.begin(), kids.end(), cell);
  if (it == kids.end()) return {};
  if (forward) return it + 1 == kids.end() ? found : *(it + 1);
  return it == kids.begin() ? found : *(it - 1);
}

RefPtr<IHybridCell> FirstShownChild(IHybridCell* cell, bool last) {
  RefPtr<IHybridSubContent> children;
  if (!cell->IsShown() || !cell->GetSubContent(children.put())) return {};
  std::vector<RefPtr<IHybridCell>> kids;
  children->GetChildren(&kids);
  if (last) std::reverse(kids.begin(), kids.end());
  for (RefPtr<IHybridCell>& kid : kids)
    if (kid->IsShown()) return kid;
  return {};
}

}  // namespace

bool CHybridCell::WalkTree(bool forward, IHybridCell** out) {
  if (!out) return false;
  *out = nullptr;
  RefPtr<IHybridCell> cell(this);
  if (forward) {
    if (RefPtr<IHybridCell> child = FirstShownChild(this, false)) return child.CopyTo(out);
    while (cell) {
      for (RefPtr<IHybridCell> s = Sibling(cell.get(), true); s; s = Sibling(s.get(), true))
        if (s->IsShown()) return s.CopyTo(out);
      RefPtr<IHybridCell> parent;
      cell->GetParentCell(parent.put());
      cell = std::move(parent);
    }
    return false;
  }
  for (RefPtr<IHybridCell> s = Sibling(this, false); s; s = Sibling(s.get(), false)) {
    if (!s->IsShown()) continue;
    // The deepest last descendant of the previous sibling comes just before.
    RefPtr<IHybridCell> deepest = s;
    while (RefPtr<IHybridCell> last = FirstShownChild(deepest.get(), true))
      deepest = std::move(last);
    return deepest.CopyTo(out);
  }
  return GetParentCell(out);
}

std::uint32_t CHybridCell::GetInsets() {
  // The focus frame takes one pixel inside every border. An inset is a
  // byte too: beside the widest border the frame's pixel is left out rather
  // than wrapping the inset to nothing.
  const int frame = HasFocusFrame() ? 1 : 0;
  auto inset = [&](int side) { return std::min(PackedByte(m_borders, side) + frame, 0xFF); };
  return PackBytes(inset(0), inset(1), inset(2), inset(3));
}

void CHybridCell::Detach() {
  RefPtr<IHybridCell> self(this);  // the links below may hold the last count
  DropLayout();
  if (RefPtr<IHybridContent> content = std::move(m_content)) content->SetCell(nullptr);
  if (RefPtr<IHybridHandler> handler = std::move(m_handler)) handler->Detach();
  m_next.reset();
  m_prev.reset();
  m_parent.reset();
  if (m_ctrl) m_ctrl->UnregisterCell(this);
  // Out of the tree the cell asks its control for nothing more: a caller
  // may hold it after the control has gone.
  m_ctrl = nullptr;
}

NotifyResult CHybridCell::Notify(int code, IHybridCell* source) {
  // Walk up iteratively: a deep tree must not cost a stack frame per level.
  RefPtr<IHybridCell> cell(this);
  NotifyResult result = 0;
  while (cell) {
    bool handled = false;
    RefPtr<IHybridContent> content;
    if (cell.get() != source && cell->GetContent(content.put())) {
      result = content->OnNotify(code, source, &handled);
      if (handled) return result;
    }
    RefPtr<IHybridHandler> handler;
    if (cell->GetHandler(handler.put())) {
      result = handler->OnNotify(code, source, &handled);
      if (handled) return result;
    }
    RefPtr<IHybridCell> parent;
    if (!cell->GetParentCell(parent.put())) {
      IHybridCtrl* ctrl = cell->GetCtrl();
      return ctrl ? ctrl->Notify(code, source) : result;
    }
    cell = std::move(parent);
  }
  return result;
}

void CHybridCell::SetHandler(IHybridHandler* handler) {
  if (handler == m_handler.get()) return;
  if (RefPtr<IHybridHandler> old = std::move(m_handler)) old->Detach();
  m_handler = RefPtr<IHybridHandler>(handler);
  if (m_handler) m_handler->Attach(m_ctrl, this);
}

namespace {
void PassColor(IHybridCell* child, void* color) {
  child->SetColor(*static_cast<Color*>(color), true);
}
}  // namespace

void CHybridCell::SetColor(Color color, bool passOn) {
  m_color = color;
  if (passOn && m_children) m_children->ForEachChild(&PassColor, &color);
  Redraw();
}

void CHybridCell::SetExpanded(bool expand, bool immediate) {
  const bool collapsed = (m_state & kStateCollapsed) != 0;
  if (collapsed != expand) return;
  m_state ^= kStateCollapsed;
  SizeMayHaveChanged();
  if (m_ctrl) m_ctrl->AnimateExpand(this, expand, immediate);
}

void CHybridCell::SetEnabled(bool enabled) {
  if (enabled == IsEnabled()) return;
  m_state ^= kStateDisabled;
  if (m_content) m_content->OnEnable(enabled);
  Redraw();
}

void CHybridCell::SetNoSelect(bool noSelect) {
  m_state = noSelect ? (m_state | kStateNoSelect) : (m_state & ~kStateNoSelect);
}

}  // namespace scalewright
