// IHybridHeading: the column widths (and percentages) that a heading layout
// places cells in. Slot order.
#pragma once

#include "hybrid/interfaces/unknown.h"

namespace scalewright {

struct IHybridHeading : public IUnknown {
  // Width and percentage both take `width`.
  virtual void InsertColumn(int index, int width) = 0;
  virtual int GetColumnCount() = 0;
  virtual void SetColumnWidth(int index, int width) = 0;
  // 0 for an index outside the columns.
  virtual int GetColumnWidth(int index) = 0;
  virtual int GetTotalWidth() = 0;
  virtual void SetColumnPercent(int index, int percent) = 0;
  virtual int GetColumnPercent(int index) = 0;
};

HYBRID_DECLARE_IID(IHybridHeading, 0x5c3a1e06);

}  // namespace scalewright
