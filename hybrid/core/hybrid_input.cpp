// CHybridCore's input side, the part mouse and keyboard share: the window
// focus, the Tab list, selection by click and the helpers that keep the
// input state pointing at cells of this control's tree.
#include <algorithm>

#include "hybrid/core/hybrid_core.h"
#include "hybrid/interfaces/ihybrid_content.h"
#include "hybrid/interfaces/ihybrid_sub_content.h"

namespace scalewright {

namespace {

// Top first, then left: the order a reader meets two cells in.
bool ComesBefore(IHybridCell* a, IHybridCell* b) {
  Rect ra, rb;
  a->GetRect(&ra);
  b->GetRect(&rb);
  return ra.top < rb.top || (ra.top == rb.top && ra.left < rb.left);
}

}  // namespace

bool CHybridCore::InTree(IHybridCell* cell) const {
  if (!cell || !m_root || cell->GetCtrl() != this) return false;
  RefPtr<IHybridCell> top(cell);
  for (RefPtr<IHybridCell> parent; top->GetParentCell(parent.put());) top = std::move(parent);
  return top.get() == m_root.get();
}

NotifyResult CHybridCore::NotifyFrom(IHybridCell* cell, int code) {
  if (!cell) return Notify(code, nullptr);
  RefPtr<IHybridCell> keep(cell);  // a receiver may take it out of the tree
  return cell->Notify(code, cell);
}

std::vector<RefPtr<IHybridCell>> CHybridCore::TabList() {
  std::vector<RefPtr<IHybridCell>> list;
  if (!m_root) return list;
  RefPtr<IHybridCell> cell;
  for (m_root->WalkTree(true, cell.put()); cell;) {
    RefPtr<IHybridContent> content;
    if (cell->GetContent(content.put()) && content->IsFocusable() && content->IsEnabled())
      list.push_back(cell);
    RefPtr<IHybridCell> next;
    cell->WalkTree(true, next.put());
    cell = std::move(next);
  }
  return list;
}

void CHybridCore::SelectByClick(IHybridCell* cell, bool ctrl, bool shift) {
  RefPtr<IHybridCell> keep(cell);
  if (!ctrl && !shift && !cell->IsSelected()) ClearSelection();
  // Shift extends from the anchor, which stays where it is.
  RefPtr<IHybridCell> from = m_anchor;
  const bool range = shift && from && from.get() != cell && InTree(from.get());
  if (!range) m_anchor = keep;
  cell->SetSelected(ctrl ? !cell->IsSelected() : true);
  // The selection's receivers may have taken the cell out of the tree.
  if (!InTree(cell)) return;
  SetFocusCell(cell, false);
  if (range) SelectRange(from.get(), cell);
}

void CHybridCore::SelectRange(IHybridCell* from, IHybridCell* to) {
  RefPtr<IHybridSubContent> parent;
  if (!from->GetParentLayout(parent.put())) return;
  std::vector<RefPtr<IHybridCell>> siblings;
  parent->GetChildren(&siblings);
  if (!ComesBefore(from, to)) std::reverse(siblings.begin(), siblings.end());
  const auto first = std::find(siblings.begin(), siblings.end(), from);
  const auto last = std::find(first, siblings.end(), to);
  if (last == siblings.end()) return;  // not a sibling of the anchor
  for (auto it = first; it != last + 1; ++it)
    if (((*it)->GetStyle() & kStyleClickable) && (*it)->IsShown()) (*it)->SetSelected(true);
}

void CHybridCore::OnSetFocus() {
  if (m_focus) return;
  const std::vector<RefPtr<IHybridCell>> list = TabList();
  if (list.empty()) return;
  const bool shift = m_platform.IsKeyDown(kVkShift);
  SetFocusCell((shift ? list.back() : list.front()).get(), false);
}

void CHybridCore::OnKillFocus(bool toSibling) {
  // Within the dialog the focus cell goes; a trip to another window (a
  // message box, another application) finds it again on return.
  if (toSibling) SetFocusCell(nullptr, false);
}

}  // namespace scalewright
