// What every end-to-end test starts from: Neckview.dll registered, no
// profile and no modes file left by an earlier run (even one killed
// midway: Neckview.dll seeds the default modes afresh), and helpers for
// SW's usual windows. Each SW a test starts must end cleanly (CSwProcess).
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "tests/e2e/sw_driver.h"
#include "tests/e2e/user_commands.h"
#include "tests/win/window_rects.h"

namespace scalewright::e2e {

inline constexpr int kFretboardItem = 1028;
inline constexpr UINT kProperties = 32779;
inline constexpr UINT kFileNew = 57600, kFileOpen = 57601, kFileClose = 57602, kFileSave = 57603,
                      kFileSaveAs = 57604;
inline constexpr UINT kPrintSetup = 57606, kPrint = 57607, kPrintDirect = 57608,
                      kPrintPreview = 57609;
inline constexpr UINT kEditCopy = 57634;
inline constexpr UINT kFileExportPicture = 32780;
inline constexpr UINT kWindowNew = 57648, kWindowCascade = 57650, kWindowTile = 57651;
inline constexpr UINT kAbout = 57664, kExit = 57665;
inline constexpr UINT kViewToolbar = 59392, kViewStatusBar = 59393;

class SwTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // The mouse starts away from where SW's windows open, so that no
    // prompt or hot button of an earlier test's clicks shows.
    ::SetCursorPos(::GetSystemMetrics(SM_CXSCREEN) - 1, ::GetSystemMetrics(SM_CYSCREEN) - 1);
    DeleteProfile();
    const std::string modes = BinDir() + "DerazeModes.txt";
    ::DeleteFileA(modes.c_str());
    ASSERT_EQ(::GetFileAttributesA(modes.c_str()), INVALID_FILE_ATTRIBUTES)
        << modes << " cannot be removed";
    ASSERT_TRUE(CallNeckviewEntry("DllRegisterServer"));
  }

  // Polls |condition| until it holds, SW shows a dialog nobody asked for,
  // or |timeout| passes; true when the condition held.
  static bool WaitFor(CSwProcess& sw, const std::function<bool()>& condition,
                      std::chrono::milliseconds timeout = 20s) {
    bool held = false;
    WaitUntil([&] { return (held = condition()) || !sw.UnexpectedDialog().empty(); }, timeout);
    return held;
  }

  // Waits until SW shows |documents| windows with their property frames,
  // then closes the frames.
  static void WaitForDocuments(CSwProcess& sw, std::size_t documents) {
    ASSERT_TRUE(WaitFor(sw, [&] { return sw.Main(0ms) != nullptr; })) << sw.Seen() << "\n"
                                                                      << sw.ProcessState();
    ASSERT_TRUE(WaitFor(sw, [&] { return sw.DocumentWindows().size() == documents; }))
        << sw.DocumentWindows().size() << " document windows\n"
        << sw.Seen();
    ASSERT_TRUE(WaitFor(sw, [&] { return sw.PropertyFrames().size() >= 1; })) << sw.Seen();
    sw.CancelPropertyFrames();
    ASSERT_TRUE(WaitFor(sw, [&] { return sw.PropertyFrames().empty(); })) << sw.Seen();
  }

  // File > New, waiting for the new window and its property frame, which
  // it then closes.
  static void NewDocument(CSwProcess& sw) {
    const std::size_t before = sw.DocumentWindows().size();
    Choose(sw, kFileNew);
    ASSERT_TRUE(WaitFor(sw, [&] { return sw.DocumentWindows().size() == before + 1; }))
        << sw.Seen();
    ASSERT_TRUE(WaitFor(sw, [&] { return sw.PropertyFrames().size() == 1; })) << sw.Seen();
    sw.CancelPropertyFrames();
    ASSERT_TRUE(WaitFor(sw, [&] { return sw.PropertyFrames().empty(); })) << sw.Seen();
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
  // Waits for SW's one board and says where its control is on the screen;
  // an empty rectangle, with a failure, when there is none.
  static RECT OnlyBoardOnScreen(CSwProcess& sw) {
    WaitForDocuments(sw, 1);
    const auto documents = sw.DocumentWindows();
    HWND board = documents.empty() ? nullptr : ControlOf(documents[0]);
    EXPECT_NE(board, nullptr) << sw.Seen();
    return board ? ScreenRect(board) : RECT{};
  }
};

}  // namespace scalewright::e2e
