// The banner's transparent drawing, pixel by pixel on a 32-bit DIB: pixels
// of the transparent colour leave the target as it was, all others are
// copied; the picture is centred; the target's colours and every selection
// are as before.
#include "app/about/transparent_bitmap.h"

#include <windows.h>

#include <cstdint>
#include <vector>

#include <gtest/gtest.h>

#include "app/resource.h"
#include "framework/gdi/gdi.h"
#include "tests/win/dib_surface.h"

namespace scalewright::app {
namespace {

constexpr COLORREF kFace = RGB(192, 192, 192);
constexpr std::uint32_t kFacePixel = 0xC0C0C0;  // 0x00RRGGBB

// The target: every pixel different, so that "left alone" is checked
// exactly.
class CTarget {
 public:
  CTarget(int width, int height) : m_dib(width, height) {
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x) m_dib.Set(x, y, Background(x, y));
  }

  static std::uint32_t Background(int x, int y) {
    return 0x204000u + static_cast<std::uint32_t>(x * 7 + y * 0x300);
  }
  HDC Dc() const { return m_dib.Dc(); }
  const CDibSurface& Dib() const { return m_dib; }
  int Untouched() const {
    int n = 0;
    for (int y = 0; y < m_dib.Height(); ++y)
      for (int x = 0; x < m_dib.Width(); ++x) n += m_dib.At(x, y) == Background(x, y);
    return n;
  }

 private:
  CDibSurface m_dib;
};

// 4 x 3: button face in the corners and the middle, colours elsewhere.
//   F R G F
//   B F W K
//   F Y C F
const std::uint32_t kPicture[3][4] = {
    {kFacePixel, 0xFF0000, 0x00FF00, kFacePixel},
    {0x0000FF, kFacePixel, 0xFFFFFF, 0x000000},
    {kFacePixel, 0xFFFF00, 0x00FFFF, kFacePixel},
};

// The picture sits in no DC: the drawing selects it into one of its own.
CDibSurface MakePicture() {
  CDibSurface picture(4, 3);
  picture.Deselect();
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 4; ++x) picture.Set(x, y, kPicture[y][x]);
  return picture;
}

// Checks that the picture (or its part |part|) landed at |at| with |key|
// left out, and that nothing else of the target changed.
void ExpectDrawn(const CTarget& target, POINT at, std::uint32_t key, RECT part = {0, 0, 4, 3}) {
  const CDibSurface& dib = target.Dib();
  int inside = 0;
  for (int y = 0; y < dib.Height(); ++y) {
    for (int x = 0; x < dib.Width(); ++x) {
      const int px = x - at.x + part.left;
      const int py = y - at.y + part.top;
      const bool covered = px >= part.left && px < part.right && py >= part.top && py < part.bottom;
      std::uint32_t expected = CTarget::Background(x, y);
      if (covered && kPicture[py][px] != key) expected = kPicture[py][px];
      inside += covered;
      ASSERT_EQ(dib.At(x, y), expected) << "at " << x << ", " << y;
    }
  }
  EXPECT_EQ(inside, (part.right - part.left) * (part.bottom - part.top));
}

TEST(TransparentBitmapTest, FacePixelsLeaveTheTargetAndOthersAreCopied) {
  CDibSurface picture = MakePicture();
  CTarget target(20, 20);
  ASSERT_TRUE(picture.Ok());
  DrawTransparentBitmap(picture.Bitmap(), target.Dc(), RECT{0, 0, 20, 20}, kFace);
  // (20 - 4) / 2 = 8, (20 - 3) / 2 = 8.
  ExpectDrawn(target, {8, 8}, kFacePixel);
}

TEST(TransparentBitmapTest, TheTransparentColourIsTheOneGiven) {
  CDibSurface picture = MakePicture();
  CTarget target(20, 20);
  DrawTransparentBitmap(picture.Bitmap(), target.Dc(), RECT{0, 0, 20, 20}, RGB(255, 0, 0));
  // Red shows the target now; the face pixels are copied like any colour.
  ExpectDrawn(target, {8, 8}, 0xFF0000);
  EXPECT_EQ(target.Dib().At(8, 8), kFacePixel);
}

TEST(TransparentBitmapTest, CentresInTheTargetRectangle) {
  const struct {
    RECT rect;
    POINT at;
  } cases[] = {
      {{3, 5, 12, 10}, {5, 6}},    // 3 + (9 - 4) / 2, 5 + (5 - 3) / 2
      {{0, 0, 4, 3}, {0, 0}},      // exactly the picture's size
      {{10, 10, 12, 11}, {9, 9}},  // smaller than the picture: it overhangs
      {{6, 2, 13, 9}, {7, 4}},     // 6 + 3 / 2, 2 + 4 / 2
  };
  CDibSurface picture = MakePicture();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.rect.left * 100 + c.rect.top);
    CTarget target(20, 20);
    DrawTransparentBitmap(picture.Bitmap(), target.Dc(), c.rect, kFace);
    ExpectDrawn(target, c.at, kFacePixel);
  }
}

TEST(TransparentBitmapTest, DrawsOnlyTheSourceAreaClippedToThePicture) {
  CDibSurface picture = MakePicture();
  {
    CTarget target(20, 20);
    const RECT part = {1, 0, 3, 2};  // R G / F W
    DrawTransparentBitmap(picture.Bitmap(), target.Dc(), RECT{0, 0, 20, 20}, kFace, &part);
    ExpectDrawn(target, {9, 9}, kFacePixel, part);
  }
  {
    CTarget target(20, 20);
    const RECT overhanging = {2, 1, 9, 9};  // clipped to {2, 1, 4, 3}
    DrawTransparentBitmap(picture.Bitmap(), target.Dc(), RECT{0, 0, 20, 20}, kFace, &overhanging);
    ExpectDrawn(target, {9, 9}, kFacePixel, RECT{2, 1, 4, 3});
  }
  {
    CTarget target(20, 20);
    const RECT outside = {5, 5, 9, 9};
    DrawTransparentBitmap(picture.Bitmap(), target.Dc(), RECT{0, 0, 20, 20}, kFace, &outside);
    EXPECT_EQ(target.Untouched(), 400);
  }
}

TEST(TransparentBitmapTest, TargetColoursAndSelectionsAreRestored) {
  CDibSurface picture = MakePicture();
  CTarget target(20, 20);
  ::SetBkColor(target.Dc(), RGB(1, 2, 3));
  ::SetTextColor(target.Dc(), RGB(4, 5, 6));
  HGDIOBJ targetBitmap = ::GetCurrentObject(target.Dc(), OBJ_BITMAP);
  DrawTransparentBitmap(picture.Bitmap(), target.Dc(), RECT{0, 0, 20, 20}, kFace);
  EXPECT_EQ(::GetBkColor(target.Dc()), RGB(1, 2, 3));
  EXPECT_EQ(::GetTextColor(target.Dc()), RGB(4, 5, 6));
  EXPECT_EQ(::GetCurrentObject(target.Dc(), OBJ_BITMAP), targetBitmap);
  // The picture is selected nowhere: another DC can take it, and drawing
  // it a second time still works.
  {
    ui::CMemoryDc other(nullptr);
    HGDIOBJ previous = ::SelectObject(other.get(), picture.Bitmap());
    EXPECT_NE(previous, nullptr);
    if (previous) ::SelectObject(other.get(), previous);
  }
  CTarget second(20, 20);
  DrawTransparentBitmap(picture.Bitmap(), second.Dc(), RECT{0, 0, 20, 20}, kFace);
  ExpectDrawn(second, {8, 8}, kFacePixel);
}

TEST(TransparentBitmapTest, APictureSelectedElsewhereDrawsNothing) {
  CDibSurface picture = MakePicture();
  ui::CMemoryDc holder(nullptr);
  HGDIOBJ previous = ::SelectObject(holder.get(), picture.Bitmap());
  CTarget target(20, 20);
  DrawTransparentBitmap(picture.Bitmap(), target.Dc(), RECT{0, 0, 20, 20}, kFace);
  EXPECT_EQ(target.Untouched(), 400);
  ::SelectObject(holder.get(), previous);
}

// Banner 133's pixels, 0x00RRGGBB, top row first.
std::vector<std::uint32_t> BannerPixels() {
  HINSTANCE module = ::GetModuleHandleA(nullptr);
  ui::CBitmap banner(static_cast<HBITMAP>(::LoadImageA(module, MAKEINTRESOURCEA(IDB_ABOUT_BANNER),
                                                       IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
  BITMAPINFO format{};
  format.bmiHeader.biSize = sizeof format.bmiHeader;
  format.bmiHeader.biWidth = 400;
  format.bmiHeader.biHeight = -50;
  format.bmiHeader.biPlanes = 1;
  format.bmiHeader.biBitCount = 32;
  format.bmiHeader.biCompression = BI_RGB;
  std::vector<std::uint32_t> pixels(400 * 50);
  HDC screen = ::GetDC(nullptr);
  const int rows =
      banner ? ::GetDIBits(screen, banner.get(), 0, 50, pixels.data(), &format, DIB_RGB_COLORS) : 0;
  ::ReleaseDC(nullptr, screen);
  if (rows != 50) return {};
  for (auto& p : pixels) p &= 0xFFFFFF;
  return pixels;
}

TEST(TransparentBitmapTest, TheBannerResourceDrawsFromTheModule) {
  const std::vector<std::uint32_t> banner = BannerPixels();
  ASSERT_EQ(banner.size(), 400u * 50u);
  HINSTANCE module = ::GetModuleHandleA(nullptr);
  {
    // The banner has no pixel of the dialog's face colour: all of it shows.
    CTarget target(400, 50);
    DrawTransparentBitmap(module, IDB_ABOUT_BANNER, target.Dc(), RECT{0, 0, 400, 50},
                          ::GetSysColor(COLOR_BTNFACE));
    int differing = 0;
    for (int y = 0; y < 50; ++y)
      for (int x = 0; x < 400; ++x) differing += target.Dib().At(x, y) != banner[y * 400 + x];
    EXPECT_EQ(differing, 0);
  }
  {
    // Its top row is one colour; made transparent, that row shows the
    // target while the lettering further down is copied.
    const std::uint32_t top = banner[0];
    CTarget target(400, 50);
    DrawTransparentBitmap(module, IDB_ABOUT_BANNER, target.Dc(), RECT{0, 0, 400, 50},
                          RGB(top >> 16, (top >> 8) & 0xFF, top & 0xFF));
    for (int x = 0; x < 400; x += 37) EXPECT_EQ(target.Dib().At(x, 0), CTarget::Background(x, 0));
    int copied = 0;
    for (int x = 0; x < 400; ++x) copied += target.Dib().At(x, 25) == banner[25 * 400 + x];
    EXPECT_GT(copied, 300);
  }
}

TEST(TransparentBitmapTest, AMissingResourceOrNoTargetDrawsNothing) {
  HINSTANCE module = ::GetModuleHandleA(nullptr);
  CTarget target(30, 30);
  DrawTransparentBitmap(module, 4242, target.Dc(), RECT{0, 0, 30, 30}, kFace);
  DrawTransparentBitmap(nullptr, target.Dc(), RECT{0, 0, 30, 30}, kFace);
  EXPECT_EQ(target.Untouched(), 900);
  CDibSurface picture = MakePicture();
  DrawTransparentBitmap(picture.Bitmap(), nullptr, RECT{0, 0, 30, 30}, kFace);  // no crash
}

TEST(TransparentBitmapTest, RepeatedDrawingHoldsNoMoreGdiObjects) {
  HINSTANCE module = ::GetModuleHandleA(nullptr);
  CTarget target(400, 50);
  DrawTransparentBitmap(module, IDB_ABOUT_BANNER, target.Dc(), RECT{0, 0, 400, 50}, kFace);
  const long held = ui::GdiOwnedCount();
  for (int i = 0; i < 50; ++i)
    DrawTransparentBitmap(module, IDB_ABOUT_BANNER, target.Dc(), RECT{0, 0, 400, 50}, kFace);
  EXPECT_EQ(ui::GdiOwnedCount(), held);
}

}  // namespace
}  // namespace scalewright::app
