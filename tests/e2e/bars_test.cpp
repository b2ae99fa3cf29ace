// The toolbar and the status bar: tool tips and prompts from the command
// strings, the View toggles, and a toolbar that docks on any side.
#include "tests/e2e/sw_fixture.h"
#include "tests/e2e/user_commands.h"
#include "tests/e2e/user_input.h"
#include "tests/win/window_rects.h"

namespace scalewright::e2e {
namespace {

using BarsTest = SwTest;

TEST_F(BarsTest, HoveringAButtonShowsItsTipAndPrompt) {
  CSwProcess sw;
  WaitForDocuments(sw, 1);
  HWND toolbar = ToolBar(sw);
  ASSERT_NE(toolbar, nullptr);
  BringToFront(sw.Main());
  // The first button (Print) sits right after the gripper.
  POINT print = {8 + 13, 13};
  ::ClientToScreen(toolbar, &print);
  MoveMouseTo({print.x - 3, print.y});
  MoveMouseTo(print);
  EXPECT_TRUE(WaitUntil([&] { return Text(StatusBar(sw)) == "Print the active document"; }, 10s))
      << Text(StatusBar(sw));
  std::vector<HWND> tips;
  EXPECT_TRUE(WaitUntil(
      [&] {
        tips = TopLevelWindows(sw.Thread(), "tooltips_class32", "Print");
        return !tips.empty() && Text(tips[0]) == "Print";
      },
      10s));
  SaveScreenshot("toolbar_tip");  // for a person to look at
  // Away from the bar, the status bar is idle again.
  MoveMouseTo({print.x + 300, print.y + 300});
  EXPECT_TRUE(WaitUntil([&] { return Text(StatusBar(sw)) == "Ready"; }, 10s))
      << Text(StatusBar(sw));
}

TEST_F(BarsTest, ViewCommandsHideAndShowTheBars) {
  CSwProcess sw;
  WaitForDocuments(sw, 1);
  HWND client = sw.MdiClient();
  const RECT before = ScreenRect(client);
  Choose(sw, kViewToolbar);
  // The frame lays its bars out again when it is next idle.
  EXPECT_TRUE(WaitUntil([&] { return !::IsWindowVisible(ToolBar(sw)); }, 5s));
  EXPECT_TRUE(WaitUntil([&] { return ScreenRect(client).top < before.top; }, 5s));
  Choose(sw, kViewStatusBar);
  EXPECT_TRUE(WaitUntil([&] { return !::IsWindowVisible(StatusBar(sw)); }, 5s));
  EXPECT_TRUE(WaitUntil([&] { return ScreenRect(client).bottom > before.bottom; }, 5s));
  SaveScreenshot("bars_hidden");  // for a person to look at
  Choose(sw, kViewToolbar);
  Choose(sw, kViewStatusBar);
  EXPECT_TRUE(WaitUntil([&] { return ::IsWindowVisible(StatusBar(sw)) != FALSE; }, 5s));
  EXPECT_TRUE(::IsWindowVisible(ToolBar(sw)));
  // Laid out again once the frame is idle: the workspace where it was.
  RECT after = {};
  EXPECT_TRUE(WaitUntil(
      [&] {
        after = ScreenRect(client);
        return ::EqualRect(&before, &after) != FALSE;
      },
      5s));
}

// The band behind the buttons has the button face colour, as every
// Windows toolbar has; the empty workspace keeps its own colour.
TEST_F(BarsTest, TheToolbarBandIsButtonFaceAndTheWorkspaceIsNot) {
  CSwProcess sw;
  WaitForDocuments(sw, 1);
  Choose(sw, kFileClose);
  ASSERT_TRUE(WaitFor(sw, [&] { return sw.DocumentWindows().empty(); })) << sw.Seen();
  const RECT bar = ScreenRect(ToolBar(sw));
  const RECT workspace = ScreenRect(sw.MdiClient());
  ASSERT_TRUE(SaveScreenshot("toolbar_band"));
  const SPicture picture = ReadScreenshot("toolbar_band");
  ASSERT_GT(picture.width, 0);
  const auto rgb = [](COLORREF color) -> std::uint32_t {
    return (GetRValue(color) << 16) | (GetGValue(color) << 8) | GetBValue(color);
  };
  // Right of the last button, and the middle of the empty workspace.
  EXPECT_EQ(picture.At(bar.right - 20, (bar.top + bar.bottom) / 2),
            rgb(::GetSysColor(COLOR_BTNFACE)))
      << "see toolbar_band.png";
  EXPECT_EQ(
      picture.At((workspace.left + workspace.right) / 2, (workspace.top + workspace.bottom) / 2),
      rgb(::GetSysColor(COLOR_APPWORKSPACE)));
}

TEST_F(BarsTest, ToolbarDocksWhereItIsDropped) {
  CSwProcess sw;
  WaitForDocuments(sw, 1);
  HWND toolbar = ToolBar(sw);
  HWND client = sw.MdiClient();
  // Grab the gripper and drop the bar near the frame's left edge.
  BringToFront(sw.Main());
  POINT gripper = {3, 10};
  ::ClientToScreen(toolbar, &gripper);
  const RECT frame = ScreenRect(client);
  DragFromTo(gripper, {frame.left + 5, (frame.top + frame.bottom) / 2});
  RECT bar = {};
  EXPECT_TRUE(WaitUntil(
      [&] {
        bar = ScreenRect(toolbar);
        return bar.bottom - bar.top > bar.right - bar.left;
      },
      5s))
      << sw.Seen("toolbar_not_left");
  EXPECT_TRUE(WaitUntil([&] { return ScreenRect(client).left >= bar.right; }, 5s));
  SaveScreenshot("toolbar_left");  // for a person to look at

  // And from its free end to the bottom, above the status bar.
  RECT barClient = {};
  ::GetClientRect(toolbar, &barClient);
  POINT end = {10, barClient.bottom - 5};
  ::ClientToScreen(toolbar, &end);
  const RECT area = ScreenRect(client);
  DragFromTo(end, {(area.left + area.right) / 2, area.bottom - 3});
  EXPECT_TRUE(WaitUntil(
      [&] {
        bar = ScreenRect(toolbar);
        return bar.right - bar.left > bar.bottom - bar.top;
      },
      5s))
      << sw.Seen("toolbar_not_bottom");
  EXPECT_TRUE(WaitUntil([&] { return ScreenRect(client).bottom <= bar.top; }, 5s));
  EXPECT_LE(bar.bottom, ScreenRect(StatusBar(sw)).top);
  // The buttons still work where the bar is now.
  EXPECT_TRUE(ButtonEnabled(sw, kPrint));
}

}  // namespace
}  // namespace scalewright::e2e
