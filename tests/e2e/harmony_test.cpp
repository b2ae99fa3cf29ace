// The Harmony menu: the chords of the board's mode. Choosing one fills its
// tones on the board with the chord's colour; No Chord takes it away.
#include <windows.h>

#include <string>

#include "tests/e2e/accessible_client.h"
#include "tests/e2e/sw_fixture.h"
#include "tests/e2e/user_input.h"

namespace scalewright::e2e {
namespace {

constexpr std::uint32_t kChordFill = 0xFFD666;  // 0x00RRGGBB

using HarmonyTest = SwTest;

TEST_F(HarmonyTest, TheSeventhChordOnTheFourthDegreeOfAAeolianStandsOut) {
  const std::string board = ScratchDir() + "a_aeolian.swb";
  ASSERT_TRUE(WriteFile(board, "Scalewright board 1\r\ntonality=9\r\nmode=Aeolian\r\n"));
  CSwProcess sw("\"" + board + "\"");
  const RECT area = OnlyBoardOnScreen(sw);
  ASSERT_TRUE(SaveScreenshot("harmony_none"));
  EXPECT_EQ(PixelsOf(ReadScreenshot("harmony_none"), area, kChordFill), 0);

  // Harmony > Seventh Chords, then Harmony > 4 (iv7, Dm7: D F A C).
  ChooseMenuItem(sw.Main(), 'A', 'S');
  // The menu names the chords of A Aeolian, for a person to look at.
  OpenMenu(sw.Main(), 'A');
  SaveScreenshot("harmony_menu");
  PressKeys({VK_ESCAPE});
  PressKeys({VK_ESCAPE});
  ChooseMenuItem(sw.Main(), 'A', '4');
  ASSERT_TRUE(WaitFor(sw, [&] { return PixelsOnScreen("harmony_iv7", area, kChordFill) > 1000; }))
      << sw.Seen();

  // The chord is the document's: Ctrl+S keeps it in the board's file.
  BringToFront(sw.Main());
  PressKeys({VK_CONTROL, 'S'});
  EXPECT_TRUE(WaitFor(sw, [&] {
    return ReadAll(board).find("chord_degree=4\r\nchord_size=4\r\n") != std::string::npos;
  })) << ReadAll(board);

  // No Chord: the board as it was.
  ChooseMenuItem(sw.Main(), 'A', 'N');
  ASSERT_TRUE(WaitFor(sw, [&] { return PixelsOnScreen("harmony_off", area, kChordFill) == 0; }))
      << sw.Seen();
}

// The property frame's second page, Harmony: its tab opens it, the
// player picks iv in the chord list and Seventh chords, and OK fills Dm7's
// tones on the board.
TEST_F(HarmonyTest, TheHarmonyPageChoosesTheChordShown) {
  const std::string board = ScratchDir() + "a_aeolian_page.swb";
  ASSERT_TRUE(WriteFile(board, "Scalewright board 1\r\ntonality=9\r\nmode=Aeolian\r\n"));
  CSwProcess sw("\"" + board + "\"");
  const RECT area = OnlyBoardOnScreen(sw);
  BringToFront(sw.Main());
  ASSERT_TRUE(ClickToolBarButton(ToolBar(sw), kProperties));
  ASSERT_TRUE(WaitFor(sw, [&] { return sw.PropertyFrames().size() == 1; })) << sw.Seen();
  HWND frame = sw.PropertyFrames()[0];
  BringToFront(frame);
  const std::vector<HWND> tabs = ChildrenOfClass(frame, "SysTabControl32");
  ASSERT_EQ(tabs.size(), 1u);
  ASSERT_TRUE(ClickTab(tabs[0], 1));
  HWND chords = nullptr;
  ASSERT_TRUE(WaitUntil([&] {
    chords = DescendantWithId(frame, 1100);
    return chords && ::IsWindowVisible(chords);
  })) << sw.Seen("harmony_page_missing");
  ClickCenterOf(DescendantWithId(frame, 1102));  // Seventh chords
  ClickCenterOf(chords);
  PressKeys({VK_HOME});
  for (int i = 0; i < 4; ++i) PressKeys({VK_DOWN});
  PressKeys({VK_RETURN});
  ASSERT_TRUE(WaitUntil([&] { return Text(chords) == "iv7  Dm7"; })) << Text(chords);
  SaveScreenshot("harmony_page");  // for a person to look at
  ASSERT_TRUE(ClickToClose(frame, IDOK));
  ASSERT_TRUE(WaitFor(sw, [&] {
    return PixelsOnScreen("harmony_page_applied", area, kChordFill) > 1000;
  })) << sw.Seen();
}

// Harmony > Mark Notes by Clicking: the player clicks C, E, G and B on the
// board; each is ringed in blue, the marks are kept in the board's file,
// and Which Scale Is This? opens with them ticked, C Ionian first. Remove
// Overlay takes the rings away.
TEST_F(HarmonyTest, NotesMarkedByClickingAreRingedKeptAndOfferedToTheFinder) {
  const std::string board = ScratchDir() + "c_ionian_marked.swb";
  ASSERT_TRUE(WriteFile(board, "Scalewright board 1\r\ntonality=0\r\nmode=Ionian\r\n"));
  CSwProcess sw("\"" + board + "\"");
  const RECT area = OnlyBoardOnScreen(sw);
  constexpr std::uint32_t kOverlayBlue = 0x005AC8;
  ChooseMenuItem(sw.Main(), 'A', 'M');
  HWND control = ControlOf(sw.DocumentWindows()[0]);
  for (const wchar_t* name : {L"C, string 5, fret 3, degree 1", L"E, string 4, fret 2, degree 3",
                              L"G, string 4, fret 5, degree 5", L"B, string 3, fret 4, degree 7"}) {
    const RECT marker = PlaceNamedIn(control, name);
    ASSERT_GT(marker.right, marker.left) << Utf8(name);
    ClickAt({(marker.left + marker.right) / 2, (marker.top + marker.bottom) / 2});
  }
  ASSERT_TRUE(WaitFor(sw, [&] { return PixelsOnScreen("marked_notes", area, kOverlayBlue) > 500; }))
      << sw.Seen();
  BringToFront(sw.Main());
  PressKeys({VK_CONTROL, 'S'});
  EXPECT_TRUE(WaitFor(sw, [&] {
    return ReadAll(board).find("overlay_notes=100010010001\r\n") != std::string::npos;
  })) << ReadAll(board);

  ChooseMenuItem(sw.Main(), 'A', 'W');
  HWND dialog = sw.WaitDialog("Which Scale Is This?");
  ASSERT_NE(dialog, nullptr) << sw.Seen();
  HWND list = ::GetDlgItem(dialog, 1070);
  ASSERT_TRUE(WaitUntil([&] { return ::SendMessageW(list, LB_GETCOUNT, 0, 0) == 14; }))
      << ::SendMessageW(list, LB_GETCOUNT, 0, 0) << " scales listed";
  wchar_t first[64] = {};
  ::SendMessageW(list, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(first));
  EXPECT_STREQ(first, L"C Ionian");
  ASSERT_TRUE(ClickToClose(dialog, IDCANCEL));

  ChooseMenuItem(sw.Main(), 'A', 'V');
  ASSERT_TRUE(WaitFor(sw, [&] { return PixelsOnScreen("marks_removed", area, kOverlayBlue) == 0; }))
      << sw.Seen();
}

// The player ticks C, E, G and B: the dialog offers C Ionian first, among
// the modes of C major and G major, and Cmaj7; Show puts the chosen scale on
// the board, whose screen-reader name then says it.
TEST_F(HarmonyTest, WhichScaleIsThisOffersTheKeysThatHoldTheNotesAndShowsOne) {
  CSwProcess sw;
  WaitForDocuments(sw, 1);
  ChooseMenuItem(sw.Main(), 'A', 'W');
  HWND dialog = sw.WaitDialog("Which Scale Is This?");
  ASSERT_NE(dialog, nullptr) << sw.Seen();
  for (int pitch : {0, 4, 7, 11}) ClickCenterOf(::GetDlgItem(dialog, 1050 + pitch));
  HWND list = ::GetDlgItem(dialog, 1070);
  ASSERT_TRUE(WaitUntil([&] { return ::SendMessageW(list, LB_GETCOUNT, 0, 0) == 14; }))
      << ::SendMessageW(list, LB_GETCOUNT, 0, 0) << " scales listed";
  wchar_t first[64] = {};
  ::SendMessageW(list, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(first));
  EXPECT_STREQ(first, L"C Ionian");
  EXPECT_EQ(Text(::GetDlgItem(dialog, 1071)), "Chords: Cmaj7");
  SaveScreenshot("which_scale");  // for a person to look at

  // A Aeolian, chosen with the keys, goes on the board with Enter.
  int aeolian = -1;
  for (int i = 0; i < 14; ++i) {
    wchar_t entry[64] = {};
    ::SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(entry));
    if (std::wstring(entry) == L"A Aeolian") aeolian = i;
  }
  ASSERT_GT(aeolian, 0);
  const RECT area = ScreenRect(list);
  ClickAt({(area.left + area.right) / 2, area.top + 4});  // the first entry
  for (int i = 0; i < aeolian; ++i) PressKeys({VK_DOWN});
  PressKeys({VK_RETURN});
  ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(dialog); })) << sw.Seen();
  const CClientApartment apartment;
  const com::ComPtr<IAccessible> board = AccessibleOf(ControlOf(sw.DocumentWindows()[0]));
  ASSERT_TRUE(board);
  VARIANT self = {};
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  BSTR name = nullptr;
  ASSERT_EQ(S_OK, board->get_accName(self, &name));
  EXPECT_STREQ(name, L"A Aeolian");
  ::SysFreeString(name);
}

// The A minor pentatonic over A Dorian: a player with the pentatonic in
// their modes file ticks its notes, and Overlay rings them in blue on the
// Dorian board; Harmony > Remove Overlay takes the rings away.
TEST_F(HarmonyTest, ThePentatonicOverDorianIsRingedAndRemoved) {
  ASSERT_TRUE(WriteFile(BinDir() + "DerazeModes.txt",
                        "Ionian-2212221\r\nDorian-2122212\r\nPhrygian-1222122\r\n"
                        "Lydian-2221221\r\nMixolydian-2212212\r\nAeolian-2122122\r\n"
                        "Locrian-1221222\r\nMinor Pentatonic-32232\r\n"));
  const std::string board = ScratchDir() + "a_dorian.swb";
  // A Dorian's notes: A B C D E F# G.
  ASSERT_TRUE(WriteFile(board,
                        "Scalewright board 1\r\ntonality=9\r\nmode=Dorian\r\n"
                        "notes=101010110101\r\n"));
  CSwProcess sw("\"" + board + "\"");
  const RECT area = OnlyBoardOnScreen(sw);
  ChooseMenuItem(sw.Main(), 'A', 'W');
  HWND dialog = sw.WaitDialog("Which Scale Is This?");
  ASSERT_NE(dialog, nullptr) << sw.Seen();
  for (int pitch : {9, 0, 2, 4, 7}) ClickCenterOf(::GetDlgItem(dialog, 1050 + pitch));
  HWND list = ::GetDlgItem(dialog, 1070);
  wchar_t first[64] = {};
  ASSERT_TRUE(WaitUntil([&] {
    ::SendMessageW(list, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(first));
    return std::wstring(first) == L"A Minor Pentatonic";
  })) << Utf8(first);
  ASSERT_TRUE(ClickToClose(dialog, 1072));  // Overlay
  constexpr std::uint32_t kOverlayBlue = 0x005AC8;
  ASSERT_TRUE(WaitFor(sw, [&] {
    return PixelsOnScreen("pentatonic_over_dorian", area, kOverlayBlue) > 500;
  })) << sw.Seen();

  ChooseMenuItem(sw.Main(), 'A', 'V');
  ASSERT_TRUE(WaitFor(sw, [&] {
    return PixelsOnScreen("overlay_removed", area, kOverlayBlue) == 0;
  })) << sw.Seen();
}

}  // namespace
}  // namespace scalewright::e2e
