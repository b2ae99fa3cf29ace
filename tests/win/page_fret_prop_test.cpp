// The FretProp page as a frame uses it: IPropertyPage on fake controls, the
// page window created for real in a host window and driven by messages, the
// controls read back as the user sees them.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>
#include <ocidl.h>
#include <olectl.h>

#include <chrono>
#include <cstring>
#include <string>
#include <vector>

#include "control/ui/dialog_ids.h"
#include "control/ui/fret_prop.h"
#include "control/ui/fret_prop_dlg.h"
#include "control/ui/tunings_dlg.h"
#include "fake_fretboard.h"
#include "framework/com/com_ptr.h"
#include "framework/ui/dialog_units.h"
#include "modes_file_fixture.h"
#include "ui_test_support.h"

namespace scalewright {
namespace {

using com::ComPtr;
using test::CDialogDriver;
using test::CFakeFretboard;
using test::CFakeFretboard2;
using Strings = std::vector<std::string>;

// Counts what the page tells its site.
class CFakePageSite final : public IPropertyPageSite {
 public:
  ULONG refs = 1;
  std::vector<DWORD> statusChanges;
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override {
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    if (riid != IID_IUnknown && riid != IID_IPropertyPageSite) return E_NOINTERFACE;
    *ppv = this;
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++refs; }
  ULONG STDMETHODCALLTYPE Release() override { return --refs; }
  HRESULT STDMETHODCALLTYPE OnStatusChange(DWORD flags) override {
    statusChanges.push_back(flags);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetLocaleID(LCID* locale) override {
    if (!locale) return E_POINTER;
    *locale = LOCALE_USER_DEFAULT;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetPageContainer(IUnknown** out) override {
    if (out) *out = nullptr;
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE TranslateAccelerator(MSG*) override { return S_FALSE; }
};

constexpr DWORD kDirty = PROPPAGESTATUS_DIRTY | PROPPAGESTATUS_VALIDATE;

class PageTest : public test::ModesFileTest {
 protected:
  void SetUp() override {
    ModesFileTest::SetUp();
    WriteModes(kSeven);
    ASSERT_TRUE(SUCCEEDED(::OleInitialize(nullptr)));
    m_host = ::CreateWindowExA(0, "STATIC", "host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 700,
                               600, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(nullptr, m_host);
    ASSERT_EQ(S_OK, CreateFretProp(nullptr, IID_IPropertyPage, m_page.put_void()));
    ASSERT_EQ(S_OK, m_page->SetPageSite(&m_site));
  }
  void TearDown() override {
    if (m_page) {
      m_page->Deactivate();
      m_page->SetObjects(0, nullptr);
      m_page->SetPageSite(nullptr);
      m_page.reset();
    }
    ::DestroyWindow(m_host);
    EXPECT_EQ(1u, m_site.refs);
    EXPECT_EQ(1u, m_a.refs);
    EXPECT_EQ(1u, m_b.refs);
    EXPECT_EQ(1u, m_c.refs);
    EXPECT_EQ(1u, m_d.refs);
    ::OleUninitialize();
    ModesFileTest::TearDown();
  }

  // Gives the page its objects and opens it in the host window.
  void Open(std::vector<IUnknown*> objects) {
    ASSERT_EQ(S_OK, m_page->SetObjects(static_cast<ULONG>(objects.size()), objects.data()));
    const RECT place{10, 10, 460, 460};
    ASSERT_EQ(S_OK, m_page->Activate(m_host, &place, TRUE));
    HWND pageWindow = ::GetWindow(m_host, GW_CHILD);
    ASSERT_NE(nullptr, pageWindow);
    m_dialog = ::GetWindow(pageWindow, GW_CHILD);
    ASSERT_NE(nullptr, m_dialog);
    test::PumpMessages();
  }

  HWND Item(int id) const { return ::GetDlgItem(m_dialog, id); }
  std::string Text(int id) const { return test::ItemText(m_dialog, id); }
  UINT Check(int id) const { return ::IsDlgButtonChecked(m_dialog, id); }

  // The note boxes that are ticked, by name.
  Strings Ticked() const {
    static const char* const kNames[] = {"C",  "C#", "D",  "D#", "E",  "F",
                                         "F#", "G",  "G#", "A",  "A#", "B"};
    Strings ticked;
    for (int pitch = 0; pitch < 12; ++pitch) {
      if (Check(NoteBoxId(pitch)) == BST_CHECKED) ticked.push_back(kNames[pitch]);
    }
    return ticked;
  }

  // A choice in a drop-down list, as the list reports it when it closes.
  void Choose(int id, int index) {
    ::SendMessageA(Item(id), CB_SETCURSEL, index, 0);
    ::SendMessageA(m_dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELENDOK),
                   reinterpret_cast<LPARAM>(Item(id)));
    test::PumpMessages();
  }
  void Type(int id, const char* text) {
    ::SetWindowTextA(Item(id), text);
    test::PumpMessages();
  }
  // Typing into the Highlight box's own edit field.
  void TypeHighlight(const char* text) {
    HWND edit = ::FindWindowExA(Item(IDC_HIGHLIGHT), nullptr, "Edit", nullptr);
    ASSERT_NE(nullptr, edit);
    // As typed: a text set from outside is not reported by a combo's edit.
    ::SendMessageA(edit, EM_SETSEL, 0, -1);
    ::SendMessageA(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text));
    test::PumpMessages();
  }
  void Click(int id) {
    ::SendMessageA(Item(id), BM_CLICK, 0, 0);
    test::PumpMessages();
  }

  HWND m_host = nullptr;
  HWND m_dialog = nullptr;
  CFakePageSite m_site;
  ComPtr<IPropertyPage> m_page;
  CFakeFretboard m_a, m_b;
  CFakeFretboard2 m_c, m_d;  // controls with the later options
};

TEST_F(PageTest, ANewControlOpensWithItsSettingsAndThePageIsDirtyAtOnce) {
  Open({m_a.Unknown()});
  EXPECT_EQ("C", Text(IDC_TONALITY));
  EXPECT_EQ("Ionian", Text(IDC_MODE));
  EXPECT_EQ("", Text(IDC_SHOW_STEPS));
  EXPECT_EQ("1,3,5", Text(IDC_HIGHLIGHT));
  EXPECT_EQ((Strings{"C", "D", "E", "F", "G", "A", "B"}), Ticked());
  EXPECT_EQ("Step number relative to the Ionian mode", Text(IDC_LABEL_KIND));
  EXPECT_EQ("0 fret (open string)", Text(IDC_FIRST_FRET));
  EXPECT_EQ("17", Text(IDC_LAST_FRET));
  EXPECT_EQ(static_cast<UINT>(BST_CHECKED), Check(IDC_SIDE_DOTS));
  EXPECT_EQ(static_cast<UINT>(BST_UNCHECKED), Check(IDC_RECTANGLES));
  EXPECT_EQ("E B G D A E", Text(IDC_TUNING));
  EXPECT_EQ(37, ::SendMessageA(Item(IDC_LAST_FRET), CB_GETCOUNT, 0, 0));
  EXPECT_EQ(8, ::SendMessageA(Item(IDC_MODE), CB_GETCOUNT, 0, 0));
  // The Strings box was filled: dirty before any change, nothing written.
  EXPECT_EQ(S_OK, m_page->IsPageDirty());
  EXPECT_EQ((std::vector<DWORD>{kDirty}), m_site.statusChanges);
  EXPECT_TRUE(m_a.writes.empty());
}

TEST_F(PageTest, ApplyWritesEverySettingInOrderAndCleansThePage) {
  Open({m_a.Unknown()});
  ASSERT_EQ(S_OK, m_page->Apply());
  // The order itself is the write-back's own test; here: all of it arrives.
  ASSERT_EQ(22u, m_a.writes.size());
  EXPECT_EQ("SetTonality(0)", m_a.writes.front());
  EXPECT_EQ("SetTuning(E B G D A E)", m_a.writes[9]);
  EXPECT_EQ("SetNoteShown(11,1)", m_a.writes.back());
  EXPECT_EQ(S_FALSE, m_page->IsPageDirty());
  EXPECT_EQ((std::vector<DWORD>{kDirty, 0}), m_site.statusChanges);
  // Each change makes it dirty again, once.
  Click(IDC_RECTANGLES);
  Click(IDC_SIDE_DOTS);
  EXPECT_EQ((std::vector<DWORD>{kDirty, 0, kDirty}), m_site.statusChanges);
}

TEST_F(PageTest, ShowStepsRecomputeTheNotesAtOpenAndApplyRemovesTheStrayNote) {
  m_a.showSteps = "1,3,5";
  m_a.notes = {true, false, false, false, true, false, true, true, false, false, false, false};
  Open({m_a.Unknown()});
  EXPECT_EQ((Strings{"C", "E", "G"}), Ticked());
  ASSERT_EQ(S_OK, m_page->Apply());
  EXPECT_FALSE(m_a.notes[6]);
  EXPECT_TRUE(m_a.notes[0] && m_a.notes[4] && m_a.notes[7]);
}

TEST_F(PageTest, AMinorTicksItsScaleThenItsTriadAndTheNextChangeReplacesTicks) {
  Open({m_a.Unknown()});
  Choose(IDC_TONALITY, 10);  // A
  Choose(IDC_MODE, 6);       // Aeolian
  EXPECT_EQ("Aeolian", Text(IDC_MODE));
  EXPECT_EQ((Strings{"C", "D", "E", "F", "G", "A", "B"}), Ticked());
  Type(IDC_SHOW_STEPS, "1,3,5");
  EXPECT_EQ((Strings{"C", "E", "A"}), Ticked());
  Click(IDC_NOTE_D);
  EXPECT_EQ((Strings{"C", "D", "E", "A"}), Ticked());
  ASSERT_EQ(S_OK, m_page->Apply());
  EXPECT_EQ(9, m_a.tonality);
  EXPECT_EQ("Aeolian", m_a.mode);
  EXPECT_EQ("1,3,5", m_a.showSteps);
  EXPECT_TRUE(m_a.notes[2]);
  TypeHighlight("1,3");
  EXPECT_EQ((Strings{"C", "E", "A"}), Ticked());
  EXPECT_EQ(S_OK, m_page->IsPageDirty());
}

TEST_F(PageTest, TheFirstFretSnapsToTheLastBothWays) {
  Open({m_a.Unknown()});
  Choose(IDC_LAST_FRET, 5);
  Choose(IDC_FIRST_FRET, 12);
  EXPECT_EQ("5", Text(IDC_FIRST_FRET));
  EXPECT_EQ("5", Text(IDC_LAST_FRET));
  Choose(IDC_LAST_FRET, 3);
  EXPECT_EQ("3", Text(IDC_FIRST_FRET));
  EXPECT_EQ("3", Text(IDC_LAST_FRET));
  ASSERT_EQ(S_OK, m_page->Apply());
  EXPECT_EQ(3, m_a.firstFret);
  EXPECT_EQ(3, m_a.lastFret);
}

TEST_F(PageTest, BlankTonalityOrModeLeavesTheControlsValueAndTheTicks) {
  m_a.tonality = 4;
  m_a.mode = "Dorian";
  Open({m_a.Unknown()});
  Click(IDC_NOTE_FS);
  Choose(IDC_TONALITY, 0);
  EXPECT_TRUE(Check(IDC_NOTE_FS) == BST_CHECKED);
  Choose(IDC_TONALITY, 2);
  Choose(IDC_MODE, 0);
  EXPECT_TRUE(Check(IDC_NOTE_FS) == BST_CHECKED);
  ASSERT_EQ(S_OK, m_page->Apply());
  EXPECT_EQ(1, m_a.tonality);
  EXPECT_EQ("Dorian", m_a.mode);
  for (const std::string& write : m_a.writes) EXPECT_NE("SetMode", write.substr(0, 7));
  Choose(IDC_TONALITY, 0);
  m_a.writes.clear();
  ASSERT_EQ(S_OK, m_page->Apply());
  EXPECT_EQ("SetHighlight(1,3,5)", m_a.writes.front());
}

TEST_F(PageTest, EmptyStringsLeaveTheTuningUnchanged) {
  Open({m_a.Unknown()});
  Type(IDC_TUNING, "");
  ASSERT_EQ(S_OK, m_page->Apply());
  EXPECT_EQ("E B G D A E", m_a.tuning);
  for (const std::string& write : m_a.writes) EXPECT_NE("SetTuning", write.substr(0, 9));
}

TEST_F(PageTest, LongTextsOfAControlPassThroughWhole) {
  for (int i = 0; i < 500; ++i) m_a.tuning += i % 2 ? " A" : " E";
  m_a.showSteps = "1,3,5," + std::string(10000, '7');
  m_a.highlight = std::string(10000, '1');
  const CFakeFretboard before = m_a;
  Open({m_a.Unknown()});
  EXPECT_EQ((Strings{"C", "E", "G"}), Ticked());
  Click(IDC_RECTANGLES);
  ASSERT_EQ(S_OK, m_page->Apply());
  EXPECT_EQ(before.tuning, m_a.tuning);
  EXPECT_EQ(before.showSteps, m_a.showSteps);
  EXPECT_EQ(before.highlight, m_a.highlight);
  EXPECT_TRUE(m_a.rectangles);
}

TEST_F(PageTest, TwoControlsShowMixedValuesThatApplyLeavesAlone) {
  m_b.highlight = "1";
  m_b.notes[1] = true;
  m_b.notes[0] = false;
  m_b.sideDots = false;
  m_b.lastFret = 12;
  Open({m_a.Unknown(), m_b.Unknown()});
  EXPECT_EQ("", Text(IDC_HIGHLIGHT));
  EXPECT_EQ(static_cast<UINT>(BST_INDETERMINATE), Check(IDC_NOTE_C));
  EXPECT_EQ(static_cast<UINT>(BST_INDETERMINATE), Check(IDC_NOTE_CS));
  EXPECT_EQ(static_cast<UINT>(BST_INDETERMINATE), Check(IDC_SIDE_DOTS));
  EXPECT_EQ("", Text(IDC_LAST_FRET));
  ASSERT_EQ(S_OK, m_page->Apply());
  for (CFakeFretboard* control : {&m_a, &m_b}) {
    EXPECT_EQ("", control->highlight);
    for (const std::string& write : control->writes) {
      EXPECT_NE("SetNoteShown(0,", write.substr(0, 15));
      EXPECT_NE("SetNoteShown(1,", write.substr(0, 15));
      EXPECT_NE("SetSideDots", write.substr(0, 11));
      EXPECT_NE("SetLastFret", write.substr(0, 11));
    }
  }
  EXPECT_EQ(m_a.writes, m_b.writes);
  EXPECT_TRUE(m_a.notes[0]);
  EXPECT_FALSE(m_b.notes[0]);
  EXPECT_EQ(12, m_b.lastFret);
}

TEST_F(PageTest, ObjectsWithoutSettingsArePassedOver) {
  test::CForeignObject foreign;
  Open({foreign.Unknown(), m_a.Unknown()});
  EXPECT_EQ("C", Text(IDC_TONALITY));
  ASSERT_EQ(S_OK, m_page->Apply());
  EXPECT_FALSE(m_a.writes.empty());
  EXPECT_GE(foreign.queries, 2);
  m_page->SetObjects(0, nullptr);
  EXPECT_EQ(1u, foreign.refs);
}

TEST_F(PageTest, NoObjectsShowTheBlankPage) {
  Open({});
  EXPECT_EQ("", Text(IDC_TONALITY));
  EXPECT_EQ("", Text(IDC_MODE));
  EXPECT_EQ("24", Text(IDC_LAST_FRET));
  EXPECT_EQ("", Text(IDC_LABEL_KIND));
  EXPECT_EQ(S_FALSE, m_page->IsPageDirty());
  EXPECT_EQ(S_OK, m_page->Apply());
}

TEST_F(PageTest, TheTuningsDialogFillsStringsAndKeepsOtherEdits) {
  Open({m_a.Unknown()});
  TypeHighlight("1,3");
  {
    CDialogDriver driver([](DWORD ui) {
      HWND tunings = test::WaitForThreadDialog(ui, "Tunings");
      if (!tunings) return CDialogDriver::GiveUp(ui, "the dialog did not appear");
      HWND list = ::GetDlgItem(tunings, IDC_TUNING_LIST);
      LVITEMA item{};
      item.stateMask = item.state = LVIS_SELECTED;
      ::SendMessageA(list, LVM_SETITEMSTATE, 3, reinterpret_cast<LPARAM>(&item));
      test::Click(tunings, IDOK);
    });
    Click(IDC_TUNINGS);
  }
  EXPECT_EQ("G D A E", Text(IDC_TUNING));
  EXPECT_EQ("1,3", Text(IDC_HIGHLIGHT));
  {
    CDialogDriver driver([](DWORD ui) {
      HWND tunings = test::WaitForThreadDialog(ui, "Tunings");
      if (!tunings) return CDialogDriver::GiveUp(ui, "the dialog did not appear");
      HWND list = ::GetDlgItem(tunings, IDC_TUNING_LIST);
      LVITEMA item{};
      item.stateMask = item.state = LVIS_SELECTED;
      ::SendMessageA(list, LVM_SETITEMSTATE, 1, reinterpret_cast<LPARAM>(&item));
      test::Click(tunings, IDCANCEL);
    });
    Click(IDC_TUNINGS);
  }
  EXPECT_EQ("G D A E", Text(IDC_TUNING));
  EXPECT_TRUE(m_a.writes.empty());
}

TEST_F(PageTest, TheModeEditorRefillsTheModeListKeepingTheSelection) {
  Open({m_a.Unknown()});
  const std::size_t changes = m_site.statusChanges.size();
  {
    CDialogDriver driver([](DWORD ui) {
      HWND editor = test::WaitForThreadDialog(ui, "Mode Editor");
      if (!editor) return CDialogDriver::GiveUp(ui, "the dialog did not appear");
      ::SetDlgItemTextA(editor, IDC_MODES_TEXT, "Blues-32232\r\nIONIAN-2212221");
      test::Click(editor, IDOK);
    });
    Click(IDC_EDIT_MODES);
  }
  EXPECT_EQ(3, ::SendMessageA(Item(IDC_MODE), CB_GETCOUNT, 0, 0));
  EXPECT_EQ("IONIAN", Text(IDC_MODE));
  EXPECT_EQ(changes, m_site.statusChanges.size());
  EXPECT_EQ("Blues-32232\r\nIONIAN-2212221\r\n", ReadModes());
}

TEST_F(PageTest, EnterAndEscapeDoNotCloseTheInnerDialog) {
  Open({m_a.Unknown()});
  ::SendMessageA(m_dialog, WM_COMMAND, IDOK, 0);
  ::SendMessageA(m_dialog, WM_COMMAND, IDCANCEL, 0);
  EXPECT_TRUE(::IsWindow(m_dialog));
  EXPECT_EQ("E B G D A E", Text(IDC_TUNING));
}

TEST_F(PageTest, TabMovesBetweenThePagesControls) {
  Open({m_a.Unknown()});
  ::SetForegroundWindow(m_host);
  ::SetFocus(Item(IDC_SHOW_STEPS));
  MSG msg{Item(IDC_SHOW_STEPS), WM_KEYDOWN, VK_TAB, 0, 0, {}};
  EXPECT_EQ(S_OK, m_page->TranslateAccelerator(&msg));
  // Template order: the note boxes follow "Show steps".
  EXPECT_EQ(Item(IDC_NOTE_C), ::GetFocus());
  MSG back{Item(IDC_NOTE_C), WM_KEYDOWN, VK_TAB, 0, 0, {}};
  ::SetFocus(Item(IDC_TUNINGS));
  back.hwnd = Item(IDC_TUNINGS);
  // From the last control Tab wraps round to the first.
  EXPECT_EQ(S_OK, m_page->TranslateAccelerator(&back));
  EXPECT_EQ(Item(IDC_TONALITY), ::GetFocus());
  MSG other{m_host, WM_KEYDOWN, VK_TAB, 0, 0, {}};
  EXPECT_EQ(S_FALSE, m_page->TranslateAccelerator(&other));
  MSG mouse{Item(IDC_TUNING), WM_MOUSEMOVE, 0, 0, 0, {}};
  EXPECT_EQ(S_FALSE, m_page->TranslateAccelerator(&mouse));
  EXPECT_EQ(E_POINTER, m_page->TranslateAccelerator(nullptr));
}

TEST_F(PageTest, ApplyBeforeTheWindowIsUnexpectedAndAfterItWritesWhatWasShown) {
  ASSERT_EQ(S_OK, m_page->SetObjects(1, std::vector<IUnknown*>{m_a.Unknown()}.data()));
  EXPECT_EQ(E_UNEXPECTED, m_page->Apply());
  EXPECT_TRUE(m_a.writes.empty());
  Open({m_a.Unknown()});
  Type(IDC_TUNING, "D A D G B E");
  ASSERT_EQ(S_OK, m_page->Deactivate());
  EXPECT_EQ(nullptr, ::GetWindow(m_host, GW_CHILD));
  ASSERT_EQ(S_OK, m_page->Apply());
  EXPECT_EQ("D A D G B E", m_a.tuning);
  EXPECT_EQ("Ionian", m_a.mode);
}

TEST_F(PageTest, PageInfoNamesTheTitleDocStringAndTheFrameSize) {
  PROPPAGEINFO info;
  std::memset(&info, 0xde, sizeof info);
  ASSERT_EQ(S_OK, m_page->GetPageInfo(&info));
  EXPECT_EQ(sizeof info, info.cb);
  ASSERT_NE(nullptr, info.pszTitle);
  EXPECT_STREQ(L"General", info.pszTitle);
  ASSERT_NE(nullptr, info.pszDocString);
  EXPECT_STREQ(L"Fretboard properties", info.pszDocString);
  EXPECT_EQ(nullptr, info.pszHelpFile);
  EXPECT_EQ(0u, info.dwHelpContext);
  const SIZE size = ui::DialogTemplateSizeInPixels(::GetModuleHandleA(nullptr), IDD_FRETPROP);
  EXPECT_GT(size.cx, 263);
  EXPECT_EQ(size.cx, info.size.cx);
  EXPECT_EQ(size.cy, info.size.cy);
  ::CoTaskMemFree(info.pszTitle);
  ::CoTaskMemFree(info.pszDocString);
  EXPECT_EQ(E_POINTER, m_page->GetPageInfo(nullptr));
  EXPECT_EQ(E_POINTER, m_page->SetObjects(2, nullptr));
  EXPECT_EQ(E_POINTER, m_page->Move(nullptr));
}

TEST_F(PageTest, ThePageStretchesItsDialogAndMovesAndShows) {
  Open({m_a.Unknown()});
  HWND pageWindow = ::GetParent(m_dialog);
  const RECT place{5, 6, 405, 356};
  ASSERT_EQ(S_OK, m_page->Move(&place));
  RECT client{}, inner{};
  ::GetClientRect(pageWindow, &client);
  ::GetClientRect(m_dialog, &inner);
  EXPECT_EQ(400, client.right);
  EXPECT_EQ(client.right, inner.right);
  EXPECT_EQ(client.bottom, inner.bottom);
  ASSERT_EQ(S_OK, m_page->Show(SW_HIDE));
  EXPECT_FALSE(::IsWindowVisible(pageWindow));
  ASSERT_EQ(S_OK, m_page->Show(SW_SHOW));
  EXPECT_TRUE(::IsWindowVisible(pageWindow));
}

// Every label shows its whole text in the page's font as this system
// renders it: what DT_WORDBREAK needs for the label's width fits its height.
TEST_F(PageTest, EveryLabelShowsItsWholeText) {
  Open({m_a.Unknown()});
  std::vector<HWND> labels;
  ::EnumChildWindows(
      m_dialog,
      [](HWND child, LPARAM list) CALLBACK -> BOOL {
        char name[32] = {};
        ::GetClassNameA(child, name, sizeof name);
        if (_stricmp(name, "Static") == 0 && ::GetWindowTextLengthA(child) > 0)
          reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&labels));
  ASSERT_GT(labels.size(), 5u);
  HDC dc = ::GetDC(m_dialog);
  HGDIOBJ old =
      ::SelectObject(dc, reinterpret_cast<HFONT>(::SendMessageA(m_dialog, WM_GETFONT, 0, 0)));
  for (HWND label : labels) {
    char text[256] = {};
    ::GetWindowTextA(label, text, sizeof text);
    RECT client{}, needed{};
    ::GetClientRect(label, &client);
    needed.right = client.right;
    ::DrawTextA(dc, text, -1, &needed, DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX);
    EXPECT_LE(needed.right, client.right) << "\"" << text << "\" is cut off on the right";
    EXPECT_LE(needed.bottom, client.bottom) << "\"" << text << "\" wraps below its label";
  }
  ::SelectObject(dc, old);
  ::ReleaseDC(m_dialog, dc);
}

TEST_F(PageTest, TenThousandModesFillTheModeListQuickly) {
  std::string modes;
  for (int i = 0; i < 10000; ++i) modes += "Mode \xE9" + std::to_string(i) + "-2212221\r\n";
  WriteModes(modes);
  m_a.mode =
      "mode \xC9"
      "9999";
  const auto start = std::chrono::steady_clock::now();
  Open({m_a.Unknown()});
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
  EXPECT_EQ(10001, ::SendMessageA(Item(IDC_MODE), CB_GETCOUNT, 0, 0));
  EXPECT_EQ(
      "Mode \xE9"
      "9999",
      Text(IDC_MODE));
}

TEST_F(PageTest, TheLaterOptionsShowTheControlsValuesAndApplyWritesThem) {
  m_c.leftHanded = true;
  m_c.spelling = 1;
  Open({m_c.Unknown()});
  EXPECT_TRUE(::IsWindowEnabled(Item(IDC_LEFT_HANDED)));
  EXPECT_TRUE(::IsWindowEnabled(Item(IDC_SPELLING)));
  EXPECT_EQ(static_cast<UINT>(BST_CHECKED), Check(IDC_LEFT_HANDED));
  EXPECT_EQ("Flats", Text(IDC_SPELLING));
  EXPECT_EQ(3, ::SendMessageA(Item(IDC_SPELLING), CB_GETCOUNT, 0, 0));
  ASSERT_EQ(S_OK, m_page->Apply());
  m_c.writes.clear();
  m_site.statusChanges.clear();

  Click(IDC_LEFT_HANDED);
  EXPECT_EQ((std::vector<DWORD>{kDirty}), m_site.statusChanges);
  EXPECT_EQ(static_cast<UINT>(BST_UNCHECKED), Check(IDC_LEFT_HANDED));
  ASSERT_EQ(S_OK, m_page->Apply());
  EXPECT_FALSE(m_c.leftHanded);
  Choose(IDC_SPELLING, 2);
  EXPECT_EQ("As the key", Text(IDC_SPELLING));
  EXPECT_EQ((std::vector<DWORD>{kDirty, 0, kDirty}), m_site.statusChanges);
  m_c.writes.clear();
  ASSERT_EQ(S_OK, m_page->Apply());
  // The first interface's 22 writes, then the options.
  ASSERT_EQ(24u, m_c.writes.size());
  EXPECT_EQ("SetLeftHanded(0)", m_c.writes[22]);
  EXPECT_EQ("SetSpelling(2)", m_c.writes[23]);
  EXPECT_EQ(2, m_c.spelling);
  EXPECT_FALSE(m_c.leftHanded);
}

// A control from before the options: their controls are there but
// disabled, and nothing of them is written.
TEST_F(PageTest, AControlWithoutTheLaterOptionsLeavesTheirControlsDisabled) {
  Open({m_a.Unknown()});
  EXPECT_FALSE(::IsWindowEnabled(Item(IDC_LEFT_HANDED)));
  EXPECT_FALSE(::IsWindowEnabled(Item(IDC_SPELLING)));
  EXPECT_EQ(static_cast<UINT>(BST_UNCHECKED), Check(IDC_LEFT_HANDED));
  EXPECT_EQ(-1, ::SendMessageA(Item(IDC_SPELLING), CB_GETCURSEL, 0, 0));
  ASSERT_EQ(S_OK, m_page->Apply());
  EXPECT_EQ(22u, m_a.writes.size());
  for (const std::string& write : m_a.writes) {
    EXPECT_EQ(std::string::npos, write.find("LeftHanded")) << write;
    EXPECT_EQ(std::string::npos, write.find("Spelling")) << write;
  }
}

TEST_F(PageTest, DifferingOptionsShowMixedAndApplyLeavesThemAlone) {
  m_d.leftHanded = true;
  m_d.spelling = 2;
  // An old control among them is edited as before, without the options.
  Open({m_c.Unknown(), m_a.Unknown(), m_d.Unknown()});
  EXPECT_TRUE(::IsWindowEnabled(Item(IDC_LEFT_HANDED)));
  EXPECT_EQ(static_cast<UINT>(BST_INDETERMINATE), Check(IDC_LEFT_HANDED));
  EXPECT_EQ(-1, ::SendMessageA(Item(IDC_SPELLING), CB_GETCURSEL, 0, 0));
  ASSERT_EQ(S_OK, m_page->Apply());
  EXPECT_FALSE(m_c.leftHanded);
  EXPECT_TRUE(m_d.leftHanded);
  EXPECT_EQ(0, m_c.spelling);
  EXPECT_EQ(2, m_d.spelling);
  EXPECT_EQ(22u, m_c.writes.size());
  EXPECT_EQ(22u, m_a.writes.size());
}

// The new controls sit in space no other control uses, show their whole
// texts, and Tab reaches them in reading order: the check box between the
// two check boxes of its row, the spelling list after the fret lists.
TEST_F(PageTest, TheOptionsFitInFreeSpaceAndTabReachesThemInReadingOrder) {
  Open({m_c.Unknown()});
  auto rectOf = [&](HWND child) {
    RECT r{};
    ::GetWindowRect(child, &r);
    ::MapWindowPoints(nullptr, m_dialog, reinterpret_cast<POINT*>(&r), 2);
    return r;
  };
  std::vector<HWND> children;
  ::EnumChildWindows(
      m_dialog,
      [](HWND child, LPARAM list) CALLBACK -> BOOL {
        reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&children));
  ASSERT_GT(children.size(), 30u);
  for (int id : {IDC_LEFT_HANDED, IDC_SPELLING}) {
    RECT mine = rectOf(Item(id));
    for (HWND other : children) {
      if (other == Item(id) || ::GetParent(other) != m_dialog) continue;
      char name[32] = {};
      ::GetClassNameA(other, name, sizeof name);
      if (_stricmp(name, "Button") == 0 &&
          (::GetWindowLongA(other, GWL_STYLE) & 0xF) == BS_GROUPBOX)
        continue;  // the Notes group frames only the note boxes
      RECT theirs = rectOf(other), both{};
      EXPECT_FALSE(::IntersectRect(&both, &mine, &theirs))
          << id << " overlaps " << ::GetDlgCtrlID(other) << " \""
          << test::ItemText(m_dialog, ::GetDlgCtrlID(other)) << "\"";
    }
  }
  HDC dc = ::GetDC(m_dialog);
  HGDIOBJ old =
      ::SelectObject(dc, reinterpret_cast<HFONT>(::SendMessageA(m_dialog, WM_GETFONT, 0, 0)));
  SIZE text{};
  ::GetTextExtentPoint32A(dc, "Left-handed", 11, &text);
  RECT box = rectOf(Item(IDC_LEFT_HANDED));
  // The box's square and its gap come before the text.
  EXPECT_LE(text.cx + ::GetSystemMetrics(SM_CXMENUCHECK) + 4, box.right - box.left);
  ::GetTextExtentPoint32A(dc, "As the key", 10, &text);
  RECT list = rectOf(Item(IDC_SPELLING));
  EXPECT_LE(text.cx + ::GetSystemMetrics(SM_CXVSCROLL) + 4, list.right - list.left);
  ::SelectObject(dc, old);
  ::ReleaseDC(m_dialog, dc);

  ::SetForegroundWindow(m_host);
  auto tabFrom = [&](int id) {
    ::SetFocus(Item(id));
    MSG msg{Item(id), WM_KEYDOWN, VK_TAB, 0, 0, {}};
    EXPECT_EQ(S_OK, m_page->TranslateAccelerator(&msg));
    return ::GetDlgCtrlID(::GetFocus());
  };
  EXPECT_EQ(IDC_LEFT_HANDED, tabFrom(IDC_SIDE_DOTS));
  EXPECT_EQ(IDC_RECTANGLES, tabFrom(IDC_LEFT_HANDED));
  EXPECT_EQ(IDC_SPELLING, tabFrom(IDC_LAST_FRET));
  EXPECT_EQ(IDC_SIDE_DOTS, tabFrom(IDC_SPELLING));
}

TEST(FretPropObject, AggregatesOnlyThroughItsInnerUnknown) {
  test::CForeignObject outer;
  void* out = reinterpret_cast<void*>(0xdeadbeef);
  EXPECT_EQ(CLASS_E_NOAGGREGATION, CreateFretProp(outer.Unknown(), IID_IPropertyPage, &out));
  EXPECT_EQ(nullptr, out);
  ComPtr<IUnknown> inner;
  ASSERT_EQ(S_OK, CreateFretProp(outer.Unknown(), IID_IUnknown, inner.put_void()));
  ComPtr<IPropertyPage> page;
  ASSERT_EQ(S_OK, inner.As(IID_IPropertyPage, page));
  // The page's own interfaces count on the outer object.
  const ULONG before = outer.refs;
  page->AddRef();
  EXPECT_EQ(before + 1, outer.refs);
  page->Release();
  page.reset();
  ComPtr<IPersist> none;
  EXPECT_EQ(E_NOINTERFACE, inner.As(IID_IPersist, none));
  inner.reset();
  EXPECT_EQ(1u, outer.refs);
}

}  // namespace
}  // namespace scalewright
