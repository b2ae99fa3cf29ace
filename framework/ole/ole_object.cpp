#include "framework/ole/ole_object.h"

#include <olectl.h>

#include "framework/ole/control_core.h"

namespace scalewright::ole {

using com::ComPtr;

HRESULT COleObject::SetClientSite(IOleClientSite* site) {
  Core().Links().clientSite = ComPtr<IOleClientSite>(site);
  return S_OK;
}

HRESULT COleObject::GetClientSite(IOleClientSite** site) {
  if (!site) return E_POINTER;
  *site = Core().Links().clientSite.get();
  if (*site) (*site)->AddRef();
  return S_OK;
}

HRESULT COleObject::SetHostNames(LPCOLESTR, LPCOLESTR) {
  // Only an object that opens a window of its own would show them.
  return S_OK;
}

HRESULT COleObject::Close(DWORD saveOption) {
  CControlCore& core = Core();
  core.InPlaceDeactivate();
  if (core.IsDirtyFlag() && core.Links().clientSite &&
      (saveOption == OLECLOSE_SAVEIFDIRTY || saveOption == OLECLOSE_PROMPTSAVE)) {
    ComPtr<IOleClientSite> site = core.Links().clientSite;
    site->SaveObject();
  }
  if (core.Links().oleAdviseHolder) {
    ComPtr<IOleAdviseHolder> holder = core.Links().oleAdviseHolder;
    holder->SendOnClose();
  }
  return S_OK;
}

HRESULT COleObject::SetMoniker(DWORD, IMoniker*) { return E_NOTIMPL; }

HRESULT COleObject::GetMoniker(DWORD, DWORD, IMoniker** moniker) {
  if (!moniker) return E_POINTER;
  *moniker = nullptr;
  return E_NOTIMPL;
}

HRESULT COleObject::InitFromData(IDataObject*, BOOL, DWORD) { return E_NOTIMPL; }

HRESULT COleObject::GetClipboardData(DWORD, IDataObject** data) {
  if (!data) return E_POINTER;
  *data = nullptr;
  return E_NOTIMPL;
}

HRESULT COleObject::DoVerb(LONG verb, LPMSG, IOleClientSite* site, LONG, HWND parent, LPCRECT pos) {
  CControlCore& core = Core();
  // A container may name its site here instead of through SetClientSite.
  ComPtr<IOleClientSite>& held = core.Links().clientSite;
  if (!held && site) held = ComPtr<IOleClientSite>(site);
  switch (verb) {
    case OLEIVERB_PRIMARY:
    case OLEIVERB_SHOW:
    case OLEIVERB_UIACTIVATE:
      return core.InPlaceActivate(OLEIVERB_UIACTIVATE, pos);
    case OLEIVERB_INPLACEACTIVATE:
      return core.InPlaceActivate(OLEIVERB_INPLACEACTIVATE, pos);
    case OLEIVERB_HIDE:
      core.UIDeactivate();
      if (core.Window()) ::ShowWindow(core.Window(), SW_HIDE);
      return S_OK;
    case OLEIVERB_PROPERTIES:
      return ShowProperties(parent);
    case OLEIVERB_OPEN:
    case OLEIVERB_DISCARDUNDOSTATE:
      // No separate window to open and no undo state to drop.
      return E_NOTIMPL;
    default:
      break;
  }
  if (verb > 0) {
    // An unknown positive verb is treated as the primary one.
    const HRESULT hr = core.InPlaceActivate(OLEIVERB_UIACTIVATE, pos);
    return FAILED(hr) ? hr : OLEOBJ_S_INVALIDVERB;
  }
  return E_NOTIMPL;
}

HRESULT COleObject::ShowProperties(HWND parent) {
  CControlCore& core = Core();
  // The container's frame first: it knows the other selected controls.
  ComPtr<IOleControlSite> controlSite;
  const ComPtr<IOleClientSite>& site = core.Links().clientSite;
  if (site && SUCCEEDED(site.As(IID_IOleControlSite, controlSite)) &&
      SUCCEEDED(controlSite->ShowPropertyFrame())) {
    return S_OK;
  }
  ComPtr<ISpecifyPropertyPages> pages;
  HRESULT hr = core.QueryControl(IID_ISpecifyPropertyPages, pages);
  if (FAILED(hr)) return hr;
  CAUUID ids = {};
  hr = pages->GetPages(&ids);
  if (FAILED(hr)) return hr;
  IUnknown* object = core.ControlUnknown();
  hr = ::OleCreatePropertyFrame(parent, 0, 0, nullptr, 1, &object, ids.cElems, ids.pElems,
                                ::GetUserDefaultLCID(), 0, nullptr);
  ::CoTaskMemFree(ids.pElems);
  return hr;
}

HRESULT COleObject::EnumVerbs(IEnumOLEVERB** verbs) {
  if (!verbs) return E_POINTER;
  *verbs = nullptr;
  // The verbs are the class's registry entries.
  return OLE_S_USEREG;
}

HRESULT COleObject::Update() { return S_OK; }

HRESULT COleObject::IsUpToDate() { return S_OK; }

HRESULT COleObject::GetUserClassID(CLSID* clsid) {
  if (!clsid) return E_POINTER;
  *clsid = Core().ControlClassId();
  return S_OK;
}

HRESULT COleObject::GetUserType(DWORD, LPOLESTR* userType) {
  if (!userType) return E_POINTER;
  *userType = nullptr;
  return OLE_S_USEREG;
}

HRESULT COleObject::SetExtent(DWORD aspect, SIZEL* size) {
  if (!size) return E_POINTER;
  if (aspect != DVASPECT_CONTENT) return E_FAIL;
  CControlCore& core = Core();
  const SIZEL old = core.Extent();
  core.SetExtentValue(*size);
  // OLEMISC_RECOMPOSEONRESIZE: the picture is recomposed for the new size.
  if ((core.ControlMiscStatus() & OLEMISC_RECOMPOSEONRESIZE) &&
      (old.cx != size->cx || old.cy != size->cy)) {
    core.RequestRepaint();
    core.SendDataChange();
  }
  return S_OK;
}

HRESULT COleObject::GetExtent(DWORD aspect, SIZEL* size) {
  if (!size) return E_POINTER;
  if (aspect != DVASPECT_CONTENT) return E_INVALIDARG;
  *size = Core().Extent();
  return S_OK;
}

HRESULT COleObject::EnsureAdviseHolder() {
  CControlCore& core = Core();
  if (core.Links().oleAdviseHolder) return S_OK;
  return ::CreateOleAdviseHolder(core.Links().oleAdviseHolder.put());
}

HRESULT COleObject::Advise(IAdviseSink* sink, DWORD* connection) {
  if (!connection) return E_POINTER;
  *connection = 0;
  if (!sink) return E_INVALIDARG;
  const HRESULT hr = EnsureAdviseHolder();
  if (FAILED(hr)) return hr;
  return Core().Links().oleAdviseHolder->Advise(sink, connection);
}

HRESULT COleObject::Unadvise(DWORD connection) {
  CControlCore& core = Core();
  if (!core.Links().oleAdviseHolder) return OLE_E_NOCONNECTION;
  return core.Links().oleAdviseHolder->Unadvise(connection);
}

HRESULT COleObject::EnumAdvise(IEnumSTATDATA** advise) {
  if (!advise) return E_POINTER;
  *advise = nullptr;
  const HRESULT hr = EnsureAdviseHolder();
  if (FAILED(hr)) return hr;
  return Core().Links().oleAdviseHolder->EnumAdvise(advise);
}

HRESULT COleObject::GetMiscStatus(DWORD aspect, DWORD* status) {
  if (!status) return E_POINTER;
  *status = 0;
  if (aspect == DVASPECT_CONTENT) {
    *status = Core().ControlMiscStatus();
    return S_OK;
  }
  // Other aspects as the class's MiscStatus keys say.
  return ::OleRegGetMiscStatus(Core().ControlClassId(), aspect, status);
}

HRESULT COleObject::SetColorScheme(LOGPALETTE*) { return E_NOTIMPL; }

}  // namespace scalewright::ole
