// Starting SW without arguments: one maximised fretboard window, SW1, whose
// control fills the view and whose property frame opens by itself.
#include "tests/e2e/sw_fixture.h"
#include "tests/e2e/user_commands.h"

namespace scalewright::e2e {
namespace {

using StartupTest = SwTest;

TEST_F(StartupTest, OpensOneMaximisedFretboardWithItsPropertyFrame) {
  CSwProcess sw;
  ASSERT_TRUE(sw.Started());
  HWND main = sw.Main();
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(WaitUntil([&] { return sw.PropertyFrames().size() == 1; }));
  SaveScreenshot("startup_with_property_frame");  // for a person to look at

  auto documents = sw.DocumentWindows();
  ASSERT_EQ(documents.size(), 1u);
  EXPECT_EQ(Text(documents[0]), "SW1");
  EXPECT_TRUE(::IsZoomed(documents[0]));
  // The MDI machinery adds the maximised document's title to the frame's.
  EXPECT_TRUE(WaitUntil([&] { return Text(main) == "SW - [SW1]"; }, 5s)) << Text(main);
  EXPECT_EQ(Text(sw.PropertyFrames()[0]), "Properties for Fretboard");
  // No owner: the main window stays usable while the frame is open.
  EXPECT_TRUE(::IsWindowEnabled(main));

  // The control covers the whole view, which covers the document window.
  HWND view = ViewOf(documents[0]);
  HWND control = ControlOf(documents[0]);
  ASSERT_NE(control, nullptr);
  RECT viewRect = {}, controlRect = {}, frameClient = {};
  EXPECT_TRUE(WaitUntil(
      [&] {
        ::GetWindowRect(view, &viewRect);
        ::GetWindowRect(control, &controlRect);
        return ::EqualRect(&viewRect, &controlRect) != 0;
      },
      5s))
      << viewRect.left << "," << viewRect.top << "," << viewRect.right << "," << viewRect.bottom
      << " vs " << controlRect.left << "," << controlRect.top << "," << controlRect.right << ","
      << controlRect.bottom;
  ::GetClientRect(documents[0], &frameClient);
  EXPECT_EQ(viewRect.right - viewRect.left, frameClient.right);
  EXPECT_EQ(viewRect.bottom - viewRect.top, frameClient.bottom);
  EXPECT_GT(frameClient.right, 300);

  sw.CancelPropertyFrames();
  EXPECT_TRUE(WaitUntil([&] { return sw.PropertyFrames().empty(); }));
  EXPECT_TRUE(WaitUntil([&] { return Text(StatusBar(sw)) == "Ready"; }, 5s)) << Text(StatusBar(sw));
  SaveScreenshot("startup");  // for a person to look at
}

TEST_F(StartupTest, RestoredWindowKeepsTheControlAsLargeAsTheView) {
  CSwProcess sw;
  WaitForDocuments(sw, 1);
  HWND document = sw.DocumentWindows()[0];
  ::SendMessageA(sw.MdiClient(), WM_MDIRESTORE, reinterpret_cast<WPARAM>(document), 0);
  ASSERT_TRUE(WaitUntil([&] { return !::IsZoomed(document); }, 5s));
  ::SetWindowPos(document, nullptr, 10, 10, 400, 250, SWP_NOZORDER);
  RECT client = {}, control = {};
  ASSERT_TRUE(WaitUntil(
      [&] {
        ::GetClientRect(document, &client);
        ::GetWindowRect(ControlOf(document), &control);
        return control.right - control.left == client.right &&
               control.bottom - control.top == client.bottom;
      },
      5s));
  // Not maximised: the frame's title names the document itself.
  EXPECT_TRUE(WaitUntil([&] { return Text(sw.Main()) == "SW - SW1"; }, 5s)) << Text(sw.Main());
  SaveScreenshot("restored_window");  // for a person to look at
}

TEST_F(StartupTest, ExitWithDocumentsOpenEndsCleanly) {
  CSwProcess sw;
  WaitForDocuments(sw, 1);
  NewDocument(sw);
  Choose(sw, kExit);
  ASSERT_TRUE(sw.WaitExit());
  EXPECT_EQ(sw.ExitCode(), 0u);
}

TEST_F(StartupTest, SecondCopyIsAnIndependentMainWindow) {
  CSwProcess first;
  WaitForDocuments(first, 1);
  CSwProcess second;
  WaitForDocuments(second, 1);
  EXPECT_NE(first.Main(), second.Main());
  EXPECT_EQ(Text(second.DocumentWindows()[0]), "SW1");
}

}  // namespace
}  // namespace scalewright::e2e
