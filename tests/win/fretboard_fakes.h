// Fakes and helpers of the Fretboard control tests: sinks and a container
// site that count references for real and log every call in order, and a
// fixture that registers a private copy of Neckview.dll. The DIB they draw
// into is CDibSurface (tests/win/dib_surface.h).
#pragma once

#include <windows.h>

#include <ocidl.h>
#include <oleidl.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "framework/com/com_ptr.h"
#include "tests/win/com_test_support.h"

namespace scalewright::test {

inline void* const kPoisonPointer =
    reinterpret_cast<void*>(static_cast<std::uintptr_t>(0xdeadbeef));
inline constexpr DWORD kPoisonWord = 0xdeadbeef;
inline constexpr GUID kPoisonGuid = {
    0xdeadbeef, 0xdead, 0xbeef, {0xde, 0xad, 0xbe, 0xef, 0xde, 0xad, 0xbe, 0xef}};

// Calls in the order they came, as short texts ("OnChanged(-501)").
using CallLog = std::vector<std::string>;

// IUnknown with a real count for a fake that lives on the test's stack:
// it starts with the test's reference and is never deleted.
template <class... Interfaces>
class CStackObject : public Interfaces... {
 public:
  ULONG STDMETHODCALLTYPE AddRef() override { return ++refs; }
  ULONG STDMETHODCALLTYPE Release() override { return --refs; }
  ULONG refs = 1;
};

class CFakePropertySink final : public CStackObject<IPropertyNotifySink> {
 public:
  explicit CFakePropertySink(CallLog& log) : m_log(log) {}
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override;
  HRESULT STDMETHODCALLTYPE OnChanged(DISPID dispid) override;
  HRESULT STDMETHODCALLTYPE OnRequestEdit(DISPID dispid) override;

  bool veto = false;

 private:
  CallLog& m_log;
};

// IAdviseSinkEx, so that quick activation can take it too.
class CFakeAdviseSink final : public CStackObject<IAdviseSinkEx> {
 public:
  explicit CFakeAdviseSink(CallLog& log) : m_log(log) {}
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override;
  void STDMETHODCALLTYPE OnDataChange(FORMATETC* format, STGMEDIUM* medium) override;
  void STDMETHODCALLTYPE OnViewChange(DWORD aspect, LONG index) override;
  void STDMETHODCALLTYPE OnRename(IMoniker*) override { m_log.push_back("OnRename"); }
  void STDMETHODCALLTYPE OnSave() override { m_log.push_back("OnSave"); }
  void STDMETHODCALLTYPE OnClose() override { m_log.push_back("OnClose"); }
  void STDMETHODCALLTYPE OnViewStatusChange(DWORD) override {
    m_log.push_back("OnViewStatusChange");
  }

  // The data object passed to the latest OnDataChange.
  const void* lastDataObject = nullptr;

 private:
  CallLog& m_log;
};

// A visible top-level window to host controls in; destroyed with the object.
class CHostWindow {
 public:
  CHostWindow(int width, int height);
  ~CHostWindow();
  CHostWindow(const CHostWindow&) = delete;
  CHostWindow& operator=(const CHostWindow&) = delete;
  HWND get() const { return m_hwnd; }

 private:
  HWND m_hwnd = nullptr;
};

// The in-place frame of the fake container.
class CFakeFrame final : public CStackObject<IOleInPlaceFrame> {
 public:
  CFakeFrame(CallLog& log, HWND hwnd) : m_log(log), m_hwnd(hwnd) {}
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override;
  HRESULT STDMETHODCALLTYPE GetWindow(HWND* hwnd) override;
  HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetBorder(LPRECT) override { return INPLACE_E_NOTOOLSPACE; }
  HRESULT STDMETHODCALLTYPE RequestBorderSpace(LPCBORDERWIDTHS) override;
  HRESULT STDMETHODCALLTYPE SetBorderSpace(LPCBORDERWIDTHS widths) override;
  HRESULT STDMETHODCALLTYPE SetActiveObject(IOleInPlaceActiveObject* object,
                                            LPCOLESTR name) override;
  HRESULT STDMETHODCALLTYPE InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) override;
  HRESULT STDMETHODCALLTYPE SetMenu(HMENU, HOLEMENU, HWND) override;
  HRESULT STDMETHODCALLTYPE RemoveMenus(HMENU) override;
  HRESULT STDMETHODCALLTYPE SetStatusText(LPCOLESTR) override;
  HRESULT STDMETHODCALLTYPE EnableModeless(BOOL) override;
  HRESULT STDMETHODCALLTYPE TranslateAccelerator(LPMSG, WORD) override;

  // Held from SetActiveObject(object) to SetActiveObject(null).
  com::ComPtr<IOleInPlaceActiveObject> active;

 private:
  CallLog& m_log;
  HWND m_hwnd;
};

// A windowed container site: IOleClientSite and IOleInPlaceSite over a real
// window, with no windowless or extended site (so the control must make a
// window of its own).
class CFakeSite final : public CStackObject<IOleClientSite, IOleInPlaceSite> {
 public:
  CFakeSite(CallLog& log, HWND hwnd, CFakeFrame& frame, RECT pos)
      : m_log(log), m_hwnd(hwnd), m_frame(frame), m_pos(pos) {}
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override;
  // IOleClientSite
  HRESULT STDMETHODCALLTYPE SaveObject() override;
  HRESULT STDMETHODCALLTYPE GetMoniker(DWORD, DWORD, IMoniker** moniker) override;
  HRESULT STDMETHODCALLTYPE GetContainer(IOleContainer** container) override;
  HRESULT STDMETHODCALLTYPE ShowObject() override;
  HRESULT STDMETHODCALLTYPE OnShowWindow(BOOL) override;
  HRESULT STDMETHODCALLTYPE RequestNewObjectLayout() override;
  // IOleWindow
  HRESULT STDMETHODCALLTYPE GetWindow(HWND* hwnd) override;
  HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }
  // IOleInPlaceSite
  HRESULT STDMETHODCALLTYPE CanInPlaceActivate() override;
  HRESULT STDMETHODCALLTYPE OnInPlaceActivate() override;
  HRESULT STDMETHODCALLTYPE OnUIActivate() override;
  HRESULT STDMETHODCALLTYPE GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** doc,
                                             LPRECT pos, LPRECT clip,
                                             LPOLEINPLACEFRAMEINFO info) override;
  HRESULT STDMETHODCALLTYPE Scroll(SIZE) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE OnUIDeactivate(BOOL undoable) override;
  HRESULT STDMETHODCALLTYPE OnInPlaceDeactivate() override;
  HRESULT STDMETHODCALLTYPE DiscardUndoState() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE DeactivateAndUndo() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE OnPosRectChange(LPCRECT) override;

  bool refuseInPlace = false;

 private:
  CallLog& m_log;
  HWND m_hwnd;
  CFakeFrame& m_frame;
  RECT m_pos;
};

// A registered private copy of Neckview.dll inside an OLE apartment.
class FretboardTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // A new control by class identifier, asked for |iid|.
  template <class I>
  HRESULT Create(REFIID iid, com::ComPtr<I>& out) {
    return ::CoCreateInstance(CLSID_FretboardValue(), nullptr, CLSCTX_INPROC_SERVER, iid,
                              out.put_void());
  }
  static const CLSID& CLSID_FretboardValue();

  CServerCopy m_dll{L"Neckview.dll"};
  bool m_registered = false;
};

// The reference count an object reports, by one AddRef and one Release.
ULONG CountOf(IUnknown* object);

}  // namespace scalewright::test
