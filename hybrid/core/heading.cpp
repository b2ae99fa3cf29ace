#include "hybrid/core/heading.h"

#include <algorithm>
#include <limits>

#include "hybrid/interfaces/ihybrid_ctrl.h"

namespace scalewright {

CHeading::CHeading(IHybridCtrl* ctrl) : m_ctrl(ctrl) {
  if (m_ctrl) m_ctrl->Bind(this);
}

CHeading::~CHeading() {
  if (m_ctrl) m_ctrl->Unbind(this);
}

HRESULT CHeading::QueryInterface(REFIID riid, void** ppv) {
  return QueryInterfaceTable<IHybridHeading>(this, riid, ppv);
}

void CHeading::InsertColumn(int index, int width) {
  // An index past the end appends, one before the start inserts first.
  const int at = std::clamp(index, 0, GetColumnCount());
  m_items.insert(m_items.begin() + at, SItem{width, width});
  // The rows that follow this heading place their cells again.
  if (m_ctrl) m_ctrl->SizesMayHaveChanged();
}

void CHeading::SetColumnWidth(int index, int width) {
  if (!Valid(index) || m_items[index].width == width) return;
  m_items[index].width = width;
  if (m_ctrl) m_ctrl->RequestLayout(false);
}

int CHeading::GetColumnWidth(int index) { return Valid(index) ? m_items[index].width : 0; }

int CHeading::GetTotalWidth() {
  long long total = 0;
  for (const SItem& item : m_items) total += item.width;
  return static_cast<int>(std::clamp<long long>(total, std::numeric_limits<int>::min(),
                                                std::numeric_limits<int>::max()));
}

void CHeading::SetColumnPercent(int index, int percent) {
  if (!Valid(index) || m_items[index].percent == percent) return;
  m_items[index].percent = percent;
  if (m_ctrl) m_ctrl->RequestLayout(false);
}

int CHeading::GetColumnPercent(int index) { return Valid(index) ? m_items[index].percent : 0; }

}  // namespace scalewright
