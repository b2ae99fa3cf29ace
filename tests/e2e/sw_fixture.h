// What every end-to-end test starts from: Neckview.dll registered, no
// profile left by an earlier run, and helpers for SW's usual windows.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>

#include <gtest/gtest.h>

#include "tests/e2e/sw_driver.h"

namespace scalewright::e2e {

inline constexpr int kFretboardItem = 1028;
inline constexpr UINT kProperties = 32779;
inline constexpr UINT kFileNew = 57600, kFileOpen = 57601, kFileClose = 57602, kFileSave = 57603;
inline constexpr UINT kPrintSetup = 57606, kPrint = 57607, kPrintDirect = 57608,
                      kPrintPreview = 57609;
inline constexpr UINT kWindowNew = 57648, kWindowCascade = 57650, kWindowTile = 57651;
inline constexpr UINT kAbout = 57664, kExit = 57665;
inline constexpr UINT kViewToolbar = 59392, kViewStatusBar = 59393;

class SwTest : public ::testing::Test {
 protected:
  void SetUp() override {
    DeleteProfile();
    ASSERT_TRUE(CallNeckviewEntry("DllRegisterServer"));
  }

  // Waits until SW shows |documents| windows with their property frames,
  // then closes the frames.
  static void WaitForDocuments(CSwProcess& sw, std::size_t documents) {
    ASSERT_NE(sw.Main(), nullptr);
    ASSERT_TRUE(WaitUntil([&] { return sw.DocumentWindows().size() == documents; }))
        << sw.DocumentWindows().size() << " document windows";
    ASSERT_TRUE(WaitUntil([&] { return sw.PropertyFrames().size() >= 1; }));
    sw.CancelPropertyFrames();
    ASSERT_TRUE(WaitUntil([&] { return sw.PropertyFrames().empty(); }));
  }

  // File > New, waiting for the new window and its property frame, which
  // it then closes.
  static void NewDocument(CSwProcess& sw) {
    const std::size_t before = sw.DocumentWindows().size();
    sw.Command(kFileNew);
    ASSERT_TRUE(WaitUntil([&] { return sw.DocumentWindows().size() == before + 1; }));
    ASSERT_TRUE(WaitUntil([&] { return sw.PropertyFrames().size() == 1; }));
    sw.CancelPropertyFrames();
    ASSERT_TRUE(WaitUntil([&] { return sw.PropertyFrames().empty(); }));
  }

  static HWND StatusBar(CSwProcess& sw) {
    return ::FindWindowExA(sw.Main(), nullptr, STATUSCLASSNAMEA, nullptr);
  }
  static HWND ToolBar(CSwProcess& sw) {
    return ::FindWindowExA(sw.Main(), nullptr, TOOLBARCLASSNAMEA, nullptr);
  }
  static bool ButtonEnabled(CSwProcess& sw, UINT id) {
    return ::SendMessageA(ToolBar(sw), TB_ISBUTTONENABLED, id, 0) != 0;
  }
  // The view and the control window of a document window.
  static HWND ViewOf(HWND document) { return ::GetWindow(document, GW_CHILD); }
  static HWND ControlOf(HWND document) {
    HWND place = ::GetDlgItem(ViewOf(document), kFretboardItem);
    return place ? ::GetWindow(place, GW_CHILD) : nullptr;
  }
};

}  // namespace scalewright::e2e
