// The property frame that each new window opens edits its document's
// board: OK with another tonic changes the picture in every window of it.
#include "control/ui/dialog_ids.h"
#include "tests/e2e/sw_fixture.h"
#include "tests/e2e/user_commands.h"
#include "tests/e2e/user_input.h"
#include "tests/win/window_rects.h"

namespace scalewright::e2e {
namespace {

using PropertiesTest = SwTest;

// The frame's first combo box showing |text| (the page's Tonality list).
HWND FindCombo(HWND frame, const std::string& text) {
  struct SSearch {
    const std::string* text;
    HWND found;
  } search{&text, nullptr};
  ::EnumChildWindows(
      frame,
      [](HWND child, LPARAM data) CALLBACK -> BOOL {
        auto* s = reinterpret_cast<SSearch*>(data);
        if (ClassName(child) != "ComboBox" || Text(child) != *s->text) return TRUE;
        s->found = child;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// Chooses list item |index| as a user's click in the dropped list would:
// the selection, then what the combo tells its page about it (the end of
// the choice, then the change), with the combo's own id and handle.
void ChooseItem(HWND combo, int index) {
  DWORD_PTR result = 0;
  ::SendMessageTimeoutA(combo, CB_SETCURSEL, index, 0, SMTO_NORMAL, 5000, &result);
  const int id = ::GetDlgCtrlID(combo);
  for (WORD code : {WORD{CBN_SELENDOK}, WORD{CBN_SELCHANGE}})
    ::SendMessageTimeoutA(::GetParent(combo), WM_COMMAND, MAKEWPARAM(id, code),
                          reinterpret_cast<LPARAM>(combo), SMTO_NORMAL, 5000, &result);
}

// The page's twelve note boxes from C up, '1' where checked.
std::string NoteBoxes(HWND combo) {
  static constexpr int kNoteBoxes[] = {IDC_NOTE_C,  IDC_NOTE_CS, IDC_NOTE_D,  IDC_NOTE_DS,
                                       IDC_NOTE_E,  IDC_NOTE_F,  IDC_NOTE_FS, IDC_NOTE_G,
                                       IDC_NOTE_GS, IDC_NOTE_A,  IDC_NOTE_AS, IDC_NOTE_B};
  std::string boxes;
  for (int id : kNoteBoxes) {
    DWORD_PTR checked = 0;
    ::SendMessageTimeoutA(::GetDlgItem(::GetParent(combo), id), BM_GETCHECK, 0, 0, SMTO_NORMAL,
                          5000, &checked);
    boxes += checked == BST_CHECKED ? '1' : '0';
  }
  return boxes;
}

// The two windows of one document show one board: OK in either changes
// both pictures alike.
TEST_F(PropertiesTest, OkWithAnotherTonicChangesEveryWindowOfTheDocument) {
  CSwProcess sw;
  WaitForDocuments(sw, 1);
  // Two windows on one document, side by side.
  Choose(sw, kWindowNew);
  ASSERT_TRUE(WaitUntil([&] { return sw.DocumentWindows().size() == 2; })) << sw.Seen("new_win");
  ASSERT_TRUE(WaitUntil([&] { return sw.PropertyFrames().size() == 1; }));
  sw.CancelPropertyFrames();
  ASSERT_TRUE(WaitUntil([&] { return sw.PropertyFrames().empty(); }));
  HWND active = reinterpret_cast<HWND>(::SendMessageA(sw.MdiClient(), WM_MDIGETACTIVE, 0, 0));
  Choose(sw, kWindowTile);
  ASSERT_TRUE(WaitUntil([&] { return !::IsZoomed(active); }, 5s)) << sw.Seen("tile");
  auto documents = sw.DocumentWindows();
  ASSERT_EQ(documents.size(), 2u);
  HWND other = documents[0] == active ? documents[1] : documents[0];
  const RECT activeBoard = ScreenRect(ControlOf(active));
  const RECT otherBoard = ScreenRect(ControlOf(other));
  ASSERT_TRUE(SaveScreenshot("two_boards_before"));
  const SPicture before = ReadScreenshot("two_boards_before");
  ASSERT_GT(before.width, 0);
  EXPECT_GT(InkPixels(before, activeBoard), 500) << "a blank board: see two_boards_before.png";

  Choose(sw, kProperties);
  ASSERT_TRUE(WaitUntil([&] { return sw.PropertyFrames().size() == 1; })) << sw.Seen("props");
  HWND frame = sw.PropertyFrames()[0];
  HWND tonality = nullptr;
  ASSERT_TRUE(WaitUntil([&] { return (tonality = FindCombo(frame, "C")) != nullptr; }));
  // The page shows the scale's notes; another tonic moves them all up.
  const std::string notesOfC = NoteBoxes(tonality);
  ASSERT_NE(notesOfC.find('1'), std::string::npos) << "no note box checked for C";
  ChooseItem(tonality, 2);
  EXPECT_NE(Text(tonality), "C");
  const std::string expected = notesOfC.back() + notesOfC.substr(0, 11);
  std::string shown;
  EXPECT_TRUE(WaitUntil([&] { return (shown = NoteBoxes(tonality)) == expected; }, 10s))
      << "note boxes for C " << notesOfC << ", one tonic up " << shown << ", expected " << expected
      << "\n"
      << sw.Seen("tonic_changed");
  ASSERT_TRUE(ClickToClose(frame, IDOK));
  ASSERT_TRUE(WaitUntil([&] { return sw.PropertyFrames().empty(); }));
  ASSERT_TRUE(SaveScreenshot("two_boards_after"));
  const SPicture after = ReadScreenshot("two_boards_after");

  EXPECT_GT(DifferingPixels(before, after, activeBoard), 200);
  EXPECT_GT(DifferingPixels(before, after, otherBoard), 200);
}

}  // namespace
}  // namespace scalewright::e2e
