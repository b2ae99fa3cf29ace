// Document windows: New numbers them, the Window commands arrange them,
// Close closes them, and commands follow what the active window handles.
#include <algorithm>

#include "tests/e2e/sw_fixture.h"
#include "tests/e2e/user_commands.h"
#include "tests/e2e/user_input.h"

namespace scalewright::e2e {
namespace {

using DocumentsTest = SwTest;

std::vector<std::string> Titles(const std::vector<HWND>& windows) {
  std::vector<std::string> titles;
  for (HWND window : windows) titles.push_back(Text(window));
  std::sort(titles.begin(), titles.end());
  return titles;
}

TEST_F(DocumentsTest, NewNumbersDocumentsWithoutReuse) {
  CSwProcess sw;
  WaitForDocuments(sw, 1);
  Choose(sw, kFileNew);
  // Each new window opens its own property frame.
  ASSERT_TRUE(WaitUntil([&] { return sw.PropertyFrames().size() == 1; })) << sw.Seen("new_doc");
  ASSERT_EQ(sw.DocumentWindows().size(), 2u);
  EXPECT_EQ(Titles(sw.DocumentWindows()), (std::vector<std::string>{"SW1", "SW2"}));
  sw.CancelPropertyFrames();
  EXPECT_TRUE(WaitUntil([&] { return Text(sw.Main()) == "SW - [SW2]"; }, 5s)) << Text(sw.Main());
  SaveScreenshot("two_documents");  // for a person to look at

  // Closing SW2 and making a new one gives SW3, not SW2 again.
  Choose(sw, kFileClose);
  ASSERT_TRUE(WaitUntil([&] { return sw.DocumentWindows().size() == 1; })) << sw.Seen("close");
  ASSERT_EQ(Titles(sw.DocumentWindows()), (std::vector<std::string>{"SW1"}));
  NewDocument(sw);
  EXPECT_EQ(Titles(sw.DocumentWindows()), (std::vector<std::string>{"SW1", "SW3"}));
}

TEST_F(DocumentsTest, WindowCommandsArrangeTheDocuments) {
  CSwProcess sw;
  WaitForDocuments(sw, 1);
  NewDocument(sw);
  auto documents = sw.DocumentWindows();
  ASSERT_EQ(documents.size(), 2u);
  Choose(sw, kWindowTile);
  // Both restored, side by side, without overlap.
  EXPECT_TRUE(WaitUntil(
      [&] {
        RECT a = {}, b = {}, overlap = {};
        ::GetWindowRect(documents[0], &a);
        ::GetWindowRect(documents[1], &b);
        return !::IsZoomed(documents[0]) && !::IsZoomed(documents[1]) &&
               !::IntersectRect(&overlap, &a, &b);
      },
      5s))
      << sw.Seen("tile");
  EXPECT_TRUE(WaitUntil([&] { return Text(sw.Main()) == "SW - SW2"; }, 5s)) << Text(sw.Main());
  SaveScreenshot("tiled");  // for a person to look at
  RECT a = {}, b = {}, overlap = {};
  Choose(sw, kWindowCascade);
  // Cascaded: overlapping, each a step down and right of the other. The
  // windows move one after the other, so the first may overlap the second
  // while the second still stands where tiling put it.
  EXPECT_TRUE(WaitUntil(
      [&] {
        ::GetWindowRect(documents[0], &a);
        ::GetWindowRect(documents[1], &b);
        return ::IntersectRect(&overlap, &a, &b) != FALSE && a.left != b.left && a.top != b.top;
      },
      5s))
      << sw.Seen("cascade") << " " << a.left << "," << a.top << " and " << b.left << "," << b.top;
  // The control still fills each view after the rearrangement, once SW
  // has done with it (the windows intersect as soon as the first has moved).
  for (HWND document : documents) {
    RECT client = {}, control = {};
    EXPECT_TRUE(WaitUntil(
        [&] {
          ::GetClientRect(document, &client);
          ::GetWindowRect(ControlOf(document), &control);
          return control.right - control.left == client.right &&
                 control.bottom - control.top == client.bottom;
        },
        5s))
        << "control " << control.right - control.left << " x " << control.bottom - control.top
        << ", view " << client.right << " x " << client.bottom;
  }
}

TEST_F(DocumentsTest, WindowListEntriesActivateTheirWindows) {
  CSwProcess sw;
  WaitForDocuments(sw, 1);
  NewDocument(sw);
  auto active = [&] {
    return Text(reinterpret_cast<HWND>(::SendMessageA(sw.MdiClient(), WM_MDIGETACTIVE, 0, 0)));
  };
  EXPECT_EQ(active(), "SW2");
  // The Window menu's entries, in creation order.
  ChooseWindowListEntry(sw, 1);
  EXPECT_TRUE(WaitUntil([&] { return active() == "SW1"; }, 5s)) << active();
  ChooseWindowListEntry(sw, 2);
  EXPECT_TRUE(WaitUntil([&] { return active() == "SW2"; }, 5s)) << active();
}

TEST_F(DocumentsTest, NewWindowShowsTheSameDocumentWithItsOwnControl) {
  CSwProcess sw;
  WaitForDocuments(sw, 1);
  Choose(sw, kWindowNew);
  ASSERT_TRUE(WaitUntil([&] { return sw.DocumentWindows().size() == 2; })) << sw.Seen("new_win");
  ASSERT_TRUE(WaitUntil([&] { return sw.PropertyFrames().size() == 1; }));
  sw.CancelPropertyFrames();
  EXPECT_EQ(Titles(sw.DocumentWindows()), (std::vector<std::string>{"SW1:1", "SW1:2"}));
  auto documents = sw.DocumentWindows();
  EXPECT_NE(ControlOf(documents[0]), ControlOf(documents[1]));
  // Closing the document closes both of its windows.
  Choose(sw, kFileClose);
  EXPECT_TRUE(WaitUntil([&] { return sw.DocumentWindows().empty(); }, 5s)) << sw.Seen("close2");
}

TEST_F(DocumentsTest, CloseLastDocumentDisablesWhatOnlyADocumentHandles) {
  CSwProcess sw;
  WaitForDocuments(sw, 1);
  ASSERT_TRUE(WaitUntil([&] { return ButtonEnabled(sw, kPrint); }, 5s));
  EXPECT_TRUE(ButtonEnabled(sw, kProperties));
  EXPECT_TRUE(ButtonEnabled(sw, kAbout));

  Choose(sw, kFileClose);
  EXPECT_TRUE(WaitUntil([&] { return sw.DocumentWindows().empty(); }, 5s)) << sw.Seen("close3");
  EXPECT_TRUE(WaitUntil([&] { return Text(sw.Main()) == "SW"; }, 5s)) << Text(sw.Main());
  EXPECT_TRUE(WaitUntil([&] { return !ButtonEnabled(sw, kPrint); }, 5s));
  EXPECT_FALSE(ButtonEnabled(sw, kProperties));
  EXPECT_TRUE(ButtonEnabled(sw, kAbout));
  // Without a document these commands are on no menu and their buttons are
  // disabled: no user can give them, but a command that arrives anyway
  // (from another program, say) finds no handler and does nothing.
  sw.SendCommandMessage(kProperties);
  sw.SendCommandMessage(kPrintPreview);
  EXPECT_TRUE(sw.PropertyFrames().empty());
  EXPECT_TRUE(TopLevelWindows(sw.Thread(), nullptr, "SW - ").empty());
  SaveScreenshot("no_documents");  // for a person to look at
}

TEST_F(DocumentsTest, UndoCutPasteAndPaneKeysDoNothing) {
  CSwProcess sw;
  WaitForDocuments(sw, 1);
  // Undo, Cut, Paste and the pane keys, each by every key that gives it
  // (Copy has a test of its own).
  BringToFront(sw.Main());
  PressKeys({VK_CONTROL, 'Z'});
  PressKeys({VK_MENU, VK_BACK});
  PressKeys({VK_CONTROL, 'X'});
  PressKeys({VK_SHIFT, VK_DELETE});
  PressKeys({VK_CONTROL, 'V'});
  PressKeys({VK_SHIFT, VK_INSERT});
  PressKeys({VK_F6});
  PressKeys({VK_SHIFT, VK_F6});
  // Keys are taken in order: once the menu opened after them shows, SW has
  // handled the keys before it.
  EXPECT_TRUE(OpenAndCloseAMenu(sw)) << sw.Seen("menu_after_keys");
  EXPECT_EQ(sw.DocumentWindows().size(), 1u);
  EXPECT_TRUE(sw.PropertyFrames().empty());
  EXPECT_EQ(sw.ExitCode(), STILL_ACTIVE);
}

}  // namespace
}  // namespace scalewright::e2e
