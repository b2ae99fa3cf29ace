// The left-handed board as GDI paints it: a 600 x 300 board is the
// right-handed one flipped about its vertical centre line, pixel for pixel,
// but for the text, which still reads left to right: the side dots keep
// their glyphs, under their mirrored frets.
#include <gtest/gtest.h>

#include <ole2.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "control/interface/fretboard_settings.h"
#include "tests/win/dib_surface.h"
#include "tests/win/fretboard_fakes.h"

namespace scalewright::test {
namespace {

using com::ComPtr;

using FretboardMirror = FretboardTest;

constexpr int kWidth = 600;
constexpr int kHeight = 300;
// The default board's side-dot row: cell top 233 to the board's bottom.
constexpr int kDotRowTop = 233;
constexpr int kDotRowBottom = 266;

CDibSurface Paint(IFretboardSettings2& settings, bool leftHanded) {
  settings.SetLeftHanded(leftHanded);
  CDibSurface dib(kWidth, kHeight);
  dib.Fill(0x808080);
  const RECT bounds = {0, 0, kWidth, kHeight};
  settings.Draw(dib.Dc(), &bounds);
  return dib;
}

int InkIn(const CDibSurface& dib, int left, int top, int right, int bottom) {
  return (right - left) * (bottom - top) - dib.CountInside({left, top, right, bottom}, kWhitePixel);
}

struct SBoard {
  const char* name;
  std::function<void(IFretboardSettings2&)> setup;
  int firstFret;
  bool thickCircles;  // highlighted markers as circles with a doubled pen
};

// The cell of fret f on string i of a 17-column board from |firstFret|.
RECT CellOf(int firstFret, int fret, int string) {
  const int cell = 33;
  const int left = 3 + (18 - (17 - firstFret + 1)) * cell / 2 + (fret - firstFret) * cell;
  const int y = 18 + (string + 1) * cell;
  return {left, y - cell / 2, left + cell, y + cell / 2 + 1};
}

// Whether the default C Ionian board highlights fret f of string i (its
// degrees 1, 3 and 5: C, E and G).
bool Highlighted(int fret, int string) {
  static const int kOpen[] = {4, 11, 7, 2, 9, 4};
  const int pitch = (kOpen[string] + fret) % 12;
  return pitch == 0 || pitch == 4 || pitch == 7;
}

TEST_F(FretboardMirror, TheLeftHandedPictureIsTheRightHandedOneFlippedButTheText) {
  // Label kinds without text: the markers' discs and outlines mirror whole.
  const SBoard boards[] = {
      {"circles and discs",
       [](IFretboardSettings2& s) {
         s.SetLabelKind(5);
         s.SetHighlight("");
       },
       0, false},
      {"squares, highlighted filled",
       [](IFretboardSettings2& s) {
         s.SetLabelKind(6);
         s.SetRectangles(true);
       },
       0, false},
      {"nut inside",
       [](IFretboardSettings2& s) {
         s.SetLabelKind(4);
         s.SetHighlight("");
         s.SetFirstFret(1);
       },
       1, false},
      {"thick circles", [](IFretboardSettings2& s) { s.SetLabelKind(4); }, 0, true},
  };
  for (const SBoard& board : boards) {
    SCOPED_TRACE(board.name);
    ComPtr<IFretboardSettings2> settings;
    ASSERT_EQ(S_OK, Create(IID_IFretboardSettings2, settings));
    board.setup(*settings.get());
    const CDibSurface right = Paint(*settings.get(), false);
    const CDibSurface left = Paint(*settings.get(), true);
    ASSERT_TRUE(right.Ok() && left.Ok());
    // A circle drawn with a wide pen is not symmetric in itself on every
    // device (Wine's is not): its cell is compared by its ink, below.
    std::vector<RECT> thick;
    for (int string = 0; board.thickCircles && string < 6; ++string) {
      for (int fret = board.firstFret; fret <= 17; ++fret) {
        if (Highlighted(fret, string)) thick.push_back(CellOf(board.firstFret, fret, string));
      }
    }
    auto inThickCell = [&](int x, int y) {
      const POINT p{x, y};
      for (const RECT& r : thick) {
        if (::PtInRect(&r, p)) return true;
      }
      return false;
    };
    // Everything but the side dots' text, pixel for pixel.
    int differing = 0;
    int compared = 0;
    for (int y = 0; y < kHeight; ++y) {
      if (y >= kDotRowTop && y < kDotRowBottom) continue;
      for (int x = 0; x < kWidth; ++x) {
        if (inThickCell(kWidth - 1 - x, y)) continue;
        ++compared;
        differing += left.At(x, y) != right.At(kWidth - 1 - x, y);
      }
    }
    EXPECT_EQ(0, differing) << "of " << compared;
    EXPECT_GT(compared, kWidth * (kHeight - 40) / 2);
    for (const RECT& r : thick) {
      EXPECT_EQ(InkIn(right, r.left, r.top, r.right, r.bottom),
                InkIn(left, kWidth - r.right, r.top, kWidth - r.left, r.bottom))
          << r.left << "," << r.top;
    }
    if (board.thickCircles) {
      EXPECT_GT(thick.size(), 20u);
    }
    // The same dots, each under its fret's mirrored column.
    EXPECT_EQ(InkIn(right, 0, kDotRowTop, kWidth, kDotRowBottom),
              InkIn(left, 0, kDotRowTop, kWidth, kDotRowBottom));
    for (int fret : {3, 5, 7, 9, 12, 15, 17}) {
      const RECT cell = CellOf(board.firstFret, fret, 6);
      EXPECT_GT(InkIn(right, cell.left, kDotRowTop, cell.right, kDotRowBottom), 0) << fret;
      EXPECT_GT(InkIn(left, kWidth - cell.right, kDotRowTop, kWidth - cell.left, kDotRowBottom), 0)
          << fret;
    }
  }
}

// The nut of the default board: columns 35 to 37 right-handed, 562 to 564
// left-handed, with the open strings' markers beyond it on the right.
TEST_F(FretboardMirror, TheNutIsThreeColumnsOnTheRight) {
  ComPtr<IFretboardSettings2> settings;
  ASSERT_EQ(S_OK, Create(IID_IFretboardSettings2, settings));
  const CDibSurface left = Paint(*settings.get(), true);
  ASSERT_TRUE(left.Ok());
  EXPECT_EQ(kWhitePixel, left.At(561, 100));
  EXPECT_EQ(kBlackPixel, left.At(562, 100));
  EXPECT_EQ(kBlackPixel, left.At(563, 100));
  EXPECT_EQ(kBlackPixel, left.At(564, 100));
  EXPECT_EQ(kWhitePixel, left.At(565, 100));
  // The open first string's highlighted circle (567, 37)-(595, 65): its top
  // edge three units thick at the middle.
  EXPECT_EQ(kWhitePixel, left.At(580, 35));
  EXPECT_EQ(kBlackPixel, left.At(580, 36));
  EXPECT_EQ(kBlackPixel, left.At(580, 38));
  EXPECT_EQ(kWhitePixel, left.At(580, 39));
}

// Note letters: the flats' and the sharps' labels of a black key differ on
// screen; a white key's marker reads the same letter in another case.
TEST_F(FretboardMirror, TheSpellingChangesTheLettersOnTheMarkers) {
  ComPtr<IFretboardSettings2> settings;
  ASSERT_EQ(S_OK, Create(IID_IFretboardSettings2, settings));
  settings->SetTonality(5);
  settings->SetNoteShown(10, true);
  settings->SetNoteShown(11, false);
  settings->SetLabelKind(1);
  // Fret 6 of the first (E) string holds a#/Bb: marker (203, 37)-(231, 65);
  // its label is what lies inside the ring.
  auto labelPixels = [&](int spelling) {
    settings->SetSpelling(spelling);
    const CDibSurface dib = Paint(*settings.get(), false);
    std::vector<std::uint32_t> pixels;
    for (int y = 41; y < 61; ++y)
      for (int x = 207; x < 227; ++x) pixels.push_back(dib.At(x, y));
    return pixels;
  };
  const auto sharps = labelPixels(0);
  const auto flats = labelPixels(1);
  const auto asKey = labelPixels(2);
  const auto inked = [](const std::vector<std::uint32_t>& pixels) {
    return std::count_if(pixels.begin(), pixels.end(),
                         [](std::uint32_t pixel) { return pixel != kWhitePixel; });
  };
  EXPECT_GT(inked(sharps), 0);
  EXPECT_GT(inked(flats), 0);
  EXPECT_NE(sharps, flats) << "a# and Bb read differently";
  EXPECT_EQ(flats, asKey) << "F Ionian's fourth is B flat";
}

}  // namespace
}  // namespace scalewright::test
