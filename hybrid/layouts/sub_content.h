// CSubContent: what every children layout shares: indents, the control, the
// owner cell, the children area, hit testing, selection and the drawing of
// the owner's background around the children. The kinds differ in how they
// store and place their children.
#pragma once

#include <vector>

#include "hybrid/interfaces/com_object.h"
#include "hybrid/interfaces/ihybrid_cell.h"
#include "hybrid/interfaces/ihybrid_sub_content.h"
#include "hybrid/interfaces/ref_ptr.h"

namespace scalewright {

class CSubContent : public IHybridSubContent {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override {
    return QueryInterfaceTable<IHybridSubContent>(this, riid, ppv);
  }
  HYBRID_IMPLEMENT_REFCOUNT()

  void Draw(gfx::Canvas& canvas, bool fillBelow) override;
  void SelectAll(bool select) override;
  bool HitTest(Point point, IHybridCell** out) override;
  void SelectInRect(const Rect& band, bool extend) override;
  void ForEachChild(ChildOperation op, void* context) override;
  bool GetOwner(IHybridCell** out) override { return m_owner.CopyTo(out); }
  bool GetHeading(IHybridHeading** out) override;
  int GetChildCount() override { return 0; }
  bool GetChild(int index, IHybridCell** out) override;
  void SetLeftIndent(int pixels) override;
  int GetLeftIndent() override { return m_leftIndent; }
  int GetRightIndent() override { return m_rightIndent; }
  void SetRightIndent(int pixels) override;
  bool GetNeighbour(int virtualKey, IHybridCell* from, IHybridCell** out) override;
  void ReleaseOwner() override {
    m_owner.reset();
    m_ctrl = nullptr;  // gone with the owner: the control may go first
  }

 protected:
  CSubContent(IHybridCtrl* ctrl, IHybridCell* owner) : m_ctrl(ctrl), m_owner(owner) {}
  virtual ~CSubContent() = default;

  // The owner's client rectangle with the indents, in window coordinates
  // (content coordinates while the control lays out).
  Rect ChildrenArea();
  Color OwnerBackground();
  // Whether a child would lie no deeper than kMaxCellDepth below the root.
  bool HasRoomForChild();
  // The new cell, bound to the control and this layout and registered;
  // null when it would lie too deep.
  RefPtr<IHybridCell> NewCell();
  // The children that may reach into |clip|, and in |lowest| (which comes
  // in as the area's top) the lowest bottom of all children. The base
  // hands out every child; a layout that knows its children's order may
  // leave out those outside the clip.
  virtual void ChildrenToDraw(const Rect& clip, std::vector<RefPtr<IHybridCell>>* kids,
                              int* lowest);
  // Fills the owner's background where no child paints: the indents, and
  // around each child; the flow layout supplies its own gaps instead.
  virtual void FillAroundChildren(gfx::Canvas& canvas, const Rect& area,
                                  const std::vector<RefPtr<IHybridCell>>& kids, Color background);

  IHybridCtrl* m_ctrl;  // not counted; null once the owner left
  RefPtr<IHybridCell> m_owner;
  int m_leftIndent = 0;
  int m_rightIndent = 0;

 private:
  RefCount m_refs{0};
};

// Places a cell of height `height` in a row by the cell's alignment field;
// returns its top.
int AlignInRow(std::uint32_t style, int rowTop, int rowBottom, int height, int* placedHeight);

}  // namespace scalewright
