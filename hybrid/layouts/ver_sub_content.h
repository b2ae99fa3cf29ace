// CVerSubContent: children one below the other, full width, no gaps; the
// default children layout. Children are chained through the cells' next and
// previous links.
#pragma once

#include <vector>

#include "hybrid/layouts/sub_content.h"

namespace scalewright {

class CVerSubContent : public CSubContent {
 public:
  CVerSubContent(IHybridCtrl* ctrl, IHybridCell* owner) : CSubContent(ctrl, owner) {}

  int GetKind() override { return kLayoutVertical; }
  int LayoutChildren() override;
  bool CreateCell(int key, IHybridCell** out, IHybridCell* before) override;
  bool RemoveCell(IHybridCell* cell) override;
  bool IsEmpty() override { return !m_first; }
  int GetHeight(int width) override;
  int GetWidth() override;
  void RemoveAll() override;
  void GetChildren(std::vector<RefPtr<IHybridCell>>* out) override;
  bool HitTest(Point point, IHybridCell** out) override;

 protected:
  ~CVerSubContent() override;
  // Once laid out one below the other, the children's tops and bottoms
  // grow in order: the ones in a clip are found by halving.
  void ChildrenToDraw(const Rect& clip, std::vector<RefPtr<IHybridCell>>* kids,
                      int* lowest) override;
  // Inserts a new cell before `before` (appends when null or not a child);
  // null when the cell would lie too deep.
  RefPtr<IHybridCell> InsertNew(IHybridCell* before);
  bool IsChild(IHybridCell* cell);

  RefPtr<IHybridCell> m_first;
  RefPtr<IHybridCell> m_last;
  int m_count = 0;
  // The children in order as the last vertical layout placed them; empty
  // (and unused) once the chain changed since, or for a derived layout that
  // places them otherwise. The chain's links keep them alive.
  std::vector<IHybridCell*> m_stacked;
};

}  // namespace scalewright
