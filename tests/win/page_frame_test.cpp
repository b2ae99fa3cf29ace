// The page in the platform's own property frame (OleCreatePropertyFrameIndirect),
// pressed from a second thread: OK and Apply write the settings, Cancel
// writes nothing. Once on fake controls with the page linked in, once on
// the real control and page served by Neckview.dll.
#include <gtest/gtest.h>
#include <windows.h>

#include <ocidl.h>
#include <olectl.h>

#include <algorithm>
#include <string>
#include <vector>

#include "control/interface/fretboard_settings.h"
#include "control/interface/neckview_h.h"
#include "control/ui/dialog_ids.h"
#include "control/ui/fret_prop.h"
#include "fake_fretboard.h"
#include "framework/com/class_factory.h"
#include "framework/com/com_ptr.h"
#include "modes_file_fixture.h"
#include "ui_test_support.h"

namespace scalewright {
namespace {

using com::ComPtr;
using test::CDialogDriver;
using test::CFakeFretboard;

constexpr char kFrameTitle[] = "Properties for Fretboard";
constexpr int kApplyButton = 12321;

// The page's dialog inside the frame: the parent of its Strings box.
HWND FindPage(HWND frame) {
  struct SSearch {
    HWND found = nullptr;
  } search;
  ::EnumChildWindows(
      frame,
      [](HWND window, LPARAM data) CALLBACK -> BOOL {
        if (::GetDlgCtrlID(window) != IDC_TUNING) return TRUE;
        char className[32] = {};
        ::GetClassNameA(window, className, sizeof className);
        if (std::string(className) != "Edit") return TRUE;
        reinterpret_cast<SSearch*>(data)->found = ::GetParent(window);
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// A user's choice in a drop-down list of the page.
void Choose(HWND page, int id, int index) {
  HWND list = ::GetDlgItem(page, id);
  ::SendMessageA(list, CB_SETCURSEL, index, 0);
  ::SendMessageA(page, WM_COMMAND, MAKEWPARAM(id, CBN_SELENDOK), reinterpret_cast<LPARAM>(list));
}

int Count(const std::vector<std::string>& writes, const std::string& prefix) {
  return static_cast<int>(std::count_if(
      writes.begin(), writes.end(), [&](const std::string& w) { return w.rfind(prefix, 0) == 0; }));
}

class FrameTest : public test::ModesFileTest {
 protected:
  void SetUp() override {
    ModesFileTest::SetUp();
    WriteModes(kSeven);
    ASSERT_TRUE(SUCCEEDED(::OleInitialize(nullptr)));
  }
  void TearDown() override {
    RevokePage();
    ::OleUninitialize();
    ModesFileTest::TearDown();
  }

  // Lets the frame create the page by its class identifier.
  void RegisterPage(IClassFactory* factory) {
    ASSERT_EQ(S_OK, ::CoRegisterClassObject(CLSID_FretProp, factory, CLSCTX_INPROC_SERVER,
                                            REGCLS_MULTIPLEUSE, &m_cookie));
  }
  void RevokePage() {
    if (m_cookie) ::CoRevokeClassObject(m_cookie);
    m_cookie = 0;
  }

  HRESULT OpenFrame(std::vector<IUnknown*> objects, CDialogDriver::Script script) {
    CLSID page = CLSID_FretProp;
    OCPFIPARAMS params{};
    params.cbStructSize = sizeof params;
    params.lpszCaption = L"Fretboard";
    params.cObjects = static_cast<ULONG>(objects.size());
    params.lplpUnk = objects.data();
    params.cPages = 1;
    params.lpPages = &page;
    params.lcid = LOCALE_USER_DEFAULT;
    CDialogDriver driver(std::move(script));
    return ::OleCreatePropertyFrameIndirect(&params);
  }

  DWORD m_cookie = 0;
};

class FakeFrameTest : public FrameTest {
 protected:
  void SetUp() override {
    FrameTest::SetUp();
    m_factory = com::CClassFactory::CreateCached(&CreateFretProp);
    ASSERT_NE(nullptr, m_factory);
    RegisterPage(m_factory);
  }
  void TearDown() override {
    RevokePage();
    if (m_factory) m_factory->Release();
    EXPECT_EQ(1u, m_a.refs);
    EXPECT_EQ(1u, m_b.refs);
    FrameTest::TearDown();
  }

  IClassFactory* m_factory = nullptr;
  CFakeFretboard m_a, m_b;
};

TEST_F(FakeFrameTest, OkWritesTheChangedSettingsIntoEveryControl) {
  std::string tuningShown;
  const HRESULT hr = OpenFrame({m_a.Unknown(), m_b.Unknown()}, [&](DWORD ui) {
    HWND frame = test::WaitForThreadDialog(ui, kFrameTitle);
    HWND page = frame ? FindPage(frame) : nullptr;
    if (!page) return CDialogDriver::GiveUp(ui, "no property frame with the page appeared");
    tuningShown = test::ItemText(page, IDC_TUNING);
    ::SetDlgItemTextA(page, IDC_TUNING, "D A D G B E");
    Choose(page, IDC_TONALITY, 10);
    test::Click(frame, IDOK);
    if (!test::WaitUntilGone(frame)) CDialogDriver::GiveUp(ui, "the frame did not close");
  });
  EXPECT_EQ(S_OK, hr);
  EXPECT_EQ("E B G D A E", tuningShown);
  for (CFakeFretboard* control : {&m_a, &m_b}) {
    EXPECT_EQ("D A D G B E", control->tuning);
    EXPECT_EQ(9, control->tonality);
    ASSERT_FALSE(control->writes.empty());
    EXPECT_EQ("SetTonality(9)", control->writes.front());
    EXPECT_EQ(1, Count(control->writes, "SetTuning"));
  }
}

TEST_F(FakeFrameTest, CancelWritesNothing) {
  const HRESULT hr = OpenFrame({m_a.Unknown()}, [&](DWORD ui) {
    HWND frame = test::WaitForThreadDialog(ui, kFrameTitle);
    HWND page = frame ? FindPage(frame) : nullptr;
    if (!page) return CDialogDriver::GiveUp(ui, "no property frame with the page appeared");
    ::SetDlgItemTextA(page, IDC_TUNING, "D A D G B E");
    Choose(page, IDC_TONALITY, 10);
    test::Click(frame, IDCANCEL);
    if (!test::WaitUntilGone(frame)) CDialogDriver::GiveUp(ui, "the frame did not close");
  });
  EXPECT_EQ(S_OK, hr);
  EXPECT_TRUE(m_a.writes.empty());
  EXPECT_EQ("E B G D A E", m_a.tuning);
  EXPECT_EQ(0, m_a.tonality);
}

TEST_F(FakeFrameTest, ApplyWritesOnceAndLaterChangesGoWithCancel) {
  bool applyEnabledAtOpen = false, applied = false;
  const HRESULT hr = OpenFrame({m_a.Unknown()}, [&](DWORD ui) {
    HWND frame = test::WaitForThreadDialog(ui, kFrameTitle);
    HWND page = frame ? FindPage(frame) : nullptr;
    if (!page) return CDialogDriver::GiveUp(ui, "no property frame with the page appeared");
    // Dirty from the start: the Strings box was filled.
    HWND apply = ::GetDlgItem(frame, kApplyButton);
    for (int i = 0; i < 100 && !::IsWindowEnabled(apply); ++i) ::Sleep(20);
    applyEnabledAtOpen = ::IsWindowEnabled(apply);
    ::SetDlgItemTextA(page, IDC_TUNING, "G D A E");
    test::Click(frame, kApplyButton);
    for (int i = 0; i < 100 && ::IsWindowEnabled(apply); ++i) ::Sleep(20);
    applied = !::IsWindowEnabled(apply);
    ::SendMessageA(::GetDlgItem(page, IDC_SIDE_DOTS), BM_CLICK, 0, 0);
    test::Click(frame, IDCANCEL);
    if (!test::WaitUntilGone(frame)) CDialogDriver::GiveUp(ui, "the frame did not close");
  });
  EXPECT_EQ(S_OK, hr);
  EXPECT_TRUE(applyEnabledAtOpen);
  EXPECT_TRUE(applied);
  EXPECT_EQ("G D A E", m_a.tuning);
  EXPECT_EQ(1, Count(m_a.writes, "SetTuning"));
  EXPECT_TRUE(m_a.sideDots);
}

TEST_F(FakeFrameTest, TabWalksThroughThePagesControlsInsideTheFrame) {
  std::vector<int> walked;
  const HRESULT hr = OpenFrame({m_a.Unknown()}, [&](DWORD ui) {
    HWND frame = test::WaitForThreadDialog(ui, kFrameTitle);
    HWND page = frame ? FindPage(frame) : nullptr;
    if (!page) return CDialogDriver::GiveUp(ui, "no property frame with the page appeared");
    // Tab as the user presses it, wherever the focus is; the frame's own
    // loop decides where it goes.
    for (int press = 0; press < 40; ++press) {
      GUITHREADINFO info{};
      info.cbSize = sizeof info;
      if (!::GetGUIThreadInfo(ui, &info) || !info.hwndFocus) break;
      HWND focus = info.hwndFocus;
      // A combo box with an edit field has the focus in that field.
      if (::GetParent(focus) != page && ::GetParent(::GetParent(focus)) == page) {
        focus = ::GetParent(focus);
      }
      if (::GetParent(focus) == page) walked.push_back(::GetDlgCtrlID(focus));
      ::PostMessageA(info.hwndFocus, WM_KEYDOWN, VK_TAB, 0);
      ::PostMessageA(info.hwndFocus, WM_KEYUP, VK_TAB, 0);
      for (int i = 0; i < 50; ++i) {
        GUITHREADINFO now{};
        now.cbSize = sizeof now;
        if (::GetGUIThreadInfo(ui, &now) && now.hwndFocus != info.hwndFocus) break;
        ::Sleep(10);
      }
    }
    test::Click(frame, IDCANCEL);
    if (!test::WaitUntilGone(frame)) CDialogDriver::GiveUp(ui, "the frame did not close");
  });
  EXPECT_EQ(S_OK, hr);
  // Template order, from the first list to the last button.
  const std::vector<int> order = {IDC_TONALITY, IDC_MODE,    IDC_EDIT_MODES, IDC_SHOW_STEPS,
                                  IDC_NOTE_C,   IDC_NOTE_CS, IDC_NOTE_D};
  const auto at = std::search(walked.begin(), walked.end(), order.begin(), order.end());
  EXPECT_NE(walked.end(), at) << "walked " << walked.size() << " controls";
  const std::vector<int> tail = {IDC_HIGHLIGHT, IDC_TUNING, IDC_TUNINGS};
  EXPECT_NE(walked.end(), std::search(walked.begin(), walked.end(), tail.begin(), tail.end()));
  EXPECT_TRUE(m_a.writes.empty());
}

// The deliverable itself: Neckview.dll beside the test program serves the
// control and the page, with the dialogs from its own resources.
class NeckviewFrameTest : public FrameTest {
 protected:
  void SetUp() override {
    FrameTest::SetUp();
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string dll = path;
    dll = dll.substr(0, dll.find_last_of("\\/") + 1) + "Neckview.dll";
    m_dll = ::LoadLibraryA(dll.c_str());
    ASSERT_NE(nullptr, m_dll);
    using GetClassObject = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**);
    auto getClassObject = reinterpret_cast<GetClassObject>(
        reinterpret_cast<void*>(::GetProcAddress(m_dll, "DllGetClassObject")));
    ASSERT_NE(nullptr, getClassObject);
    ASSERT_EQ(S_OK, getClassObject(CLSID_FretProp, IID_IClassFactory, m_pageFactory.put_void()));
    ASSERT_EQ(S_OK,
              getClassObject(CLSID_Fretboard, IID_IClassFactory, m_controlFactory.put_void()));
    RegisterPage(m_pageFactory.get());
  }
  void TearDown() override {
    RevokePage();
    m_pageFactory.reset();
    m_controlFactory.reset();
    // Unloading is the module's own business; only keep it loaded meanwhile.
    if (m_dll) ::FreeLibrary(m_dll);
    FrameTest::TearDown();
  }

  HMODULE m_dll = nullptr;
  ComPtr<IClassFactory> m_pageFactory;
  ComPtr<IClassFactory> m_controlFactory;
};

TEST_F(NeckviewFrameTest, OkChangesTheRealControl) {
  ComPtr<IUnknown> control;
  ASSERT_EQ(S_OK, m_controlFactory->CreateInstance(nullptr, IID_IUnknown, control.put_void()));
  std::string mode, highlight;
  const HRESULT hr = OpenFrame({control.get()}, [&](DWORD ui) {
    HWND frame = test::WaitForThreadDialog(ui, kFrameTitle);
    HWND page = frame ? FindPage(frame) : nullptr;
    if (!page) return CDialogDriver::GiveUp(ui, "no property frame with the page appeared");
    mode = test::ItemText(page, IDC_MODE);
    highlight = test::ItemText(page, IDC_HIGHLIGHT);
    Choose(page, IDC_TONALITY, 10);
    Choose(page, IDC_MODE, 6);
    ::SetDlgItemTextA(page, IDC_TUNING, "D A D G B E");
    ::SetDlgItemTextA(page, IDC_SHOW_STEPS, "1,3,5");
    ::Sleep(200);
    test::Click(frame, IDOK);
    if (!test::WaitUntilGone(frame)) CDialogDriver::GiveUp(ui, "the frame did not close");
  });
  EXPECT_EQ(S_OK, hr);
  EXPECT_EQ("Ionian", mode);
  EXPECT_EQ("1,3,5", highlight);
  // The settings interface is a plain in-process interface: ask for it raw.
  IFretboardSettings* settings = nullptr;
  ASSERT_EQ(S_OK,
            control->QueryInterface(IID_IFretboardSettings, reinterpret_cast<void**>(&settings)));
  EXPECT_EQ(9, settings->GetTonality());
  EXPECT_STREQ("Aeolian", settings->GetMode());
  EXPECT_STREQ("D A D G B E", settings->GetTuning());
  EXPECT_STREQ("1,3,5", settings->GetShowSteps());
  std::string shown;
  for (int pitch = 0; pitch < 12; ++pitch) shown += settings->GetNoteShown(pitch) ? '1' : '0';
  EXPECT_EQ("100010000100", shown);  // A, C and E
  settings->Release();
}

}  // namespace
}  // namespace scalewright
