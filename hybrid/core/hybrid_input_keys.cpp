// CHybridCore's keyboard input: Tab moves through the focusable cells and
// on to the dialog's other controls, the focused cell and its ancestors may
// take any key, and the paging keys and arrows move the anchor, the focus
// and the selection.
#include <algorithm>
#include <cstdlib>

#include "hybrid/core/hybrid_core.h"
#include "hybrid/interfaces/ihybrid_content.h"
#include "hybrid/interfaces/ihybrid_sub_content.h"

namespace scalewright {

namespace {

int TopOf(IHybridCell* cell) {
  Rect r;
  cell->GetRect(&r);
  return r.top;
}

}  // namespace

bool CHybridCore::OnKeyDown(int virtualKey, std::uint32_t keyData) {
  const bool shift = m_platform.IsKeyDown(kVkShift);
  const bool ctrl = m_platform.IsKeyDown(kVkControl);
  const bool alt = m_platform.IsKeyDown(kVkMenu);
  if (virtualKey == kVkTab && !ctrl) return MoveFocusByTab(shift);
  if (OfferKey(virtualKey, keyData)) return true;
  // Ctrl with the paging keys belongs to the dialog (Ctrl+Page Down turns
  // property sheet pages).
  if (ctrl) return false;
  switch (virtualKey) {
    case kVkPrior:
    case kVkNext:
    case kVkHome:
    case kVkEnd:
      return WalkSiblings(virtualKey, shift, alt);
    case kVkLeft:
    case kVkRight:
    case kVkUp:
    case kVkDown:
      return MoveByArrow(virtualKey, shift, alt);
    default:
      return false;
  }
}

void CHybridCore::OnKeyUp(int virtualKey, std::uint32_t keyData) {
  RefPtr<IHybridContent> content;
  if (RefPtr<IHybridCell> focus = m_focus;
      focus && focus->GetContent(content.put()) && content->IsEnabled())
    content->OnKeyUp(virtualKey, keyData);
}

bool CHybridCore::OfferKey(int virtualKey, std::uint32_t keyData) {
  RefPtr<IHybridCell> cell = m_focus;
  while (cell) {
    // A cell disabled while it had the focus keeps it but takes no keys,
    // as it takes no clicks.
    RefPtr<IHybridContent> content;
    if (cell->GetContent(content.put()) && content->IsEnabled() &&
        content->OnKeyDown(virtualKey, keyData))
      return true;
    RefPtr<IHybridCell> parent;
    cell->GetParentCell(parent.put());
    cell = std::move(parent);
  }
  return false;
}

bool CHybridCore::MoveFocusByTab(bool backward) {
  const std::vector<RefPtr<IHybridCell>> list = TabList();
  const auto at = std::find(list.begin(), list.end(), m_focus.get());
  if (list.empty()) {
    m_host.FocusNextTabStop(backward);
    return true;
  }
  RefPtr<IHybridCell> target;
  if (at == list.end())
    target = list.front();
  else if (!backward && at + 1 != list.end())
    target = *(at + 1);
  else if (backward && at != list.begin())
    target = *(at - 1);
  if (!target) {
    // Past the end: on to the dialog's next control, or round again when
    // the control is the dialog's only stop.
    SetFocusCell(nullptr, false);
    if (m_host.FocusNextTabStop(backward)) return true;
    target = backward ? list.back() : list.front();
  }
  SetFocusCell(target.get(), false);
  EnsureVisible(target.get());
  return true;
}

bool CHybridCore::WalkSiblings(int virtualKey, bool shift, bool alt) {
  RefPtr<IHybridCell> start = m_anchor;
  if (!start || !InTree(start.get())) return false;
  RefPtr<IHybridSubContent> parent;
  if (!start->GetParentLayout(parent.put())) return false;
  std::vector<RefPtr<IHybridCell>> cells;
  parent->GetChildren(&cells);
  std::erase_if(cells, [&](const RefPtr<IHybridCell>& c) {
    return c != start.get() && (!(c->GetStyle() & kStyleClickable) || !c->IsShown());
  });
  const int from =
      static_cast<int>(std::find(cells.begin(), cells.end(), start.get()) - cells.begin());
  const bool forward = virtualKey == kVkNext || virtualKey == kVkEnd;
  const bool page = virtualKey == kVkPrior || virtualKey == kVkNext;
  const int step = forward ? 1 : -1;
  const int height = LayoutClientSize().cy;
  const int startTop = TopOf(start.get());
  int to = from;
  for (int i = from + step; i >= 0 && i < static_cast<int>(cells.size()); i += step) {
    if (page && std::abs(TopOf(cells[i].get()) - startTop) > height) break;
    to = i;
  }

  const bool extend = shift && !m_singleSelection;
  if (extend) {
    const int low = std::min(from, to), high = std::max(from, to);
    for (int i = 0; i < static_cast<int>(cells.size()); ++i) {
      if (i >= low && i <= high)
        cells[i]->SetSelected(true);
      else if (forward ? i < from : i > from)
        cells[i]->SetSelected(false);
    }
  }
  if (!alt) MoveAnchorTo(cells[to].get(), extend);
  return true;
}

bool CHybridCore::MoveByArrow(int virtualKey, bool shift, bool alt) {
  RefPtr<IHybridCell> from = m_focus ? m_focus : m_anchor;
  RefPtr<IHybridSubContent> parent;
  if (!from || !from->GetParentLayout(parent.put())) return false;
  RefPtr<IHybridCell> next;
  if (!parent->GetNeighbour(virtualKey, from.get(), next.put())) return false;
  if (!alt) MoveAnchorTo(next.get(), shift && !m_singleSelection);
  return true;
}

void CHybridCore::MoveAnchorTo(IHybridCell* cell, bool extend) {
  // The notifications of a range selected on the way may have taken the
  // cell out of the tree.
  if (!(cell->GetStyle() & kStyleClickable) || !InTree(cell)) return;
  RefPtr<IHybridCell> keep(cell);
  m_anchor = keep;
  SetFocusCell(cell, false);
  if (!extend) ClearSelection();
  cell->SetSelected(true);
  // And so may its own selection's: then there is nothing to scroll to.
  if (InTree(cell)) EnsureVisible(cell);
}

}  // namespace scalewright
