#include "hybrid/layouts/hybrid_cell.h"

#include <algorithm>

#include "hybrid/contents/content_factory.h"
#include "hybrid/layouts/free_sub_content.h"
#include "hybrid/layouts/head_sub_content.h"
#include "hybrid/interfaces/hybrid_platform.h"
#include "hybrid/interfaces/ihybrid_ctrl.h"
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
    : ctrl_(ctrl), parent_(parent), color_(InitialColor(ctrl, parent)) {}

HRESULT CHybridCell::QueryInterface(REFIID riid, void** ppv) {
  return QueryInterfaceTable<IHybridCell>(this, riid, ppv);
}

void CHybridCell::SetContent(IHybridContent* content) {
  if (content == content_.get()) return;
  RefPtr<IHybridContent> old = std::move(content_);
  content_ = content;
  if (old) old->SetCell(nullptr);
  if (content_) {
    RefPtr<IHybridCell> current;
    content_->GetCell(current.put());
    if (current.get() != this) content_->SetCell(this);
  }
  if (ctrl_) ctrl_->RequestLayout(false);
}

void CHybridCell::CreateContent(char letter) {
  RefPtr<IHybridContent> content = CreateContentOfKind(letter, ctrl_);
  SetContent(content.get());
  if (content) content->Init();
}

bool CHybridCell::GetContent(IHybridContent** out) {
  return content_.CopyTo(out);
}

char CHybridCell::GetContentKind() {
  return content_ ? content_->GetKind() : '\0';
}

void CHybridCell::DropLayout() {
  if (RefPtr<IHybridSubContent> old = std::move(children_)) {
    old->RemoveAll();
    old->ReleaseOwner();
  }
}

void CHybridCell::SetLayout(LayoutSelector selector) {
  DropLayout();
  const std::intptr_t value = SelectorValue(selector);
  if (value == -3) {
    children_ = new CFreeSubContent(ctrl_, this);
  } else if (value == -1 || value == -2) {
    children_ = new CMLSubContent(ctrl_, this, value == -2);
  } else if (selector) {
    children_ = new CHeadSubContent(ctrl_, this, *selector);
  } else {
    // No heading to follow: a plain list rather than a row of nothing.
    children_ = new CVerSubContent(ctrl_, this);
  }
  if (ctrl_) ctrl_->RequestLayout(false);
}

void CHybridCell::EnsureLayout(int kind) {
  if (children_ && children_->GetKind() == kind) return;
  DropLayout();
  if (kind == kLayoutVertical) children_ = new CVerSubContent(ctrl_, this);
  if (ctrl_) ctrl_->RequestLayout(false);
}

bool CHybridCell::GetSubContent(IHybridSubContent** out) {
  return children_.CopyTo(out);
}

int CHybridCell::Layout(bool commit) {
  const int top = rect_.top;
  int contentBottom = top;
  int childrenBottom = top;
  if (IsShown()) {
    if (content_) {
      contentBottom = top + GetHeight(rect_.Width(), true);
      content_->OnLayout();
    }
    if (children_) childrenBottom = children_->LayoutChildren();
  }
  const int bottom =
      std::max(contentBottom, childrenBottom) + PackedByte(borders_, 3);
  if (commit) {
    rect_.bottom = bottom;
    ReportSize();
  }
  return bottom;
}

int CHybridCell::GetHeight(int width, bool ignoreChildren) {
  int height = content_ ? content_->GetHeightForWidth(width) : 0;
  if (!ignoreChildren && children_) {
    const std::uint32_t insets = GetInsets();
    const int inner = width - PackedByte(insets, 0) - PackedByte(insets, 2);
    height = std::max(height, children_->GetHeight(inner));
  }
  return height + (HasFocusFrame() ? 2 : 0);
}

int CHybridCell::GetWidth() {
  int width = content_ ? content_->GetNaturalWidth() : 0;
  if (children_) width = std::max(width, children_->GetWidth());
  const std::uint32_t insets = GetInsets();
  return width + PackedByte(insets, 0) + PackedByte(insets, 2);
}

void CHybridCell::SetRect(const Rect& rect) {
  rect_ = rect;
  ReportSize();
}

void CHybridCell::ReportSize() {
  const Size size{rect_.Width(), rect_.Height()};
  if (!handler_ || size == reported_) return;
  reported_ = size;
  handler_->OnSize(size.cx, size.cy);
}

void CHybridCell::GetRect(Rect* out) {
  if (out) *out = rect_.Offset(0, -ScrollOf(ctrl_));
}

void CHybridCell::GetClientRect(Rect* out) {
  if (!out) return;
  const std::uint32_t insets = GetInsets();
  GetRect(out);
  *out = out->Deflate(PackedByte(insets, 0), PackedByte(insets, 1),
                      PackedByte(insets, 2), PackedByte(insets, 3));
}

bool CHybridCell::HitTest(Point point, IHybridCell** out) {
  if (!out) return false;
  *out = nullptr;
  if (!IsVisible()) return false;
  if (children_ && IsShown() && children_->HitTest(point, out)) return true;
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
    canvas.FillRect(r, color_);
    return;
  }
  const Color background =
      IsSelected() && ctrl_ ? ctrl_->Platform().SysColor(kColorHighlight)
                            : color_;
  if (content_) {
    content_->Draw(canvas, r.left, r.top, r.right, r.bottom);
  } else if (!children_ && !(style_ & kStyleTransparent)) {
    // An empty cell still owns its area.
    canvas.FillRect(r, background);
  }
  if (children_)
    children_->Draw(canvas, !content_ && !(style_ & kStyleTransparent));
  if (HasFocusFrame()) canvas.FrameRect(r, background);
  const int left = PackedByte(borders_, 0), top = PackedByte(borders_, 1),
            right = PackedByte(borders_, 2), bottom = PackedByte(borders_, 3);
  if (left) canvas.FillRect({r.left, r.top, r.left + left, r.bottom}, kBorderGrey);
  if (right)
    canvas.FillRect({r.right - right, r.top, r.right, r.bottom}, kBorderGrey);
  if (top) canvas.FillRect({r.left, r.top, r.right, r.top + top}, kBorderGrey);
  if (bottom)
    canvas.FillRect({r.left, r.bottom - bottom, r.right, r.bottom},
                    kBorderGrey);
  if (HasFocusFrame() && ctrl_) {
    RefPtr<IHybridCell> focus;
    if (ctrl_->GetFocusCell(focus.put()) && focus.get() == this)
      canvas.DrawFocusRect(r);
  }
}

void CHybridCell::Redraw() {
  if (ctrl_) ctrl_->RequestCellRepaint(this, nullptr);
}

void CHybridCell::SelectInRect(const Rect& band, bool extend) {
  if (style_ & kStyleClickable) {
    if (rect_.Intersects(band))
      SetSelected(true);
    else if (!extend)
      SetSelected(false);
    return;
  }
  if (children_) children_->SelectInRect(band, extend);
}

void CHybridCell::SetSelected(bool selected) {
  // A cell that may not be selected can still be deselected.
  if (selected && (state_ & kStateNoSelect)) return;
  if (selected == IsSelected()) return;
  state_ ^= kStateSelected;
  Notify(kNotifyCellSelected, this);
  Redraw();
  if (ctrl_) ctrl_->PostSelectionChange();
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
  if (!ctrl_) return false;
  if (byHotState) return ctrl_->IsHotCell(this);
  Rect r;
  GetRect(&r);
  return r.Contains(ctrl_->GetCursorPos());
}

bool CHybridCell::GetParentLayout(IHybridSubContent** out) {
  return parent_.CopyTo(out);
}

bool CHybridCell::GetParentCell(IHybridCell** out) {
  if (out) *out = nullptr;
  return parent_ && parent_->GetOwner(out);
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
    if (RefPtr<IHybridCell> child = FirstShownChild(this, false))
      return child.CopyTo(out);
    while (cell) {
      for (RefPtr<IHybridCell> s = Sibling(cell.get(), true); s;
           s = Sibling(s.get(), true))
        if (s->IsShown()) return s.CopyTo(out);
      RefPtr<IHybridCell> parent;
      cell->GetParentCell(parent.put());
      cell = std::move(parent);
    }
    return false;
  }
  for (RefPtr<IHybridCell> s = Sibling(this, false); s;
       s = Sibling(s.get(), false)) {
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
  // The focus frame takes one pixel inside every border.
  const int frame = HasFocusFrame() ? 1 : 0;
  return PackBytes(PackedByte(borders_, 0) + frame,
                   PackedByte(borders_, 1) + frame,
                   PackedByte(borders_, 2) + frame,
                   PackedByte(borders_, 3) + frame);
}

void CHybridCell::Detach() {
  RefPtr<IHybridCell> self(this);  // the links below may hold the last count
  DropLayout();
  if (RefPtr<IHybridContent> content = std::move(content_))
    content->SetCell(nullptr);
  if (RefPtr<IHybridHandler> handler = std::move(handler_)) handler->Detach();
  next_.reset();
  prev_.reset();
  parent_.reset();
  if (ctrl_) ctrl_->UnregisterCell(this);
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
  if (handler == handler_.get()) return;
  if (RefPtr<IHybridHandler> old = std::move(handler_)) old->Detach();
  handler_ = handler;
  if (handler_) handler_->Attach(ctrl_, this);
}

namespace {
void PassColor(IHybridCell* child, void* color) {
  child->SetColor(*static_cast<Color*>(color), true);
}
}  // namespace

void CHybridCell::SetColor(Color color, bool passOn) {
  color_ = color;
  if (passOn && children_) children_->ForEachChild(&PassColor, &color);
  Redraw();
}

void CHybridCell::SetExpanded(bool expand, bool immediate) {
  const bool collapsed = (state_ & kStateCollapsed) != 0;
  if (collapsed != expand) return;
  state_ ^= kStateCollapsed;
  if (ctrl_) ctrl_->AnimateExpand(this, expand, immediate);
}

void CHybridCell::SetEnabled(bool enabled) {
  if (enabled == IsEnabled()) return;
  state_ ^= kStateDisabled;
  if (content_) content_->OnEnable(enabled);
  Redraw();
}

void CHybridCell::SetNoSelect(bool noSelect) {
  state_ = noSelect ? (state_ | kStateNoSelect) : (state_ & ~kStateNoSelect);
}

}  // namespace scalewright
