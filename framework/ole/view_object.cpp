#include "framework/ole/view_object.h"

#include "framework/ole/control_core.h"

namespace scalewright::ole {

using com::ComPtr;

HRESULT CViewObject::Draw(DWORD aspect, LONG, void*, DVTARGETDEVICE*, HDC, HDC dc, LPCRECTL bounds,
                          LPCRECTL, BOOL(STDMETHODCALLTYPE*)(ULONG_PTR), ULONG_PTR) {
  if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
  if (!dc) return E_INVALIDARG;
  CControlCore& core = Core();
  RECT rect = {};
  if (bounds) {
    rect = {bounds->left, bounds->top, bounds->right, bounds->bottom};
  } else if (core.InPlaceActive() && core.Windowless()) {
    // A windowless site may leave the bounds out: the control's position.
    rect = core.PositionRect();
  } else {
    return E_INVALIDARG;
  }
  try {
    return core.DrawNormalized(dc, rect);
  } catch (...) {
    return E_UNEXPECTED;
  }
}

HRESULT CViewObject::GetColorSet(DWORD, LONG, void*, DVTARGETDEVICE*, HDC, LOGPALETTE** colors) {
  if (colors) *colors = nullptr;
  // Any colours: no palette of its own.
  return E_NOTIMPL;
}

HRESULT CViewObject::Freeze(DWORD, LONG, void*, DWORD* freeze) {
  if (freeze) *freeze = 0;
  return E_NOTIMPL;
}

HRESULT CViewObject::Unfreeze(DWORD) { return E_NOTIMPL; }

HRESULT CViewObject::SetAdvise(DWORD aspects, DWORD advf, IAdviseSink* sink) {
  CControlCore& core = Core();
  core.Links().viewSink = ComPtr<IAdviseSink>(sink);
  core.Links().viewAspects = sink ? aspects : 0;
  core.Links().viewAdvf = sink ? advf : 0;
  if (sink && (advf & ADVF_PRIMEFIRST)) core.RequestRepaint();
  return S_OK;
}

HRESULT CViewObject::GetAdvise(DWORD* aspects, DWORD* advf, IAdviseSink** sink) {
  // Every out-parameter is optional.
  CControlCore& core = Core();
  if (aspects) *aspects = core.Links().viewAspects;
  if (advf) *advf = core.Links().viewAdvf;
  if (sink) {
    *sink = core.Links().viewSink.get();
    if (*sink) (*sink)->AddRef();
  }
  return S_OK;
}

HRESULT CViewObject::GetExtent(DWORD aspect, LONG, DVTARGETDEVICE*, LPSIZEL size) {
  if (!size) return E_POINTER;
  if (aspect != DVASPECT_CONTENT) return E_FAIL;
  *size = Core().Extent();
  return S_OK;
}

HRESULT CViewObject::GetRect(DWORD, LPRECTL) { return E_NOTIMPL; }

HRESULT CViewObject::GetViewStatus(DWORD* status) {
  if (!status) return E_POINTER;
  *status = kOpaqueViewStatus;
  return S_OK;
}

HRESULT CViewObject::QueryHitPoint(DWORD aspect, LPCRECT bounds, POINT location, LONG,
                                   DWORD* hitResult) {
  if (!bounds || !hitResult) return E_POINTER;
  if (aspect != DVASPECT_CONTENT) return E_FAIL;
  // Opaque everywhere: the whole rectangle is the control.
  *hitResult = ::PtInRect(bounds, location) ? HITRESULT_HIT : HITRESULT_OUTSIDE;
  return S_OK;
}

HRESULT CViewObject::QueryHitRect(DWORD aspect, LPCRECT bounds, LPCRECT location, LONG,
                                  DWORD* hitResult) {
  if (!bounds || !location || !hitResult) return E_POINTER;
  if (aspect != DVASPECT_CONTENT) return E_FAIL;
  RECT common = {};
  *hitResult = ::IntersectRect(&common, bounds, location) ? HITRESULT_HIT : HITRESULT_OUTSIDE;
  return S_OK;
}

HRESULT CViewObject::GetNaturalExtent(DWORD aspect, LONG, DVTARGETDEVICE*, HDC,
                                      DVEXTENTINFO* extentInfo, LPSIZEL size) {
  if (!extentInfo || !size) return E_POINTER;
  if (aspect == DVASPECT_CONTENT && extentInfo->dwExtentMode == DVEXTENT_CONTENT) {
    *size = Core().NaturalSize();
    return S_OK;
  }
  return E_NOTIMPL;
}

}  // namespace scalewright::ole
