// Faults a user can meet: the control module not registered, and the
// framework's own switches that end the program.
#include "tests/e2e/sw_fixture.h"
#include "tests/e2e/user_commands.h"
#include "tests/e2e/user_input.h"

namespace scalewright::e2e {
namespace {

class FaultsTest : public SwTest {
 protected:
  void TearDown() override { EXPECT_TRUE(CallNeckviewEntry("DllRegisterServer")); }
};

TEST_F(FaultsTest, UnregisteredControlGivesAClearMessageAndNoWindow) {
  ASSERT_TRUE(CallNeckviewEntry("DllUnregisterServer"));
  CSwProcess sw;
  HWND box = sw.WaitMessageBox();
  ASSERT_NE(box, nullptr);
  const std::string text = MessageBoxText(box);
  EXPECT_EQ(text.rfind("Failed to create empty document.", 0), 0u) << text;
  EXPECT_NE(text.find("not registered"), std::string::npos) << text;
  // No main window, no empty document frame.
  EXPECT_TRUE(TopLevelWindows(sw.Thread(), "Scalewright.MDIFrame", "").empty());
  SaveScreenshot("unregistered_control");  // for a person to look at
  ASSERT_TRUE(ClickToClose(box, IDOK));
  ASSERT_TRUE(sw.WaitExit());
  // A start that failed says so to whoever started SW.
  sw.ExpectExitCode(1);
  EXPECT_EQ(sw.ExitCode(), 1u);
}

TEST_F(FaultsTest, UnregisteredControlOnNewKeepsTheOtherWindows) {
  CSwProcess sw;
  WaitForDocuments(sw, 1);
  ASSERT_TRUE(CallNeckviewEntry("DllUnregisterServer"));
  Choose(sw, kFileNew);
  HWND box = sw.WaitMessageBox();
  ASSERT_NE(box, nullptr);
  ASSERT_TRUE(ClickToClose(box, IDOK));
  ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(box); }));
  EXPECT_EQ(sw.DocumentWindows().size(), 1u);
  EXPECT_EQ(Text(sw.DocumentWindows()[0]), "SW1");
  // The failed document used no number.
  ASSERT_TRUE(CallNeckviewEntry("DllRegisterServer"));
  NewDocument(sw);
  EXPECT_TRUE(WaitUntil([&] { return Text(sw.Main()) == "SW - [SW2]"; }, 5s)) << Text(sw.Main());
}

TEST_F(FaultsTest, UnregisterSwitchRemovesTheProfileAndSaysSo) {
  {
    CSwProcess sw;
    WaitForDocuments(sw, 1);
    // A preview leaves the page count in the profile.
    Choose(sw, kPrintPreview);
    std::vector<HWND> previews;
    ASSERT_TRUE(WaitUntil([&] {
      previews = TopLevelWindows(sw.Thread(), nullptr, "SW - SW1 - Print Preview");
      return !previews.empty();
    })) << sw.Seen("preview");
    ASSERT_TRUE(ClickToClose(previews[0], IDCANCEL));
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(previews[0]); }));
    Choose(sw, kExit);
    ASSERT_TRUE(sw.WaitExit());
  }
  ASSERT_TRUE(ProfileExists());
  CSwProcess sw("/Unregister");
  HWND box = sw.WaitMessageBox();
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(MessageBoxText(box),
            "System registry entries have been removed and the INI file (if any) was deleted.");
  ASSERT_TRUE(ClickToClose(box, IDOK));
  ASSERT_TRUE(sw.WaitExit());
  EXPECT_FALSE(ProfileExists());
}

}  // namespace
}  // namespace scalewright::e2e
