#include "framework/ole/connection_points.h"

#include <olectl.h>

#include <new>
#include <vector>

#include "framework/ole/control_core.h"
#include "framework/ole/enumerators.h"

namespace scalewright::ole {

using com::ComPtr;

HRESULT CPropertyNotifyPoint::QueryInterface(REFIID riid, void** ppv) {
  if (!ppv) return E_POINTER;
  *ppv = nullptr;
  if (riid != IID_IUnknown && riid != IID_IConnectionPoint) return E_NOINTERFACE;
  AddRef();
  *ppv = static_cast<IConnectionPoint*>(this);
  return S_OK;
}

ULONG CPropertyNotifyPoint::AddRef() { return m_core.ControlUnknown()->AddRef(); }

ULONG CPropertyNotifyPoint::Release() { return m_core.ControlUnknown()->Release(); }

HRESULT CPropertyNotifyPoint::GetConnectionInterface(IID* iid) {
  if (!iid) return E_POINTER;
  *iid = IID_IPropertyNotifySink;
  return S_OK;
}

HRESULT CPropertyNotifyPoint::GetConnectionPointContainer(IConnectionPointContainer** container) {
  if (!container) return E_POINTER;
  *container = nullptr;
  return m_core.ControlUnknown()->QueryInterface(IID_IConnectionPointContainer,
                                                 reinterpret_cast<void**>(container));
}

HRESULT CPropertyNotifyPoint::Advise(IUnknown* sink, DWORD* cookie) {
  if (!cookie) return E_POINTER;
  *cookie = 0;
  if (!sink) return E_POINTER;
  ComPtr<IPropertyNotifySink> notify;
  if (FAILED(sink->QueryInterface(IID_IPropertyNotifySink, notify.put_void()))) {
    return CONNECT_E_CANNOTCONNECT;
  }
  return m_core.Links().propertySinks.Add(notify.get(), cookie);
}

HRESULT CPropertyNotifyPoint::Unadvise(DWORD cookie) {
  return m_core.Links().propertySinks.Remove(cookie);
}

HRESULT CPropertyNotifyPoint::EnumConnections(IEnumConnections** connections) {
  if (!connections) return E_POINTER;
  *connections = nullptr;
  try {
    // The snapshot holds the sinks while the enumerator copies them.
    const auto sinks = m_core.Links().propertySinks.Snapshot();
    std::vector<CONNECTDATA> items;
    items.reserve(sinks.size());
    for (const auto& [cookie, sink] : sinks) items.push_back({sink.get(), cookie});
    return CEnumConnections::Create(items, 0, connections);
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  }
}

HRESULT CConnectionPointContainer::EnumConnectionPoints(IEnumConnectionPoints** points) {
  if (!points) return E_POINTER;
  *points = nullptr;
  try {
    const std::vector<IConnectionPoint*> items = {&PropertyNotifyPoint()};
    return CEnumConnectionPoints::Create(items, 0, points);
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  }
}

HRESULT CConnectionPointContainer::FindConnectionPoint(REFIID riid, IConnectionPoint** point) {
  if (!point) return E_POINTER;
  *point = nullptr;
  if (riid != IID_IPropertyNotifySink) return CONNECT_E_NOCONNECTION;
  *point = &PropertyNotifyPoint();
  (*point)->AddRef();
  return S_OK;
}

}  // namespace scalewright::ole
