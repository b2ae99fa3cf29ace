// What SW.exe carries for the About box and the hybrid control: dialog
// 20015 as the box's layout starts from it, the 400 x 50 banner, the link's
// text and the combo boxes' drop-down arrow. Read from SW.exe as data.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/resource.h"
#include "framework/gdi/gdi.h"
#include "hybrid/win/hybrid_resource_ids.h"

namespace scalewright::app {
namespace {

std::string SwExePath() {
  char path[MAX_PATH] = {};
  ::GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string dir = path;
  return dir.substr(0, dir.find_last_of("\\/") + 1) + "SW.exe";
}

class SwResourcesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_sw = ::LoadLibraryExA(SwExePath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(m_sw, nullptr) << SwExePath();
  }
  void TearDown() override {
    if (m_sw) ::FreeLibrary(m_sw);
  }

  // A bitmap resource as a DIB section, with its pixels (0x00RRGGBB, top
  // row first) when it has any.
  struct SBitmap {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;
    std::vector<std::uint32_t> pixels;
    std::uint32_t At(int x, int y) const { return pixels[y * width + x]; }
  };
  SBitmap LoadBitmap(int id) const {
    SBitmap result;
    ui::CBitmap bitmap(static_cast<HBITMAP>(
        ::LoadImageA(m_sw, MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    BITMAP info{};
    if (!bitmap || !::GetObjectA(bitmap.get(), sizeof info, &info)) return result;
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = info.bmWidth;
    format.bmiHeader.biHeight = -info.bmHeight;
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(info.bmWidth) * info.bmHeight);
    HDC screen = ::GetDC(nullptr);
    const int rows =
        ::GetDIBits(screen, bitmap.get(), 0, info.bmHeight, pixels.data(), &format, DIB_RGB_COLORS);
    ::ReleaseDC(nullptr, screen);
    if (rows != info.bmHeight) return result;
    for (auto& p : pixels) p &= 0xFFFFFF;
    result.width = info.bmWidth;
    result.height = info.bmHeight;
    result.bitsPerPixel = info.bmBitsPixel;
    result.pixels = std::move(pixels);
    return result;
  }

  HMODULE m_sw = nullptr;
};

// Reads a UTF-16 string of a dialog template and moves past it.
std::string ReadTemplateString(const WORD*& p) {
  std::string text;
  while (*p) text += static_cast<char>(*p++);
  ++p;
  return text;
}

TEST_F(SwResourcesTest, AboutDialogTemplate) {
  HRSRC found = ::FindResourceA(m_sw, MAKEINTRESOURCEA(IDD_ABOUTBOX), MAKEINTRESOURCEA(5));
  ASSERT_NE(found, nullptr);
  const auto* dialog = static_cast<const DLGTEMPLATE*>(::LockResource(::LoadResource(m_sw, found)));
  ASSERT_NE(dialog, nullptr);
  const DWORD wanted = DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_SETFONT;
  EXPECT_EQ(dialog->style & wanted, wanted);
  EXPECT_EQ(dialog->cdit, 2);
  EXPECT_EQ(dialog->cx, 200);
  EXPECT_EQ(dialog->cy, 119);
  const WORD* p = reinterpret_cast<const WORD*>(dialog + 1);
  EXPECT_EQ(*p++, 0);  // no menu
  EXPECT_EQ(*p++, 0);  // the standard dialog class
  EXPECT_EQ(ReadTemplateString(p), "About");
  EXPECT_EQ(*p++, 8);
  EXPECT_EQ(ReadTemplateString(p), "MS Sans Serif");
}

TEST_F(SwResourcesTest, BannerIs400By50With24BitsPerPixel) {
  const SBitmap banner = LoadBitmap(IDB_ABOUT_BANNER);
  EXPECT_EQ(banner.width, 400);
  EXPECT_EQ(banner.height, 50);
  EXPECT_EQ(banner.bitsPerPixel, 24);
}

TEST_F(SwResourcesTest, LinkTextAndApplicationIcon) {
  char text[64] = {};
  EXPECT_GT(::LoadStringA(m_sw, IDS_VISIT_ME, text, sizeof text), 0);
  EXPECT_STREQ(text, "Visit me at %s");
  EXPECT_NE(::FindResourceA(m_sw, MAKEINTRESOURCEA(IDR_MAINFRAME), MAKEINTRESOURCEA(14)), nullptr);
}

TEST_F(SwResourcesTest, ComboArrowIsABlackDownArrowOnMagenta) {
  const SBitmap arrow = LoadBitmap(IDB_HYBRID_COMBO_ARROW);
  ASSERT_GT(arrow.width, 0);
  EXPECT_LE(arrow.width, 16);  // fits the combo's drop-down button
  EXPECT_LE(arrow.height, 16);
  // Only black and the transparent magenta; the black rows narrow downwards
  // to a point.
  int previous = arrow.width + 1;
  int inkRows = 0;
  for (int y = 0; y < arrow.height; ++y) {
    int black = 0;
    for (int x = 0; x < arrow.width; ++x) {
      const std::uint32_t p = arrow.At(x, y);
      EXPECT_TRUE(p == 0x000000 || p == 0xFF00FF) << x << ", " << y << ": " << std::hex << p;
      black += p == 0x000000;
    }
    if (black == 0) continue;
    EXPECT_LT(black, previous) << "row " << y;
    previous = black;
    ++inkRows;
  }
  EXPECT_EQ(previous, 1);
  EXPECT_GE(inkRows, 3);
}

}  // namespace
}  // namespace scalewright::app
