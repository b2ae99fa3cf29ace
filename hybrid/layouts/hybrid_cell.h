// CHybridCell: one rectangle of the control's tree, with at most one content
// and at most one children layout. Counted by whoever stores it (its parent
// layout, or the control for the root); starts at 0.
#pragma once

#include <cstddef>
#include <cstdint>

#include "hybrid/contents/block_pool.h"
#include "hybrid/interfaces/com_object.h"
#include "hybrid/interfaces/ihybrid_cell.h"
#include "hybrid/interfaces/ihybrid_content.h"
#include "hybrid/interfaces/ihybrid_handler.h"
#include "hybrid/interfaces/ihybrid_sub_content.h"
#include "hybrid/interfaces/ref_ptr.h"

namespace scalewright {

class CHybridCell final : public IHybridCell {
 public:
  // `parent` is null for the root; the colour comes from the parent's owner
  // (or the control's background for the root).
  CHybridCell(IHybridCtrl* ctrl, IHybridSubContent* parent);
  // A list makes its cells by the thousand (block_pool.h).
  static void* operator new(std::size_t size) { return CBlockPool<CHybridCell>::Allocate(size); }
  static void operator delete(void* block, std::size_t size) noexcept {
    CBlockPool<CHybridCell>::Free(block, size);
  }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override;
  HYBRID_IMPLEMENT_REFCOUNT()

  void SetContent(IHybridContent* content) override;
  void CreateContent(char letter) override;
  bool GetContent(IHybridContent** out) override;
  char GetContentKind() override;
  void SetLayout(LayoutSelector selector) override;
  void EnsureLayout(int kind) override;
  bool GetSubContent(IHybridSubContent** out) override;
  int Layout(bool commit) override;
  int GetHeight(int width, bool ignoreChildren) override;
  int GetWidth() override;
  void SetRect(const Rect& rect) override;
  void GetRect(Rect* out) override;
  void GetClientRect(Rect* out) override;
  bool HitTest(Point point, IHybridCell** out) override;
  void SetStyle(std::uint32_t style) override;
  std::uint32_t GetStyle() override { return m_style; }
  void SetState(std::uint32_t state) override;
  std::uint32_t GetState() override { return m_state; }
  void Paint(gfx::Canvas& canvas) override;
  void Redraw() override;
  void SelectInRect(const Rect& band, bool extend) override;
  bool IsSelected() override { return (m_state & kStateSelected) != 0; }
  void SetSelected(bool selected) override;
  bool FindFocusable(IHybridCell** out) override;
  bool IsUnderMouse(bool byHotState) override;
  bool GetParentLayout(IHybridSubContent** out) override;
  bool GetParentCell(IHybridCell** out) override;
  bool WalkTree(bool forward, IHybridCell** out) override;
  IHybridCtrl* GetCtrl() override { return m_ctrl; }
  // Another neighbour is another place in a stack.
  void SetNext(IHybridCell* cell) override {
    m_next = RefPtr<IHybridCell>(cell);
    SizeMayHaveChanged();
  }
  void SetPrev(IHybridCell* cell) override {
    m_prev = RefPtr<IHybridCell>(cell);
    SizeMayHaveChanged();
  }
  bool GetPrev(IHybridCell** out) override { return m_prev.CopyTo(out); }
  bool GetNext(IHybridCell** out) override { return m_next.CopyTo(out); }
  void SetCommandId(int id) override { m_commandId = id; }
  int GetCommandId() override { return m_commandId; }
  void SetBorders(std::uint32_t packed) override;
  std::uint32_t GetInsets() override;
  void Detach() override;
  NotifyResult Notify(int code, IHybridCell* source) override;
  void SetHandler(IHybridHandler* handler) override;
  bool GetHandler(IHybridHandler** out) override { return m_handler.CopyTo(out); }
  void SetColor(Color color, bool passOn) override;
  Color GetColor() override { return m_color; }
  void SetExpanded(bool expand, bool immediate) override;
  bool IsVisible() override { return (m_state & kStateVisible) != 0; }
  bool IsShown() override { return IsVisible() && (m_state & kStateCollapsed) == 0; }
  bool IsEnabled() override { return (m_state & kStateDisabled) == 0; }
  void SetEnabled(bool enabled) override;
  void SetNoSelect(bool noSelect) override;

 private:
  ~CHybridCell() = default;

  bool HasFocusFrame() const {
    return (m_style & kStyleClickable) && !(m_style & kStyleNoFocusFrame);
  }
  void DropLayout();
  // A style, state or border change may resize the cell (focus frame,
  // text placement, hidden or collapsed): the next layout measures again.
  void SizeMayHaveChanged();
  // Tells the handler the cell's size when it changed since last told.
  void ReportSize();

  IHybridCtrl* m_ctrl;  // not counted; null once the cell left the tree
  RefPtr<IHybridSubContent> m_parent;
  RefPtr<IHybridCell> m_next;
  RefPtr<IHybridCell> m_prev;
  RefPtr<IHybridContent> m_content;
  RefPtr<IHybridSubContent> m_children;
  RefPtr<IHybridHandler> m_handler;
  std::uint32_t m_style = kDefaultCellStyle;
  std::uint32_t m_state = kDefaultCellState;
  int m_commandId = 0;
  std::uint32_t m_borders = 0;
  Color m_color;
  Rect m_rect;
  Size m_reported;
  RefCount m_refs{0};
};

}  // namespace scalewright
