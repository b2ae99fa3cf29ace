// Document windows: New numbers them, the Window commands arrange them,
// Close closes them, and commands follow what the active window handles.
#include <algorithm>

#include "tests/e2e/sw_fixture.h"

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
  sw.Command(kFileNew);
  // Each new window opens its own property frame.
  ASSERT_TRUE(WaitUntil([&] { return sw.PropertyFrames().size() == 1; }));
  ASSERT_EQ(sw.DocumentWindows().size(), 2u);
  EXPECT_EQ(Titles(sw.DocumentWindows()), (std::vector<std::string>{"SW1", "SW2"}));
  sw.CancelPropertyFrames();
  EXPECT_TRUE(WaitUntil([&] { return Text(sw.Main()) == "SW - [SW2]"; }, 5s)) << Text(sw.Main());
  EXPECT_TRUE(SaveScreenshot("two_documents"));

  // Closing SW2 and making a new one gives SW3, not SW2 again.
  sw.SendCommand(kFileClose);
  ASSERT_EQ(Titles(sw.DocumentWindows()), (std::vector<std::string>{"SW1"}));
  NewDocument(sw);
  EXPECT_EQ(Titles(sw.DocumentWindows()), (std::vector<std::string>{"SW1", "SW3"}));
}

TEST_F(DocumentsTest, WindowCommandsArrangeTheDocuments) {
  CSwProcess sw;
  WaitForDocuments(sw, 1);
  NewDocument(sw);
  sw.SendCommand(kWindowTile);
  auto documents = sw.DocumentWindows();
  ASSERT_EQ(documents.size(), 2u);
  RECT a = {}, b = {}, overlap = {};
  ::GetWindowRect(documents[0], &a);
  ::GetWindowRect(documents[1], &b);
  EXPECT_FALSE(::IsZoomed(documents[0]));
  EXPECT_FALSE(::IntersectRect(&overlap, &a, &b));
  EXPECT_TRUE(WaitUntil([&] { return Text(sw.Main()) == "SW - SW2"; }, 5s)) << Text(sw.Main());
  EXPECT_TRUE(SaveScreenshot("tiled"));
  sw.SendCommand(kWindowCascade);
  ::GetWindowRect(documents[0], &a);
  ::GetWindowRect(documents[1], &b);
  EXPECT_TRUE(::IntersectRect(&overlap, &a, &b));
  EXPECT_NE(a.left, b.left);
  // The control still fills each view after the rearrangement.
  for (HWND document : documents) {
    RECT client = {}, control = {};
    ::GetClientRect(document, &client);
    ::GetWindowRect(ControlOf(document), &control);
    EXPECT_EQ(control.right - control.left, client.right);
    EXPECT_EQ(control.bottom - control.top, client.bottom);
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
  // The Window menu's entries, in creation order, from the first child id on.
  ::PostMessageA(sw.Main(), WM_COMMAND, 0xFF00, 0);
  EXPECT_TRUE(WaitUntil([&] { return active() == "SW1"; }, 5s)) << active();
  ::PostMessageA(sw.Main(), WM_COMMAND, 0xFF01, 0);
  EXPECT_TRUE(WaitUntil([&] { return active() == "SW2"; }, 5s)) << active();
}

TEST_F(DocumentsTest, NewWindowShowsTheSameDocumentWithItsOwnControl) {
  CSwProcess sw;
  WaitForDocuments(sw, 1);
  sw.Command(kWindowNew);
  ASSERT_TRUE(WaitUntil([&] { return sw.DocumentWindows().size() == 2; }));
  ASSERT_TRUE(WaitUntil([&] { return sw.PropertyFrames().size() == 1; }));
  sw.CancelPropertyFrames();
  EXPECT_EQ(Titles(sw.DocumentWindows()), (std::vector<std::string>{"SW1:1", "SW1:2"}));
  auto documents = sw.DocumentWindows();
  EXPECT_NE(ControlOf(documents[0]), ControlOf(documents[1]));
  // Closing the document closes both of its windows.
  sw.SendCommand(kFileClose);
  EXPECT_TRUE(sw.DocumentWindows().empty());
}

TEST_F(DocumentsTest, CloseLastDocumentDisablesWhatOnlyADocumentHandles) {
  CSwProcess sw;
  WaitForDocuments(sw, 1);
  ASSERT_TRUE(WaitUntil([&] { return ButtonEnabled(sw, kPrint); }, 5s));
  EXPECT_TRUE(ButtonEnabled(sw, kProperties));
  EXPECT_TRUE(ButtonEnabled(sw, kAbout));

  sw.SendCommand(kFileClose);
  EXPECT_TRUE(sw.DocumentWindows().empty());
  EXPECT_TRUE(WaitUntil([&] { return Text(sw.Main()) == "SW"; }, 5s)) << Text(sw.Main());
  EXPECT_TRUE(WaitUntil([&] { return !ButtonEnabled(sw, kPrint); }, 5s));
  EXPECT_FALSE(ButtonEnabled(sw, kProperties));
  EXPECT_TRUE(ButtonEnabled(sw, kAbout));
  // A command without a handler does nothing.
  sw.SendCommand(kProperties);
  sw.SendCommand(kPrintPreview);
  EXPECT_TRUE(sw.PropertyFrames().empty());
  EXPECT_TRUE(TopLevelWindows(sw.Thread(), nullptr, "SW - ").empty());
  EXPECT_TRUE(SaveScreenshot("no_documents"));
}

TEST_F(DocumentsTest, ClipboardUndoAndPaneKeysDoNothing) {
  CSwProcess sw;
  WaitForDocuments(sw, 1);
  for (UINT id : {57643u, 57635u, 57634u, 57637u, 57680u, 57681u}) sw.SendCommand(id);
  EXPECT_EQ(sw.DocumentWindows().size(), 1u);
  EXPECT_TRUE(sw.PropertyFrames().empty());
  EXPECT_EQ(sw.ExitCode(), STILL_ACTIVE);
}

}  // namespace
}  // namespace scalewright::e2e
