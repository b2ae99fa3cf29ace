// Print Preview shows the page in a window of its own; printing without a
// printer says so and prints nothing.
#include "tests/e2e/sw_fixture.h"
#include "tests/e2e/user_commands.h"
#include "tests/e2e/user_input.h"

namespace scalewright::e2e {
namespace {

using PrintTest = SwTest;

TEST_F(PrintTest, PreviewShowsThePageUntilClosed) {
  CSwProcess sw;
  WaitForDocuments(sw, 1);
  Choose(sw, kPrintPreview);
  std::vector<HWND> previews;
  ASSERT_TRUE(WaitUntil([&] {
    previews = TopLevelWindows(sw.Thread(), nullptr, "SW - SW1 - Print Preview");
    return !previews.empty();
  }));
  // The frame waits while the preview is up.
  EXPECT_TRUE(WaitUntil([&] { return !::IsWindowEnabled(sw.Main()); }, 5s));
  EXPECT_EQ(Text(::GetDlgItem(previews[0], kPrint)), "&Print...");
  EXPECT_EQ(Text(::GetDlgItem(previews[0], IDCANCEL)), "&Close");
  SaveScreenshot("print_preview");  // for a person to look at
  ASSERT_TRUE(ClickToClose(previews[0], IDCANCEL));
  EXPECT_TRUE(WaitUntil([&] { return !::IsWindow(previews[0]); }));
  EXPECT_TRUE(::IsWindowEnabled(sw.Main()));
  Choose(sw, kExit);
  ASSERT_TRUE(sw.WaitExit());
  EXPECT_EQ(ProfileInt("Settings", "PreviewPages"), 1);
}

TEST_F(PrintTest, PrintWithoutAPrinterSaysSo) {
  CSwProcess sw;
  WaitForDocuments(sw, 1);
  // Print without its dialog has no menu item or button: the shell's print
  // verb and other programs give it.
  sw.PostCommandMessage(kPrintDirect);
  HWND box = sw.WaitMessageBox();
  ASSERT_NE(box, nullptr);
  EXPECT_NE(MessageBoxText(box).find("printer"), std::string::npos) << MessageBoxText(box);
  ASSERT_TRUE(ClickToClose(box, IDOK));
  EXPECT_TRUE(WaitUntil([&] { return !::IsWindow(box); }));
  EXPECT_EQ(sw.DocumentWindows().size(), 1u);
}

TEST_F(PrintTest, PropertiesCommandOpensAFrameForTheActiveWindow) {
  CSwProcess sw;
  WaitForDocuments(sw, 1);
  Choose(sw, kProperties);
  ASSERT_TRUE(WaitUntil([&] { return sw.PropertyFrames().size() == 1; })) << sw.Seen("props");
  // Closing the document window under an open frame leaves no dangling
  // control. The frame holds the keyboard, as it does a user's: the window
  // goes the way another program would close it.
  sw.SendCommandMessage(kFileClose);
  EXPECT_TRUE(sw.DocumentWindows().empty());
  SaveScreenshot("frame_after_close");  // for a person to look at
  sw.CancelPropertyFrames();
  EXPECT_TRUE(WaitUntil([&] { return sw.PropertyFrames().empty(); }));
  NewDocument(sw);
  EXPECT_EQ(sw.DocumentWindows().size(), 1u);
  EXPECT_EQ(sw.ExitCode(), STILL_ACTIVE);
}

}  // namespace
}  // namespace scalewright::e2e
