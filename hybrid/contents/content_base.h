// CContentBase: the shared half of every content. It keeps the owner cell
// and the text style, gives the default behaviour of IHybridContent, owns
// control timers, and offers the helpers contents use (capture, the control,
// colours, notifications through the owner cell). A content that left its
// cell forgets the cell's control: a caller may hold it after the control
// has gone, and then it measures nothing, draws in plain colours and asks
// for nothing. Instantiated with the content's own interface; the two empty
// stub classes keep the family's shape.
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
class CContentBase : public Interface, public Stub, public Stub2, public ITimerCallback {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override {
    return QueryInterfaceTable<Interface, IHybridContent>(this, riid, ppv);
  }
  HYBRID_IMPLEMENT_REFCOUNT()

  char GetKind() override { return 'U'; }
  bool IsFocusable() override { return false; }
  void SetCell(IHybridCell* cell) override {
    if (cell == m_cell.get()) return;
    // Timers belong to the cell's control; a content leaving it stops them.
    StopAllTimers();
    m_cell = RefPtr<IHybridCell>(cell);
    // Leaving its cell, it forgets the control too: the control may go
    // while a caller still holds the content.
    m_ctrl = cell ? cell->GetCtrl() : nullptr;
  }
  bool GetCell(IHybridCell** out) override { return m_cell.CopyTo(out); }
  void Draw(gfx::Canvas&, int, int, int, int) override {}
  void Redraw() override {
    if (m_cell) m_cell->Redraw();
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
  bool IsEnabled() override { return !m_cell || m_cell->IsEnabled(); }
  void SetEnabled(bool enabled) override {
    if (m_cell) m_cell->SetEnabled(enabled);
  }
  void SetTextStyle(ITextStyle* style) override {
    m_style = RefPtr<ITextStyle>(style);
    // Another font is another line height and other text widths.
    if (m_ctrl) m_ctrl->SizesMayHaveChanged();
  }
  NotifyResult OnNotify(int, IHybridCell*, bool*) override { return 0; }

  void OnTimer(int) override {}

 protected:
  explicit CContentBase(IHybridCtrl* ctrl) : m_ctrl(ctrl) {}
  virtual ~CContentBase() { StopAllTimers(); }

  IHybridCtrl* GetCtrl() const { return m_ctrl; }
  IHybridCell* Cell() const { return m_cell.get(); }
  ITextStyle* Style() const { return m_style.get(); }
  gfx::FontPtr StyleFont() const { return m_style ? m_style->GetFont() : gfx::FontPtr(); }
  std::uint32_t CellStyle() const { return m_cell ? m_cell->GetStyle() : 0; }
  bool CellSelected() const { return m_cell && m_cell->IsSelected(); }
  Rect CellRect() const {
    Rect r;
    if (m_cell) m_cell->GetRect(&r);
    return r;
  }
  bool HasFocus() const {
    RefPtr<IHybridCell> focus;
    return m_ctrl && m_cell && m_ctrl->GetFocusCell(focus.put()) && focus.get() == m_cell.get();
  }
  Color SysColor(int index) const { return m_ctrl ? m_ctrl->Platform().SysColor(index) : kWhite; }
  // The cell's colour, or the highlight while it is selected.
  Color Background() const {
    if (CellSelected()) return SysColor(kColorHighlight);
    return m_cell ? m_cell->GetColor() : kWhite;
  }
  Size Measure(const gfx::Font* font, std::string_view text) const {
    if (!m_ctrl) return {};
    return m_ctrl->Platform().Metrics().TextExtent(font, text);
  }
  // Every notification goes through the owner cell, with the owner as
  // source.
  NotifyResult NotifyOwner(int code) { return m_cell ? m_cell->Notify(code, m_cell.get()) : 0; }
  void RequestLayout() {
    if (m_ctrl) m_ctrl->RequestLayout(false);
  }

  // Capture for the owner cell, so that it keeps the mouse input.
  void CaptureMouse() {
    if (m_ctrl && m_cell) m_ctrl->CaptureMouse(m_cell.get());
  }
  void ReleaseMouse() {
    if (m_ctrl && m_cell) m_ctrl->ReleaseMouse(m_cell.get());
  }
  bool HasCapture() const { return m_ctrl && m_cell && m_ctrl->HasMouseCapture(m_cell.get()); }

  int StartTimer(int intervalMs) {
    if (!m_ctrl) return -1;
    const int id = m_ctrl->RegisterTimer(intervalMs, this);
    if (id >= 0) m_timers.push_back(id);
    return id;
  }
  void StopTimer(int id) {
    const auto it = std::find(m_timers.begin(), m_timers.end(), id);
    if (it == m_timers.end()) return;
    m_timers.erase(it);
    if (m_ctrl) m_ctrl->UnregisterTimer(id);
  }

 private:
  void StopAllTimers() {
    while (!m_timers.empty()) StopTimer(m_timers.back());
  }

  // Not counted; null once the content left its cell, and every use looks.
  IHybridCtrl* m_ctrl;
  RefPtr<IHybridCell> m_cell;
  RefPtr<ITextStyle> m_style;
  std::vector<int> m_timers;
  RefCount m_refs{0};
};

}  // namespace scalewright
