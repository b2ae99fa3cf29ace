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
  m_stacked.clear();
  // Unlink one by one: letting the chain of counted links unwind would
  // recurse once per child.
  RefPtr<IHybridCell> cell = std::move(m_first);
  m_last.reset();
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
  m_stacked.clear();
  m_stacked.reserve(static_cast<size_t>(m_count));
  for (RefPtr<IHybridCell> cell = m_first; cell; cell = NextOf(cell.get())) {
    m_stacked.push_back(cell.get());
    if (!cell->IsShown()) {
      cell->SetRect({area.left, y, area.left, y});  // no room at all
      continue;
    }
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
  if (!cell) return cell;
  m_stacked.clear();  // the order changes before the next layout
  if (before && IsChild(before)) {
    RefPtr<IHybridCell> prev = PrevOf(before);
    cell->SetNext(before);
    cell->SetPrev(prev.get());
    before->SetPrev(cell.get());
    if (prev)
      prev->SetNext(cell.get());
    else
      m_first = cell;
  } else {
    cell->SetPrev(m_last.get());
    if (m_last)
      m_last->SetNext(cell.get());
    else
      m_first = cell;
    m_last = cell;
  }
  ++m_count;
  return cell;
}

bool CVerSubContent::CreateCell(int, IHybridCell** out, IHybridCell* before) {
  RefPtr<IHybridCell> cell = InsertNew(before);
  return cell.CopyTo(out);
}

bool CVerSubContent::RemoveCell(IHybridCell* cell) {
  if (!IsChild(cell)) return false;
  m_stacked.clear();
  RefPtr<IHybridCell> keep(cell);
  RefPtr<IHybridCell> prev = PrevOf(cell);
  RefPtr<IHybridCell> next = NextOf(cell);
  if (prev)
    prev->SetNext(next.get());
  else
    m_first = next;
  if (next)
    next->SetPrev(prev.get());
  else
    m_last = prev;
  cell->SetNext(nullptr);
  cell->SetPrev(nullptr);
  --m_count;
  cell->Detach();
  if (m_ctrl) m_ctrl->RequestLayout(false);
  return true;
}

void CVerSubContent::RemoveAll() {
  m_stacked.clear();
  RefPtr<IHybridCell> cell = std::move(m_first);
  m_last.reset();
  m_count = 0;
  while (cell) {
    RefPtr<IHybridCell> next = NextOf(cell.get());
    cell->SetNext(nullptr);
    cell->SetPrev(nullptr);
    cell->Detach();
    cell = std::move(next);
  }
}

int CVerSubContent::GetHeight(int width) {
  const int available = width - m_leftIndent - m_rightIndent;
  int height = 0;
  for (RefPtr<IHybridCell> cell = m_first; cell; cell = NextOf(cell.get()))
    height += cell->GetHeight(available, false);
  return height;
}

int CVerSubContent::GetWidth() {
  int width = 0;
  for (RefPtr<IHybridCell> cell = m_first; cell; cell = NextOf(cell.get()))
    width = std::max(width, cell->GetWidth());
  return width + m_leftIndent + m_rightIndent;
}

void CVerSubContent::ChildrenToDraw(const Rect& clip, std::vector<RefPtr<IHybridCell>>* kids,
                                    int* lowest) {
  if (m_stacked.empty() || m_stacked.size() != static_cast<size_t>(m_count)) {
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
  *lowest = std::max(*lowest, BottomOf(m_stacked.back()));
  auto it = std::partition_point(m_stacked.begin(), m_stacked.end(),
                                 [&](IHybridCell* cell) { return BottomOf(cell) <= clip.top; });
  kids->clear();
  for (; it != m_stacked.end(); ++it) {
    Rect r;
    (*it)->GetRect(&r);
    if (r.top >= clip.bottom) break;
    kids->emplace_back(*it);
  }
}

bool CVerSubContent::HitTest(Point point, IHybridCell** out) {
  if (m_stacked.empty() || m_stacked.size() != static_cast<size_t>(m_count))
    return CSubContent::HitTest(point, out);
  if (!out) return false;
  *out = nullptr;
  if (!m_owner) return false;
  Rect ownerRect;
  m_owner->GetRect(&ownerRect);
  if (!ownerRect.Contains(point)) return false;
  // A child is hit only inside its own rectangle (its children do not
  // reach out of it), and the stacked rectangles do not overlap: only the
  // child whose rows hold the point can answer.
  auto it = std::partition_point(m_stacked.begin(), m_stacked.end(), [&](IHybridCell* cell) {
    Rect r;
    cell->GetRect(&r);
    return r.bottom <= point.y;
  });
  for (; it != m_stacked.end(); ++it) {
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
  out->reserve(static_cast<size_t>(m_count));
  for (RefPtr<IHybridCell> cell = m_first; cell; cell = NextOf(cell.get())) out->push_back(cell);
}

}  // namespace scalewright
