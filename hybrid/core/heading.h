// CHeading: the columns of a heading layout, each a pixel width and a
// percentage. Bound to its control, which lays out again when a column
// changes; once the control has gone the columns still change, with
// nothing to lay out. Starts at a count of 0, counted by whoever stores it.
#pragma once

#include <vector>

#include "hybrid/interfaces/com_object.h"
#include "hybrid/interfaces/hybrid_fwd.h"
#include "hybrid/interfaces/ihybrid_ctrl.h"
#include "hybrid/interfaces/ihybrid_heading.h"

namespace scalewright {

struct SItem {
  int width = 0;
  int percent = 0;
};

class CHeading final : public IHybridHeading, private IHybridCtrlBound {
 public:
  explicit CHeading(IHybridCtrl* ctrl);

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override;
  HYBRID_IMPLEMENT_REFCOUNT()

  void InsertColumn(int index, int width) override;
  int GetColumnCount() override { return static_cast<int>(m_items.size()); }
  void SetColumnWidth(int index, int width) override;
  int GetColumnWidth(int index) override;
  int GetTotalWidth() override;
  void SetColumnPercent(int index, int percent) override;
  int GetColumnPercent(int index) override;

 private:
  ~CHeading();
  void ForgetCtrl() override { m_ctrl = nullptr; }
  bool Valid(int index) const { return index >= 0 && index < static_cast<int>(m_items.size()); }

  std::vector<SItem> m_items;
  IHybridCtrl* m_ctrl;  // not counted; null once the control has gone
  RefCount m_refs{0};
};

}  // namespace scalewright
