// IHybridSubContent: a children layout that holds and places a cell's
// children; IFreeHybridSubContent adds free positions. Slot order.
#pragma once

#include <vector>

#include "hybrid/interfaces/hybrid_bits.h"
#include "hybrid/interfaces/hybrid_fwd.h"
#include "hybrid/interfaces/ref_ptr.h"
#include "hybrid/interfaces/unknown.h"

namespace scalewright {

// Operation applied to every child (ForEachChild).
using ChildOperation = void (*)(IHybridCell* child, void* context);

// The deepest a cell may lie below its tree's root (the root's children
// are at level 1). Layout, painting, hit testing and detaching recurse once
// per level; below this CreateCell refuses, so that no chain of template
// calls can make the recursion run out of stack.
constexpr int kMaxCellDepth = 256;

struct IHybridSubContent : public IUnknown {
  virtual int GetKind() = 0;
  // Places the children in the owner's children area; returns the bottom.
  virtual int LayoutChildren() = 0;
  virtual void Draw(gfx::Canvas& canvas, bool fillBelow) = 0;
  // Key: column in a heading layout, ignored by the others. Before: a
  // sibling to insert in front of (vertical and flow layouts).
  virtual bool CreateCell(int key, IHybridCell** out, IHybridCell* before) = 0;
  virtual void SelectAll(bool select) = 0;
  virtual bool RemoveCell(IHybridCell* cell) = 0;
  virtual bool IsEmpty() = 0;
  // Point in window coordinates.
  virtual bool HitTest(Point point, IHybridCell** out) = 0;
  virtual void SelectInRect(const Rect& band, bool extend) = 0;
  virtual void ForEachChild(ChildOperation op, void* context) = 0;
  virtual bool GetOwner(IHybridCell** out) = 0;
  virtual int GetHeight(int width) = 0;
  virtual int GetWidth() = 0;
  virtual bool GetHeading(IHybridHeading** out) = 0;
  virtual int GetChildCount() = 0;
  virtual bool GetChild(int index, IHybridCell** out) = 0;
  virtual void RemoveAll() = 0;
  virtual void SetLeftIndent(int pixels) = 0;
  virtual int GetLeftIndent() = 0;
  virtual int GetRightIndent() = 0;
  virtual void SetRightIndent(int pixels) = 0;
  virtual void GetChildren(std::vector<RefPtr<IHybridCell>>* out) = 0;
  // Neighbour of `from` for an arrow key; only the flow layout answers.
  virtual bool GetNeighbour(int virtualKey, IHybridCell* from, IHybridCell** out) = 0;
  // Forgets the owner (and the control) when it leaves the control: owner
  // and layout count each other, and this breaks the cycle.
  virtual void ReleaseOwner() = 0;
};

HYBRID_DECLARE_IID(IHybridSubContent, 0x5c3a1e03);

struct IFreeHybridSubContent : public IUnknown {
  // Rectangle relative to the owner's client area.
  virtual bool SetCellRect(IHybridCell* cell, int left, int top, int right, int bottom) = 0;
};

HYBRID_DECLARE_IID(IFreeHybridSubContent, 0x5c3a1e04);

}  // namespace scalewright
