#include "hybrid/layouts/free_sub_content.h"

#include <algorithm>

#include "hybrid/interfaces/ihybrid_ctrl.h"

namespace scalewright {

int CFreeSubContent::LayoutChildren() {
  const Rect area = ChildrenArea();
  int bottom = area.top;
  for (SCellInfo& info : cells_) {
    const Rect placed = info.rect.Offset(area.left, area.top);
    info.cell->SetRect(placed);
    info.cell->Layout(false);  // the stored rectangle is the cell's size
    bottom = std::max(bottom, placed.bottom);
  }
  return bottom;
}

bool CFreeSubContent::CreateCell(int, IHybridCell** out, IHybridCell*) {
  cells_.push_back({Rect{}, NewCell()});
  return cells_.back().cell.CopyTo(out);
}

bool CFreeSubContent::RemoveCell(IHybridCell* cell) {
  const auto it = std::find_if(cells_.begin(), cells_.end(), [&](auto& i) {
    return i.cell.get() == cell;
  });
  if (!cell || it == cells_.end()) return false;
  RefPtr<IHybridCell> old = std::move(it->cell);
  cells_.erase(it);
  old->Detach();
  if (ctrl_) ctrl_->RequestLayout(false);
  return true;
}

int CFreeSubContent::GetHeight(int) {
  int height = 0;
  for (const SCellInfo& info : cells_)
    height = std::max(height, info.rect.bottom);
  return height;
}

int CFreeSubContent::GetWidth() {
  int width = 0;
  for (const SCellInfo& info : cells_) width = std::max(width, info.rect.right);
  return width + leftIndent_ + rightIndent_;
}

void CFreeSubContent::RemoveAll() {
  std::vector<SCellInfo> cells = std::move(cells_);
  cells_.clear();
  for (SCellInfo& info : cells) info.cell->Detach();
}

void CFreeSubContent::GetChildren(std::vector<RefPtr<IHybridCell>>* out) {
  if (!out) return;
  out->clear();
  for (const SCellInfo& info : cells_) out->push_back(info.cell);
}

bool CFreeSubContent::SetCellRect(IHybridCell* cell, int left, int top,
                                  int right, int bottom) {
  for (SCellInfo& info : cells_) {
    if (info.cell.get() != cell || !cell) continue;
    info.rect = {left, top, right, bottom};
    if (ctrl_) ctrl_->RequestLayout(false);
    return true;
  }
  return false;
}

}  // namespace scalewright
