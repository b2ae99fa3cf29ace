// CHybridHandler: base of the handlers a host attaches to a cell or to the
// whole control; it keeps the attached cell and the control and answers
// every notification with 0, unhandled. Starts with one reference owned by
// its creator.
#pragma once

#include "hybrid/interfaces/com_object.h"
#include "hybrid/interfaces/ihybrid_cell.h"
#include "hybrid/interfaces/ihybrid_handler.h"
#include "hybrid/interfaces/ref_ptr.h"

namespace scalewright {

class CHybridHandler : public IHybridHandler {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override {
    return QueryInterfaceTable<IHybridHandler>(this, riid, ppv);
  }
  HYBRID_IMPLEMENT_REFCOUNT()

  NotifyResult OnNotify(int, IHybridCell*, bool*) override { return 0; }
  void Attach(IHybridCtrl* ctrl, IHybridCell* cell) override {
    m_ctrl = ctrl;
    m_cell = RefPtr<IHybridCell>(cell);
  }
  void Detach() override {
    m_cell.reset();
    m_ctrl = nullptr;
  }
  void OnSize(int, int) override {}
  bool GetCell(IHybridCell** out) override { return m_cell.CopyTo(out); }
  void Reserved() override {}

 protected:
  CHybridHandler() = default;
  ~CHybridHandler() override = default;
  IHybridCtrl* Ctrl() const { return m_ctrl; }

 private:
  RefCount m_refs{1};
  RefPtr<IHybridCell> m_cell;
  IHybridCtrl* m_ctrl = nullptr;
};

}  // namespace scalewright
