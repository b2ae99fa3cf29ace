#include "hybrid/layouts/free_sub_content.h"

#include <algorithm>

#include "hybrid/interfaces/ihybrid_ctrl.h"

namespace scalewright {

int CFreeSubContent::LayoutChildren() {
  const Rect area = ChildrenArea();
  int bottom = area.top;
  for (SCellInfo& info : m_cells) {
    const Rect placed = info.rect.Offset(area.left, area.top);
    if (!info.cell->IsShown()) {
      info.cell->SetRect({placed.left, placed.top, placed.left, placed.top});
      continue;
    }
    info.cell->SetRect(placed);
    info.cell->Layout(false);  // the stored rectangle is the cell's size
    bottom = std::max(bottom, placed.bottom);
  }
  return bottom;
}

bool CFreeSubContent::CreateCell(int, IHybridCell** out, IHybridCell*) {
  if (out) *out = nullptr;
  RefPtr<IHybridCell> cell = NewCell();
  if (!cell) return false;
  m_cells.push_back({Rect{}, cell});
  return cell.CopyTo(out);
}

bool CFreeSubContent::RemoveCell(IHybridCell* cell) {
  const auto it =
      std::find_if(m_cells.begin(), m_cells.end(), [&](auto& i) { return i.cell.get() == cell; });
  if (!cell || it == m_cells.end()) return false;
  RefPtr<IHybridCell> old = std::move(it->cell);
  m_cells.erase(it);
  old->Detach();
  if (m_ctrl) m_ctrl->RequestLayout(false);
  return true;
}

int CFreeSubContent::GetHeight(int) {
  int height = 0;
  for (const SCellInfo& info : m_cells)
    if (info.cell->IsShown()) height = std::max(height, info.rect.bottom);
  return height;
}

int CFreeSubContent::GetWidth() {
  int width = 0;
  for (const SCellInfo& info : m_cells)
    if (info.cell->IsShown()) width = std::max(width, info.rect.right);
  return width + m_leftIndent + m_rightIndent;
}

void CFreeSubContent::RemoveAll() {
  std::vector<SCellInfo> cells = std::move(m_cells);
  m_cells.clear();
  for (SCellInfo& info : cells) info.cell->Detach();
}

void CFreeSubContent::GetChildren(std::vector<RefPtr<IHybridCell>>* out) {
  if (!out) return;
  out->clear();
  for (const SCellInfo& info : m_cells) out->push_back(info.cell);
}

bool CFreeSubContent::SetCellRect(IHybridCell* cell, int left, int top, int right, int bottom) {
  for (SCellInfo& info : m_cells) {
    if (info.cell.get() != cell || !cell) continue;
    info.rect = {left, top, right, bottom};
    if (m_ctrl) m_ctrl->RequestLayout(false);
    return true;
  }
  return false;
}

}  // namespace scalewright
