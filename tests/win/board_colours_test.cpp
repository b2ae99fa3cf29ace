// Which device contexts the board paints in the system's colours: a window's
// on the screen while high contrast is on, and nothing that leaves it.
#include "control/win/board_colours.h"

#include <gtest/gtest.h>

namespace scalewright {
namespace {

gfx::Color System(int index) {
  const COLORREF c = ::GetSysColor(index);
  return gfx::Rgb(GetRValue(c), GetGValue(c), GetBValue(c));
}

TEST(BoardColours, TheSystemsOnlyInAWindowOnTheScreenInHighContrast) {
  HWND window = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr,
                                  nullptr, nullptr, nullptr);
  ASSERT_NE(nullptr, window);
  HDC screen = ::GetDC(window);
  const SBoardColours contrast = BoardColoursFor(screen, true);
  EXPECT_TRUE(contrast.system);
  EXPECT_EQ(System(COLOR_WINDOWTEXT), contrast.ink);
  EXPECT_EQ(System(COLOR_WINDOW), contrast.paper);
  EXPECT_FALSE(BoardColoursFor(screen, false).system);

  // A picture, a copy and a print keep black on white.
  HDC memory = ::CreateCompatibleDC(screen);
  HDC metafile = ::CreateEnhMetaFileW(screen, nullptr, nullptr, nullptr);
  for (HDC other : {memory, metafile}) {
    const SBoardColours colours = BoardColoursFor(other, true);
    EXPECT_FALSE(colours.system);
    EXPECT_EQ(gfx::Rgb(0, 0, 0), colours.ink);
    EXPECT_EQ(gfx::Rgb(255, 255, 255), colours.paper);
  }
  ::DeleteEnhMetaFile(::CloseEnhMetaFile(metafile));
  ::DeleteDC(memory);
  ::ReleaseDC(window, screen);
  ::DestroyWindow(window);
}

}  // namespace
}  // namespace scalewright
