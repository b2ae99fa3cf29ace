#include "hybrid/layouts/head_sub_content.h"

#include <algorithm>
#include <limits>

#include "hybrid/interfaces/ihybrid_ctrl.h"

namespace scalewright {

namespace {

constexpr long long kIntMin = std::numeric_limits<int>::min();
constexpr long long kIntMax = std::numeric_limits<int>::max();

// |percent| of |rest| pixels. The product needs 64 bits; a share below
// nothing is no width, and one beyond an int stops there.
int PercentWidth(int percent, long long rest) {
  const long long share =
      static_cast<long long>(percent) * std::clamp(rest, kIntMin, kIntMax) / 100;
  return static_cast<int>(std::clamp(share, 0LL, kIntMax));
}

}  // namespace

std::vector<int> CHeadSubContent::ColumnWidths(int available) {
  const int n = m_heading ? m_heading->GetColumnCount() : 0;
  std::vector<int> widths(static_cast<size_t>(n));
  for (int i = 0; i < n; ++i) widths[i] = m_heading->GetColumnWidth(i);
  const std::uint32_t style = m_owner ? m_owner->GetStyle() : 0;
  if (!(style & kStylePercentColumns) || n == 0) return widths;

  std::vector<bool> fixed(static_cast<size_t>(n), false);
  if (style & kStyleFixedLast1) fixed[n - 1] = true;
  if ((style & kStyleFixedLast2) && n > 2) fixed[n - 1] = fixed[n - 2] = true;
  if ((style & kStyleFixedLast3) && n > 3) fixed[n - 1] = fixed[n - 2] = fixed[n - 3] = true;
  if (style & kStyleFixedFirst1) fixed[0] = true;
  if ((style & kStyleFixedFirst2) && n > 2) fixed[0] = fixed[1] = true;
  if (style & kStyleFixedFirstLast) fixed[0] = fixed[n - 1] = true;

  long long rest = available;
  for (int i = 0; i < n; ++i)
    if (fixed[i]) rest -= widths[i];
  for (int i = 0; i < n; ++i)
    if (!fixed[i]) widths[i] = PercentWidth(m_heading->GetColumnPercent(i), rest);
  return widths;
}

std::vector<CHeadSubContent::Column> CHeadSubContent::Columns(const Rect& area) {
  // The area is already inside the insets; column 0 gives up the left inset
  // and a column reaching the right edge the right one.
  const std::uint32_t insets = m_owner ? m_owner->GetInsets() : 0;
  const int leftInset = PackedByte(insets, 0);
  const std::vector<int> widths = ColumnWidths(area.Width());
  std::vector<Column> columns;
  // Summed in 64 bits: columns as wide as an int follow one another. A
  // column starting beyond the right edge is empty at the edge.
  const long long origin = area.left - leftInset;
  long long x = origin;
  for (size_t i = 0; i < widths.size(); ++i) {
    const long long start = i == 0 ? area.left : x;
    const int left = static_cast<int>(std::max(origin, std::min<long long>(start, area.right)));
    const long long right = std::min<long long>(x + widths[i], area.right);
    columns.push_back({left, static_cast<int>(std::max<long long>(0, right - left))});
    x += widths[i];
  }
  return columns;
}

int CHeadSubContent::LayoutChildren() {
  const Rect area = ChildrenArea();
  const std::vector<Column> columns = Columns(area);
  const int rowTop = area.top;
  int rowBottom = rowTop;
  const size_t n = std::min(columns.size(), m_cells.size());
  std::vector<int> heights(n, 0);
  for (size_t i = 0; i < n; ++i) {
    if (!m_cells[i]) continue;
    heights[i] = m_cells[i]->GetHeight(columns[i].width, false);
    rowBottom = std::max(rowBottom, rowTop + heights[i]);
  }
  for (size_t i = 0; i < n; ++i) {
    if (!m_cells[i]) continue;
    if (!m_cells[i]->IsShown()) {
      // Its column stays on the heading's grid, empty.
      m_cells[i]->SetRect({columns[i].x, rowTop, columns[i].x, rowTop});
      continue;
    }
    int height = 0;
    const int y = AlignInRow(m_cells[i]->GetStyle(), rowTop, rowBottom, heights[i], &height);
    m_cells[i]->SetRect({columns[i].x, y, columns[i].x + columns[i].width, y + height});
    m_cells[i]->Layout(false);
  }
  // Cells of columns the heading does not have take no room.
  for (size_t i = n; i < m_cells.size(); ++i)
    if (m_cells[i]) m_cells[i]->SetRect({area.left, rowTop, area.left, rowTop});
  return rowBottom;
}

bool CHeadSubContent::CreateCell(int key, IHybridCell** out, IHybridCell*) {
  if (out) *out = nullptr;
  if (key < 0 || key >= kMaxHeadingColumns) return false;
  // Refused before anything changes: the cell in the column stays.
  if (!HasRoomForChild()) return false;
  if (static_cast<size_t>(key) >= m_cells.size()) m_cells.resize(key + 1);
  if (m_cells[key]) {
    RefPtr<IHybridCell> old = std::move(m_cells[key]);
    old->Detach();
  }
  m_cells[key] = NewCell();
  return m_cells[key].CopyTo(out);
}

bool CHeadSubContent::RemoveCell(IHybridCell* cell) {
  for (RefPtr<IHybridCell>& slot : m_cells) {
    if (slot.get() != cell || !cell) continue;
    RefPtr<IHybridCell> old = std::move(slot);
    old->Detach();
    if (m_ctrl) m_ctrl->RequestLayout(false);
    return true;
  }
  return false;
}

bool CHeadSubContent::IsEmpty() {
  return std::none_of(m_cells.begin(), m_cells.end(),
                      [](const RefPtr<IHybridCell>& c) { return bool(c); });
}

int CHeadSubContent::GetHeight(int width) {
  const int available = width - m_leftIndent - m_rightIndent;
  const std::vector<int> widths = ColumnWidths(available);
  int height = 0;
  for (size_t i = 0; i < m_cells.size() && i < widths.size(); ++i)
    if (m_cells[i]) height = std::max(height, m_cells[i]->GetHeight(widths[i], false));
  return height;
}

int CHeadSubContent::GetWidth() {
  const long long width = (m_heading ? m_heading->GetTotalWidth() : 0) +
                          static_cast<long long>(m_leftIndent) + m_rightIndent;
  return static_cast<int>(std::clamp(width, kIntMin, kIntMax));
}

bool CHeadSubContent::GetChild(int index, IHybridCell** out) {
  if (out) *out = nullptr;
  if (index < 0 || index >= static_cast<int>(m_cells.size())) return false;
  return m_cells[index].CopyTo(out);
}

void CHeadSubContent::RemoveAll() {
  std::vector<RefPtr<IHybridCell>> cells = std::move(m_cells);
  m_cells.clear();
  for (RefPtr<IHybridCell>& cell : cells)
    if (cell) cell->Detach();
}

void CHeadSubContent::GetChildren(std::vector<RefPtr<IHybridCell>>* out) {
  if (!out) return;
  out->clear();
  for (const RefPtr<IHybridCell>& cell : m_cells)
    if (cell) out->push_back(cell);
}

}  // namespace scalewright
