// The control window: its class and children, the scroll bar as content
// grows, the background below the content, scrolling by wheel and by
// program, and repaints confined to one cell.
#include <windows.h>

#include <commctrl.h>

#include <string>

#include "hybrid/interfaces/ihybrid_cell.h"
#include "tests/win/hybrid_ctrl_fixture.h"

namespace scalewright::test {
namespace {

std::string ClassOf(HWND window) {
  char name[64] = {};
  ::GetClassNameA(window, name, sizeof name);
  return name;
}

TEST_F(HybridCtrlTest, ClassIsRegisteredOnceAndEveryControlHasItsChildren) {
  CHybridCtrl second;
  const RECT place{0, 220, 100, 300};
  ASSERT_TRUE(second.Create(place, parent.get(), 78));
  for (CHybridCtrl* c : {&ctrl, &second}) {
    HWND window = c->Hwnd();
    EXPECT_EQ(ClassOf(window), "Velmor_HybridCtrl");
    char text[32] = {};
    ::GetWindowTextA(window, text, sizeof text);
    EXPECT_STREQ(text, "HybridCtrl");
    const LONG_PTR style = ::GetWindowLongPtrA(window, GWL_STYLE);
    const LONG_PTR wanted = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_TABSTOP;
    EXPECT_EQ(style & wanted, wanted);
    EXPECT_EQ(::GetClassLongPtrA(window, GCL_STYLE), static_cast<ULONG_PTR>(CS_OWNDC | CS_DBLCLKS));
    EXPECT_EQ(::GetClassLongPtrA(window, GCLP_HCURSOR), 0u);
    EXPECT_EQ(::GetClassLongPtrA(window, GCLP_HBRBACKGROUND), 0u);
    HWND bar = ::GetDlgItem(window, kHybridScrollBarId);
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar, c->ScrollBarHwnd());
    EXPECT_STRCASEEQ(ClassOf(bar).c_str(), "ScrollBar");
    EXPECT_EQ(::GetWindowLongPtrA(bar, GWL_STYLE) & (SBS_VERT | SBS_RIGHTALIGN),
              SBS_VERT | SBS_RIGHTALIGN);
    ASSERT_NE(c->ToolTipHwnd(), nullptr);
    EXPECT_EQ(ClassOf(c->ToolTipHwnd()), TOOLTIPS_CLASSA);
  }
  EXPECT_EQ(::GetDlgCtrlID(second.Hwnd()), 78);

  // A control destroyed and created again takes the class as it is; its
  // tooltip (a popup) goes with it.
  HWND oldTip = second.ToolTipHwnd();
  ::DestroyWindow(second.Hwnd());
  EXPECT_EQ(second.Hwnd(), nullptr);
  EXPECT_FALSE(::IsWindow(oldTip));
  EXPECT_TRUE(second.Create(place, parent.get(), 79));
  EXPECT_FALSE(second.Create(place, parent.get(), 80));  // already made
}

TEST_F(HybridCtrlTest, ShortContentShowsNoBarAndTheBackgroundFillsBelow) {
  const auto rows = AddRows(3, 20);
  const COLORREF back = RGB(0, 128, 64);
  ctrl.SetBackColor(back, false);
  ctrl.Layout();
  Settle();
  EXPECT_EQ(ctrl.GetContentHeight(), 60);
  EXPECT_FALSE(::IsWindowVisible(ctrl.ScrollBarHwnd()));
  EXPECT_FALSE(ctrl.Core().ScrollBarShown());

  const Size client = Client();
  const auto shot = Capture(ctrl.Hwnd());
  const Rect below{0, 60, client.cx, client.cy};
  EXPECT_EQ(shot->CountInside(below, PixelOf(back)), below.Width() * below.Height());
  // The rows themselves are their contents' colours, the full width.
  EXPECT_EQ(shot->CountInside({0, 20, client.cx, 40}, PixelOf(RGB(10, 100, 200))), client.cx * 20);
}

TEST_F(HybridCtrlTest, GrowingPastTheClientShowsTheBarAndNarrowsTheCells) {
  auto rows = AddRows(5, 20);
  ctrl.Layout();
  Settle();
  const Size client = Client();
  EXPECT_EQ(RectOf(rows[0].get()).Width(), client.cx);
  EXPECT_FALSE(::IsWindowVisible(ctrl.ScrollBarHwnd()));

  // Grow past 200 pixels: the bar shows at the right edge and one more
  // layout gives the cells the narrower width.
  const auto more = AddRows(10, 20);
  Settle();
  EXPECT_EQ(ctrl.GetContentHeight(), 300);
  EXPECT_TRUE(::IsWindowVisible(ctrl.ScrollBarHwnd()));
  const int barWidth = ::GetSystemMetrics(SM_CXVSCROLL);
  RECT bar{};
  ::GetWindowRect(ctrl.ScrollBarHwnd(), &bar);
  ::MapWindowPoints(nullptr, ctrl.Hwnd(), reinterpret_cast<POINT*>(&bar), 2);
  EXPECT_EQ(bar.right, client.cx);
  EXPECT_EQ(bar.right - bar.left, barWidth);
  EXPECT_EQ(bar.bottom - bar.top, client.cy);
  EXPECT_EQ(RectOf(rows[0].get()).Width(), client.cx - barWidth);
  EXPECT_EQ(RectOf(more.back().get()).Width(), client.cx - barWidth);
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_ALL;
  ASSERT_TRUE(::GetScrollInfo(ctrl.ScrollBarHwnd(), SB_CTL, &info));
  EXPECT_EQ(info.nMin, 0);
  EXPECT_EQ(info.nMax, 300);
  EXPECT_EQ(info.nPage, static_cast<UINT>(client.cy));

  // Removing the rows again hides the bar and widens the cells.
  ctrl.Clear(true);
  const auto one = AddRows(1, 20);
  Settle();
  EXPECT_FALSE(::IsWindowVisible(ctrl.ScrollBarHwnd()));
  EXPECT_EQ(RectOf(one[0].get()).Width(), client.cx);
}

TEST_F(HybridCtrlTest, WheelNotchScrollsThreeLinesAndPositionsAreClamped) {
  auto rows = AddRows(30, 20);  // 600 pixels of content
  Settle();
  UINT lines = 0;
  ASSERT_TRUE(::SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &lines, 0));
  ASSERT_EQ(lines, 3u) << "the test expects the system's default setting";

  POINT centre{150, 100};
  ::ClientToScreen(ctrl.Hwnd(), &centre);
  ::SendMessageA(ctrl.Hwnd(), WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA),
                 MAKELPARAM(centre.x, centre.y));
  EXPECT_EQ(ctrl.Core().GetScrollPosition(), 60);
  EXPECT_EQ(::GetScrollPos(ctrl.ScrollBarHwnd(), SB_CTL), 60);
  EXPECT_EQ(RectOf(rows[0].get()).top, -60);
  EXPECT_EQ(RectOf(rows[3].get()).top, 0);
  // Up again, and up past the top.
  ::SendMessageA(ctrl.Hwnd(), WM_MOUSEWHEEL, MAKEWPARAM(0, 2 * WHEEL_DELTA),
                 MAKELPARAM(centre.x, centre.y));
  EXPECT_EQ(ctrl.Core().GetScrollPosition(), 0);

  // The program's positions stay within 0 .. content - client height.
  const int limit = 600 - Client().cy;
  ctrl.Core().SetScrollPosition(100000);
  EXPECT_EQ(ctrl.Core().GetScrollPosition(), limit);
  EXPECT_EQ(::GetScrollPos(ctrl.ScrollBarHwnd(), SB_CTL), limit);
  ctrl.Core().SetScrollPosition(-40);
  EXPECT_EQ(ctrl.Core().GetScrollPosition(), 0);
  ctrl.Core().SetScrollPosition(123);
  EXPECT_EQ(ctrl.Core().GetScrollPosition(), 123);

  // The scroll bar's own requests: bottom, then one line up.
  ::SendMessageA(ctrl.Hwnd(), WM_VSCROLL, SB_BOTTOM,
                 reinterpret_cast<LPARAM>(ctrl.ScrollBarHwnd()));
  EXPECT_EQ(ctrl.Core().GetScrollPosition(), limit);
  ::SendMessageA(ctrl.Hwnd(), WM_VSCROLL, SB_LINEUP,
                 reinterpret_cast<LPARAM>(ctrl.ScrollBarHwnd()));
  EXPECT_EQ(ctrl.Core().GetScrollPosition(), limit - 1);

  // What is shown moved with it: the row at the top is the one scrolled to.
  ctrl.Core().SetScrollPosition(200);
  Settle();
  const auto shot = Capture(ctrl.Hwnd());
  EXPECT_EQ(shot->At(5, 5), PixelOf(RGB(100, 100, 200)));  // row 10
}

TEST_F(HybridCtrlTest, CellRepaintDrawsOnlyIntoTheCellsRectangle) {
  auto rows = AddRows(6, 25);
  Settle();
  const Size client = Client();
  // Paint over everything behind the control's back, then ask one cell to
  // repaint: only its rectangle may change.
  const COLORREF marker = RGB(255, 0, 255);
  auto Smear = [&] {
    HDC dc = ::GetDC(ctrl.Hwnd());
    const HBRUSH brush = ::CreateSolidBrush(marker);
    const RECT all{0, 0, client.cx, client.cy};
    ::FillRect(dc, &all, brush);
    ::DeleteObject(brush);
    ::ReleaseDC(ctrl.Hwnd(), dc);
  };
  Smear();
  const int soloBefore = rows[2]->soloDraws;
  rows[2]->Redraw();
  ASSERT_TRUE(PumpUntil([&] { return ctrl.Core().RepaintQueueSize() == 0; }));
  Pump();
  EXPECT_EQ(rows[2]->soloDraws, soloBefore + 1);
  auto shot = Capture(ctrl.Hwnd());
  const Rect cell = RectOf(rows[2].get());
  EXPECT_EQ(cell, (Rect{0, 50, client.cx, 75}));
  EXPECT_EQ(shot->CountInside(cell, PixelOf(RGB(20, 100, 200))), cell.Width() * cell.Height());
  const int total = client.cx * client.cy;
  EXPECT_EQ(shot->CountInside({0, 0, client.cx, client.cy}, PixelOf(marker)),
            total - cell.Width() * cell.Height());

  // A part of a cell: only that part.
  Smear();
  const Rect part{10, 80, 40, 90};  // inside row 3
  ctrl.Core().RequestCellRepaint(
      [&] {
        RefPtr<IHybridCell> c;
        rows[3]->GetCell(c.put());
        return c;
      }()
          .get(),
      &part);
  ASSERT_TRUE(PumpUntil([&] { return ctrl.Core().RepaintQueueSize() == 0; }));
  Pump();
  shot = Capture(ctrl.Hwnd());
  EXPECT_EQ(shot->CountInside(part, PixelOf(RGB(30, 100, 200))), part.Width() * part.Height());
  EXPECT_EQ(shot->CountInside({0, 0, client.cx, client.cy}, PixelOf(marker)),
            total - part.Width() * part.Height());
}

TEST_F(HybridCtrlTest, AnimatedCollapseAndExpandEndOnTheNewPicture) {
  auto rows = AddRows(4, 30);
  Settle();
  RefPtr<IHybridCell> second;
  ASSERT_TRUE(rows[1]->GetCell(second.put()));
  const std::uint32_t row1 = PixelOf(RGB(10, 100, 200));
  const std::uint32_t row2 = PixelOf(RGB(20, 100, 200));

  // Ten steps with a pause between: the screen shows the new layout when
  // the call returns, before any paint message ran.
  const DWORD start = ::GetTickCount();
  second->SetExpanded(false, false);
  const DWORD took = ::GetTickCount() - start;
  EXPECT_GE(took, 80u);
  EXPECT_LT(took, 2000u);
  EXPECT_EQ(ctrl.GetContentHeight(), 90);
  auto shot = Capture(ctrl.Hwnd());
  EXPECT_EQ(shot->At(5, 45), row2) << "the third row moved up into the gap";
  EXPECT_EQ(
      shot->CountInside({0, 90, Client().cx, Client().cy}, PixelOf(::GetSysColor(COLOR_WINDOW))),
      Client().cx * (Client().cy - 90));

  second->SetExpanded(true, false);
  EXPECT_EQ(ctrl.GetContentHeight(), 120);
  shot = Capture(ctrl.Hwnd());
  EXPECT_EQ(shot->At(5, 45), row1);
  EXPECT_EQ(shot->At(5, 75), row2);

  // At once: no pause, the layout comes by message.
  const DWORD quick = ::GetTickCount();
  second->SetExpanded(false, true);
  EXPECT_LT(::GetTickCount() - quick, 50u);
  EXPECT_EQ(ctrl.GetContentHeight(), 120);
  Settle();
  EXPECT_EQ(ctrl.GetContentHeight(), 90);
}

}  // namespace
}  // namespace scalewright::test
