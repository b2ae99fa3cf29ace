// CContentBase: the shared half of every content. It keeps the owner cell
// and the text style, gives the default behaviour of IHybridContent, owns
// control timers, and offers the helpers contents use (capture, the control,
// colours, notifications through the owner cell). Instantiated with the
// content's own interface; the two empty stub classes keep the family's
// shape.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "hybrid/interfaces/com_object.h"
#include "hybrid/interfaces/hybrid_platform.h"
#include "hybrid/interfaces/ihybrid_cell.h"
#include "hybrid/interfaces/ihybrid_content.h"
#include "hybrid/interfaces/ihybrid_ctrl.h"
#include "hybrid/interfaces/itext_style.h"
#include "hybrid/interfaces/ref_ptr.h"

namespace scalewright {

struct BASE_STUB {};
struct BASE_STUB2 {};

template <class Interface, class Stub = BASE_STUB, class Stub2 = BASE_STUB2>
class CContentBase : public Interface,
                     public Stub,
                     public Stub2,
                     public ITimerCallback {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override {
    return QueryInterfaceTable<Interface, IHybridContent>(this, riid, ppv);
  }
  HYBRID_IMPLEMENT_REFCOUNT()

  char GetKind() override { return 'U'; }
  bool IsFocusable() override { return false; }
  void SetCell(IHybridCell* cell) override {
    if (cell == cell_.get()) return;
    // Timers belong to the cell's control; a content leaving it stops them.
    StopAllTimers();
    cell_ = cell;
    if (cell) ctrl_ = cell->GetCtrl();
  }
  bool GetCell(IHybridCell** out) override { return cell_.CopyTo(out); }
  void Draw(gfx::Canvas&, int, int, int, int) override {}
  void Redraw() override {
    if (cell_) cell_->Redraw();
  }
  std::string GetToolTipText() override { return {}; }
  void Init() override {}
  void OnLayout() override {}
  void OnMouseMove(Point) override {}
  bool OnLButtonDown(Point) override { return false; }
  bool OnLButtonDblClk(Point) override { return false; }
  void OnLButtonUp(Point) override {}
  bool OnRButtonDown(Point, bool*) override { return false; }
  void OnRButtonUp(Point) override {}
  void OnMouseEnter() override {}
  void OnMouseLeave() override {}
  void OnFocus(bool) override {}
  void OnEnable(bool) override {}
  bool OnKeyDown(int, std::uint32_t) override { return false; }
  void OnKeyUp(int, std::uint32_t) override {}
  HybridCursor GetCursor(Point) override { return HybridCursor::kNone; }
  int GetNaturalWidth() override { return 0; }
  int GetHeightForWidth(int) override { return 0; }
  void Reserved() override {}
  bool IsEnabled() override { return !cell_ || cell_->IsEnabled(); }
  void SetEnabled(bool enabled) override {
    if (cell_) cell_->SetEnabled(enabled);
  }
  void SetTextStyle(ITextStyle* style) override { style_ = style; }
  NotifyResult OnNotify(int, IHybridCell*, bool*) override { return 0; }

  void OnTimer(int) override {}

 protected:
  explicit CContentBase(IHybridCtrl* ctrl) : ctrl_(ctrl) {}
  virtual ~CContentBase() { StopAllTimers(); }

  IHybridCtrl* GetCtrl() const { return ctrl_; }
  IHybridCell* Cell() const { return cell_.get(); }
  ITextStyle* Style() const { return style_.get(); }
  gfx::FontPtr StyleFont() const {
    return style_ ? style_->GetFont() : gfx::FontPtr();
  }
  std::uint32_t CellStyle() const { return cell_ ? cell_->GetStyle() : 0; }
  bool CellSelected() const { return cell_ && cell_->IsSelected(); }
  Rect CellRect() const {
    Rect r;
    if (cell_) cell_->GetRect(&r);
    return r;
  }
  bool HasFocus() const {
    RefPtr<IHybridCell> focus;
    return ctrl_ && cell_ && ctrl_->GetFocusCell(focus.put()) &&
           focus.get() == cell_.get();
  }
  Color SysColor(int index) const {
    return ctrl_ ? ctrl_->Platform().SysColor(index) : kWhite;
  }
  // The cell's colour, or the highlight while it is selected.
  Color Background() const {
    if (CellSelected()) return SysColor(kColorHighlight);
    return cell_ ? cell_->GetColor() : kWhite;
  }
  Size Measure(const gfx::Font* font, std::string_view text) const {
    if (!ctrl_) return {};
    return ctrl_->Platform().Metrics().TextExtent(font, text);
  }
  // Every notification goes through the owner cell, with the owner as
  // source.
  NotifyResult NotifyOwner(int code) {
    return cell_ ? cell_->Notify(code, cell_.get()) : 0;
  }
  void RequestLayout() {
    if (ctrl_) ctrl_->RequestLayout(false);
  }

  // Capture for the owner cell, so that it keeps the mouse input.
  void CaptureMouse() {
    if (ctrl_ && cell_) ctrl_->CaptureMouse(cell_.get());
  }
  void ReleaseMouse() {
    if (ctrl_ && cell_) ctrl_->ReleaseMouse(cell_.get());
  }
  bool HasCapture() const {
    return ctrl_ && cell_ && ctrl_->HasMouseCapture(cell_.get());
  }

  int StartTimer(int intervalMs) {
    if (!ctrl_) return -1;
    const int id = ctrl_->RegisterTimer(intervalMs, this);
    if (id >= 0) timers_.push_back(id);
    return id;
  }
  void StopTimer(int id) {
    const auto it = std::find(timers_.begin(), timers_.end(), id);
    if (it == timers_.end()) return;
    timers_.erase(it);
    if (ctrl_) ctrl_->UnregisterTimer(id);
  }

 private:
  void StopAllTimers() {
    while (!timers_.empty()) StopTimer(timers_.back());
  }

  IHybridCtrl* ctrl_;  // not counted
  RefPtr<IHybridCell> cell_;
  RefPtr<ITextStyle> style_;
  std::vector<int> timers_;
  RefCount refs_{0};
};

}  // namespace scalewright
