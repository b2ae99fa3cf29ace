#include "framework/ole_site/control_site_frame.h"

namespace scalewright::ole {

com::ComPtr<CInPlaceFrame> CInPlaceFrame::Make(HWND frame) {
  return com::ComPtr<CInPlaceFrame>::Adopt(new CInPlaceFrame(frame));
}

HRESULT CInPlaceFrame::QueryInterface(REFIID iid, void** object) {
  if (!object) return E_POINTER;
  *object = nullptr;
  if (iid == IID_IUnknown || iid == IID_IOleWindow || iid == IID_IOleInPlaceUIWindow ||
      iid == IID_IOleInPlaceFrame) {
    *object = static_cast<IOleInPlaceFrame*>(this);
    AddRef();
    return S_OK;
  }
  return E_NOINTERFACE;
}

ULONG CInPlaceFrame::AddRef() { return static_cast<ULONG>(::InterlockedIncrement(&m_refs)); }

ULONG CInPlaceFrame::Release() {
  const LONG refs = ::InterlockedDecrement(&m_refs);
  if (refs == 0) delete this;
  return static_cast<ULONG>(refs);
}

HRESULT CInPlaceFrame::GetWindow(HWND* window) {
  if (!window) return E_POINTER;
  *window = m_frame;
  return m_frame ? S_OK : E_FAIL;
}

}  // namespace scalewright::ole
