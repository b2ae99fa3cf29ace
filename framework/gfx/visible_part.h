// What of a primitive can show inside the clip box. The platform rasterises
// a shape whole before it clips: an ellipse millions of pixels across (a
// board drawn into absurd bounds, a container zoomed far in) takes minutes
// to show a few pixels of it. A canvas skips what lies wholly outside the
// box and cuts an oversized primitive down to the box and a margin, so that
// no primitive costs more than a few times the visible area. Primitives of
// ordinary size inside the box are left exactly as they are.
#pragma once

#include <optional>
#include <utility>
#include <vector>

#include "framework/gfx/geometry.h"

namespace scalewright::gfx {

// Whether |bounds|, grown by |margin| on every side (a pen straddling an
// outline), misses |box| entirely.
bool OutsideBox(const Rect& bounds, int margin, const Rect& box);

// Whether |bounds| is so much larger than |box| that it is cut down:
// wider or higher than kOversize times the box (and than kOversize x
// kSmallestBox, so that a small clip never cuts ordinary shapes).
inline constexpr int kOversize = 4;
inline constexpr int kSmallestBox = 256;
bool Oversized(const Rect& bounds, const Rect& box);

// The part of the segment |from|-|to| inside |box| grown by |margin|, or
// nothing when it misses. Level and upright segments keep their exact
// pixels; others end on the nearest whole points.
std::optional<std::pair<Point, Point>> ClipSegment(Point from, Point to, const Rect& box,
                                                   int margin);

// An ellipse filling |bounds| with an outline |penWidth| wide centred on its
// edge, as rectangles that cover the part inside |box|: the outline's in
// |pen|, the inside's in |brush|. Rows that read alike are merged.
struct SEllipseRuns {
  std::vector<Rect> pen;
  std::vector<Rect> brush;
};
SEllipseRuns EllipseRunsInBox(const Rect& bounds, int penWidth, const Rect& box);

}  // namespace scalewright::gfx
