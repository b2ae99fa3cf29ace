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
  log_.push_back("OnChanged(" + Number(dispid) + ")");
  return S_OK;
}

HRESULT CFakePropertySink::OnRequestEdit(DISPID dispid) {
  log_.push_back("OnRequestEdit(" + Number(dispid) + ")");
  return veto ? S_FALSE : S_OK;
}

HRESULT CFakeAdviseSink::QueryInterface(REFIID riid, void** ppv) {
  if (riid == IID_IAdviseSinkEx) {
    return AnswerOne(this, IID_IAdviseSink, IID_IAdviseSink, static_cast<IAdviseSink*>(this),
                     ppv);
  }
  return AnswerOne(this, riid, IID_IAdviseSink, static_cast<IAdviseSink*>(this), ppv);
}

void CFakeAdviseSink::OnDataChange(FORMATETC*, STGMEDIUM*) { log_.push_back("OnDataChange"); }

void CFakeAdviseSink::OnViewChange(DWORD aspect, LONG index) {
  log_.push_back("OnViewChange(" + Number(static_cast<long>(aspect)) + "," + Number(index) +
                 ")");
}

CHostWindow::CHostWindow(int width, int height) {
  RECT frame = {0, 0, width, height};
  ::AdjustWindowRect(&frame, WS_OVERLAPPEDWINDOW, FALSE);
  hwnd_ = ::CreateWindowExW(0, L"STATIC", L"host", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, 0,
                            frame.right - frame.left, frame.bottom - frame.top, nullptr,
                            nullptr, nullptr, nullptr);
  if (hwnd_) {
    ::ShowWindow(hwnd_, SW_SHOW);
    ::UpdateWindow(hwnd_);
  }
}

CHostWindow::~CHostWindow() {
  if (hwnd_) ::DestroyWindow(hwnd_);
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
  *hwnd = hwnd_;
  return S_OK;
}

HRESULT CFakeFrame::RequestBorderSpace(LPCBORDERWIDTHS) {
  log_.push_back("Frame.RequestBorderSpace");
  return S_OK;
}

HRESULT CFakeFrame::SetBorderSpace(LPCBORDERWIDTHS widths) {
  log_.push_back(widths ? "Frame.SetBorderSpace" : "Frame.SetBorderSpace(null)");
  return S_OK;
}

HRESULT CFakeFrame::SetActiveObject(IOleInPlaceActiveObject* object, LPCOLESTR) {
  log_.push_back(object ? "Frame.SetActiveObject" : "Frame.SetActiveObject(null)");
  active = com::ComPtr<IOleInPlaceActiveObject>(object);
  return S_OK;
}

HRESULT CFakeFrame::InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) {
  log_.push_back("Frame.InsertMenus");
  return E_NOTIMPL;
}

HRESULT CFakeFrame::SetMenu(HMENU, HOLEMENU, HWND) {
  log_.push_back("Frame.SetMenu");
  return E_NOTIMPL;
}

HRESULT CFakeFrame::RemoveMenus(HMENU) {
  log_.push_back("Frame.RemoveMenus");
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
  log_.push_back("SaveObject");
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
  log_.push_back("ShowObject");
  return S_OK;
}

HRESULT CFakeSite::OnShowWindow(BOOL) {
  log_.push_back("OnShowWindow");
  return S_OK;
}

HRESULT CFakeSite::RequestNewObjectLayout() { return E_NOTIMPL; }

HRESULT CFakeSite::GetWindow(HWND* hwnd) {
  log_.push_back("GetWindow");
  if (!hwnd) return E_POINTER;
  *hwnd = hwnd_;
  return S_OK;
}

HRESULT CFakeSite::CanInPlaceActivate() {
  log_.push_back("CanInPlaceActivate");
  return refuseInPlace ? S_FALSE : S_OK;
}

HRESULT CFakeSite::OnInPlaceActivate() {
  log_.push_back("OnInPlaceActivate");
  return S_OK;
}

HRESULT CFakeSite::OnUIActivate() {
  log_.push_back("OnUIActivate");
  return S_OK;
}

HRESULT CFakeSite::GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** doc,
                                    LPRECT pos, LPRECT clip, LPOLEINPLACEFRAMEINFO info) {
  log_.push_back("GetWindowContext");
  if (!frame || !doc || !pos || !clip || !info) return E_POINTER;
  // The frame info comes in with its size set, as the protocol requires.
  if (info->cb != sizeof(OLEINPLACEFRAMEINFO)) log_.push_back("bad frame info size");
  frame_.AddRef();
  *frame = &frame_;
  *doc = nullptr;
  *pos = pos_;
  *clip = pos_;
  info->fMDIApp = FALSE;
  info->hwndFrame = hwnd_;
  info->haccel = nullptr;
  info->cAccelEntries = 0;
  return S_OK;
}

HRESULT CFakeSite::OnUIDeactivate(BOOL) {
  log_.push_back("OnUIDeactivate");
  return S_OK;
}

HRESULT CFakeSite::OnInPlaceDeactivate() {
  log_.push_back("OnInPlaceDeactivate");
  return S_OK;
}

HRESULT CFakeSite::OnPosRectChange(LPCRECT) {
  log_.push_back("OnPosRectChange");
  return S_OK;
}

CDib::CDib(int width, int height) : width_(width), height_(height) {
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  bitmap_ = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  dc_ = ::CreateCompatibleDC(nullptr);
  if (!bitmap_ || !dc_) return;
  previous_ = ::SelectObject(dc_, bitmap_);
  bits_ = static_cast<std::uint32_t*>(bits);
}

CDib::~CDib() {
  if (dc_ && previous_) ::SelectObject(dc_, previous_);
  if (dc_) ::DeleteDC(dc_);
  if (bitmap_) ::DeleteObject(bitmap_);
}

std::uint32_t CDib::Pixel(int x, int y) const {
  ::GdiFlush();
  return bits_[y * width_ + x] & 0xFFFFFF;
}

void CDib::Fill(std::uint32_t rgb) {
  ::GdiFlush();
  for (int i = 0; i < width_ * height_; ++i) bits_[i] = rgb;
}

const CLSID& FretboardTest::CLSID_FretboardValue() { return CLSID_Fretboard; }

void FretboardTest::SetUp() {
  ASSERT_EQ(S_OK, ::OleInitialize(nullptr));
  ASSERT_TRUE(dll_.Loaded()) << "Neckview.dll did not load";
  ASSERT_NE(nullptr, dll_.registerServer);
  ASSERT_EQ(S_OK, dll_.registerServer());
  registered_ = true;
}

void FretboardTest::TearDown() {
  if (registered_) dll_.unregisterServer();
  ::OleUninitialize();
}

ULONG CountOf(IUnknown* object) {
  object->AddRef();
  return object->Release();
}

}  // namespace scalewright::test
