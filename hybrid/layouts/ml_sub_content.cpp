#include "hybrid/layouts/ml_sub_content.h"

#include <algorithm>
#include <cstdlib>

#include "hybrid/interfaces/ihybrid_ctrl.h"

namespace scalewright {

namespace {

struct Placed {
  RefPtr<IHybridCell> cell;
  int x, width, height;
  bool shown;
};

}  // namespace

int CMLSubContent::Flow(const Rect& area, bool place) {
  std::vector<RefPtr<IHybridCell>> kids;
  GetChildren(&kids);
  if (place) {
    m_rows.clear();
    m_gaps.clear();
  }
  int x = area.left;
  int y = area.top;
  int index = 0;
  int rowHeight = 0;
  int shownInRow = 0;
  std::vector<Placed> row;

  auto closeRow = [&]() {
    if (row.empty()) return;
    if (place) {
      const int used = x - area.left;
      // Hidden cells stay in the row's order but take no room and no share.
      const int extra = m_justify && shownInRow > 0 ? (area.Width() - used) / shownInRow : 0;
      int shift = 0;
      int right = area.left;
      for (Placed& p : row) {
        p.x += shift;
        if (!p.shown) {
          p.cell->SetRect({p.x, y, p.x, y});
          continue;
        }
        p.width += extra;
        shift += extra;
        int height = 0;
        const int top = AlignInRow(p.cell->GetStyle(), y, y + rowHeight, p.height, &height);
        p.cell->SetRect({p.x, top, p.x + p.width, top + height});
        p.cell->Layout(false);
        right = p.x + p.width;
      }
      if (right < area.right && rowHeight > 0)
        m_gaps.push_back({right, y, area.right, y + rowHeight});
      m_rows.push_back(
          {index - static_cast<int>(row.size()), static_cast<int>(row.size()), y, y + rowHeight});
    }
    y += rowHeight;
    x = area.left;
    rowHeight = 0;
    shownInRow = 0;
    row.clear();
  };

  for (const RefPtr<IHybridCell>& kid : kids) {
    if (!kid->IsShown()) {
      row.push_back({kid, x, 0, 0, false});
      ++index;
      continue;
    }
    const int width = kid->GetWidth();
    const int height = kid->GetHeight(width, false);
    if (x + width > area.right && shownInRow > 0) closeRow();
    row.push_back({kid, x, width, height, true});
    ++shownInRow;
    x += width;
    rowHeight = std::max(rowHeight, height);
    ++index;
  }
  closeRow();
  return y;
}

int CMLSubContent::LayoutChildren() { return Flow(ChildrenArea(), true); }

int CMLSubContent::GetHeight(int width) {
  const Rect area{0, 0, width - m_leftIndent - m_rightIndent, 0};
  return Flow(area, false);
}

void CMLSubContent::FillAroundChildren(gfx::Canvas& canvas, const Rect&,
                                       const std::vector<RefPtr<IHybridCell>>&, Color background) {
  const int scroll = m_ctrl ? m_ctrl->GetScrollPosition() : 0;
  for (const Rect& gap : m_gaps) canvas.FillRect(gap.Offset(0, -scroll), background);
}

bool CMLSubContent::GetNeighbour(int virtualKey, IHybridCell* from, IHybridCell** out) {
  if (!out) return false;
  *out = nullptr;
  std::vector<RefPtr<IHybridCell>> kids;
  GetChildren(&kids);
  const auto it =
      std::find_if(kids.begin(), kids.end(), [&](const auto& c) { return c.get() == from; });
  if (it == kids.end()) return false;
  const int at = static_cast<int>(it - kids.begin());
  if (virtualKey == kVkLeft) return at > 0 && kids[at - 1].CopyTo(out);
  if (virtualKey == kVkRight)
    return at + 1 < static_cast<int>(kids.size()) && kids[at + 1].CopyTo(out);
  if (virtualKey != kVkUp && virtualKey != kVkDown) return false;

  int row = -1;
  for (size_t r = 0; r < m_rows.size(); ++r)
    if (at >= m_rows[r].first && at < m_rows[r].first + m_rows[r].count) row = static_cast<int>(r);
  const int target = row + (virtualKey == kVkUp ? -1 : 1);
  if (row < 0 || target < 0 || target >= static_cast<int>(m_rows.size())) return false;
  Rect fromRect;
  from->GetRect(&fromRect);
  const int centre = (fromRect.left + fromRect.right) / 2;
  int best = -1;
  int bestDistance = 0;
  const SRowInfo& info = m_rows[target];
  for (int i = info.first; i < info.first + info.count && i < static_cast<int>(kids.size()); ++i) {
    Rect r;
    kids[i]->GetRect(&r);
    const int distance = std::abs((r.left + r.right) / 2 - centre);
    if (best < 0 || distance < bestDistance) {
      best = i;
      bestDistance = distance;
    }
  }
  return best >= 0 && kids[best].CopyTo(out);
}

}  // namespace scalewright
