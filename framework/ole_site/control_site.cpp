#include "framework/ole_site/control_site.h"

#include "framework/ole_site/control_site_frame.h"

namespace scalewright::ole {

namespace {

// A stream over a copy of |bytes|, positioned at its start.
HRESULT MakeStream(const std::vector<BYTE>& bytes, com::ComPtr<IStream>& stream) {
  HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, bytes.empty() ? 1 : bytes.size());
  if (!memory) return E_OUTOFMEMORY;
  if (void* data = ::GlobalLock(memory)) {
    if (!bytes.empty()) ::memcpy(data, bytes.data(), bytes.size());
    ::GlobalUnlock(memory);
  }
  const HRESULT hr = ::CreateStreamOnHGlobal(memory, TRUE, stream.put());
  if (FAILED(hr)) {
    ::GlobalFree(memory);
    return hr;
  }
  ULARGE_INTEGER size = {};
  size.QuadPart = bytes.size();
  return stream->SetSize(size);
}

}  // namespace

UINT ControlChangedMessage() {
  static const UINT message = ::RegisterWindowMessageA("Scalewright.ControlChanged");
  return message;
}

UINT SiteServiceMessage() {
  static const UINT message = ::RegisterWindowMessageA("Scalewright.SiteService");
  return message;
}

com::ComPtr<CControlSite> CControlSite::Make(HWND window) {
  return com::ComPtr<CControlSite>::Adopt(new CControlSite(window));
}

HRESULT CControlSite::CreateControl(const CLSID& clsid, const std::vector<BYTE>& streamBytes) {
  com::ComPtr<IOleObject> object;
  HRESULT hr =
      ::CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject, object.put_void());
  if (FAILED(hr)) return hr;
  if (!object) return E_NOINTERFACE;

  DWORD status = 0;
  if (FAILED(object->GetMiscStatus(DVASPECT_CONTENT, &status))) status = 0;
  const bool siteFirst = (status & OLEMISC_SETCLIENTSITEFIRST) != 0;
  if (siteFirst && FAILED(hr = object->SetClientSite(this))) return hr;

  com::ComPtr<IPersistStreamInit> persist;
  if (SUCCEEDED(object.As(IID_IPersistStreamInit, persist))) {
    if (streamBytes.empty()) {
      hr = persist->InitNew();
    } else {
      com::ComPtr<IStream> stream;
      hr = MakeStream(streamBytes, stream);
      if (SUCCEEDED(hr)) hr = persist->Load(stream.get());
    }
    if (FAILED(hr)) {
      if (siteFirst) object->SetClientSite(nullptr);
      return hr;
    }
  }
  if (!siteFirst && FAILED(hr = object->SetClientSite(this))) return hr;
  object->SetHostNames(L"Container", nullptr);

  m_object = object;
  RECT position = {};
  ::GetClientRect(m_window, &position);
  hr = m_object->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, this, 0, m_window, &position);
  if (SUCCEEDED(hr)) hr = m_object.As(IID_IOleInPlaceObject, m_inPlace);
  if (FAILED(hr)) {
    DestroyControl();
    return hr;
  }
  // A control without property notifications is hosted all the same.
  com::ComPtr<IConnectionPointContainer> points;
  if (SUCCEEDED(m_object.As(IID_IConnectionPointContainer, points)) &&
      SUCCEEDED(points->FindConnectionPoint(IID_IPropertyNotifySink, m_notifications.put())) &&
      FAILED(
          m_notifications->Advise(static_cast<IPropertyNotifySink*>(this), &m_notificationCookie)))
    m_notifications.reset();
  return S_OK;
}

void CControlSite::DestroyControl() {
  // The control may outlive its window (a property frame can hold it):
  // it is told to close and forgets this site, so nothing dangles.
  if (com::ComPtr<IConnectionPoint> notifications = std::move(m_notifications))
    notifications->Unadvise(m_notificationCookie);
  com::ComPtr<IOleInPlaceObject> inPlace = std::move(m_inPlace);
  com::ComPtr<IOleObject> object = std::move(m_object);
  if (inPlace) inPlace->InPlaceDeactivate();
  if (object) {
    object->Close(OLECLOSE_NOSAVE);
    object->SetClientSite(nullptr);
  }
}

void CControlSite::OnSize() {
  if (!m_inPlace) return;
  RECT position = {};
  ::GetClientRect(m_window, &position);
  m_inPlace->SetObjectRects(&position, &position);
}

com::ComPtr<IUnknown> CControlSite::Control() const {
  com::ComPtr<IUnknown> control;
  if (m_object) m_object.As(IID_IUnknown, control);
  return control;
}

HWND CControlSite::ControlWindow() const {
  HWND window = nullptr;
  if (m_inPlace && SUCCEEDED(m_inPlace->GetWindow(&window))) return window;
  return nullptr;
}

HRESULT CControlSite::QueryInterface(REFIID iid, void** object) {
  if (!object) return E_POINTER;
  *object = nullptr;
  if (iid == IID_IUnknown || iid == IID_IOleClientSite) {
    *object = static_cast<IOleClientSite*>(this);
  } else if (iid == IID_IOleWindow || iid == IID_IOleInPlaceSite) {
    *object = static_cast<IOleInPlaceSite*>(this);
  } else if (iid == IID_IPropertyNotifySink) {
    *object = static_cast<IPropertyNotifySink*>(this);
  } else {
    // An interface the container adds for its controls.
    HWND parent = ::GetParent(m_window);
    if (parent &&
        ::SendMessageA(parent, SiteServiceMessage(), reinterpret_cast<WPARAM>(&iid),
                       reinterpret_cast<LPARAM>(object)) &&
        *object)
      return S_OK;
    *object = nullptr;
    return E_NOINTERFACE;
  }
  AddRef();
  return S_OK;
}

ULONG CControlSite::AddRef() { return static_cast<ULONG>(::InterlockedIncrement(&m_refs)); }

ULONG CControlSite::Release() {
  const LONG refs = ::InterlockedDecrement(&m_refs);
  if (refs == 0) delete this;
  return static_cast<ULONG>(refs);
}

HRESULT CControlSite::GetMoniker(DWORD, DWORD, IMoniker** moniker) {
  if (!moniker) return E_POINTER;
  *moniker = nullptr;
  return E_NOTIMPL;
}

HRESULT CControlSite::GetContainer(IOleContainer** container) {
  if (!container) return E_POINTER;
  *container = nullptr;
  return E_NOINTERFACE;
}

HRESULT CControlSite::GetWindow(HWND* window) {
  if (!window) return E_POINTER;
  *window = m_window;
  return ::IsWindow(m_window) ? S_OK : E_FAIL;
}

HRESULT CControlSite::CanInPlaceActivate() { return ::IsWindow(m_window) ? S_OK : S_FALSE; }

HRESULT CControlSite::GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document,
                                       LPRECT position, LPRECT clip, LPOLEINPLACEFRAMEINFO info) {
  if (!frame || !document || !position || !clip || !info) return E_POINTER;
  *frame = nullptr;
  *document = nullptr;
  HWND topLevel = ::GetAncestor(m_window, GA_ROOT);
  *frame = CInPlaceFrame::Make(topLevel).detach();
  ::GetClientRect(m_window, position);
  *clip = *position;
  info->fMDIApp = FALSE;
  info->hwndFrame = topLevel;
  info->haccel = nullptr;
  info->cAccelEntries = 0;
  return S_OK;
}

HRESULT CControlSite::OnChanged(DISPID id) {
  // Only while the control is up: its own teardown tells nobody.
  if (m_object && ::IsWindow(m_window)) {
    if (HWND parent = ::GetParent(m_window))
      ::SendMessageA(parent, ControlChangedMessage(), static_cast<WPARAM>(id), 0);
  }
  return S_OK;
}

HRESULT CControlSite::OnPosRectChange(LPCRECT position) {
  if (!position) return E_POINTER;
  if (m_inPlace) m_inPlace->SetObjectRects(position, position);
  return S_OK;
}

}  // namespace scalewright::ole
