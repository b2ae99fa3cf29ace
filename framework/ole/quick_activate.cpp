#include "framework/ole/quick_activate.h"

#include <cstddef>

#include "framework/ole/control_core.h"

namespace scalewright::ole {

using com::ComPtr;

namespace {

// Containers written before the structure grew pass the older, shorter one.
constexpr ULONG kOldestContainerSize = offsetof(QACONTAINER, pBindHost);

}  // namespace

HRESULT CQuickActivate::QuickActivate(QACONTAINER* container, QACONTROL* control) {
  if (!container || !control) return E_POINTER;
  if (container->cbSize < kOldestContainerSize || control->cbSize < sizeof(QACONTROL)) {
    return E_INVALIDARG;
  }
  CControlCore& core = Core();
  control->dwMiscStatus = 0;
  control->dwViewStatus = 0;
  control->dwEventCookie = 0;
  control->dwPropNotifyCookie = 0;
  control->dwPointerActivationPolicy = 0;

  ComPtr<IOleObject> object;
  HRESULT hr = core.QueryControl(IID_IOleObject, object);
  if (FAILED(hr)) return hr;
  hr = object->SetClientSite(container->pClientSite);
  if (FAILED(hr)) return hr;
  if (container->pAdviseSink) {
    ComPtr<IViewObject> view;
    hr = core.QueryControl(IID_IViewObject, view);
    if (SUCCEEDED(hr)) hr = view->SetAdvise(DVASPECT_CONTENT, 0, container->pAdviseSink);
    if (FAILED(hr)) return hr;
  }
  if (container->pPropertyNotifySink) {
    hr = core.Links().propertySinks.Add(container->pPropertyNotifySink,
                                        &control->dwPropNotifyCookie);
    if (FAILED(hr)) return hr;
  }
  // The event interface has no connection point: no event cookie.
  object->GetMiscStatus(DVASPECT_CONTENT, &control->dwMiscStatus);
  control->dwViewStatus = kOpaqueViewStatus;
  return S_OK;
}

HRESULT CQuickActivate::SetContentExtent(LPSIZEL size) {
  if (!size) return E_POINTER;
  ComPtr<IOleObject> object;
  const HRESULT hr = Core().QueryControl(IID_IOleObject, object);
  if (FAILED(hr)) return hr;
  return object->SetExtent(DVASPECT_CONTENT, size);
}

HRESULT CQuickActivate::GetContentExtent(LPSIZEL size) {
  if (!size) return E_POINTER;
  *size = Core().Extent();
  return S_OK;
}

}  // namespace scalewright::ole
