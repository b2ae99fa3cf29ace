// Edit > Copy puts the active board on the clipboard, read back here from
// another process as a word processor or an image editor reads it: a
// bitmap of the view's size with the view's pixels, and a metafile that,
// played at that size, draws the same picture.
#include <algorithm>
#include <cstdint>
#include <string>

#include "framework/ui/clipboard.h"
#include "tests/e2e/sw_fixture.h"
#include "tests/e2e/user_input.h"
#include "tests/win/dib_surface.h"
#include "tests/win/window_rects.h"

namespace scalewright::e2e {
namespace {

using CopyTest = SwTest;

void EmptyTheClipboard() {
  const ui::CClipboard clipboard(nullptr);
  if (clipboard) ::EmptyClipboard();
}

bool BoardOnTheClipboard() {
  return ::IsClipboardFormatAvailable(CF_DIB) && ::IsClipboardFormatAvailable(CF_ENHMETAFILE);
}

TEST_F(CopyTest, CopyGivesTheViewsPixelsAsABitmapAndAMetafile) {
  CSwProcess sw;
  WaitForDocuments(sw, 1);
  HWND board = ControlOf(sw.DocumentWindows()[0]);
  ASSERT_NE(board, nullptr);
  const RECT onScreen = ScreenRect(board);
  const int width = onScreen.right - onScreen.left;
  const int height = onScreen.bottom - onScreen.top;
  EmptyTheClipboard();
  Choose(sw, kEditCopy);
  ASSERT_TRUE(WaitUntil(BoardOnTheClipboard, 5s)) << sw.Seen("copy_nothing");
  ASSERT_TRUE(SaveScreenshot("copied_board"));
  const SPicture screen = ReadScreenshot("copied_board");
  ASSERT_GT(screen.width, 0);

  const ui::CClipboard clipboard(nullptr);
  ASSERT_TRUE(clipboard);
  // The bitmap: the view's size, bottom-up rows of 24-bit pixels.
  HGLOBAL dib = ::GetClipboardData(CF_DIB);
  ASSERT_NE(dib, nullptr);
  const auto* header = static_cast<const BITMAPINFOHEADER*>(::GlobalLock(dib));
  ASSERT_NE(header, nullptr);
  EXPECT_EQ(width, header->biWidth);
  EXPECT_EQ(height, header->biHeight);
  ASSERT_EQ(24, header->biBitCount);
  const auto* rows = reinterpret_cast<const std::uint8_t*>(header) + header->biSize;
  const int stride = ((width * 3 + 3) / 4) * 4;
  auto copied = [&](int x, int y) {
    const std::uint8_t* pixel = rows + static_cast<std::size_t>(height - 1 - y) * stride + x * 3;
    return (std::uint32_t{pixel[2]} << 16) | (std::uint32_t{pixel[1]} << 8) | pixel[0];
  };
  int differing = 0;
  int ink = 0;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      differing += copied(x, y) != screen.At(onScreen.left + x, onScreen.top + y);
      ink += copied(x, y) != kWhitePixel;
    }
  }
  EXPECT_EQ(0, differing) << "see copied_board.png";
  EXPECT_GT(ink, 500) << "a blank board";

  // The metafile, played at the view's size, draws the same picture.
  HENHMETAFILE metafile = static_cast<HENHMETAFILE>(::GetClipboardData(CF_ENHMETAFILE));
  ASSERT_NE(metafile, nullptr);
  CDibSurface played(width, height);
  ASSERT_TRUE(played.Ok());
  played.Fill(0x808080);
  const RECT area = {0, 0, width, height};
  ASSERT_TRUE(::PlayEnhMetaFile(played.Dc(), metafile, &area));
  // Playback maps the metafile's frame (kept in 0.01 mm) back onto the
  // rectangle, and this platform then draws the curves through a transform
  // not quite the identity: edges of circles and letters may move by a
  // pixel. The picture is the same when all but a few percent of the pixels
  // match and it holds as much ink.
  int differingPlayed = 0;
  int inkPlayed = 0;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      differingPlayed += played.At(x, y) != copied(x, y);
      inkPlayed += played.At(x, y) != kWhitePixel;
    }
  }
  EXPECT_LT(differingPlayed, width * height / 20);
  EXPECT_NEAR(inkPlayed, ink, ink / 10);
  ENHMETAHEADER described = {};
  ASSERT_NE(0u, ::GetEnhMetaFileHeader(metafile, sizeof described, &described));
  // Its frame has the view's proportions, for a word processor to keep.
  const double frameRatio =
      static_cast<double>(described.rclFrame.right - described.rclFrame.left) /
      (described.rclFrame.bottom - described.rclFrame.top);
  EXPECT_NEAR(frameRatio, static_cast<double>(width) / height, 0.01);
  ::GlobalUnlock(dib);
}

// A left-handed board from its file: the copy is the window's picture,
// nut on the right, not the right-handed board.
TEST_F(CopyTest, ALeftHandedBoardIsCopiedAsTheWindowShowsIt) {
  const std::string path = ScratchDir() + "left-handed.swb";
  ASSERT_TRUE(WriteFile(path,
                        "Scalewright board 1\r\nleft_handed=1\r\nspelling=2\r\n"
                        "tonality=5\r\nlabel_kind=1\r\n"));
  CSwProcess sw("\"" + path + "\"");
  WaitForDocuments(sw, 1);
  HWND board = ControlOf(sw.DocumentWindows()[0]);
  ASSERT_NE(board, nullptr);
  const RECT onScreen = ScreenRect(board);
  const int width = onScreen.right - onScreen.left;
  const int height = onScreen.bottom - onScreen.top;
  EmptyTheClipboard();
  Choose(sw, kEditCopy);
  ASSERT_TRUE(WaitUntil(BoardOnTheClipboard, 5s)) << sw.Seen("copy_left_nothing");
  ASSERT_TRUE(SaveScreenshot("copied_left_handed_board"));
  const SPicture screen = ReadScreenshot("copied_left_handed_board");
  ASSERT_GT(screen.width, 0);

  const ui::CClipboard clipboard(nullptr);
  ASSERT_TRUE(clipboard);
  HGLOBAL dib = ::GetClipboardData(CF_DIB);
  ASSERT_NE(dib, nullptr);
  const auto* header = static_cast<const BITMAPINFOHEADER*>(::GlobalLock(dib));
  ASSERT_NE(header, nullptr);
  ASSERT_EQ(width, header->biWidth);
  ASSERT_EQ(height, header->biHeight);
  ASSERT_EQ(24, header->biBitCount);
  const auto* rows = reinterpret_cast<const std::uint8_t*>(header) + header->biSize;
  const int stride = ((width * 3 + 3) / 4) * 4;
  auto copied = [&](int x, int y) {
    const std::uint8_t* pixel = rows + static_cast<std::size_t>(height - 1 - y) * stride + x * 3;
    return (std::uint32_t{pixel[2]} << 16) | (std::uint32_t{pixel[1]} << 8) | pixel[0];
  };
  int differing = 0;
  int ink = 0;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      differing += copied(x, y) != screen.At(onScreen.left + x, onScreen.top + y);
      ink += copied(x, y) != kWhitePixel;
    }
  }
  EXPECT_EQ(0, differing) << "see copied_left_handed_board.png";
  EXPECT_GT(ink, 500) << "a blank board";
  // Frets 0 to 17 of six strings with side dots: 18 columns, 8 rows and a
  // margin. The nut, three columns wide, is mirrored to the right; where a
  // right-handed nut would be, between two strings, is the board's white.
  const int cell = std::min(width / 18, height / 9);
  const int left = (width - 18 * cell) / 2;
  const int between = (height - 8 * cell) / 2 + cell + cell / 2;
  const int nut = width - 1 - (left + cell);
  EXPECT_EQ(kBlackPixel, copied(nut - 1, between));
  EXPECT_EQ(kBlackPixel, copied(nut, between));
  EXPECT_EQ(kBlackPixel, copied(nut + 1, between));
  EXPECT_EQ(kWhitePixel, copied(left + cell, between));
  ::GlobalUnlock(dib);
}

TEST_F(CopyTest, CtrlCAndCtrlInsertCopyToo) {
  CSwProcess sw;
  WaitForDocuments(sw, 1);
  for (WORD key : {WORD{'C'}, WORD{VK_INSERT}}) {
    EmptyTheClipboard();
    BringToFront(sw.Main());
    PressKeys({VK_CONTROL, key});
    EXPECT_TRUE(WaitUntil(BoardOnTheClipboard, 5s)) << "Ctrl+" << key << "\n" << sw.Seen();
  }
}

}  // namespace
}  // namespace scalewright::e2e
