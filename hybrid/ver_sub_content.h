// CVerSubContent: children one below the other, full width, no gaps; the
// default children layout. Children are chained through the cells' next and
// previous links.
#pragma once

#include "hybrid/sub_content.h"

namespace scalewright {

class CVerSubContent : public CSubContent {
 public:
  CVerSubContent(IHybridCtrl* ctrl, IHybridCell* owner)
      : CSubContent(ctrl, owner) {}

  int GetKind() override { return kLayoutVertical; }
  int LayoutChildren() override;
  bool CreateCell(int key, IHybridCell** out, IHybridCell* before) override;
  bool RemoveCell(IHybridCell* cell) override;
  bool IsEmpty() override { return !first_; }
  int GetHeight(int width) override;
  int GetWidth() override;
  void RemoveAll() override;
  void GetChildren(std::vector<RefPtr<IHybridCell>>* out) override;

 protected:
  ~CVerSubContent() override;
  // Inserts a new cell before `before` (appends when null or not a child).
  RefPtr<IHybridCell> InsertNew(IHybridCell* before);
  bool IsChild(IHybridCell* cell);

  RefPtr<IHybridCell> first_;
  RefPtr<IHybridCell> last_;
  int count_ = 0;
};

}  // namespace scalewright
