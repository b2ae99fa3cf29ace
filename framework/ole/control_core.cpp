#include "framework/ole/control_core.h"

#include <olectl.h>

#include <new>

#include "framework/ole/control_window.h"

namespace scalewright::ole {

using com::ComPtr;

HRESULT CPropertySinks::Add(IPropertyNotifySink* sink, DWORD* cookie) {
  try {
    sinks_.emplace_back(nextCookie_, ComPtr<IPropertyNotifySink>(sink));
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  }
  *cookie = nextCookie_++;
  return S_OK;
}

HRESULT CPropertySinks::Remove(DWORD cookie) {
  for (auto it = sinks_.begin(); it != sinks_.end(); ++it) {
    if (it->first == cookie) {
      // The sink may release the control; erase before it can.
      ComPtr<IPropertyNotifySink> sink = std::move(it->second);
      sinks_.erase(it);
      return S_OK;
    }
  }
  return CONNECT_E_NOCONNECTION;
}

std::vector<std::pair<DWORD, ComPtr<IPropertyNotifySink>>> CPropertySinks::Snapshot() const {
  try {
    return sinks_;
  } catch (const std::bad_alloc&) {
    return {};
  }
}

CControlCore::~CControlCore() = default;

ComPtr<IUnknown> CControlCore::HoldSelf() {
  // A dying object (and an outer object that is destroying it) must not be
  // counted up and down again.
  if (destroying_) return {};
  return ComPtr<IUnknown>(ControlUnknown());
}

void CControlCore::ReleaseAll() {
  destroying_ = true;
  if (inPlaceActive_) InPlaceDeactivate();
  if (hwnd_) {
    HWND hwnd = hwnd_;
    hwnd_ = nullptr;
    DestroyControlWindow(hwnd);
  }
  ResetInPlaceSites();
  links_.propertySinks.Clear();
  links_.viewSink.reset();
  links_.dataAdviseHolder.reset();
  links_.oleAdviseHolder.reset();
  links_.clientSite.reset();
}

void CControlCore::RequestRepaint() {
  if (inPlaceActive_) {
    if (!windowless_) {
      if (hwnd_) ::InvalidateRect(hwnd_, nullptr, TRUE);
    } else if (windowlessSite_ && FAILED(windowlessSite_->InvalidateRect(nullptr, TRUE))) {
      // A site that cannot invalidate for its controls still has a window.
      HWND siteWindow = nullptr;
      if (SUCCEEDED(windowlessSite_->GetWindow(&siteWindow)) && siteWindow) {
        ::InvalidateRect(siteWindow, &rcPos_, TRUE);
      }
    }
    return;
  }
  if (links_.viewSink) {
    // The sink may drop itself through SetAdvise while being told.
    ComPtr<IAdviseSink> sink = links_.viewSink;
    if (links_.viewAdvf & ADVF_ONLYONCE) links_.viewSink.reset();
    sink->OnViewChange(DVASPECT_CONTENT, -1);
  }
}

void CControlCore::SendDataChange() {
  if (!links_.dataAdviseHolder) return;
  ComPtr<IDataObject> data;
  if (FAILED(QueryControl(IID_IDataObject, data))) return;
  ComPtr<IDataAdviseHolder> holder = links_.dataAdviseHolder;
  holder->SendOnDataChange(data.get(), 0, 0);
}

HRESULT CControlCore::RequestEdit(DISPID dispid) {
  for (const auto& [cookie, sink] : links_.propertySinks.Snapshot()) {
    if (sink->OnRequestEdit(dispid) == S_FALSE) return S_FALSE;
  }
  return S_OK;
}

void CControlCore::NotifyChanged(DISPID dispid) {
  for (const auto& [cookie, sink] : links_.propertySinks.Snapshot()) sink->OnChanged(dispid);
}

void CControlCore::ResetInPlaceSites() {
  frame_.reset();
  uiWindow_.reset();
  windowlessSite_.reset();
  inPlaceSiteEx_.reset();
  inPlaceSite_.reset();
}

HRESULT CControlCore::InPlaceActivate(LONG verb, const RECT* pos) {
  if (!links_.clientSite) return E_UNEXPECTED;
  // A site may release the control while it activates it.
  ComPtr<IUnknown> hold = HoldSelf();
  if (!inPlaceActive_) {
    const HRESULT hr = ActivateInPlace(pos);
    if (FAILED(hr)) return hr;
  } else if (pos) {
    SetObjectRects(pos, pos);
  }
  if (verb == OLEIVERB_UIACTIVATE || verb == OLEIVERB_SHOW || verb == OLEIVERB_PRIMARY) {
    const HRESULT hr = ActivateUI();
    if (FAILED(hr)) return hr;
  }
  if (hwnd_) ::ShowWindow(hwnd_, SW_SHOW);
  if (links_.clientSite) links_.clientSite->ShowObject();
  return S_OK;
}

HRESULT CControlCore::ActivateInPlace(const RECT* pos) {
  // The richest site the container offers: windowless, extended, plain.
  if (!WindowOnly()) links_.clientSite.As(IID_IOleInPlaceSiteWindowless, windowlessSite_);
  if (windowlessSite_) {
    inPlaceSiteEx_ = ComPtr<IOleInPlaceSiteEx>(windowlessSite_.get());
    inPlaceSite_ = ComPtr<IOleInPlaceSite>(windowlessSite_.get());
  } else if (SUCCEEDED(links_.clientSite.As(IID_IOleInPlaceSiteEx, inPlaceSiteEx_))) {
    inPlaceSite_ = ComPtr<IOleInPlaceSite>(inPlaceSiteEx_.get());
  } else if (FAILED(links_.clientSite.As(IID_IOleInPlaceSite, inPlaceSite_))) {
    return E_FAIL;
  }
  if (inPlaceSite_->CanInPlaceActivate() != S_OK) {
    ResetInPlaceSites();
    return E_FAIL;
  }
  windowless_ = windowlessSite_ && windowlessSite_->CanWindowlessActivate() == S_OK;
  HRESULT hr = S_OK;
  if (inPlaceSiteEx_) {
    BOOL noRedraw = FALSE;
    hr = inPlaceSiteEx_->OnInPlaceActivateEx(&noRedraw, windowless_ ? ACTIVATE_WINDOWLESS : 0);
  } else {
    hr = inPlaceSite_->OnInPlaceActivate();
  }
  if (FAILED(hr)) {
    ResetInPlaceSites();
    windowless_ = false;
    return hr;
  }
  inPlaceActive_ = true;

  RECT sitePos = {};
  RECT siteClip = {};
  OLEINPLACEFRAMEINFO frameInfo = {};
  frameInfo.cb = sizeof frameInfo;
  hr = inPlaceSite_->GetWindowContext(frame_.put(), uiWindow_.put(), &sitePos, &siteClip,
                                      &frameInfo);
  if (FAILED(hr)) {
    InPlaceDeactivate();
    return hr;
  }
  rcPos_ = pos ? *pos : sitePos;
  if (!windowless_) {
    HWND parent = nullptr;
    hr = inPlaceSite_->GetWindow(&parent);
    if (SUCCEEDED(hr) && !parent) hr = E_UNEXPECTED;
    if (SUCCEEDED(hr)) {
      hwnd_ = CreateControlWindow(*this, parent, rcPos_);
      if (!hwnd_) hr = HRESULT_FROM_WIN32(::GetLastError());
      if (SUCCEEDED(hr) && !hwnd_) hr = E_FAIL;
    }
    if (FAILED(hr)) {
      InPlaceDeactivate();
      return hr;
    }
  }
  return S_OK;
}

HRESULT CControlCore::ActivateUI() {
  if (uiActive_) return S_OK;
  if (windowless_ && inPlaceSiteEx_ && inPlaceSiteEx_->RequestUIActivate() != S_OK) {
    // The container keeps UI activation for itself; the control stays in place.
    return S_OK;
  }
  uiActive_ = true;
  if (windowless_) {
    if (windowlessSite_) windowlessSite_->SetFocus(TRUE);
  } else if (hwnd_ && ::GetFocus() != hwnd_) {
    ::SetFocus(hwnd_);
  }
  inPlaceSite_->OnUIActivate();
  ComPtr<IOleInPlaceActiveObject> active;
  if (!destroying_ && SUCCEEDED(QueryControl(IID_IOleInPlaceActiveObject, active))) {
    if (frame_) frame_->SetActiveObject(active.get(), nullptr);
    if (uiWindow_) uiWindow_->SetActiveObject(active.get(), nullptr);
  }
  // No tools of its own: the frame keeps its space.
  if (frame_) frame_->SetBorderSpace(nullptr);
  if (uiWindow_) uiWindow_->SetBorderSpace(nullptr);
  return S_OK;
}

HRESULT CControlCore::UIDeactivate() {
  if (!uiActive_) return S_OK;
  uiActive_ = false;
  ComPtr<IUnknown> hold = HoldSelf();
  if (uiWindow_) uiWindow_->SetActiveObject(nullptr, nullptr);
  if (frame_) frame_->SetActiveObject(nullptr, nullptr);
  if (windowless_ && windowlessSite_) windowlessSite_->SetFocus(FALSE);
  if (inPlaceSite_) inPlaceSite_->OnUIDeactivate(FALSE);
  return S_OK;
}

HRESULT CControlCore::InPlaceDeactivate() {
  if (!inPlaceActive_) return S_OK;
  ComPtr<IUnknown> hold = HoldSelf();
  UIDeactivate();
  inPlaceActive_ = false;
  if (hwnd_) {
    HWND hwnd = hwnd_;
    hwnd_ = nullptr;
    DestroyControlWindow(hwnd);
  }
  if (inPlaceSiteEx_) {
    inPlaceSiteEx_->OnInPlaceDeactivateEx(TRUE);
  } else if (inPlaceSite_) {
    inPlaceSite_->OnInPlaceDeactivate();
  }
  ResetInPlaceSites();
  windowless_ = false;
  return S_OK;
}

HRESULT CControlCore::SetObjectRects(const RECT* pos, const RECT* clip) {
  if (!pos || !clip) return E_POINTER;
  rcPos_ = *pos;
  if (!hwnd_) return S_OK;
  ::SetWindowPos(hwnd_, nullptr, pos->left, pos->top, pos->right - pos->left,
                 pos->bottom - pos->top, SWP_NOZORDER | SWP_NOACTIVATE);
  // Only the part inside the clip shows; the region is in window units.
  RECT visible = {};
  ::IntersectRect(&visible, pos, clip);
  if (::EqualRect(&visible, pos)) {
    ::SetWindowRgn(hwnd_, nullptr, TRUE);
  } else {
    ::OffsetRect(&visible, -pos->left, -pos->top);
    HRGN region = ::CreateRectRgnIndirect(&visible);
    // The window owns the region once SetWindowRgn succeeds.
    if (region && !::SetWindowRgn(hwnd_, region, TRUE)) ::DeleteObject(region);
  }
  return S_OK;
}

HRESULT CControlCore::DrawNormalized(HDC dc, const RECT& logicalBounds) {
  if (!dc) return E_INVALIDARG;
  const int technology = ::GetDeviceCaps(dc, TECHNOLOGY);
  if (technology == DT_METAFILE || ::GetObjectType(dc) == OBJ_ENHMETADC ||
      ::GetObjectType(dc) == OBJ_METADC) {
    // A metafile has no device units: it records in the caller's mapping.
    OnDraw(dc, logicalBounds);
    return S_OK;
  }
  RECT device = logicalBounds;
  ::LPtoDP(dc, reinterpret_cast<POINT*>(&device), 2);
  const int saved = ::SaveDC(dc);
  if (!saved) return HRESULT_FROM_WIN32(::GetLastError());
  ::SetMapMode(dc, MM_TEXT);
  ::SetWindowOrgEx(dc, 0, 0, nullptr);
  ::SetViewportOrgEx(dc, 0, 0, nullptr);
  OnDraw(dc, device);
  ::RestoreDC(dc, saved);
  return S_OK;
}

void CControlCore::OnWindowFocus(bool gotFocus) {
  ComPtr<IUnknown> hold = HoldSelf();
  if (gotFocus && inPlaceActive_ && !uiActive_) InPlaceActivate(OLEIVERB_UIACTIVATE);
  ComPtr<IOleControlSite> controlSite;
  if (links_.clientSite && SUCCEEDED(links_.clientSite.As(IID_IOleControlSite, controlSite))) {
    controlSite->OnFocus(gotFocus ? TRUE : FALSE);
  }
}

void CControlCore::OnWindowMouseActivate() {
  if (inPlaceActive_ && !uiActive_) InPlaceActivate(OLEIVERB_UIACTIVATE);
}

}  // namespace scalewright::ole
