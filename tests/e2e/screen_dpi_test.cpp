// SW on a screen of the system's DPI (run_dpi_e2e.sh runs this at 96, 144
// and 192): a board in a frame of the same physical size at every DPI, read
// by a screen reader's client and measured on the screenshot, and the About
// box and the property frame photographed for a person to look at.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "framework/com/com_ptr.h"
#include "tests/e2e/accessible_client.h"
#include "tests/e2e/sw_fixture.h"
#include "tests/e2e/user_input.h"

namespace scalewright::e2e {
namespace {

using com::ComPtr;

int SystemDpi() {
  HDC screen = ::GetDC(nullptr);
  const int dpi = ::GetDeviceCaps(screen, LOGPIXELSY);
  ::ReleaseDC(nullptr, screen);
  return dpi;
}

int Brightness(std::uint32_t pixel) {
  return ((pixel >> 16) & 0xFF) + ((pixel >> 8) & 0xFF) + (pixel & 0xFF);
}
bool Dark(std::uint32_t pixel) { return Brightness(pixel) < 3 * 128; }
// Smoothed text has grey edges and stems: any pixel off the white fill.
bool Inked(std::uint32_t pixel) { return Brightness(pixel) < 3 * 224; }

// The longest run of dark pixels on row y from x0 up to x1.
int LongestDarkRun(const SPicture& picture, int y, int x0, int x1) {
  int longest = 0, run = 0;
  for (int x = x0; x < x1; ++x) {
    run = Dark(picture.At(x, y)) ? run + 1 : 0;
    longest = std::max(longest, run);
  }
  return longest;
}

// Rows of |box| with ink in its middle third of columns, which a
// ring's curve does not reach.
int InkedRows(const SPicture& picture, const RECT& box) {
  const int third = (box.right - box.left) / 3;
  int rows = 0;
  for (int y = box.top; y < box.bottom; ++y) {
    for (int x = box.left + third; x < box.right - third; ++x) {
      if (Inked(picture.At(x, y))) {
        ++rows;
        break;
      }
    }
  }
  return rows;
}

using ScreenDpiTest = SwTest;

TEST_F(ScreenDpiTest, NutRingsAndLabelsAreDrawnForTheScreensDpi) {
  const int dpi = SystemDpi();
  CSwProcess sw;
  WaitForDocuments(sw, 1);
  HWND control = ControlOf(sw.DocumentWindows()[0]);
  ASSERT_NE(control, nullptr);
  // The frame as large as 480 x 360 at 96 DPI would be on the same screen.
  const int width = ::MulDiv(480, dpi, 96), height = ::MulDiv(360, dpi, 96);
  ::SetWindowPos(sw.Main(), nullptr, 0, 0, width, height, SWP_NOZORDER);
  ASSERT_TRUE(WaitFor(sw,
                      [&] {
                        const RECT frame = ScreenRect(sw.Main());
                        const RECT board = ScreenRect(control);
                        return frame.right - frame.left == width && board.right < frame.right &&
                               board.bottom < frame.bottom;
                      }))
      << "frame " << ScreenRect(sw.Main()).right << " wide, " << width << " asked";
  const std::string shot = "board_at_" + std::to_string(dpi) + "dpi";
  ASSERT_TRUE(SaveScreenshot(shot));
  const SPicture picture = ReadScreenshot(shot);
  ASSERT_GT(picture.width, 0);

  const CClientApartment apartment;
  ASSERT_TRUE(apartment.Ok());
  HRESULT asked = E_FAIL;
  const ComPtr<IAccessible> board = AccessibleOf(control, &asked);
  ASSERT_EQ(asked, S_OK);
  // C on the A string, a tonic with the wide ring; F on the first string
  // at fret 1, just right of the nut.
  const RECT tonic = PlaceNamed(board.get(), L"C, string 5, fret 3, degree 1");
  const RECT besideNut = PlaceNamed(board.get(), L"F, string 1, fret 1, degree 4");
  ASSERT_GT(tonic.right, tonic.left) << "no tonic marker";
  ASSERT_GT(besideNut.right, besideNut.left) << "no marker beside the nut";

  // The nut crosses the gap below the marker's cell: 3 units at 96 DPI,
  // 4.5 rounded up at 144 and 6 at 192.
  const int markerWidth = besideNut.right - besideNut.left;
  const int nut = LongestDarkRun(picture, besideNut.bottom, besideNut.left - markerWidth / 2,
                                 besideNut.left + 1);
  EXPECT_EQ(nut, (3 * dpi + 48) / 96);
  // The ring down the marker's middle column, from the middle of the gap
  // above it (a wide pen straddles the marker's rectangle).
  const int centre = (tonic.left + tonic.right) / 2;
  int top = tonic.top - markerWidth / 10;
  while (top < tonic.bottom && !Dark(picture.At(centre, top))) ++top;
  int ring = 0;
  while (ring < markerWidth / 2 && Dark(picture.At(centre, top + ring))) ++ring;
  EXPECT_GE(ring, 1);
  // The label inside the ring.
  const int inset = top + ring + 1 - tonic.top;
  const int label = InkedRows(
      picture, {tonic.left + inset, tonic.top + inset, tonic.right - inset, tonic.bottom - inset});
  EXPECT_GE(label, markerWidth / 4);

  // run_dpi_e2e.sh compares these across the DPIs.
  const char* measuresFile = std::getenv("SW_DPI_MEASURES");
  if (FILE* measures = measuresFile ? std::fopen(measuresFile, "a") : nullptr) {
    std::fprintf(measures, "%d %d %d %d %d\n", dpi, markerWidth, nut, ring, label);
    std::fclose(measures);
  }

  // The toolbar's images drawn for the DPI: 19, 29 and 38 pixels, each
  // button 7 wider.
  // The art drawn for 100, 150 and 200 %.
  const int step = dpi >= 192 ? 2 : dpi >= 144 ? 1 : 0;
  constexpr int kImages[] = {19, 29, 38}, kBanners[] = {400, 600, 800}, kIcons[] = {32, 48, 64};
  const int image = kImages[step];
  const LRESULT button = ::SendMessageA(ToolBar(sw), TB_GETBUTTONSIZE, 0, 0);
  EXPECT_EQ(LOWORD(button), image + 7);
  EXPECT_EQ(HIWORD(button), image + 7);
  SaveScreenshot("toolbar_at_" + std::to_string(dpi) + "dpi");

  // The property frame and the About box at this DPI, for a person; the
  // box as wide as its banner, drawn 400, 600 or 800 pixels wide, and its
  // icon at 32, 48 or 64.
  Choose(sw, kProperties);
  ASSERT_TRUE(WaitFor(sw, [&] { return sw.PropertyFrames().size() == 1; })) << sw.Seen();
  SaveScreenshot("properties_at_" + std::to_string(dpi) + "dpi");
  sw.CancelPropertyFrames();
  ASSERT_TRUE(WaitFor(sw, [&] { return sw.PropertyFrames().empty(); }));
  Choose(sw, kAbout);
  HWND about = sw.WaitDialog("About");
  ASSERT_NE(about, nullptr);
  SaveScreenshot("about_at_" + std::to_string(dpi) + "dpi");
  RECT box = {};
  ::GetClientRect(about, &box);
  EXPECT_EQ(box.right, kBanners[step]);
  const RECT icon = ScreenRect(::GetDlgItem(about, 50017));
  EXPECT_EQ(icon.right - icon.left, kIcons[step]);
  ASSERT_TRUE(ClickToClose(about, IDOK));
}

}  // namespace
}  // namespace scalewright::e2e
