#include "framework/ole/control_core.h"

#include <olectl.h>

#include <new>

#include "framework/ole/control_window.h"

namespace scalewright::ole {

using com::ComPtr;

HRESULT CPropertySinks::Add(IPropertyNotifySink* sink, DWORD* cookie) {
  try {
    m_sinks.emplace_back(m_nextCookie, ComPtr<IPropertyNotifySink>(sink));
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  }
  *cookie = m_nextCookie++;
  return S_OK;
}

HRESULT CPropertySinks::Remove(DWORD cookie) {
  for (auto it = m_sinks.begin(); it != m_sinks.end(); ++it) {
    if (it->first == cookie) {
      // The sink may release the control; erase before it can.
      ComPtr<IPropertyNotifySink> sink = std::move(it->second);
      m_sinks.erase(it);
      return S_OK;
    }
  }
  return CONNECT_E_NOCONNECTION;
}

std::vector<std::pair<DWORD, ComPtr<IPropertyNotifySink>>> CPropertySinks::Snapshot() const {
  try {
    return m_sinks;
  } catch (const std::bad_alloc&) {
    return {};
  }
}

CControlCore::~CControlCore() = default;

ComPtr<IUnknown> CControlCore::HoldSelf() {
  // A dying object (and an outer object that is destroying it) must not be
  // counted up and down again.
  if (m_destroying) return {};
  return ComPtr<IUnknown>(ControlUnknown());
}

void CControlCore::ReleaseAll() {
  m_destroying = true;
  if (m_inPlaceActive) InPlaceDeactivate();
  if (m_hwnd) {
    HWND hwnd = m_hwnd;
    m_hwnd = nullptr;
    DestroyControlWindow(hwnd);
  }
  ResetInPlaceSites();
  m_links.propertySinks.Clear();
  m_links.viewSink.reset();
  m_links.dataAdviseHolder.reset();
  m_links.oleAdviseHolder.reset();
  m_links.clientSite.reset();
}

void CControlCore::RequestRepaint() {
  if (m_inPlaceActive) {
    if (!m_windowless) {
      if (m_hwnd) ::InvalidateRect(m_hwnd, nullptr, TRUE);
    } else if (m_windowlessSite && FAILED(m_windowlessSite->InvalidateRect(nullptr, TRUE))) {
      // A site that cannot invalidate for its controls still has a window.
      HWND siteWindow = nullptr;
      if (SUCCEEDED(m_windowlessSite->GetWindow(&siteWindow)) && siteWindow) {
        ::InvalidateRect(siteWindow, &m_rcPos, TRUE);
      }
    }
    return;
  }
  if (m_links.viewSink) {
    // The sink may drop itself through SetAdvise while being told.
    ComPtr<IAdviseSink> sink = m_links.viewSink;
    if (m_links.viewAdvf & ADVF_ONLYONCE) m_links.viewSink.reset();
    sink->OnViewChange(DVASPECT_CONTENT, -1);
  }
}

void CControlCore::SendDataChange() {
  if (!m_links.dataAdviseHolder) return;
  ComPtr<IDataObject> data;
  if (FAILED(QueryControl(IID_IDataObject, data))) return;
  ComPtr<IDataAdviseHolder> holder = m_links.dataAdviseHolder;
  holder->SendOnDataChange(data.get(), 0, 0);
}

HRESULT CControlCore::RequestEdit(DISPID dispid) {
  for (const auto& [cookie, sink] : m_links.propertySinks.Snapshot()) {
    if (sink->OnRequestEdit(dispid) == S_FALSE) return S_FALSE;
  }
  return S_OK;
}

void CControlCore::NotifyChanged(DISPID dispid) {
  for (const auto& [cookie, sink] : m_links.propertySinks.Snapshot()) sink->OnChanged(dispid);
}

void CControlCore::ResetInPlaceSites() {
  m_frame.reset();
  m_uiWindow.reset();
  m_windowlessSite.reset();
  m_inPlaceSiteEx.reset();
  m_inPlaceSite.reset();
}

HRESULT CControlCore::InPlaceActivate(LONG verb, const RECT* pos) {
  if (!m_links.clientSite) return E_UNEXPECTED;
  // A site may release the control while it activates it.
  ComPtr<IUnknown> hold = HoldSelf();
  if (!m_inPlaceActive) {
    const HRESULT hr = ActivateInPlace(pos);
    if (FAILED(hr)) return hr;
  } else if (pos) {
    SetObjectRects(pos, pos);
  }
  if (verb == OLEIVERB_UIACTIVATE || verb == OLEIVERB_SHOW || verb == OLEIVERB_PRIMARY) {
    const HRESULT hr = ActivateUI();
    if (FAILED(hr)) return hr;
  }
  if (m_hwnd) ::ShowWindow(m_hwnd, SW_SHOW);
  if (m_links.clientSite) m_links.clientSite->ShowObject();
  return S_OK;
}

HRESULT CControlCore::ActivateInPlace(const RECT* pos) {
  // The richest site the container offers: windowless, extended, plain.
  if (!WindowOnly()) m_links.clientSite.As(IID_IOleInPlaceSiteWindowless, m_windowlessSite);
  if (m_windowlessSite) {
    m_inPlaceSiteEx = ComPtr<IOleInPlaceSiteEx>(m_windowlessSite.get());
    m_inPlaceSite = ComPtr<IOleInPlaceSite>(m_windowlessSite.get());
  } else if (SUCCEEDED(m_links.clientSite.As(IID_IOleInPlaceSiteEx, m_inPlaceSiteEx))) {
    m_inPlaceSite = ComPtr<IOleInPlaceSite>(m_inPlaceSiteEx.get());
  } else if (FAILED(m_links.clientSite.As(IID_IOleInPlaceSite, m_inPlaceSite))) {
    return E_FAIL;
  }
  if (m_inPlaceSite->CanInPlaceActivate() != S_OK) {
    ResetInPlaceSites();
    return E_FAIL;
  }
  m_windowless = m_windowlessSite && m_windowlessSite->CanWindowlessActivate() == S_OK;
  HRESULT hr = S_OK;
  if (m_inPlaceSiteEx) {
    BOOL noRedraw = FALSE;
    hr = m_inPlaceSiteEx->OnInPlaceActivateEx(&noRedraw, m_windowless ? ACTIVATE_WINDOWLESS : 0);
  } else {
    hr = m_inPlaceSite->OnInPlaceActivate();
  }
  if (FAILED(hr)) {
    ResetInPlaceSites();
    m_windowless = false;
    return hr;
  }
  m_inPlaceActive = true;

  RECT sitePos = {};
  RECT siteClip = {};
  OLEINPLACEFRAMEINFO frameInfo = {};
  frameInfo.cb = sizeof frameInfo;
  hr = m_inPlaceSite->GetWindowContext(m_frame.put(), m_uiWindow.put(), &sitePos, &siteClip,
                                       &frameInfo);
  if (FAILED(hr)) {
    InPlaceDeactivate();
    return hr;
  }
  m_rcPos = pos ? *pos : sitePos;
  if (!m_windowless) {
    HWND parent = nullptr;
    hr = m_inPlaceSite->GetWindow(&parent);
    if (SUCCEEDED(hr) && !parent) hr = E_UNEXPECTED;
    if (SUCCEEDED(hr)) {
      m_hwnd = CreateControlWindow(*this, parent, m_rcPos);
      if (!m_hwnd) hr = HRESULT_FROM_WIN32(::GetLastError());
      if (SUCCEEDED(hr) && !m_hwnd) hr = E_FAIL;
    }
    if (FAILED(hr)) {
      InPlaceDeactivate();
      return hr;
    }
  }
  return S_OK;
}

HRESULT CControlCore::ActivateUI() {
  if (m_uiActive) return S_OK;
  if (m_windowless && m_inPlaceSiteEx && m_inPlaceSiteEx->RequestUIActivate() != S_OK) {
    // The container keeps UI activation for itself; the control stays in place.
    return S_OK;
  }
  m_uiActive = true;
  if (m_windowless) {
    if (m_windowlessSite) m_windowlessSite->SetFocus(TRUE);
  } else if (m_hwnd && ::GetFocus() != m_hwnd) {
    ::SetFocus(m_hwnd);
  }
  m_inPlaceSite->OnUIActivate();
  ComPtr<IOleInPlaceActiveObject> active;
  if (!m_destroying && SUCCEEDED(QueryControl(IID_IOleInPlaceActiveObject, active))) {
    if (m_frame) m_frame->SetActiveObject(active.get(), nullptr);
    if (m_uiWindow) m_uiWindow->SetActiveObject(active.get(), nullptr);
  }
  // No tools of its own: the frame keeps its space.
  if (m_frame) m_frame->SetBorderSpace(nullptr);
  if (m_uiWindow) m_uiWindow->SetBorderSpace(nullptr);
  return S_OK;
}

HRESULT CControlCore::UIDeactivate() {
  if (!m_uiActive) return S_OK;
  m_uiActive = false;
  ComPtr<IUnknown> hold = HoldSelf();
  if (m_uiWindow) m_uiWindow->SetActiveObject(nullptr, nullptr);
  if (m_frame) m_frame->SetActiveObject(nullptr, nullptr);
  if (m_windowless && m_windowlessSite) m_windowlessSite->SetFocus(FALSE);
  if (m_inPlaceSite) m_inPlaceSite->OnUIDeactivate(FALSE);
  return S_OK;
}

HRESULT CControlCore::InPlaceDeactivate() {
  if (!m_inPlaceActive) return S_OK;
  ComPtr<IUnknown> hold = HoldSelf();
  UIDeactivate();
  m_inPlaceActive = false;
  if (m_hwnd) {
    HWND hwnd = m_hwnd;
    m_hwnd = nullptr;
    DestroyControlWindow(hwnd);
  }
  if (m_inPlaceSiteEx) {
    m_inPlaceSiteEx->OnInPlaceDeactivateEx(TRUE);
  } else if (m_inPlaceSite) {
    m_inPlaceSite->OnInPlaceDeactivate();
  }
  ResetInPlaceSites();
  m_windowless = false;
  return S_OK;
}

HRESULT CControlCore::SetObjectRects(const RECT* pos, const RECT* clip) {
  if (!pos || !clip) return E_POINTER;
  m_rcPos = *pos;
  if (!m_hwnd) return S_OK;
  ::SetWindowPos(m_hwnd, nullptr, pos->left, pos->top, pos->right - pos->left,
                 pos->bottom - pos->top, SWP_NOZORDER | SWP_NOACTIVATE);
  // Only the part inside the clip shows; the region is in window units.
  RECT visible = {};
  ::IntersectRect(&visible, pos, clip);
  if (::EqualRect(&visible, pos)) {
    ::SetWindowRgn(m_hwnd, nullptr, TRUE);
  } else {
    ::OffsetRect(&visible, -pos->left, -pos->top);
    HRGN region = ::CreateRectRgnIndirect(&visible);
    // The window owns the region once SetWindowRgn succeeds.
    if (region && !::SetWindowRgn(m_hwnd, region, TRUE)) ::DeleteObject(region);
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
  if (gotFocus && m_inPlaceActive && !m_uiActive) InPlaceActivate(OLEIVERB_UIACTIVATE);
  ComPtr<IOleControlSite> controlSite;
  if (m_links.clientSite && SUCCEEDED(m_links.clientSite.As(IID_IOleControlSite, controlSite))) {
    controlSite->OnFocus(gotFocus ? TRUE : FALSE);
  }
}

void CControlCore::OnWindowMouseActivate() {
  if (m_inPlaceActive && !m_uiActive) InPlaceActivate(OLEIVERB_UIACTIVATE);
}

}  // namespace scalewright::ole
