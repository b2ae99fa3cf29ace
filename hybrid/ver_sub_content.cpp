#include "hybrid/ver_sub_content.h"

#include <algorithm>

#include "hybrid/ihybrid_ctrl.h"

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
  for (RefPtr<IHybridCell> cell = first_; cell; cell = NextOf(cell.get())) {
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

void CVerSubContent::GetChildren(std::vector<RefPtr<IHybridCell>>* out) {
  if (!out) return;
  out->clear();
  out->reserve(static_cast<size_t>(count_));
  for (RefPtr<IHybridCell> cell = first_; cell; cell = NextOf(cell.get()))
    out->push_back(cell);
}

}  // namespace scalewright
