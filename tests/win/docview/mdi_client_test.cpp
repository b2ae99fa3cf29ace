// The frame's MDI client has worked out its scroll bars by the time the
// frame first shows: a document window inside it leaves none to paint.
#include <gtest/gtest.h>

#include "framework/docview/mdi_frame.h"

namespace scalewright::docview {
namespace {

constexpr UINT kFrameWithMenu = 200;  // docview_tests.rc
constexpr LONG kScrollBars = WS_VSCROLL | WS_HSCROLL;

LRESULT CALLBACK PlainChildProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return ::DefMDIChildProcA(window, message, wParam, lParam);
}

TEST(MdiClientTest, AShownFrameHasNoScrollBarsForAWindowInView) {
  HINSTANCE module = ::GetModuleHandleA(nullptr);
  CMDIFrameWnd frame;
  ASSERT_TRUE(frame.LoadFrame(module, kFrameWithMenu, WS_OVERLAPPEDWINDOW));
  HWND client = frame.MdiClient();
  ASSERT_NE(client, nullptr);

  WNDCLASSA childClass = {};
  childClass.lpfnWndProc = PlainChildProc;
  childClass.hInstance = module;
  childClass.lpszClassName = "MdiClientTest.Child";
  ASSERT_NE(::RegisterClassA(&childClass), 0);
  MDICREATESTRUCTA create = {};
  create.szClass = childClass.lpszClassName;
  create.szTitle = "inside";
  create.hOwner = module;
  create.x = create.y = 10;
  create.cx = create.cy = 60;
  create.style = WS_VISIBLE;
  ASSERT_NE(::SendMessageA(client, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&create)), 0);

  // No message is pumped: showing the frame itself settles the client.
  ::ShowWindow(frame.Hwnd(), SW_SHOWNOACTIVATE);
  EXPECT_EQ(::GetWindowLongA(client, GWL_STYLE) & kScrollBars, 0);
  ::DestroyWindow(frame.Hwnd());
}

}  // namespace
}  // namespace scalewright::docview
