// A frame moved to a screen of another DPI (WM_DPICHANGED, which Wine does
// not send: the test sends it as the system would) takes the suggested
// rectangle, and its toolbar the images drawn for the new DPI.
#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include "framework/docview/cmd_target.h"
#include "framework/docview/control_bars.h"
#include "framework/docview/mdi_frame.h"

namespace scalewright::docview {
namespace {

constexpr UINT kMenuOfTheFrame = 200, kToolBarOfTheFrame = 201;  // docview_tests.rc

class CFrameWithToolBar : public CMDIFrameWnd {
 public:
  CToolBar bar;

 protected:
  LRESULT OnCreate() override {
    HINSTANCE module = ::GetModuleHandleA(nullptr);
    if (!bar.CreateEx(Hwnd(), TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE, ID_VIEW_TOOLBAR) ||
        !bar.LoadToolBar(module, kToolBarOfTheFrame, {{29, 202}, {38, 203}}))
      return -1;
    SetControlBars(&bar, nullptr);
    return 0;
  }
};

TEST(DpiChangeTest, TheFrameTakesTheSuggestedRectangleAndTheToolBarItsImages) {
  CFrameWithToolBar frame;
  ASSERT_TRUE(frame.LoadFrame(::GetModuleHandleA(nullptr), kMenuOfTheFrame, WS_OVERLAPPEDWINDOW));
  const struct {
    int dpi;
    int image;
  } moves[] = {{192, 38}, {144, 29}, {120, 19}, {96, 19}};
  for (const auto& move : moves) {
    SCOPED_TRACE(move.dpi);
    RECT suggested = {10 + move.dpi, 20, 10 + 4 * move.dpi, 20 + 3 * move.dpi};
    ::SendMessageA(frame.Hwnd(), WM_DPICHANGED, MAKEWPARAM(move.dpi, move.dpi),
                   reinterpret_cast<LPARAM>(&suggested));
    RECT placed = {};
    ::GetWindowRect(frame.Hwnd(), &placed);
    EXPECT_TRUE(::EqualRect(&placed, &suggested));
    const LRESULT button = ::SendMessageA(frame.bar.Hwnd(), TB_GETBUTTONSIZE, 0, 0);
    EXPECT_EQ(LOWORD(button), move.image + 7);
    EXPECT_EQ(HIWORD(button), move.image + 7);
    // The bar is laid out anew: as tall as its buttons.
    RECT bar = {};
    ::GetWindowRect(frame.bar.Hwnd(), &bar);
    EXPECT_GE(bar.bottom - bar.top, move.image + 7);
  }
  ::DestroyWindow(frame.Hwnd());
}

}  // namespace
}  // namespace scalewright::docview
