// The Harmony page as a frame uses it: made by the registered server, given
// a real Fretboard, opened in a host window and driven through its
// controls; what Apply writes is read back through the control's script
// interface. The chords are the textbook's for A natural minor.
#include <gtest/gtest.h>
#include <windows.h>

#include <ocidl.h>

#include <string>
#include <vector>

#include "control/interface/neckview_h.h"
#include "control/ui/dialog_ids.h"
#include "control/ui/harmony_page.h"
#include "framework/com/bstr.h"
#include "tests/win/fretboard_fakes.h"

namespace scalewright::test {
namespace {

using com::CBstr;
using com::ComPtr;

class HarmonyPage : public FretboardTest {
 protected:
  void SetUp() override {
    FretboardTest::SetUp();
    ASSERT_EQ(S_OK, Create(IID_IFretboard4, m_board));
    m_host = ::CreateWindowExA(0, "STATIC", "host", WS_OVERLAPPEDWINDOW, 0, 0, 600, 500, nullptr,
                               nullptr, nullptr, nullptr);
    ASSERT_NE(nullptr, m_host);
    ASSERT_EQ(S_OK, ::CoCreateInstance(CLSID_HarmonyPage, nullptr, CLSCTX_INPROC_SERVER,
                                       IID_IPropertyPage, m_page.put_void()));
  }
  void TearDown() override {
    if (m_page) {
      m_page->Deactivate();
      m_page->SetObjects(0, nullptr);
      m_page.reset();
    }
    m_board.reset();
    ::DestroyWindow(m_host);
    FretboardTest::TearDown();
  }

  void Open() {
    IUnknown* objects[] = {m_board.get()};
    ASSERT_EQ(S_OK, m_page->SetObjects(1, objects));
    const RECT place{0, 0, 450, 400};
    ASSERT_EQ(S_OK, m_page->Activate(m_host, &place, TRUE));
    m_window = ::GetWindow(m_host, GW_CHILD);
    ASSERT_NE(nullptr, m_window);
  }
  std::vector<std::wstring> Entries(int id) const {
    std::vector<std::wstring> entries;
    HWND list = ::GetDlgItem(m_window, id);
    for (LRESULT i = 0; i < ::SendMessageW(list, CB_GETCOUNT, 0, 0); ++i) {
      wchar_t text[64] = {};
      ::SendMessageW(list, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
      entries.emplace_back(text);
    }
    return entries;
  }
  // Chooses entry |index| of the list |id| as the user does: the list
  // tells its dialog.
  void Choose(int id, int index) {
    HWND list = ::GetDlgItem(m_window, id);
    ::SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    ::SendMessageW(m_window, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(list));
  }
  void Click(int id) { ::SendMessageW(::GetDlgItem(m_window, id), BM_CLICK, 0, 0); }
  void SetKey(LONG tonic, const wchar_t* mode) {
    ASSERT_EQ(S_OK, m_board->put_Tonality(tonic));
    CBstr name;
    ASSERT_EQ(S_OK, CBstr::Copy(mode, name));
    ASSERT_EQ(S_OK, m_board->put_Mode(name.get()));
  }

  ComPtr<IFretboard4> m_board;
  ComPtr<IPropertyPage> m_page;
  HWND m_host = nullptr;
  HWND m_window = nullptr;
};

TEST_F(HarmonyPage, OffersTheChordsOfTheKeyAndAppliesTheChosenOneAndASecondScale) {
  PROPPAGEINFO info = {};
  ASSERT_EQ(S_OK, m_page->GetPageInfo(&info));
  EXPECT_STREQ(L"Harmony", info.pszTitle);
  ::CoTaskMemFree(info.pszTitle);
  ::CoTaskMemFree(info.pszDocString);

  SetKey(9, L"Aeolian");
  Open();
  const std::vector<std::wstring> triads = {L"None",   L"i  Am", L"ii\u00B0  Bdim", L"III  C",
                                            L"iv  Dm", L"v  Em", L"VI  F",          L"VII  G"};
  EXPECT_EQ(triads, Entries(IDC_CHORD_DEGREE));
  EXPECT_FALSE(::GetWindowLongW(::GetDlgItem(m_window, IDC_NO_CHORDS), GWL_STYLE) & WS_VISIBLE);

  // iv as a seventh chord: the list follows the size, the choice stays.
  Choose(IDC_CHORD_DEGREE, 4);
  Click(IDC_CHORD_SEVENTHS);
  EXPECT_EQ(L"iv7  Dm7", Entries(IDC_CHORD_DEGREE)[4]);
  EXPECT_EQ(4, ::SendDlgItemMessageW(m_window, IDC_CHORD_DEGREE, CB_GETCURSEL, 0, 0));
  Click(IDC_CHORD_LABELS);
  // C Ionian over it.
  Choose(IDC_OVERLAY_TONIC, 1);
  const std::vector<std::wstring> modes = Entries(IDC_OVERLAY_MODE);
  const auto ionian = std::find(modes.begin(), modes.end(), L"Ionian");
  ASSERT_NE(ionian, modes.end());
  Choose(IDC_OVERLAY_MODE, static_cast<int>(ionian - modes.begin()));
  EXPECT_EQ(S_OK, m_page->IsPageDirty());
  ASSERT_EQ(S_OK, m_page->Apply());
  EXPECT_EQ(S_FALSE, m_page->IsPageDirty());

  LONG value = -1;
  ASSERT_EQ(S_OK, m_board->get_ChordDegree(&value));
  EXPECT_EQ(4, value);
  ASSERT_EQ(S_OK, m_board->get_ChordSize(&value));
  EXPECT_EQ(4, value);
  ASSERT_EQ(S_OK, m_board->get_OverlayTonic(&value));
  EXPECT_EQ(0, value);
  CBstr mode;
  ASSERT_EQ(S_OK, m_board->get_OverlayMode(mode.put()));
  EXPECT_STREQ(L"Ionian", mode.get());
  VARIANT_BOOL labels = VARIANT_FALSE;
  ASSERT_EQ(S_OK, m_board->get_ChordLabels(&labels));
  EXPECT_EQ(VARIANT_TRUE, labels);

  // Positions: three notes per string lists A natural minor's seven, from
  // frets 5 to 10 on; CAGED on this standard-tuned A Aeolian has five.
  Choose(IDC_POSITION_SYSTEM, 2);
  const std::vector<std::wstring> positions = Entries(IDC_POSITION);
  ASSERT_EQ(positions.size(), 8u);
  EXPECT_EQ(positions[1], L"Position 1, frets 5 to 10");
  Choose(IDC_POSITION, 2);
  ASSERT_EQ(S_OK, m_page->Apply());
  ASSERT_EQ(S_OK, m_board->get_PositionSystem(&value));
  EXPECT_EQ(2, value);
  ASSERT_EQ(S_OK, m_board->get_Position(&value));
  EXPECT_EQ(2, value);
  Choose(IDC_POSITION_SYSTEM, 1);
  EXPECT_EQ(Entries(IDC_POSITION).size(), 6u);

  // None takes both away.
  Choose(IDC_CHORD_DEGREE, 0);
  Choose(IDC_OVERLAY_TONIC, 0);
  ASSERT_EQ(S_OK, m_page->Apply());
  ASSERT_EQ(S_OK, m_board->get_ChordDegree(&value));
  EXPECT_EQ(0, value);
  ASSERT_EQ(S_OK, m_board->get_OverlayTonic(&value));
  EXPECT_EQ(-1, value);
}

// A board whose mode gives no chords (here one the modes file lacks, so no
// scale at all) offers none: the list is greyed and the page says why.
TEST_F(HarmonyPage, ABoardWithoutAModeOfSevenNotesOffersNoChords) {
  SetKey(0, L"No Such Mode");
  Open();
  EXPECT_EQ(std::vector<std::wstring>{L"None"}, Entries(IDC_CHORD_DEGREE));
  EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(m_window, IDC_CHORD_DEGREE)));
  EXPECT_TRUE(::GetWindowLongW(::GetDlgItem(m_window, IDC_NO_CHORDS), GWL_STYLE) & WS_VISIBLE);
}

}  // namespace
}  // namespace scalewright::test
