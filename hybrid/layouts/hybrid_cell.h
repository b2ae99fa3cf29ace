// CHybridCell: one rectangle of the control's tree, with at most one content
// and at most one children layout. Counted by whoever stores it (its parent
// layout, or the control for the root); starts at 0.
#pragma once

#include <cstdint>

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
  void SetStyle(std::uint32_t style) override { style_ = style; }
  std::uint32_t GetStyle() override { return style_; }
  void SetState(std::uint32_t state) override { state_ = state; }
  std::uint32_t GetState() override { return state_; }
  void Paint(gfx::Canvas& canvas) override;
  void Redraw() override;
  void SelectInRect(const Rect& band, bool extend) override;
  bool IsSelected() override { return (state_ & kStateSelected) != 0; }
  void SetSelected(bool selected) override;
  bool FindFocusable(IHybridCell** out) override;
  bool IsUnderMouse(bool byHotState) override;
  bool GetParentLayout(IHybridSubContent** out) override;
  bool GetParentCell(IHybridCell** out) override;
  bool WalkTree(bool forward, IHybridCell** out) override;
  IHybridCtrl* GetCtrl() override { return ctrl_; }
  void SetNext(IHybridCell* cell) override { next_ = cell; }
  void SetPrev(IHybridCell* cell) override { prev_ = cell; }
  bool GetPrev(IHybridCell** out) override { return prev_.CopyTo(out); }
  bool GetNext(IHybridCell** out) override { return next_.CopyTo(out); }
  void SetCommandId(int id) override { commandId_ = id; }
  int GetCommandId() override { return commandId_; }
  void SetBorders(std::uint32_t packed) override { borders_ = packed; }
  std::uint32_t GetInsets() override;
  void Detach() override;
  NotifyResult Notify(int code, IHybridCell* source) override;
  void SetHandler(IHybridHandler* handler) override;
  bool GetHandler(IHybridHandler** out) override {
    return handler_.CopyTo(out);
  }
  void SetColor(Color color, bool passOn) override;
  Color GetColor() override { return color_; }
  void SetExpanded(bool expand, bool immediate) override;
  bool IsVisible() override { return (state_ & kStateVisible) != 0; }
  bool IsShown() override {
    return IsVisible() && (state_ & kStateCollapsed) == 0;
  }
  bool IsEnabled() override { return (state_ & kStateDisabled) == 0; }
  void SetEnabled(bool enabled) override;
  void SetNoSelect(bool noSelect) override;

 private:
  ~CHybridCell() = default;

  bool HasFocusFrame() const {
    return (style_ & kStyleClickable) && !(style_ & kStyleNoFocusFrame);
  }
  void DropLayout();
  // Tells the handler the cell's size when it changed since last told.
  void ReportSize();

  IHybridCtrl* ctrl_;  // not counted: the control outlives its cells
  RefPtr<IHybridSubContent> parent_;
  RefPtr<IHybridCell> next_;
  RefPtr<IHybridCell> prev_;
  RefPtr<IHybridContent> content_;
  RefPtr<IHybridSubContent> children_;
  RefPtr<IHybridHandler> handler_;
  std::uint32_t style_ = kDefaultCellStyle;
  std::uint32_t state_ = kDefaultCellState;
  int commandId_ = 0;
  std::uint32_t borders_ = 0;
  Color color_;
  Rect rect_;
  Size reported_;
  RefCount refs_{0};
};

}  // namespace scalewright
