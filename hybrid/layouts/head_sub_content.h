// CHeadSubContent: one row of cells placed in the columns of a heading, a
// cell per column index. With the owner's percent bit the column widths are
// worked out from the percentages and the fixed-column bits.
#pragma once

#include <vector>

#include "hybrid/interfaces/ihybrid_heading.h"
#include "hybrid/layouts/sub_content.h"

namespace scalewright {

// Column keys beyond this are refused: a stray key must not grow the array
// without bound.
constexpr int kMaxHeadingColumns = 1024;

class CHeadSubContent : public CSubContent {
 public:
  CHeadSubContent(IHybridCtrl* ctrl, IHybridCell* owner, IHybridHeading* heading)
      : CSubContent(ctrl, owner), m_heading(heading) {}

  int GetKind() override { return kLayoutHeading; }
  int LayoutChildren() override;
  bool CreateCell(int key, IHybridCell** out, IHybridCell* before) override;
  bool RemoveCell(IHybridCell* cell) override;
  bool IsEmpty() override;
  int GetHeight(int width) override;
  int GetWidth() override;
  bool GetHeading(IHybridHeading** out) override { return m_heading.CopyTo(out); }
  int GetChildCount() override { return static_cast<int>(m_cells.size()); }
  bool GetChild(int index, IHybridCell** out) override;
  void RemoveAll() override;
  void GetChildren(std::vector<RefPtr<IHybridCell>>* out) override;

  // The width of each column for a children area of `available` pixels.
  std::vector<int> ColumnWidths(int available);

 private:
  ~CHeadSubContent() override = default;
  // x and width of column i inside the area, trimmed by the owner's insets
  // at the outer edges so that columns stay on the heading's grid.
  struct Column {
    int x;
    int width;
  };
  std::vector<Column> Columns(const Rect& area);

  RefPtr<IHybridHeading> m_heading;
  std::vector<RefPtr<IHybridCell>> m_cells;
};

}  // namespace scalewright
