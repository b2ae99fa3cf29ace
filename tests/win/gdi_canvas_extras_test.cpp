// What the hybrid control draws through the GDI canvas besides the
// fretboard: clips, shaded fills, texts in rectangles, focus rectangles,
// bitmaps and icons.
#include <gtest/gtest.h>
#include <windows.h>

#include "framework/gdi/gdi_canvas.h"
#include "framework/gdi/gdi_font.h"
#include "framework/gdi/gdi_text_metrics.h"
#include "framework/gfx/fixed_text_metrics.h"
#include "tests/win/dib_surface.h"

namespace scalewright {
namespace {

using gfx::Rect;
constexpr gfx::Color kBlack = gfx::Rgb(0, 0, 0);
constexpr std::uint32_t kBluePixel = 0x0000FF;
constexpr std::uint32_t kRedPixel = 0xFF0000;
constexpr int kTestBitmap = 201;

class GdiCanvasExtrasTest : public ::testing::Test {
 protected:
  GdiCanvasExtrasTest() { surface.Fill(kWhitePixel); }
  CDibSurface surface{100, 100};
};

TEST_F(GdiCanvasExtrasTest, ClipsNestAndPopBackToWhatWasThere) {
  {
    gfx::CGdiCanvas canvas(surface.Dc());
    canvas.PushClip({10, 10, 50, 50});
    canvas.PushClip({30, 30, 90, 90});
    EXPECT_EQ((Rect{30, 30, 50, 50}), canvas.ClipBox());
    canvas.FillRect({0, 0, 100, 100}, kBlack);
    canvas.PopClip();
    EXPECT_EQ((Rect{10, 10, 50, 50}), canvas.ClipBox());
    EXPECT_EQ(kBlackPixel, surface.At(35, 35));
    EXPECT_EQ(kWhitePixel, surface.At(20, 20));
    canvas.FillRect({0, 0, 100, 100}, gfx::Rgb(0, 0, 255));
    // Left pushed: the canvas removes it when it goes.
  }
  EXPECT_EQ(kBluePixel, surface.At(20, 20));
  EXPECT_EQ(kBluePixel, surface.At(35, 35));
  EXPECT_EQ(kWhitePixel, surface.At(60, 60));
  EXPECT_EQ(kWhitePixel, surface.At(5, 5));
  RECT box{};
  EXPECT_EQ(SIMPLEREGION, ::GetClipBox(surface.Dc(), &box));
  EXPECT_EQ(100, box.right);
  EXPECT_EQ(100, box.bottom);
}

TEST_F(GdiCanvasExtrasTest, GradientShadesLeftToRight) {
  gfx::CGdiCanvas(surface.Dc()).GradientFill({0, 0, 100, 10}, kBlack, gfx::Rgb(255, 255, 255));
  const auto grey = [&](int x) { return static_cast<int>(surface.At(x, 5) & 0xFF); };
  EXPECT_LT(grey(0), 0x10);
  EXPECT_GT(grey(99), 0xEF);
  EXPECT_GT(grey(50), 0x60);
  EXPECT_LT(grey(50), 0xA0);
  EXPECT_EQ(kWhitePixel, surface.At(50, 10));
}

TEST_F(GdiCanvasExtrasTest, TextInARectangleFollowsItsFormat) {
  gfx::CGdiCanvas canvas(surface.Dc());
  canvas.SetTextColor(kBlack);
  canvas.DrawTextIn({0, 0, 100, 20}, "Wide", gfx::kTextRight | gfx::kTextSingleLine);
  EXPECT_GT(surface.CountInside({60, 0, 100, 20}, kBlackPixel), 0);
  EXPECT_EQ(0, surface.CountInside({0, 0, 50, 20}, kBlackPixel));
  EXPECT_EQ(0, surface.CountInside({0, 20, 100, 100}, kBlackPixel));
}

TEST_F(GdiCanvasExtrasTest, FocusRectangleIsDottedAndUndoneByRepeating) {
  gfx::CGdiCanvas canvas(surface.Dc());
  canvas.DrawFocusRect({10, 10, 30, 30});
  const int dots = surface.CountInside({10, 10, 30, 11}, kBlackPixel);
  EXPECT_GT(dots, 4);
  EXPECT_LT(dots, 20);
  EXPECT_EQ(0, surface.CountInside({11, 11, 29, 29}, kBlackPixel));
  canvas.DrawFocusRect({10, 10, 30, 30});
  EXPECT_EQ(0, surface.CountInside({0, 0, 100, 100}, kBlackPixel));
}

TEST_F(GdiCanvasExtrasTest, BitmapLeavesItsTransparentColourUnpainted) {
  gfx::CGdiCanvas canvas(surface.Dc(), ::GetModuleHandleA(nullptr));
  canvas.DrawBitmap(kTestBitmap, gfx::Rgb(255, 0, 255), {20, 30});
  canvas.DrawBitmap(999, 0, {0, 0});  // no such bitmap: nothing
  EXPECT_EQ(kRedPixel, surface.At(20, 30));
  EXPECT_EQ(kRedPixel, surface.At(21, 31));
  EXPECT_EQ(kWhitePixel, surface.At(22, 30));
  EXPECT_EQ(kWhitePixel, surface.At(23, 31));
  EXPECT_EQ(kWhitePixel, surface.At(24, 30));
  EXPECT_EQ(2 * 2, surface.CountInside({0, 0, 100, 100}, kRedPixel));
}

TEST_F(GdiCanvasExtrasTest, IconIsDrawnAtItsPoint) {
  gfx::CGdiCanvas canvas(surface.Dc());
  canvas.DrawIcon(::LoadIconA(nullptr, IDI_APPLICATION), {50, 50});
  canvas.DrawIcon(nullptr, {0, 0});
  // Something of the icon inside its 32 x 32 square, nothing outside it.
  EXPECT_LT(surface.CountInside({50, 50, 82, 82}, kWhitePixel), 32 * 32);
  EXPECT_EQ(100 * 50, surface.CountInside({0, 0, 100, 50}, kWhitePixel));
  EXPECT_EQ(50 * 50, surface.CountInside({0, 50, 50, 100}, kWhitePixel));
}

TEST(GdiTextMetrics, MeasuresInTheFontItMade) {
  gfx::CGdiTextMetrics metrics;
  const gfx::FontDesc base = metrics.DefaultGuiFont();
  EXPECT_FALSE(base.face.empty());
  gfx::FontDesc tall = base;
  tall.height = 22;
  const gfx::FontPtr font = metrics.MakeFont(tall);
  const gfx::Size one = metrics.TextExtent(font.get(), "3");
  const gfx::Size three = metrics.TextExtent(font.get(), "333");
  EXPECT_EQ(22, one.cy);  // a positive height asks for the cell height
  EXPECT_EQ(3 * one.cx, three.cx);
  EXPECT_LT(metrics.TextExtent(nullptr, "3").cy, 22);
  EXPECT_EQ(0, metrics.TextExtent(font.get(), "").cx);
}

// Whatever the measurer does to be quick, a text's extent is GDI's own:
// GetTextExtentPoint32A on a DC with the same font, for fonts of several
// faces, sizes and styles and for texts of ASCII, Latin-1 bytes and
// kerning pairs; measured often enough (a list's rows) that the measurer
// takes its quicker way, and the first few times, when it does not.
TEST(GdiTextMetrics, ExtentsAreGdisOwnInEveryFont) {
  gfx::CGdiTextMetrics metrics;
  std::vector<gfx::FontDesc> fonts = {metrics.DefaultGuiFont()};
  for (const char* face : {"Tahoma", "Arial", "Courier New", "Times New Roman"}) {
    for (int height : {-11, -13, 20, -32}) {
      gfx::FontDesc desc;
      desc.face = face;
      desc.height = height;
      desc.weight = height == 20 ? 700 : 400;
      desc.italic = height == -32;
      fonts.push_back(desc);
    }
  }
  const std::string texts[] = {"A", "Row 9999 of the list, a text of some length",
                               "AVAWATaVaWaYoTyLTF", "\xC0\xE9\xF1\xFC \xA9 \xBD", "  spaces  "};
  const ui::CMemoryDc dc(nullptr);
  for (const gfx::FontDesc& desc : fonts) {
    const gfx::FontPtr font = metrics.MakeFont(desc);
    const auto* gdiFont = dynamic_cast<const gfx::CGdiFont*>(font.get());
    ASSERT_NE(gdiFont, nullptr);
    const ui::CSelectObject selected(dc.get(), gdiFont->Handle());
    for (const std::string& text : texts) {
      SIZE gdi{};
      ASSERT_TRUE(
          ::GetTextExtentPoint32A(dc.get(), text.data(), static_cast<int>(text.size()), &gdi));
      for (int time = 0; time < 300; ++time) {
        const gfx::Size measured = metrics.TextExtent(font.get(), text);
        ASSERT_EQ(measured.cx, gdi.cx) << desc.face << " " << desc.height << ": " << text;
        ASSERT_EQ(measured.cy, gdi.cy) << desc.face << " " << desc.height << ": " << text;
      }
    }
  }
}

TEST(GdiTextMetrics, VerticalMeasuresPutTheBaselineUnderTheLetters) {
  gfx::CGdiTextMetrics metrics;
  gfx::FontDesc tall = metrics.DefaultGuiFont();
  tall.height = 22;
  const gfx::FontPtr font = metrics.MakeFont(tall);
  const gfx::SFontMetrics measures = metrics.FontMetrics(font.get());
  EXPECT_EQ(22, measures.height);
  EXPECT_GT(measures.ascent, 11);
  EXPECT_LT(measures.ascent, 22);
  EXPECT_GE(measures.internalLeading, 0);
  EXPECT_LT(measures.internalLeading, 11);
  EXPECT_FALSE(measures.face.empty());
  // "H" drawn by its cell's top-left: its lowest ink is the row above the
  // baseline.
  CDibSurface surface(60, 60);
  surface.Fill(kWhitePixel);
  {
    gfx::CGdiCanvas canvas(surface.Dc());
    const gfx::ScopedFont selected(canvas, canvas.MakeFont(tall));
    canvas.TextAt({10, 10}, "H");
  }
  int lowest = -1;
  for (int y = 0; y < 60; ++y)
    if (surface.CountInside({0, y, 60, y + 1}, kWhitePixel) < 60) lowest = y;
  EXPECT_EQ(10 + measures.ascent - 1, lowest);
  // A font of another kind is measured through a copy.
  EXPECT_EQ(measures, metrics.FontMetrics(gfx::FixedTextMetrics().MakeFont(tall).get()));
}

TEST(GdiOwners, CountDeleteOnceAndPutSelectionsBack) {
  const long before = ui::GdiOwnedCount();
  ui::CPen pen = ui::MakeSolidPen(2, 0);
  ui::CBrush brush = ui::MakeSolidBrush(0);
  EXPECT_EQ(before + 2, ui::GdiOwnedCount());
  const ui::CPen moved = std::move(pen);
  EXPECT_FALSE(pen);
  const HBRUSH handle = brush.get();
  brush.reset();
  EXPECT_EQ(0u, ::GetObjectType(handle));  // deleted
  EXPECT_EQ(before + 1, ui::GdiOwnedCount());

  CDibSurface surface(4, 4);
  const HGDIOBJ original = ::GetCurrentObject(surface.Dc(), OBJ_PEN);
  {
    const ui::CSelectObject selected(surface.Dc(), moved.get());
    EXPECT_EQ(moved.get(), ::GetCurrentObject(surface.Dc(), OBJ_PEN));
  }
  EXPECT_EQ(original, ::GetCurrentObject(surface.Dc(), OBJ_PEN));
}

}  // namespace
}  // namespace scalewright
