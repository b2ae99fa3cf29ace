// IQuickActivate: a container hands over its site and sinks in one call
// and learns the control's status bits back.
#pragma once

#include <windows.h>

#include <ocidl.h>

namespace scalewright::ole {

class CControlCore;

class CQuickActivate : public IQuickActivate {
 public:
  HRESULT STDMETHODCALLTYPE QuickActivate(QACONTAINER* container, QACONTROL* control) override;
  HRESULT STDMETHODCALLTYPE SetContentExtent(LPSIZEL size) override;
  HRESULT STDMETHODCALLTYPE GetContentExtent(LPSIZEL size) override;

 protected:
  virtual CControlCore& Core() = 0;
  ~CQuickActivate() = default;
};

}  // namespace scalewright::ole
