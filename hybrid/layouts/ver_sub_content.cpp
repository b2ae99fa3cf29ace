#include "hybrid/layouts/ver_sub_content.h"

#include <algorithm>

#include "hybrid/interfaces/ihybrid_ctrl.h"

namespace scalewright {

namespace {

RefPtr<IHybridCell> NextOf(IHybridCell* cell) {
  RefPtr<IHybridCell> next;
  cell->GetNext(next.put());
  return next;
}

RefPtr<IHybridCell> PrevOf(IHybridCell* cell) {
  RefPtr<IHybridCell> prev;
  cell->GetPrev(prev.put());
  return prev;
}

}  // namespace

CVerSubContent::~CVerSubContent() {
  stacked_.clear();
  // Unlink one by one: letting the chain of counted links unwind would
  // recurse once per child.
  RefPtr<IHybridCell> cell = std::move(first_);
  last_.reset();
  while (cell) {
    RefPtr<IHybridCell> next = NextOf(cell.get());
    cell->SetNext(nullptr);
    cell->SetPrev(nullptr);
    cell = std::move(next);
  }
}

int CVerSubContent::LayoutChildren() {
  const Rect area = ChildrenArea();
  int y = area.top;
  stacked_.clear();
  stacked_.reserve(static_cast<size_t>(count_));
  for (RefPtr<IHybridCell> cell = first_; cell; cell = NextOf(cell.get())) {
    stacked_.push_back(cell.get());
    // Keep the old height until the cell lays itself out, so that a
    // handler hears only real size changes.
    Rect old;
    cell->GetRect(&old);
    cell->SetRect({area.left, y, area.right, y + old.Height()});
    y = cell->Layout(true);
  }
  return y;
}

bool CVerSubContent::IsChild(IHybridCell* cell) {
  if (!cell) return false;
  RefPtr<IHybridSubContent> parent;
  return cell->GetParentLayout(parent.put()) && parent.get() == this;
}

RefPtr<IHybridCell> CVerSubContent::InsertNew(IHybridCell* before) {
  stacked_.clear();  // the order changes before the next layout
  RefPtr<IHybridCell> cell = NewCell();
  if (before && IsChild(before)) {
    RefPtr<IHybridCell> prev = PrevOf(before);
    cell->SetNext(before);
    cell->SetPrev(prev.get());
    before->SetPrev(cell.get());
    if (prev)
      prev->SetNext(cell.get());
    else
      first_ = cell;
  } else {
    cell->SetPrev(last_.get());
    if (last_)
      last_->SetNext(cell.get());
    else
      first_ = cell;
    last_ = cell;
  }
  ++count_;
  return cell;
}

bool CVerSubContent::CreateCell(int, IHybridCell** out, IHybridCell* before) {
  RefPtr<IHybridCell> cell = InsertNew(before);
  return cell.CopyTo(out);
}

bool CVerSubContent::RemoveCell(IHybridCell* cell) {
  if (!IsChild(cell)) return false;
  stacked_.clear();
  RefPtr<IHybridCell> keep(cell);
  RefPtr<IHybridCell> prev = PrevOf(cell);
  RefPtr<IHybridCell> next = NextOf(cell);
  if (prev)
    prev->SetNext(next.get());
  else
    first_ = next;
  if (next)
    next->SetPrev(prev.get());
  else
    last_ = prev;
  cell->SetNext(nullptr);
  cell->SetPrev(nullptr);
  --count_;
  cell->Detach();
  if (ctrl_) ctrl_->RequestLayout(false);
  return true;
}

void CVerSubContent::RemoveAll() {
  stacked_.clear();
  RefPtr<IHybridCell> cell = std::move(first_);
  last_.reset();
  count_ = 0;
  while (cell) {
    RefPtr<IHybridCell> next = NextOf(cell.get());
    cell->SetNext(nullptr);
    cell->SetPrev(nullptr);
    cell->Detach();
    cell = std::move(next);
  }
}

int CVerSubContent::GetHeight(int width) {
  const int available = width - leftIndent_ - rightIndent_;
  int height = 0;
  for (RefPtr<IHybridCell> cell = first_; cell; cell = NextOf(cell.get()))
    height += cell->GetHeight(available, false);
  return height;
}

int CVerSubContent::GetWidth() {
  int width = 0;
  for (RefPtr<IHybridCell> cell = first_; cell; cell = NextOf(cell.get()))
    width = std::max(width, cell->GetWidth());
  return width + leftIndent_ + rightIndent_;
}

void CVerSubContent::ChildrenToDraw(const Rect& clip,
                                    std::vector<RefPtr<IHybridCell>>* kids,
                                    int* lowest) {
  if (stacked_.empty() || stacked_.size() != static_cast<size_t>(count_)) {
    CSubContent::ChildrenToDraw(clip, kids, lowest);
    return;
  }
  auto BottomOf = [](IHybridCell* cell) {
    Rect r;
    cell->GetRect(&r);
    return r.bottom;
  };
  // Bottoms never decrease down the list: the last one is the lowest, and
  // the first child reaching below the clip's top starts the drawn run.
  *lowest = std::max(*lowest, BottomOf(stacked_.back()));
  auto it = std::partition_point(
      stacked_.begin(), stacked_.end(),
      [&](IHybridCell* cell) { return BottomOf(cell) <= clip.top; });
  kids->clear();
  for (; it != stacked_.end(); ++it) {
    Rect r;
    (*it)->GetRect(&r);
    if (r.top >= clip.bottom) break;
    kids->push_back(*it);
  }
}

bool CVerSubContent::HitTest(Point point, IHybridCell** out) {
  if (stacked_.empty() || stacked_.size() != static_cast<size_t>(count_))
    return CSubContent::HitTest(point, out);
  if (!out) return false;
  *out = nullptr;
  if (!owner_) return false;
  Rect ownerRect;
  owner_->GetRect(&ownerRect);
  if (!ownerRect.Contains(point)) return false;
  // A child is hit only inside its own rectangle (its children do not
  // reach out of it), and the stacked rectangles do not overlap: only the
  // child whose rows hold the point can answer.
  auto it = std::partition_point(
      stacked_.begin(), stacked_.end(), [&](IHybridCell* cell) {
        Rect r;
        cell->GetRect(&r);
        return r.bottom <= point.y;
      });
  for (; it != stacked_.end(); ++it) {
    Rect r;
    (*it)->GetRect(&r);
    if (r.top > point.y) break;
    if ((*it)->HitTest(point, out)) return true;
  }
  return false;
}

void CVerSubContent::GetChildren(std::vector<RefPtr<IHybridCell>>* out) {
  if (!out) return;
  out->clear();
  out->reserve(static_cast<size_t>(count_));
  for (RefPtr<IHybridCell> cell = first_; cell; cell = NextOf(cell.get()))
    out->push_back(cell);
}

}  // namespace scalewright
