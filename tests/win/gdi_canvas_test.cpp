// The GDI canvas drawing the fretboard into a DIB: pixels where the geometry
// is exact, the DC left as it was found, and no GDI object left behind.
#include "framework/gdi/gdi_canvas.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "control/model/mode_list.h"
#include "control/render/fretboard_renderer.h"
#include "framework/gdi/gdi_text_metrics.h"
#include "tests/host/control/fake_mode_platform.h"
#include "tests/win/dib_surface.h"

namespace scalewright {
namespace {

constexpr std::uint32_t W = kWhitePixel, B = kBlackPixel;

class GdiFretboardTest : public ::testing::Test {
 protected:
  GdiFretboardTest() {
    platform.files[platform.path] = IDS_DEFAULT_MODES_TEXT "\r\n";
    surface.Fill(0x123456);
  }
  void Draw() {
    CModeList modes(platform);
    gfx::CGdiTextMetrics measure;
    gfx::CGdiCanvas canvas(surface.Dc());
    DrawFretboard(canvas, measure, {0, 0, 600, 300}, state, modes);
  }
  CFakeModePlatform platform;
  CFretboardState state;
  CDibSurface surface{600, 300};
};

TEST_F(GdiFretboardTest, DefaultBoardPixels) {
  ASSERT_TRUE(surface.Ok());
  Draw();
  const struct {
    int x, y;
    std::uint32_t pixel;
    const char* what;
  } pixels[] = {
      {1, 1, W, "background"},
      {300, 8, W, "above the board"},
      {598, 150, W, "inside the frame"},
      {0, 0, B, "frame"},
      {599, 0, B, "frame"},
      {0, 299, B, "frame"},
      {599, 299, B, "frame"},
      {300, 0, B, "frame"},
      {0, 150, B, "frame"},
      {599, 150, B, "frame"},
      {300, 299, B, "frame"},
      {2, 51, W, "left of string 1"},
      {199, 51, B, "string 1"},
      {199, 50, W, "above string 1"},
      {199, 52, W, "below string 1"},
      {199, 216, B, "string 6"},
      {598, 51, W, "right of string 1"},
      {200, 67, W, "left of fret 6"},
      {201, 67, B, "fret 6"},
      {202, 67, W, "right of fret 6"},
      {201, 50, W, "above fret 6"},
      {201, 217, W, "below fret 6"},
      {68, 67, W, "fret 2 is thin"},
      {69, 67, B, "fret 2"},
      {70, 67, W, "fret 2 is thin"},
      {34, 67, W, "left of the nut"},
      {35, 67, B, "nut"},
      {36, 67, B, "nut"},
      {37, 67, B, "nut"},
      {38, 67, W, "right of the nut"},
      {9, 51, W, "a marker's fill hides its string"},
  };
  for (const auto& p : pixels)
    EXPECT_EQ(p.pixel, surface.At(p.x, p.y)) << p.what << " " << p.x << "," << p.y;
  // Down the middle of the open e marker (pen 3) and the f marker (pen 1).
  EXPECT_EQ(3, surface.BlackRunDown(19, 30, 45));
  EXPECT_EQ(1, surface.BlackRunDown(52, 30, 45));
  EXPECT_EQ(B, surface.At(52, 37));
  EXPECT_EQ(0, surface.CountInside({71, 37, 99, 50}, B));  // no f# marker
  // The "3" in the first marker; "." from (118, 233), ":" from (415, 233).
  EXPECT_GT(surface.CountInside({12, 45, 26, 58}, B), 0);
  EXPECT_GT(surface.CountInside({118, 233, 130, 258}, B), 0);
  EXPECT_EQ(0, surface.CountInside({104, 233, 118, 258}, B));
  EXPECT_GT(surface.CountInside({415, 233, 427, 258}, B), 0);
  EXPECT_EQ(0, surface.CountInside({401, 233, 415, 258}, B));
}

TEST_F(GdiFretboardTest, LabelKindsAndShapes) {
  state.SetLabelKind(kLabelLeaveBlank);
  Draw();
  EXPECT_EQ(0, surface.CountInside({12, 45, 26, 58}, B));
  state.SetLabelKind(kLabelFill);
  Draw();
  for (const int x : {9, 19, 52}) EXPECT_EQ(B, surface.At(x, 51)) << x;  // discs
  EXPECT_EQ(W, surface.At(85, 45));
  state.SetRectangles(true);
  Draw();
  EXPECT_EQ(B, surface.At(5, 37));   // a square's corner is on its outline
  EXPECT_EQ(W, surface.At(38, 38));  // a circle's is outside it
}

TEST_F(GdiFretboardTest, ManyPassesLeaveNoObjectAndTheDcAsFound) {
  const HDC dc = surface.Dc();
  const HGDIOBJ pen = ::GetCurrentObject(dc, OBJ_PEN), brush = ::GetCurrentObject(dc, OBJ_BRUSH),
                font = ::GetCurrentObject(dc, OBJ_FONT);
  ::SetTextColor(dc, RGB(1, 2, 3));
  ::SetBkMode(dc, OPAQUE);
  ::SetTextAlign(dc, TA_BASELINE | TA_CENTER);
  Draw();  // the first pass may load fonts for good

  const DWORD platformBefore = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
  const long ownedBefore = ui::GdiOwnedCount();
  for (int pass = 0; pass < 200; ++pass) Draw();
  // Wine counts nothing (0); Windows counts every object of the process.
  if (platformBefore != 0) {
    EXPECT_EQ(platformBefore, ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS));
  }
  EXPECT_EQ(ownedBefore, ui::GdiOwnedCount());
  EXPECT_EQ(pen, ::GetCurrentObject(dc, OBJ_PEN));
  EXPECT_EQ(brush, ::GetCurrentObject(dc, OBJ_BRUSH));
  EXPECT_EQ(font, ::GetCurrentObject(dc, OBJ_FONT));
  EXPECT_EQ(RGB(1, 2, 3), ::GetTextColor(dc));
  EXPECT_EQ(OPAQUE, ::GetBkMode(dc));
  EXPECT_EQ(static_cast<UINT>(TA_BASELINE | TA_CENTER), ::GetTextAlign(dc));
}

}  // namespace
}  // namespace scalewright
