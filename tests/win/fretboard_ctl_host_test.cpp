// The Fretboard control in real windows: activated in place by a windowed
// container site of our own (its window, painting, focus, repaint requests
// and deactivation in their exact order), and hosted by the platform's ATL
// control host, which no one in this project wrote.
#include <gtest/gtest.h>

#include <ole2.h>
#include <oleacc.h>

#include "control/interface/fretboard_settings.h"
#include "control/interface/neckview_h.h"
#include "framework/com/bstr.h"
#include "tests/win/dib_surface.h"
#include "tests/win/fretboard_fakes.h"
#include "tests/win/window_rects.h"

namespace scalewright::test {
namespace {

using com::ComPtr;

constexpr wchar_t kFretboardClsidText[] = L"{C271D575-553B-4ABF-A2B7-3B4F0DB1A4D3}";

void ExpectBoardFrame(const CDibSurface& dib) {
  EXPECT_EQ(kBlackPixel, dib.At(0, 0));
  EXPECT_EQ(kBlackPixel, dib.At(599, 299));
  EXPECT_EQ(kBlackPixel, dib.At(300, 0));
  EXPECT_EQ(kWhitePixel, dib.At(2, 2));
  EXPECT_EQ(kBlackPixel, dib.At(20, 51));
  EXPECT_EQ(kBlackPixel, dib.At(36, 100));
  EXPECT_EQ(kWhitePixel, dib.At(50, 100));
}

// The window's current picture, as the screen shows it.
void CaptureWindow(HWND hwnd, CDibSurface& dib, int width, int height) {
  HDC screen = ::GetDC(hwnd);
  ::BitBlt(dib.Dc(), 0, 0, width, height, screen, 0, 0, SRCCOPY);
  ::ReleaseDC(hwnd, screen);
}

class FretboardInPlace : public FretboardTest {
 protected:
  void SetUp() override {
    FretboardTest::SetUp();
    ASSERT_NE(nullptr, m_host.get());
    ASSERT_EQ(S_OK, Create(IID_IOleObject, m_object));
    ASSERT_EQ(S_OK, m_object->SetClientSite(&m_site));
    EXPECT_EQ(2u, m_site.refs);
  }
  void TearDown() override {
    if (m_object) {
      m_object->Close(OLECLOSE_NOSAVE);
      m_object->SetClientSite(nullptr);
      EXPECT_EQ(0u, m_object.detach()->Release());
    }
    EXPECT_EQ(1u, m_site.refs);
    EXPECT_EQ(1u, m_frame.refs);
    FretboardTest::TearDown();
  }

  HWND ControlWindow() {
    ComPtr<IOleWindow> window;
    HWND hwnd = static_cast<HWND>(kPoisonPointer);
    if (FAILED(m_object.As(IID_IOleWindow, window)) || FAILED(window->GetWindow(&hwnd))) {
      return nullptr;
    }
    return hwnd;
  }

  CHostWindow m_host{640, 340};
  CallLog m_log;
  CFakeFrame m_frame{m_log, m_host.get()};
  const RECT m_pos = {10, 20, 610, 320};
  CFakeSite m_site{m_log, m_host.get(), m_frame, m_pos};
  ComPtr<IOleObject> m_object;
};

TEST_F(FretboardInPlace, InPlaceActivationMakesAChildWindowThatPaintsTheBoard) {
  ASSERT_EQ(S_OK,
            m_object->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, &m_site, 0, m_host.get(), &m_pos));
  EXPECT_EQ((CallLog{"CanInPlaceActivate", "OnInPlaceActivate", "GetWindowContext", "GetWindow",
                     "ShowObject"}),
            m_log);
  HWND hwnd = ControlWindow();
  ASSERT_NE(nullptr, hwnd);
  EXPECT_EQ(m_host.get(), ::GetParent(hwnd));
  EXPECT_TRUE(::IsWindowVisible(hwnd));
  const RECT rect = WindowRectIn(hwnd, m_host.get());
  EXPECT_EQ(10, rect.left);
  EXPECT_EQ(20, rect.top);
  EXPECT_EQ(610, rect.right);
  EXPECT_EQ(320, rect.bottom);

  CDibSurface printed(600, 300);
  ASSERT_TRUE(printed.Ok());
  ::SendMessageW(hwnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(printed.Dc()), PRF_CLIENT);
  ExpectBoardFrame(printed);

  ::UpdateWindow(hwnd);
  CDibSurface shown(600, 300);
  ASSERT_TRUE(shown.Ok());
  shown.Fill(0x808080);
  CaptureWindow(hwnd, shown, 600, 300);
  ExpectBoardFrame(shown);
}

// A screen reader's view of the window: the board by its scale and notes,
// a child for each marker by note, string, fret and degree, located on the
// screen where the window shows it (the places themselves are checked
// against the drawing pass in the host tests).
TEST_F(FretboardInPlace, AScreenReaderReadsTheBoardAndItsMarkers) {
  ASSERT_EQ(S_OK,
            m_object->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, &m_site, 0, m_host.get(), &m_pos));
  HWND hwnd = ControlWindow();
  ASSERT_NE(nullptr, hwnd);
  ComPtr<IAccessible> board;
  ASSERT_EQ(S_OK, ::AccessibleObjectFromWindow(hwnd, static_cast<DWORD>(OBJID_CLIENT),
                                               IID_IAccessible, board.put_void()));
  VARIANT self = {};
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  auto text = [&](HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, BSTR*), VARIANT child) {
    BSTR value = nullptr;
    EXPECT_EQ(S_OK, (board.get()->*get)(child, &value));
    const std::wstring result = value ? value : L"";
    ::SysFreeString(value);
    return result;
  };
  EXPECT_EQ(L"C Ionian", text(&IAccessible::get_accName, self));
  EXPECT_EQ(L"Notes: C, D, E, F, G, A, B", text(&IAccessible::get_accDescription, self));
  VARIANT role = {};
  ASSERT_EQ(S_OK, board->get_accRole(self, &role));
  EXPECT_EQ(ROLE_SYSTEM_GRAPHIC, role.lVal);

  long children = 0;
  ASSERT_EQ(S_OK, board->get_accChildCount(&children));
  // Frets 0 to 17 of a string give every note once and its first six
  // again: the seven of C major, and four more on each string of E B G D A E
  // (E F G A, B C D E, G A B C, D E F G, A B C D, E F G A): 6 x 11.
  EXPECT_EQ(66, children);
  RECT client = {};
  ::GetClientRect(hwnd, &client);
  ::MapWindowPoints(hwnd, nullptr, reinterpret_cast<POINT*>(&client), 2);
  long left = 0, top = 0, width = 0, height = 0;
  ASSERT_EQ(S_OK, board->accLocation(&left, &top, &width, &height, self));
  EXPECT_EQ(client.left, left);
  EXPECT_EQ(client.top, top);
  EXPECT_EQ(client.right - client.left, width);
  EXPECT_EQ(client.bottom - client.top, height);
  VARIANT marker = {};
  marker.vt = VT_I4;
  for (marker.lVal = 1; marker.lVal <= children; ++marker.lVal) {
    if (text(&IAccessible::get_accName, marker) == L"C, string 5, fret 3, degree 1") break;
  }
  ASSERT_LE(marker.lVal, children) << "no marker for C on the A string";
  ASSERT_EQ(S_OK, board->accLocation(&left, &top, &width, &height, marker));
  EXPECT_GT(width, 10);
  EXPECT_EQ(width, height);
  EXPECT_TRUE(left >= client.left && left + width <= client.right && top >= client.top &&
              top + height <= client.bottom);
  VARIANT hit = {};
  ASSERT_EQ(S_OK, board->accHitTest(left + width / 2, top + height / 2, &hit));
  EXPECT_EQ(marker.lVal, hit.lVal);
}

TEST_F(FretboardInPlace, RepaintRequestsInvalidateTheWindowNotTheViewSink) {
  ComPtr<IViewObject> view;
  ASSERT_EQ(S_OK, m_object.As(IID_IViewObject, view));
  CallLog viewLog;
  CFakeAdviseSink viewSink(viewLog);
  ASSERT_EQ(S_OK, view->SetAdvise(DVASPECT_CONTENT, 0, &viewSink));
  ASSERT_EQ(S_OK,
            m_object->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, &m_site, 0, m_host.get(), &m_pos));
  HWND hwnd = ControlWindow();
  ASSERT_NE(nullptr, hwnd);
  ::UpdateWindow(hwnd);
  ASSERT_FALSE(::GetUpdateRect(hwnd, nullptr, FALSE));

  ComPtr<IFretboard> fretboard;
  ASSERT_EQ(S_OK, m_object.As(IID_IFretboard, fretboard));
  ASSERT_EQ(S_OK, fretboard->put_BackColor(0x0000FF));
  RECT invalid = {};
  EXPECT_TRUE(::GetUpdateRect(hwnd, &invalid, FALSE));
  EXPECT_EQ(600, invalid.right - invalid.left);
  EXPECT_EQ(300, invalid.bottom - invalid.top);
  ::ValidateRect(hwnd, nullptr);

  ComPtr<IFretboardSettings> settings;
  ASSERT_EQ(S_OK, m_object.As(IID_IFretboardSettings, settings));
  settings->SetLabelKind(1);
  EXPECT_FALSE(::GetUpdateRect(hwnd, nullptr, FALSE)) << "the label kind waits";
  settings->SetTonality(7);
  EXPECT_TRUE(::GetUpdateRect(hwnd, nullptr, FALSE));
  EXPECT_TRUE(viewLog.empty()) << "in place, the window repaints itself";
  ASSERT_EQ(S_OK, view->SetAdvise(DVASPECT_CONTENT, 0, nullptr));
}

TEST_F(FretboardInPlace, UIActivationAndDeactivationInTheirOrder) {
  ASSERT_EQ(S_OK,
            m_object->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, &m_site, 0, m_host.get(), &m_pos));
  HWND hwnd = ControlWindow();
  ASSERT_NE(nullptr, hwnd);
  m_log.clear();
  ASSERT_EQ(S_OK, m_object->DoVerb(OLEIVERB_UIACTIVATE, nullptr, &m_site, 0, m_host.get(), &m_pos));
  EXPECT_EQ((CallLog{"OnUIActivate", "Frame.SetActiveObject", "Frame.SetBorderSpace(null)",
                     "ShowObject"}),
            m_log);
  EXPECT_EQ(hwnd, ::GetFocus());
  ASSERT_TRUE(m_frame.active);
  ComPtr<IOleInPlaceActiveObject> active;
  ASSERT_EQ(S_OK, m_object.As(IID_IOleInPlaceActiveObject, active));
  EXPECT_EQ(active.get(), m_frame.active.get());
  HWND activeWindow = static_cast<HWND>(kPoisonPointer);
  ASSERT_EQ(S_OK, active->GetWindow(&activeWindow));
  EXPECT_EQ(hwnd, activeWindow);
  EXPECT_EQ(S_FALSE, active->TranslateAccelerator(nullptr));
  active.reset();

  m_log.clear();
  ComPtr<IOleInPlaceObject> inPlace;
  ASSERT_EQ(S_OK, m_object.As(IID_IOleInPlaceObject, inPlace));
  ASSERT_EQ(S_OK, inPlace->InPlaceDeactivate());
  EXPECT_EQ((CallLog{"Frame.SetActiveObject(null)", "OnUIDeactivate", "OnInPlaceDeactivate"}),
            m_log);
  EXPECT_FALSE(::IsWindow(hwnd));
  EXPECT_FALSE(m_frame.active);
  HWND none = static_cast<HWND>(kPoisonPointer);
  EXPECT_EQ(E_FAIL, inPlace->GetWindow(&none));
  EXPECT_EQ(nullptr, none);
  m_log.clear();
  ASSERT_EQ(S_OK, inPlace->InPlaceDeactivate());
  EXPECT_TRUE(m_log.empty()) << "deactivating twice tells the site nothing";
}

TEST_F(FretboardInPlace, SetObjectRectsMovesTheWindow) {
  ASSERT_EQ(S_OK, m_object->DoVerb(OLEIVERB_SHOW, nullptr, &m_site, 0, m_host.get(), &m_pos));
  HWND hwnd = ControlWindow();
  ASSERT_NE(nullptr, hwnd);
  ComPtr<IOleInPlaceObject> inPlace;
  ASSERT_EQ(S_OK, m_object.As(IID_IOleInPlaceObject, inPlace));
  const RECT moved = {5, 6, 305, 156};
  ASSERT_EQ(S_OK, inPlace->SetObjectRects(&moved, &moved));
  const RECT rect = WindowRectIn(hwnd, m_host.get());
  EXPECT_EQ(5, rect.left);
  EXPECT_EQ(6, rect.top);
  EXPECT_EQ(305, rect.right);
  EXPECT_EQ(156, rect.bottom);
  EXPECT_EQ(E_POINTER, inPlace->SetObjectRects(nullptr, &moved));
}

TEST_F(FretboardInPlace, ASiteThatRefusesGetsNoWindow) {
  m_site.refuseInPlace = true;
  EXPECT_EQ(E_FAIL,
            m_object->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, &m_site, 0, m_host.get(), &m_pos));
  EXPECT_EQ((CallLog{"CanInPlaceActivate"}), m_log);
  EXPECT_EQ(nullptr, ControlWindow());
  EXPECT_EQ(2u, m_site.refs) << "only the client site is held";
}

TEST_F(FretboardInPlace, CloseDeactivatesAndSavesWhenAskedAndDirty) {
  ASSERT_EQ(S_OK,
            m_object->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, &m_site, 0, m_host.get(), &m_pos));
  HWND hwnd = ControlWindow();
  ComPtr<IFretboard> fretboard;
  ASSERT_EQ(S_OK, m_object.As(IID_IFretboard, fretboard));
  ASSERT_EQ(S_OK, fretboard->put_BorderColor(1));
  m_log.clear();
  ASSERT_EQ(S_OK, m_object->Close(OLECLOSE_SAVEIFDIRTY));
  EXPECT_EQ((CallLog{"OnInPlaceDeactivate", "SaveObject"}), m_log);
  EXPECT_FALSE(::IsWindow(hwnd));
}

// The platform's ATL control host: atl100.dll (class "AtlAxWin100") or
// atl.dll ("AtlAxWin").
class FretboardAtlHost : public FretboardTest {
 protected:
  void SetUp() override {
    FretboardTest::SetUp();
    m_atl = ::LoadLibraryW(L"atl100.dll");
    m_className = L"AtlAxWin100";
    if (!m_atl) {
      m_atl = ::LoadLibraryW(L"atl.dll");
      m_className = L"AtlAxWin";
    }
    ASSERT_NE(nullptr, m_atl) << "no ATL control host on this system";
  }
  void TearDown() override {
    // AtlAxWinInit initialised OLE once more for the host.
    if (m_hostInitialized) ::OleUninitialize();
    if (m_atl) ::FreeLibrary(m_atl);
    FretboardTest::TearDown();
  }
  template <class Function>
  Function Export(const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(::GetProcAddress(m_atl, name)));
  }

  HMODULE m_atl = nullptr;
  const wchar_t* m_className = nullptr;
  bool m_hostInitialized = false;
};

TEST_F(FretboardAtlHost, CreatesActivatesAndPaintsTheControl) {
  using InitFn = BOOL(WINAPI*)();
  using GetControlFn = HRESULT(WINAPI*)(HWND, IUnknown**);
  auto init = Export<InitFn>("AtlAxWinInit");
  auto getControl = Export<GetControlFn>("AtlAxGetControl");
  ASSERT_NE(nullptr, init);
  ASSERT_NE(nullptr, getControl);
  ASSERT_TRUE(init());
  m_hostInitialized = true;
  CHostWindow host(600, 300);
  HWND ax = ::CreateWindowExW(0, m_className, kFretboardClsidText, WS_CHILD | WS_VISIBLE, 0, 0, 600,
                              300, host.get(), nullptr, ::GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(nullptr, ax);
  {
    ComPtr<IUnknown> control;
    ASSERT_EQ(S_OK, getControl(ax, control.put()));
    ComPtr<IPersist> persist;
    ASSERT_EQ(S_OK, control.As(IID_IPersist, persist));
    CLSID clsid = kPoisonGuid;
    ASSERT_EQ(S_OK, persist->GetClassID(&clsid));
    EXPECT_EQ(CLSID_Fretboard, clsid);
    ComPtr<IOleObject> object;
    ASSERT_EQ(S_OK, control.As(IID_IOleObject, object));
    SIZEL extent = {};
    ASSERT_EQ(S_OK, object->GetExtent(DVASPECT_CONTENT, &extent));
    EXPECT_GT(extent.cx, 0) << "the host sized the control";

    // Windowless in a host that allows it, else in a window of its own.
    ComPtr<IOleWindow> window;
    ASSERT_EQ(S_OK, control.As(IID_IOleWindow, window));
    HWND own = nullptr;
    HWND painted = SUCCEEDED(window->GetWindow(&own)) ? own : ax;
    ::InvalidateRect(painted, nullptr, TRUE);
    ::UpdateWindow(painted);
    CDibSurface shown(600, 300);
    ASSERT_TRUE(shown.Ok());
    shown.Fill(0x808080);
    CaptureWindow(painted, shown, 600, 300);
    ExpectBoardFrame(shown);

    ComPtr<IFretboard> fretboard;
    ASSERT_EQ(S_OK, control.As(IID_IFretboard, fretboard));
    com::CBstr caption;
    ASSERT_EQ(S_OK, fretboard->get_Caption(caption.put()));
    EXPECT_STREQ(L"c Ionian", caption.get());
    ::ValidateRect(painted, nullptr);
    ASSERT_EQ(S_OK, fretboard->put_BackColor(0x00FF00));
    EXPECT_TRUE(::GetUpdateRect(painted, nullptr, FALSE)) << "a put repaints in the host";
  }
  ASSERT_EQ(S_FALSE, m_dll.canUnloadNow());
  ::DestroyWindow(ax);
  EXPECT_EQ(S_OK, m_dll.canUnloadNow()) << "the host released the control";
}

}  // namespace
}  // namespace scalewright::test
