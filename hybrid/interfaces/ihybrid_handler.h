// IHybridHandler: receives the notifications of a cell (or of the whole
// control) inside the framework. Slot order.
#pragma once

#include "hybrid/interfaces/hybrid_bits.h"
#include "hybrid/interfaces/hybrid_fwd.h"
#include "hybrid/interfaces/unknown.h"

namespace scalewright {

struct IHybridHandler : public IUnknown {
  // May set *handled to stop the notification.
  virtual NotifyResult OnNotify(int code, IHybridCell* source, bool* handled) = 0;
  virtual void Attach(IHybridCtrl* ctrl, IHybridCell* cell) = 0;
  virtual void Detach() = 0;
  virtual void OnSize(int width, int height) = 0;
  virtual bool GetCell(IHybridCell** out) = 0;
  virtual void Reserved() = 0;

 protected:
  virtual ~IHybridHandler() = default;
};

HYBRID_DECLARE_IID(IHybridHandler, 0x5c3a1e07);

}  // namespace scalewright
