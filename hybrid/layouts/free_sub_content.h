// CFreeSubContent: each child at a rectangle of its own, relative to the
// owner's client area.
#pragma once

#include <vector>

#include "hybrid/layouts/sub_content.h"

namespace scalewright {

struct SCellInfo {
  Rect rect;  // relative to the owner's client area
  RefPtr<IHybridCell> cell;
};

class CFreeSubContent : public CSubContent, public IFreeHybridSubContent {
 public:
  CFreeSubContent(IHybridCtrl* ctrl, IHybridCell* owner) : CSubContent(ctrl, owner) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override {
    return QueryInterfaceTable<IHybridSubContent, IFreeHybridSubContent>(this, riid, ppv);
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return CSubContent::AddRef(); }
  ULONG STDMETHODCALLTYPE Release() override { return CSubContent::Release(); }

  int GetKind() override { return kLayoutFree; }
  int LayoutChildren() override;
  bool CreateCell(int key, IHybridCell** out, IHybridCell* before) override;
  bool RemoveCell(IHybridCell* cell) override;
  bool IsEmpty() override { return m_cells.empty(); }
  int GetHeight(int width) override;
  int GetWidth() override;
  void RemoveAll() override;
  void GetChildren(std::vector<RefPtr<IHybridCell>>* out) override;

  bool SetCellRect(IHybridCell* cell, int left, int top, int right, int bottom) override;

 private:
  ~CFreeSubContent() override = default;

  std::vector<SCellInfo> m_cells;
};

}  // namespace scalewright
