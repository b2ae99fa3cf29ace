// The property frame that each new window opens edits that window's
// fretboard only: OK with another tonic changes its picture and no other.
#include "tests/e2e/sw_fixture.h"
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
      [](HWND child, LPARAM data) -> BOOL {
        auto* s = reinterpret_cast<SSearch*>(data);
        if (ClassName(child) != "ComboBox" || Text(child) != *s->text) return TRUE;
        s->found = child;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// Chooses list item |index| as a user's click would: the selection, then
// the notification to the page.
void ChooseItem(HWND combo, int index) {
  ::SendMessageA(combo, CB_SETCURSEL, index, 0);
  ::SendMessageA(::GetParent(combo), WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(combo), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo));
}

TEST_F(PropertiesTest, OkWithAnotherTonicChangesOnlyThatWindowsPicture) {
  CSwProcess sw;
  WaitForDocuments(sw, 1);
  // Two windows on one document, side by side.
  sw.Command(kWindowNew);
  ASSERT_TRUE(WaitUntil([&] { return sw.DocumentWindows().size() == 2; }));
  ASSERT_TRUE(WaitUntil([&] { return sw.PropertyFrames().size() == 1; }));
  sw.CancelPropertyFrames();
  ASSERT_TRUE(WaitUntil([&] { return sw.PropertyFrames().empty(); }));
  sw.SendCommand(kWindowTile);
  HWND active = reinterpret_cast<HWND>(::SendMessageA(sw.MdiClient(), WM_MDIGETACTIVE, 0, 0));
  auto documents = sw.DocumentWindows();
  ASSERT_EQ(documents.size(), 2u);
  HWND other = documents[0] == active ? documents[1] : documents[0];
  const RECT activeBoard = ScreenRect(ControlOf(active));
  const RECT otherBoard = ScreenRect(ControlOf(other));
  ASSERT_TRUE(SaveScreenshot("two_boards_before"));
  const SPicture before = ReadScreenshot("two_boards_before");
  ASSERT_GT(before.width, 0);
  EXPECT_GT(InkPixels(before, activeBoard), 500);

  sw.Command(kProperties);
  ASSERT_TRUE(WaitUntil([&] { return sw.PropertyFrames().size() == 1; }));
  HWND frame = sw.PropertyFrames()[0];
  HWND tonality = nullptr;
  ASSERT_TRUE(WaitUntil([&] { return (tonality = FindCombo(frame, "C")) != nullptr; }));
  ChooseItem(tonality, 2);
  EXPECT_NE(Text(tonality), "C");
  PressButton(frame, IDOK);
  ASSERT_TRUE(WaitUntil([&] { return sw.PropertyFrames().empty(); }));
  ASSERT_TRUE(SaveScreenshot("two_boards_after"));
  const SPicture after = ReadScreenshot("two_boards_after");

  EXPECT_GT(DifferingPixels(before, after, activeBoard), 200);
  EXPECT_EQ(DifferingPixels(before, after, otherBoard), 0);
}

}  // namespace
}  // namespace scalewright::e2e
