#include "tests/win/fretboard_fakes.h"

#include <objbase.h>
#include <ole2.h>

#include "control/interface/neckview_h.h"

namespace scalewright::test {
namespace {

std::string Number(long value) { return std::to_string(value); }

template <class Self, class I>
HRESULT AnswerOne(Self* self, REFIID riid, REFIID iid, I* answer, void** ppv) {
  if (!ppv) return E_POINTER;
  *ppv = nullptr;
  if (riid != IID_IUnknown && riid != iid) return E_NOINTERFACE;
  self->AddRef();
  *ppv = answer;
  return S_OK;
}

}  // namespace

HRESULT CFakePropertySink::QueryInterface(REFIID riid, void** ppv) {
  return AnswerOne(this, riid, IID_IPropertyNotifySink, static_cast<IPropertyNotifySink*>(this),
                   ppv);
}

HRESULT CFakePropertySink::OnChanged(DISPID dispid) {
  m_log.push_back("OnChanged(" + Number(dispid) + ")");
  return S_OK;
}

HRESULT CFakePropertySink::OnRequestEdit(DISPID dispid) {
  m_log.push_back("OnRequestEdit(" + Number(dispid) + ")");
  return veto ? S_FALSE : S_OK;
}

HRESULT CFakeAdviseSink::QueryInterface(REFIID riid, void** ppv) {
  if (riid == IID_IAdviseSinkEx) {
    return AnswerOne(this, IID_IAdviseSink, IID_IAdviseSink, static_cast<IAdviseSink*>(this), ppv);
  }
  return AnswerOne(this, riid, IID_IAdviseSink, static_cast<IAdviseSink*>(this), ppv);
}

void CFakeAdviseSink::OnDataChange(FORMATETC*, STGMEDIUM*) { m_log.push_back("OnDataChange"); }

void CFakeAdviseSink::OnViewChange(DWORD aspect, LONG index) {
  m_log.push_back("OnViewChange(" + Number(static_cast<long>(aspect)) + "," + Number(index) + ")");
}

CHostWindow::CHostWindow(int width, int height) {
  RECT frame = {0, 0, width, height};
  ::AdjustWindowRect(&frame, WS_OVERLAPPEDWINDOW, FALSE);
  m_hwnd = ::CreateWindowExW(0, L"STATIC", L"host", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, 0,
                             frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr,
                             nullptr, nullptr);
  if (m_hwnd) {
    ::ShowWindow(m_hwnd, SW_SHOW);
    ::UpdateWindow(m_hwnd);
  }
}

CHostWindow::~CHostWindow() {
  if (m_hwnd) ::DestroyWindow(m_hwnd);
}

HRESULT CFakeFrame::QueryInterface(REFIID riid, void** ppv) {
  if (!ppv) return E_POINTER;
  *ppv = nullptr;
  if (riid == IID_IUnknown || riid == IID_IOleWindow || riid == IID_IOleInPlaceUIWindow ||
      riid == IID_IOleInPlaceFrame) {
    AddRef();
    *ppv = static_cast<IOleInPlaceFrame*>(this);
    return S_OK;
  }
  return E_NOINTERFACE;
}

HRESULT CFakeFrame::GetWindow(HWND* hwnd) {
  if (!hwnd) return E_POINTER;
  *hwnd = m_hwnd;
  return S_OK;
}

HRESULT CFakeFrame::RequestBorderSpace(LPCBORDERWIDTHS) {
  m_log.push_back("Frame.RequestBorderSpace");
  return S_OK;
}

HRESULT CFakeFrame::SetBorderSpace(LPCBORDERWIDTHS widths) {
  m_log.push_back(widths ? "Frame.SetBorderSpace" : "Frame.SetBorderSpace(null)");
  return S_OK;
}

HRESULT CFakeFrame::SetActiveObject(IOleInPlaceActiveObject* object, LPCOLESTR) {
  m_log.push_back(object ? "Frame.SetActiveObject" : "Frame.SetActiveObject(null)");
  active = com::ComPtr<IOleInPlaceActiveObject>(object);
  return S_OK;
}

HRESULT CFakeFrame::InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) {
  m_log.push_back("Frame.InsertMenus");
  return E_NOTIMPL;
}

HRESULT CFakeFrame::SetMenu(HMENU, HOLEMENU, HWND) {
  m_log.push_back("Frame.SetMenu");
  return E_NOTIMPL;
}

HRESULT CFakeFrame::RemoveMenus(HMENU) {
  m_log.push_back("Frame.RemoveMenus");
  return E_NOTIMPL;
}

HRESULT CFakeFrame::SetStatusText(LPCOLESTR) { return S_OK; }

HRESULT CFakeFrame::EnableModeless(BOOL) { return S_OK; }

HRESULT CFakeFrame::TranslateAccelerator(LPMSG, WORD) { return S_FALSE; }

HRESULT CFakeSite::QueryInterface(REFIID riid, void** ppv) {
  if (!ppv) return E_POINTER;
  *ppv = nullptr;
  if (riid == IID_IUnknown || riid == IID_IOleClientSite) {
    *ppv = static_cast<IOleClientSite*>(this);
  } else if (riid == IID_IOleWindow || riid == IID_IOleInPlaceSite) {
    *ppv = static_cast<IOleInPlaceSite*>(this);
  } else {
    return E_NOINTERFACE;
  }
  AddRef();
  return S_OK;
}

HRESULT CFakeSite::SaveObject() {
  m_log.push_back("SaveObject");
  return S_OK;
}

HRESULT CFakeSite::GetMoniker(DWORD, DWORD, IMoniker** moniker) {
  if (moniker) *moniker = nullptr;
  return E_NOTIMPL;
}

HRESULT CFakeSite::GetContainer(IOleContainer** container) {
  if (container) *container = nullptr;
  return E_NOINTERFACE;
}

HRESULT CFakeSite::ShowObject() {
  m_log.push_back("ShowObject");
  return S_OK;
}

HRESULT CFakeSite::OnShowWindow(BOOL) {
  m_log.push_back("OnShowWindow");
  return S_OK;
}

HRESULT CFakeSite::RequestNewObjectLayout() { return E_NOTIMPL; }

HRESULT CFakeSite::GetWindow(HWND* hwnd) {
  m_log.push_back("GetWindow");
  if (!hwnd) return E_POINTER;
  *hwnd = m_hwnd;
  return S_OK;
}

HRESULT CFakeSite::CanInPlaceActivate() {
  m_log.push_back("CanInPlaceActivate");
  return refuseInPlace ? S_FALSE : S_OK;
}

HRESULT CFakeSite::OnInPlaceActivate() {
  m_log.push_back("OnInPlaceActivate");
  return S_OK;
}

HRESULT CFakeSite::OnUIActivate() {
  m_log.push_back("OnUIActivate");
  return S_OK;
}

HRESULT CFakeSite::GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** doc, LPRECT pos,
                                    LPRECT clip, LPOLEINPLACEFRAMEINFO info) {
  m_log.push_back("GetWindowContext");
  if (!frame || !doc || !pos || !clip || !info) return E_POINTER;
  // The frame info comes in with its size set, as the protocol requires.
  if (info->cb != sizeof(OLEINPLACEFRAMEINFO)) m_log.push_back("bad frame info size");
  m_frame.AddRef();
  *frame = &m_frame;
  *doc = nullptr;
  *pos = m_pos;
  *clip = m_pos;
  info->fMDIApp = FALSE;
  info->hwndFrame = m_hwnd;
  info->haccel = nullptr;
  info->cAccelEntries = 0;
  return S_OK;
}

HRESULT CFakeSite::OnUIDeactivate(BOOL) {
  m_log.push_back("OnUIDeactivate");
  return S_OK;
}

HRESULT CFakeSite::OnInPlaceDeactivate() {
  m_log.push_back("OnInPlaceDeactivate");
  return S_OK;
}

HRESULT CFakeSite::OnPosRectChange(LPCRECT) {
  m_log.push_back("OnPosRectChange");
  return S_OK;
}

const CLSID& FretboardTest::CLSID_FretboardValue() { return CLSID_Fretboard; }

void FretboardTest::SetUp() {
  ASSERT_EQ(S_OK, ::OleInitialize(nullptr));
  ASSERT_TRUE(m_dll.Loaded()) << "Neckview.dll did not load";
  ASSERT_NE(nullptr, m_dll.registerServer);
  ASSERT_EQ(S_OK, m_dll.registerServer());
  m_registered = true;
}

void FretboardTest::TearDown() {
  if (m_registered) m_dll.unregisterServer();
  ::OleUninitialize();
}

ULONG CountOf(IUnknown* object) {
  object->AddRef();
  return object->Release();
}

}  // namespace scalewright::test
