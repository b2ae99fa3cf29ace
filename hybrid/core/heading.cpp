#include "hybrid/core/heading.h"

#include <algorithm>

#include "hybrid/interfaces/ihybrid_ctrl.h"

namespace scalewright {

HRESULT CHeading::QueryInterface(REFIID riid, void** ppv) {
  return QueryInterfaceTable<IHybridHeading>(this, riid, ppv);
}

void CHeading::InsertColumn(int index, int width) {
  // An index past the end appends, one before the start inserts first.
  const int at = std::clamp(index, 0, GetColumnCount());
  items_.insert(items_.begin() + at, SItem{width, width});
}

void CHeading::SetColumnWidth(int index, int width) {
  if (!Valid(index) || items_[index].width == width) return;
  items_[index].width = width;
  if (ctrl_) ctrl_->RequestLayout(false);
}

int CHeading::GetColumnWidth(int index) {
  return Valid(index) ? items_[index].width : 0;
}

int CHeading::GetTotalWidth() {
  int total = 0;
  for (const SItem& item : items_) total += item.width;
  return total;
}

void CHeading::SetColumnPercent(int index, int percent) {
  if (!Valid(index) || items_[index].percent == percent) return;
  items_[index].percent = percent;
  if (ctrl_) ctrl_->RequestLayout(false);
}

int CHeading::GetColumnPercent(int index) {
  return Valid(index) ? items_[index].percent : 0;
}

}  // namespace scalewright
