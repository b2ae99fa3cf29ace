// Edit > Copy puts the active board on the clipboard, read back here from
// another process as a word processor or an image editor reads it: a
// bitmap of the view's size with the view's pixels, and a metafile that,
// played at that size, draws the same picture.
#include <algorithm>
#include <cstdint>
#include <string>
#include <utility>

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

// The clipboard's CF_DIB (the clipboard open) as 24-bit pixels, locked for
// the reader's life.
class CClipboardBitmap {
 public:
  CClipboardBitmap() : m_block(::GetClipboardData(CF_DIB)) {
    if (m_block) m_header = static_cast<const BITMAPINFOHEADER*>(::GlobalLock(m_block));
  }
  ~CClipboardBitmap() {
    if (m_header) ::GlobalUnlock(m_block);
  }
  CClipboardBitmap(const CClipboardBitmap&) = delete;
  CClipboardBitmap& operator=(const CClipboardBitmap&) = delete;

  bool Ok() const { return m_header && m_header->biBitCount == 24; }
  int Width() const { return m_header->biWidth; }
  int Height() const { return m_header->biHeight; }
  // 0x00RRGGBB of pixel (x, y), y from the top; the rows are bottom-up.
  std::uint32_t At(int x, int y) const {
    const auto* rows = reinterpret_cast<const std::uint8_t*>(m_header) + m_header->biSize;
    const std::size_t stride = ((static_cast<std::size_t>(Width()) * 3 + 3) / 4) * 4;
    const std::uint8_t* pixel = rows + static_cast<std::size_t>(Height() - 1 - y) * stride +
                                static_cast<std::size_t>(x) * 3;
    return (std::uint32_t{pixel[2]} << 16) | (std::uint32_t{pixel[1]} << 8) | pixel[0];
  }

 private:
  HGLOBAL m_block;
  const BITMAPINFOHEADER* m_header = nullptr;
};

// Pixels of |bitmap| that differ from the screen under |onScreen|, and
// pixels that carry ink.
std::pair<int, int> DifferingAndInk(const CClipboardBitmap& bitmap, const SPicture& screen,
                                    const RECT& onScreen) {
  int differing = 0;
  int ink = 0;
  for (int y = 0; y < bitmap.Height(); ++y) {
    for (int x = 0; x < bitmap.Width(); ++x) {
      differing += bitmap.At(x, y) != screen.At(onScreen.left + x, onScreen.top + y);
      ink += bitmap.At(x, y) != kWhitePixel;
    }
  }
  return {differing, ink};
}

// Chooses Edit > Copy and expects the clipboard's bitmap to hold the view's
// size and exactly its pixels, compared with a screenshot named |shot|.
// Returns the number of pixels with ink (0 after a failure).
int ExpectCopyIsTheView(CSwProcess& sw, const RECT& onScreen, const std::string& shot) {
  EmptyTheClipboard();
  Choose(sw, kEditCopy);
  EXPECT_TRUE(WaitUntil(BoardOnTheClipboard, 5s)) << sw.Seen(shot + "_nothing");
  const bool shotTaken = SaveScreenshot(shot);
  EXPECT_TRUE(shotTaken) << "the screen to compare with";
  const SPicture screen = ReadScreenshot(shot);
  if (!shotTaken || screen.width == 0) return 0;
  const ui::CClipboard clipboard(nullptr);
  EXPECT_TRUE(clipboard);
  const CClipboardBitmap copied;
  if (screen.width == 0 || !clipboard || !copied.Ok()) {
    ADD_FAILURE() << "no screenshot or no 24-bit bitmap on the clipboard";
    return 0;
  }
  EXPECT_EQ(onScreen.right - onScreen.left, copied.Width());
  EXPECT_EQ(onScreen.bottom - onScreen.top, copied.Height());
  if (copied.Width() != onScreen.right - onScreen.left ||
      copied.Height() != onScreen.bottom - onScreen.top)
    return 0;
  const auto [differing, ink] = DifferingAndInk(copied, screen, onScreen);
  EXPECT_EQ(0, differing) << "see " << shot << ".png";
  EXPECT_GT(ink, 500) << "a blank board";
  return ink;
}

TEST_F(CopyTest, CopyGivesTheViewsPixelsAsABitmapAndAMetafile) {
  CSwProcess sw;
  const RECT onScreen = OnlyBoardOnScreen(sw);
  const int width = onScreen.right - onScreen.left;
  const int height = onScreen.bottom - onScreen.top;
  ASSERT_GT(width, 0);
  // The bitmap: the view's size and pixels.
  const int ink = ExpectCopyIsTheView(sw, onScreen, "copied_board");
  ASSERT_GT(ink, 0);

  const ui::CClipboard clipboard(nullptr);
  ASSERT_TRUE(clipboard);
  const CClipboardBitmap copied;
  ASSERT_TRUE(copied.Ok());

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
      differingPlayed += played.At(x, y) != copied.At(x, y);
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
}

// A left-handed board from its file: the copy is the window's picture,
// nut on the right, not the right-handed board.
TEST_F(CopyTest, ALeftHandedBoardIsCopiedAsTheWindowShowsIt) {
  const std::string path = ScratchDir() + "left-handed.swb";
  ASSERT_TRUE(WriteFile(path,
                        "Scalewright board 1\r\nleft_handed=1\r\nspelling=2\r\n"
                        "tonality=5\r\nlabel_kind=1\r\n"));
  CSwProcess sw("\"" + path + "\"");
  const RECT onScreen = OnlyBoardOnScreen(sw);
  const int width = onScreen.right - onScreen.left;
  const int height = onScreen.bottom - onScreen.top;
  ASSERT_GT(width, 0);
  ASSERT_GT(ExpectCopyIsTheView(sw, onScreen, "copied_left_handed_board"), 0);

  const ui::CClipboard clipboard(nullptr);
  ASSERT_TRUE(clipboard);
  const CClipboardBitmap copied;
  ASSERT_TRUE(copied.Ok());
  // Frets 0 to 17 of six strings with side dots: 18 columns, 8 rows and a
  // margin. The nut, three columns wide, is mirrored to the right; where a
  // right-handed nut would be, between two strings, is the board's white.
  const int cell = std::min(width / 18, height / 9);
  const int left = (width - 18 * cell) / 2;
  const int between = (height - 8 * cell) / 2 + cell + cell / 2;
  const int nut = width - 1 - (left + cell);
  EXPECT_EQ(kBlackPixel, copied.At(nut - 1, between));
  EXPECT_EQ(kBlackPixel, copied.At(nut, between));
  EXPECT_EQ(kBlackPixel, copied.At(nut + 1, between));
  EXPECT_EQ(kWhitePixel, copied.At(left + cell, between));
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
