// IConnectionPointContainer of a control with exactly one connection point,
// for IPropertyNotifySink. The point lives inside the control and counts
// references on it, as a client holding the point must keep the control.
#pragma once

#include <windows.h>

#include <ocidl.h>

namespace scalewright::ole {

class CControlCore;

class CPropertyNotifyPoint final : public IConnectionPoint {
 public:
  explicit CPropertyNotifyPoint(CControlCore& core) : m_core(core) {}
  CPropertyNotifyPoint(const CPropertyNotifyPoint&) = delete;
  CPropertyNotifyPoint& operator=(const CPropertyNotifyPoint&) = delete;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  HRESULT STDMETHODCALLTYPE GetConnectionInterface(IID* iid) override;
  HRESULT STDMETHODCALLTYPE
  GetConnectionPointContainer(IConnectionPointContainer** container) override;
  HRESULT STDMETHODCALLTYPE Advise(IUnknown* sink, DWORD* cookie) override;
  HRESULT STDMETHODCALLTYPE Unadvise(DWORD cookie) override;
  HRESULT STDMETHODCALLTYPE EnumConnections(IEnumConnections** connections) override;

 private:
  CControlCore& m_core;
};

class CConnectionPointContainer : public IConnectionPointContainer {
 public:
  HRESULT STDMETHODCALLTYPE EnumConnectionPoints(IEnumConnectionPoints** points) override;
  HRESULT STDMETHODCALLTYPE FindConnectionPoint(REFIID riid, IConnectionPoint** point) override;

 protected:
  virtual CPropertyNotifyPoint& PropertyNotifyPoint() = 0;
  ~CConnectionPointContainer() = default;
};

}  // namespace scalewright::ole
