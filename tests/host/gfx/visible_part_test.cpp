// What of a primitive is handed to the platform: nothing of what lies
// outside the clip box, and only the visible rows of an oversized shape.
#include "framework/gfx/visible_part.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

namespace scalewright::gfx {
namespace {

constexpr Rect kBox{0, 0, 64, 64};

TEST(VisiblePart, OnlyWhatMissesTheBoxAndItsMarginIsOutside) {
  const struct {
    Rect bounds;
    int margin;
    bool outside;
  } cases[] = {
      {{10, 10, 20, 20}, 0, false},
      {{64, 0, 80, 10}, 0, true},
      {{64, 0, 80, 10}, 1, false},
      {{-20, -20, 0, 0}, 0, true},
      {{-20, -20, 0, 0}, 1, false},
      {{0, 70, 64, 90}, 3, true},
      {{INT_MIN, INT_MIN, INT_MAX, INT_MAX}, 3, false},
      {{20, 20, 10, 10}, 0, false},  // reversed corners are the same rectangle
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.outside, OutsideBox(c.bounds, c.margin, kBox))
        << c.bounds.left << "," << c.bounds.top << " margin " << c.margin;
  }
}

TEST(VisiblePart, OrdinaryShapesAreNeverCutDown) {
  EXPECT_FALSE(Oversized({0, 0, 28, 28}, kBox));      // a marker
  EXPECT_FALSE(Oversized({0, 0, 1024, 1024}, kBox));  // 4 x 256
  EXPECT_FALSE(Oversized({0, 0, 3840, 2160}, {0, 0, 3840, 2160}));
  EXPECT_TRUE(Oversized({0, 0, 1025, 10}, kBox));
  EXPECT_TRUE(Oversized({INT_MIN, 0, INT_MAX, 1}, {0, 0, 3840, 2160}));
  // A box without bounds (a metafile's) cuts nothing down.
  EXPECT_FALSE(Oversized({INT_MIN, 0, INT_MAX, 1}, {INT_MIN, INT_MIN, INT_MAX, INT_MAX}));
}

TEST(VisiblePart, SegmentsAreCutToTheBoxAndItsMargin) {
  // Level and upright lines keep their pixels inside the box.
  auto level = ClipSegment({-2000000000, 10}, {2000000000, 10}, kBox, 2);
  ASSERT_TRUE(level);
  EXPECT_EQ((Point{-2, 10}), level->first);
  EXPECT_EQ((Point{65, 10}), level->second);
  auto upright = ClipSegment({30, 2000000000}, {30, -2000000000}, kBox, 2);
  ASSERT_TRUE(upright);
  EXPECT_EQ((Point{30, 65}), upright->first);
  EXPECT_EQ((Point{30, -2}), upright->second);
  // A segment that ends inside keeps its end; one that misses is gone.
  auto ending = ClipSegment({-1000000, 5}, {20, 5}, kBox, 2);
  ASSERT_TRUE(ending);
  EXPECT_EQ((Point{20, 5}), ending->second);
  EXPECT_FALSE(ClipSegment({-1000000, 100}, {1000000, 100}, kBox, 2));
  // The diagonal y = x through the box.
  auto diagonal = ClipSegment({-1000000, -1000000}, {1000000, 1000000}, kBox, 2);
  ASSERT_TRUE(diagonal);
  EXPECT_EQ((Point{-2, -2}), diagonal->first);
  EXPECT_EQ((Point{65, 65}), diagonal->second);
}

// Every pixel of the box is classified by the definition of the shape:
// outline where its centre lies between the ellipses half a pen outside and
// half a pen inside the edge, inside where it lies within the inner one.
TEST(VisiblePart, EllipseRowsCoverExactlyTheShapesPixels) {
  const struct {
    const char* name;
    Rect bounds;
    int pen;
    bool crossesTheEdge;
  } cases[] = {
      {"a huge circle's edge crossing the box", {-3000000, 20, 3000000, 6000020}, 3, true},
      {"a huge ellipse's side crossing the box", {30, -4000000, 9000030, 4000000}, 1, true},
      {"inside a huge circle", {-3000000, -3000000, 3000000, 3000000}, 3, false},
      {"the empty corner of a huge circle's square", {0, 0, 6000000, 6000000}, 3, false},
  };
  for (const auto& c : cases) {
    const SEllipseRuns runs = EllipseRunsInBox(c.bounds, c.pen, kBox);
    const double cx = (static_cast<double>(c.bounds.left) + c.bounds.right) / 2;
    const double cy = (static_cast<double>(c.bounds.top) + c.bounds.bottom) / 2;
    const double a = (static_cast<double>(c.bounds.right) - c.bounds.left) / 2;
    const double b = (static_cast<double>(c.bounds.bottom) - c.bounds.top) / 2;
    const auto within = [&](double x, double y, double grow) {
      const double u = (x - cx) / (a + grow), v = (y - cy) / (b + grow);
      return u * u + v * v < 1;
    };
    const auto covers = [](const std::vector<Rect>& rects, int x, int y) {
      int count = 0;
      for (const Rect& r : rects) count += r.Contains({x, y});
      return count;
    };
    int wrong = 0, pen = 0, inside = 0;
    for (int y = kBox.top; y < kBox.bottom; ++y) {
      for (int x = kBox.left; x < kBox.right; ++x) {
        const bool isInside = within(x + 0.5, y + 0.5, -c.pen / 2.0);
        const bool isPen = !isInside && within(x + 0.5, y + 0.5, c.pen / 2.0);
        wrong += covers(runs.brush, x, y) != (isInside ? 1 : 0);
        wrong += covers(runs.pen, x, y) != (isPen ? 1 : 0);
        pen += isPen;
        inside += isInside;
      }
    }
    EXPECT_EQ(0, wrong) << c.name << " (" << pen << " outline, " << inside << " inside)";
    EXPECT_EQ(c.crossesTheEdge, pen > 0 && inside > 0) << c.name;
    EXPECT_LE(runs.brush.size() + runs.pen.size(), 3u * kBox.Height()) << c.name;
  }
  // Inside the circle the whole box is one run of the brush.
  const SEllipseRuns inside = EllipseRunsInBox({-3000000, -3000000, 3000000, 3000000}, 3, kBox);
  ASSERT_EQ(1u, inside.brush.size());
  EXPECT_EQ(kBox, inside.brush[0]);
  EXPECT_TRUE(inside.pen.empty());
}

}  // namespace
}  // namespace scalewright::gfx
