#include "hybrid/layouts/head_sub_content.h"

#include <algorithm>

#include "hybrid/interfaces/ihybrid_ctrl.h"

namespace scalewright {

std::vector<int> CHeadSubContent::ColumnWidths(int available) {
  const int n = heading_ ? heading_->GetColumnCount() : 0;
  std::vector<int> widths(static_cast<size_t>(n));
  for (int i = 0; i < n; ++i) widths[i] = heading_->GetColumnWidth(i);
  const std::uint32_t style = owner_ ? owner_->GetStyle() : 0;
  if (!(style & kStylePercentColumns) || n == 0) return widths;

  std::vector<bool> fixed(static_cast<size_t>(n), false);
  if (style & kStyleFixedLast1) fixed[n - 1] = true;
  if ((style & kStyleFixedLast2) && n > 2) fixed[n - 1] = fixed[n - 2] = true;
  if ((style & kStyleFixedLast3) && n > 3)
    fixed[n - 1] = fixed[n - 2] = fixed[n - 3] = true;
  if (style & kStyleFixedFirst1) fixed[0] = true;
  if ((style & kStyleFixedFirst2) && n > 2) fixed[0] = fixed[1] = true;
  if (style & kStyleFixedFirstLast) fixed[0] = fixed[n - 1] = true;

  int rest = available;
  for (int i = 0; i < n; ++i)
    if (fixed[i]) rest -= widths[i];
  for (int i = 0; i < n; ++i)
    if (!fixed[i]) widths[i] = heading_->GetColumnPercent(i) * rest / 100;
  return widths;
}

std::vector<CHeadSubContent::Column> CHeadSubContent::Columns(
    const Rect& area) {
  // The area is already inside the insets; column 0 gives up the left inset
  // and a column reaching the right edge the right one.
  const std::uint32_t insets = owner_ ? owner_->GetInsets() : 0;
  const int leftInset = PackedByte(insets, 0);
  const std::vector<int> widths = ColumnWidths(area.Width());
  std::vector<Column> columns;
  int x = area.left - leftInset;
  for (size_t i = 0; i < widths.size(); ++i) {
    int left = x;
    int right = x + widths[i];
    if (i == 0) left = area.left;
    if (right > area.right) right = area.right;
    columns.push_back({left, std::max(0, right - left)});
    x += widths[i];
  }
  return columns;
}

int CHeadSubContent::LayoutChildren() {
  const Rect area = ChildrenArea();
  const std::vector<Column> columns = Columns(area);
  const int rowTop = area.top;
  int rowBottom = rowTop;
  const size_t n = std::min(columns.size(), cells_.size());
  std::vector<int> heights(n, 0);
  for (size_t i = 0; i < n; ++i) {
    if (!cells_[i]) continue;
    heights[i] = cells_[i]->GetHeight(columns[i].width, false);
    rowBottom = std::max(rowBottom, rowTop + heights[i]);
  }
  for (size_t i = 0; i < n; ++i) {
    if (!cells_[i]) continue;
    int height = 0;
    const int y = AlignInRow(cells_[i]->GetStyle(), rowTop, rowBottom,
                             heights[i], &height);
    cells_[i]->SetRect({columns[i].x, y, columns[i].x + columns[i].width,
                        y + height});
    cells_[i]->Layout(false);
  }
  // Cells of columns the heading does not have take no room.
  for (size_t i = n; i < cells_.size(); ++i)
    if (cells_[i]) cells_[i]->SetRect({area.left, rowTop, area.left, rowTop});
  return rowBottom;
}

bool CHeadSubContent::CreateCell(int key, IHybridCell** out, IHybridCell*) {
  if (out) *out = nullptr;
  if (key < 0 || key >= kMaxHeadingColumns) return false;
  if (static_cast<size_t>(key) >= cells_.size()) cells_.resize(key + 1);
  if (cells_[key]) {
    RefPtr<IHybridCell> old = std::move(cells_[key]);
    old->Detach();
  }
  cells_[key] = NewCell();
  return cells_[key].CopyTo(out);
}

bool CHeadSubContent::RemoveCell(IHybridCell* cell) {
  for (RefPtr<IHybridCell>& slot : cells_) {
    if (slot.get() != cell || !cell) continue;
    RefPtr<IHybridCell> old = std::move(slot);
    old->Detach();
    if (ctrl_) ctrl_->RequestLayout(false);
    return true;
  }
  return false;
}

bool CHeadSubContent::IsEmpty() {
  return std::none_of(cells_.begin(), cells_.end(),
                      [](const RefPtr<IHybridCell>& c) { return bool(c); });
}

int CHeadSubContent::GetHeight(int width) {
  const int available = width - leftIndent_ - rightIndent_;
  const std::vector<int> widths = ColumnWidths(available);
  int height = 0;
  for (size_t i = 0; i < cells_.size() && i < widths.size(); ++i)
    if (cells_[i])
      height = std::max(height, cells_[i]->GetHeight(widths[i], false));
  return height;
}

int CHeadSubContent::GetWidth() {
  return (heading_ ? heading_->GetTotalWidth() : 0) + leftIndent_ +
         rightIndent_;
}

bool CHeadSubContent::GetChild(int index, IHybridCell** out) {
  if (out) *out = nullptr;
  if (index < 0 || index >= static_cast<int>(cells_.size())) return false;
  return cells_[index].CopyTo(out);
}

void CHeadSubContent::RemoveAll() {
  std::vector<RefPtr<IHybridCell>> cells = std::move(cells_);
  cells_.clear();
  for (RefPtr<IHybridCell>& cell : cells)
    if (cell) cell->Detach();
}

void CHeadSubContent::GetChildren(std::vector<RefPtr<IHybridCell>>* out) {
  if (!out) return;
  out->clear();
  for (const RefPtr<IHybridCell>& cell : cells_)
    if (cell) out->push_back(cell);
}

}  // namespace scalewright
