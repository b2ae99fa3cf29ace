// Each toolbar button clicked with the mouse, as a user clicks it, does
// what its menu command does.
#include "tests/e2e/sw_fixture.h"
#include "tests/e2e/user_commands.h"
#include "tests/e2e/user_input.h"

namespace scalewright::e2e {
namespace {

using ToolBarClicksTest = SwTest;

TEST_F(ToolBarClicksTest, PropertiesButtonOpensTheActiveBoardsFrame) {
  CSwProcess sw;
  WaitForDocuments(sw, 1);
  BringToFront(sw.Main());
  ASSERT_TRUE(ClickToolBarButton(ToolBar(sw), kProperties));
  POINT cursor = {};
  ::GetCursorPos(&cursor);
  RECT bar = {};
  ::GetWindowRect(ToolBar(sw), &bar);
  EXPECT_TRUE(WaitFor(sw, [&] { return sw.PropertyFrames().size() == 1; }))
      << sw.Seen("tb_props") << " cursor " << cursor.x << "," << cursor.y << " bar " << bar.left
      << "," << bar.top << "-" << bar.right << "," << bar.bottom << " under cursor "
      << ClassName(::WindowFromPoint(cursor)) << " fg " << Text(::GetForegroundWindow());
  sw.CancelPropertyFrames();
  EXPECT_TRUE(WaitFor(sw, [&] { return sw.PropertyFrames().empty(); })) << sw.Seen();
}

TEST_F(ToolBarClicksTest, AboutButtonShowsTheAboutBox) {
  CSwProcess sw;
  WaitForDocuments(sw, 1);
  BringToFront(sw.Main());
  ASSERT_TRUE(ClickToolBarButton(ToolBar(sw), kAbout));
  HWND about = sw.WaitDialog("About", 10s);
  ASSERT_NE(about, nullptr) << sw.Seen("tb_about");
  ASSERT_TRUE(ClickToClose(about, IDOK));
  EXPECT_TRUE(WaitUntil([&] { return !::IsWindow(about); }));
}

TEST_F(ToolBarClicksTest, PrintButtonStartsPrinting) {
  CSwProcess sw;
  WaitForDocuments(sw, 1);
  BringToFront(sw.Main());
  ASSERT_TRUE(ClickToolBarButton(ToolBar(sw), kPrint));
  // Without a printer the print dialog or the framework says so; with one,
  // the print dialog asks. Either way something of printing shows.
  HWND shown = nullptr;
  EXPECT_TRUE(WaitUntil(
      [&] {
        auto boxes = TopLevelWindows(sw.Thread(), "#32770", "");
        shown = boxes.empty() ? nullptr : boxes.front();
        return shown != nullptr;
      },
      10s))
      << sw.Seen("tb_print");
  if (shown) {
    const std::string text = Text(shown) + "\n" + MessageBoxText(shown);
    EXPECT_NE(text.find("rint"), std::string::npos) << text;
    EXPECT_TRUE(ClickToClose(shown, IDCANCEL) || ClickToClose(shown, IDOK));
  }
}

TEST_F(ToolBarClicksTest, ButtonsWithoutADocumentDoNothingButAbout) {
  CSwProcess sw;
  WaitForDocuments(sw, 1);
  Choose(sw, kFileClose);
  ASSERT_TRUE(WaitFor(sw, [&] { return sw.DocumentWindows().empty(); })) << sw.Seen();
  BringToFront(sw.Main());
  ASSERT_TRUE(ClickToolBarButton(ToolBar(sw), kProperties));
  // Whatever the click posted has been handled by now.
  ASSERT_TRUE(WaitUntilHandled(sw.Main(), 2));
  EXPECT_TRUE(sw.PropertyFrames().empty());
  ASSERT_TRUE(ClickToolBarButton(ToolBar(sw), kAbout));
  HWND about = sw.WaitDialog("About", 10s);
  ASSERT_NE(about, nullptr) << sw.Seen("tb_about_nodoc");
  ASSERT_TRUE(ClickToClose(about, IDOK));
}

}  // namespace
}  // namespace scalewright::e2e
