// CMLSubContent: children flow left to right and wrap into rows like words;
// with the justify flag each row is spread over the full width. The free
// space right of each row is kept as a gap rectangle for painting.
#pragma once

#include <vector>

#include "hybrid/layouts/ver_sub_content.h"

namespace scalewright {

struct SRowInfo {
  int first = 0;  // index of the row's first cell in display order
  int count = 0;
  int top = 0;
  int bottom = 0;
};

class CMLSubContent : public CVerSubContent {
 public:
  CMLSubContent(IHybridCtrl* ctrl, IHybridCell* owner, bool justify)
      : CVerSubContent(ctrl, owner), m_justify(justify) {}

  int GetKind() override { return kLayoutFlow; }
  int LayoutChildren() override;
  int GetHeight(int width) override;
  // Left and Right: the previous and next cell in display order, across
  // rows. Up and Down: the cell of the row above or below whose horizontal
  // centre is nearest to the centre of `from` (the leftmost on a tie).
  bool GetNeighbour(int virtualKey, IHybridCell* from, IHybridCell** out) override;

  const std::vector<SRowInfo>& Rows() const { return m_rows; }
  const std::vector<Rect>& Gaps() const { return m_gaps; }

 protected:
  void FillAroundChildren(gfx::Canvas& canvas, const Rect& area,
                          const std::vector<RefPtr<IHybridCell>>& kids, Color background) override;

 private:
  ~CMLSubContent() override = default;
  // Flows the children into `area`; with `place` the cells get their
  // rectangles and the rows and gaps are recorded. Returns the bottom.
  int Flow(const Rect& area, bool place);

  std::vector<SRowInfo> m_rows;
  std::vector<Rect> m_gaps;  // content coordinates
  bool m_justify;
};

}  // namespace scalewright
