// A start that cannot complete ends the program with a failure code, and a
// frame whose menu or keys are missing does not come up half-made.
#include <gtest/gtest.h>

#include <memory>

#include "framework/docview/app.h"
#include "framework/docview/mdi_frame.h"

namespace scalewright::docview {
namespace {

// Frame ids of docview_tests.rc: 200 has its menu and keys, 129 only a
// menu, 130 only keys, 128 neither.
TEST(StartUpTest, AFrameWithoutItsMenuOrItsKeysFailsToLoadAndMakesNoWindow) {
  const struct {
    UINT id;
    bool loads;
  } frames[] = {{200, true}, {129, false}, {130, false}, {128, false}};
  for (const auto& expected : frames) {
    CMDIFrameWnd frame;
    EXPECT_EQ(expected.loads,
              frame.LoadFrame(::GetModuleHandleA(nullptr), expected.id, WS_OVERLAPPEDWINDOW))
        << expected.id;
    EXPECT_EQ(expected.loads, frame.Hwnd() != nullptr) << expected.id;
    if (frame.Hwnd()) {
      ::DestroyWindow(frame.Hwnd());
      MSG quit;  // the frame's end asks the thread to quit: not this thread
      ::PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    }
  }
}

// Pixel width of |icon|'s image, or 0.
int IconWidth(HICON icon) {
  ICONINFO info = {};
  if (!icon || !::GetIconInfo(icon, &info)) return 0;
  BITMAP bitmap = {};
  ::GetObjectA(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bitmap, &bitmap);
  if (info.hbmColor) ::DeleteObject(info.hbmColor);
  if (info.hbmMask) ::DeleteObject(info.hbmMask);
  return bitmap.bmWidth;
}

// The title bar and the task switcher show the frame's icon, each at the
// size the system asks for.
TEST(StartUpTest, AFrameHasItsIconAtTheSystemsLargeAndSmallSizes) {
  CMDIFrameWnd frame;
  ASSERT_TRUE(frame.LoadFrame(::GetModuleHandleA(nullptr), 200, WS_OVERLAPPEDWINDOW));
  const auto classIcon = [&](int which) {
    return reinterpret_cast<HICON>(::GetClassLongPtrA(frame.Hwnd(), which));
  };
  EXPECT_EQ(IconWidth(classIcon(GCLP_HICON)), ::GetSystemMetrics(SM_CXICON));
  EXPECT_EQ(IconWidth(classIcon(GCLP_HICONSM)), ::GetSystemMetrics(SM_CXSMICON));
  ::DestroyWindow(frame.Hwnd());
  MSG quit;
  ::PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
}

class CFailingApp : public CWinApp {
 public:
  bool m_tried = false;

 protected:
  bool InitInstance() override {
    m_tried = true;
    auto frame = std::make_unique<CMDIFrameWnd>();
    if (!frame->LoadFrame(Module(), 128, WS_OVERLAPPEDWINDOW)) return false;
    SetMainFrame(std::move(frame));
    return true;
  }
};

TEST(StartUpTest, AFailedStartEndsTheProgramWithAFailureCode) {
  CFailingApp app;
  // Run returns at once: no message loop is entered after a failed start.
  EXPECT_EQ(app.Run(::GetModuleHandleA(nullptr), SW_HIDE), 1);
  EXPECT_TRUE(app.m_tried);
  EXPECT_EQ(app.MainHwnd(), nullptr);
}

}  // namespace
}  // namespace scalewright::docview
