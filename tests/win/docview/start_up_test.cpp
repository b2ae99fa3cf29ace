// A start that cannot complete ends the program with a failure code, and a
// frame whose menu or keys are missing does not come up half-made.
#include <gtest/gtest.h>

#include <memory>

#include "framework/docview/app.h"
#include "framework/docview/mdi_frame.h"

namespace scalewright::docview {
namespace {

// This test program has no resources at all: no menu, no accelerators.
TEST(StartUpTest, AFrameWithoutItsMenuAndKeysFailsToLoadAndMakesNoWindow) {
  CMDIFrameWnd frame;
  EXPECT_FALSE(frame.LoadFrame(::GetModuleHandleA(nullptr), 128, WS_OVERLAPPEDWINDOW));
  EXPECT_EQ(frame.Hwnd(), nullptr);
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
