// The toolbar and the status bar: tool tips and prompts from the command
// strings, the View toggles, and a toolbar that docks on any side.
#include "tests/e2e/sw_fixture.h"
#include "tests/win/window_rects.h"

namespace scalewright::e2e {
namespace {

using BarsTest = SwTest;

TEST_F(BarsTest, HoveringAButtonShowsItsTipAndPrompt) {
  CSwProcess sw;
  WaitForDocuments(sw, 1);
  HWND toolbar = ToolBar(sw);
  ASSERT_NE(toolbar, nullptr);
  ::SetForegroundWindow(sw.Main());
  // The first button (Print) sits right after the gripper.
  POINT print = {8 + 13, 13};
  ::ClientToScreen(toolbar, &print);
  ::SetCursorPos(print.x - 3, print.y);
  ::SetCursorPos(print.x, print.y);
  POINT inBar = {8 + 13, 13};
  ::PostMessageA(toolbar, WM_MOUSEMOVE, 0, MAKELPARAM(inBar.x, inBar.y));
  EXPECT_TRUE(WaitUntil([&] { return Text(StatusBar(sw)) == "Print the active document"; }, 10s))
      << Text(StatusBar(sw));
  std::vector<HWND> tips;
  EXPECT_TRUE(WaitUntil(
      [&] {
        tips = TopLevelWindows(sw.Thread(), "tooltips_class32", "Print");
        return !tips.empty() && Text(tips[0]) == "Print";
      },
      10s));
  EXPECT_TRUE(SaveScreenshot("toolbar_tip"));
  // Away from the bar, the status bar is idle again.
  ::SetCursorPos(print.x + 300, print.y + 300);
  ::PostMessageA(toolbar, WM_MOUSEMOVE, 0, MAKELPARAM(500, 500));
  EXPECT_TRUE(WaitUntil([&] { return Text(StatusBar(sw)) == "Ready"; }, 10s))
      << Text(StatusBar(sw));
}

TEST_F(BarsTest, ViewCommandsHideAndShowTheBars) {
  CSwProcess sw;
  WaitForDocuments(sw, 1);
  HWND client = sw.MdiClient();
  const RECT before = ScreenRect(client);
  sw.SendCommand(kViewToolbar);
  EXPECT_FALSE(::IsWindowVisible(ToolBar(sw)));
  EXPECT_LT(ScreenRect(client).top, before.top);
  sw.SendCommand(kViewStatusBar);
  EXPECT_FALSE(::IsWindowVisible(StatusBar(sw)));
  EXPECT_GT(ScreenRect(client).bottom, before.bottom);
  EXPECT_TRUE(SaveScreenshot("bars_hidden"));
  sw.SendCommand(kViewToolbar);
  sw.SendCommand(kViewStatusBar);
  EXPECT_TRUE(::IsWindowVisible(ToolBar(sw)));
  EXPECT_TRUE(::IsWindowVisible(StatusBar(sw)));
  const RECT after = ScreenRect(client);
  EXPECT_TRUE(::EqualRect(&before, &after));
}

TEST_F(BarsTest, ToolbarDocksWhereItIsDropped) {
  CSwProcess sw;
  WaitForDocuments(sw, 1);
  HWND toolbar = ToolBar(sw);
  HWND client = sw.MdiClient();
  // Grab the gripper and drop the bar near the frame's left edge.
  ::SendMessageA(toolbar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 10));
  const RECT frame = ScreenRect(client);
  POINT drop = {frame.left + 5, (frame.top + frame.bottom) / 2};
  ::ScreenToClient(toolbar, &drop);
  ::SendMessageA(toolbar, WM_LBUTTONUP, 0, MAKELPARAM(drop.x, drop.y));
  RECT bar = ScreenRect(toolbar);
  EXPECT_GT(bar.bottom - bar.top, bar.right - bar.left);
  EXPECT_GE(ScreenRect(client).left, bar.right);
  EXPECT_TRUE(SaveScreenshot("toolbar_left"));

  // And from its free end to the bottom, above the status bar.
  RECT barClient = {};
  ::GetClientRect(toolbar, &barClient);
  ::SendMessageA(toolbar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, barClient.bottom - 5));
  const RECT area = ScreenRect(client);
  drop = {(area.left + area.right) / 2, area.bottom - 3};
  ::ScreenToClient(toolbar, &drop);
  ::SendMessageA(toolbar, WM_LBUTTONUP, 0, MAKELPARAM(drop.x, drop.y));
  bar = ScreenRect(toolbar);
  EXPECT_GT(bar.right - bar.left, bar.bottom - bar.top);
  EXPECT_LE(ScreenRect(client).bottom, bar.top);
  EXPECT_LE(bar.bottom, ScreenRect(StatusBar(sw)).top);
  // The buttons still work where the bar is now.
  EXPECT_TRUE(ButtonEnabled(sw, kPrint));
}

}  // namespace
}  // namespace scalewright::e2e
