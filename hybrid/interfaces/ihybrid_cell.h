// IHybridCell: one rectangle of the hybrid control, holding at most one
// content and at most one children layout. Operations in slot order.
#pragma once

#include <cstdint>

#include "hybrid/interfaces/hybrid_bits.h"
#include "hybrid/interfaces/hybrid_fwd.h"
#include "hybrid/interfaces/unknown.h"

namespace scalewright {

struct IHybridCell : public IUnknown {
  virtual void SetContent(IHybridContent* content) = 0;
  // Replaces the content with a new one of the kind named by a template
  // letter; other letters leave the cell without content.
  virtual void CreateContent(char letter) = 0;
  virtual bool GetContent(IHybridContent** out) = 0;
  // The content's letter, 0 without content.
  virtual char GetContentKind() = 0;
  virtual void SetLayout(LayoutSelector selector) = 0;
  virtual void EnsureLayout(int kind) = 0;
  virtual bool GetSubContent(IHybridSubContent** out) = 0;
  // Lays the cell out from its rectangle's left, top and right; returns the
  // bottom, which becomes the rectangle's bottom with commit.
  virtual int Layout(bool commit) = 0;
  virtual int GetHeight(int width, bool ignoreChildren) = 0;
  virtual int GetWidth() = 0;
  // In content coordinates.
  virtual void SetRect(const Rect& rect) = 0;
  // In window coordinates (less the scroll position).
  virtual void GetRect(Rect* out) = 0;
  virtual void GetClientRect(Rect* out) = 0;
  // Point in window coordinates.
  virtual bool HitTest(Point point, IHybridCell** out) = 0;
  virtual void SetStyle(std::uint32_t style) = 0;
  virtual std::uint32_t GetStyle() = 0;
  virtual void SetState(std::uint32_t state) = 0;
  virtual std::uint32_t GetState() = 0;
  virtual void Paint(gfx::Canvas& canvas) = 0;
  virtual void Redraw() = 0;
  // Rubber band in content coordinates; with `extend` (Ctrl held) cells
  // outside the band keep their state.
  virtual void SelectInRect(const Rect& band, bool extend) = 0;
  virtual bool IsSelected() = 0;
  virtual void SetSelected(bool selected) = 0;
  virtual bool FindFocusable(IHybridCell** out) = 0;
  virtual bool IsUnderMouse(bool byHotState) = 0;
  virtual bool GetParentLayout(IHybridSubContent** out) = 0;
  virtual bool GetParentCell(IHybridCell** out) = 0;
  // Tree walk for keyboard navigation: the next (or previous) shown cell in
  // depth-first display order (a parent comes before its children).
  virtual bool WalkTree(bool forward, IHybridCell** out) = 0;
  virtual IHybridCtrl* GetCtrl() = 0;
  virtual void SetNext(IHybridCell* cell) = 0;
  virtual void SetPrev(IHybridCell* cell) = 0;
  virtual bool GetPrev(IHybridCell** out) = 0;
  virtual bool GetNext(IHybridCell** out) = 0;
  virtual void SetCommandId(int id) = 0;
  virtual int GetCommandId() = 0;
  // Byte 0 left, 1 top, 2 right, 3 bottom.
  virtual void SetBorders(std::uint32_t packed) = 0;
  virtual std::uint32_t GetInsets() = 0;
  virtual void Detach() = 0;
  virtual NotifyResult Notify(int code, IHybridCell* source) = 0;
  virtual void SetHandler(IHybridHandler* handler) = 0;
  virtual bool GetHandler(IHybridHandler** out) = 0;
  virtual void SetColor(Color color, bool passOn) = 0;
  virtual Color GetColor() = 0;
  virtual void SetExpanded(bool expand, bool immediate) = 0;
  virtual bool IsVisible() = 0;
  virtual bool IsShown() = 0;
  virtual bool IsEnabled() = 0;
  virtual void SetEnabled(bool enabled) = 0;
  virtual void SetNoSelect(bool noSelect) = 0;
};

HYBRID_DECLARE_IID(IHybridCell, 0x5c3a1e01);

// Byte i of a packed border or inset value.
inline int PackedByte(std::uint32_t packed, int index) {
  return static_cast<int>((packed >> (8 * index)) & 0xFF);
}
inline std::uint32_t PackBytes(int left, int top, int right, int bottom) {
  return static_cast<std::uint32_t>(left & 0xFF) | static_cast<std::uint32_t>(top & 0xFF) << 8 |
         static_cast<std::uint32_t>(right & 0xFF) << 16 |
         static_cast<std::uint32_t>(bottom & 0xFF) << 24;
}

}  // namespace scalewright
