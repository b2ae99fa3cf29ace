#include "framework/gfx/visible_part.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace scalewright::gfx {

namespace {

Rect Grown(const Rect& r, int margin) {
  const auto grow = [](int v, long long by) {
    return static_cast<int>(std::clamp<long long>(v + by, INT32_MIN, INT32_MAX));
  };
  return {grow(r.left, -margin), grow(r.top, -margin), grow(r.right, margin),
          grow(r.bottom, margin)};
}

long long Extent(int from, int to) { return static_cast<long long>(to) - from; }

// The pixels of one row whose centres lie inside an ellipse of half axes
// |a|, |b| centred at |cx|, |cy|: [left, right), or empty.
std::pair<long long, long long> RowSpan(double cx, double cy, double a, double b, int y) {
  if (a <= 0 || b <= 0) return {0, 0};
  const double dy = (y + 0.5 - cy) / b;
  if (dy <= -1 || dy >= 1) return {0, 0};
  const double half = a * std::sqrt(1 - dy * dy);
  // Pixel x is inside when its centre x + 0.5 is.
  const long long left = static_cast<long long>(std::ceil(cx - half - 0.5));
  const long long right = static_cast<long long>(std::floor(cx + half - 0.5)) + 1;
  return {left, std::max(left, right)};
}

// Adds the span [left, right) of row y to |runs|, growing the last run down
// when the row above had the same span.
void AddSpan(std::vector<Rect>& runs, long long left, long long right, int y, const Rect& box) {
  left = std::max<long long>(left, box.left);
  right = std::min<long long>(right, box.right);
  if (left >= right) return;
  const Rect row{static_cast<int>(left), y, static_cast<int>(right), y + 1};
  for (auto it = runs.rbegin(); it != runs.rend() && it->bottom >= y; ++it) {
    if (it->bottom == y && it->left == row.left && it->right == row.right) {
      it->bottom = y + 1;
      return;
    }
  }
  runs.push_back(row);
}

}  // namespace

bool OutsideBox(const Rect& bounds, int margin, const Rect& box) {
  const Rect grown = Grown(bounds.Normalized(), std::max(margin, 0));
  return grown.right <= box.left || grown.left >= box.right || grown.bottom <= box.top ||
         grown.top >= box.bottom;
}

bool Oversized(const Rect& bounds, const Rect& box) {
  const Rect r = bounds.Normalized();
  const long long width =
      std::max<long long>(Extent(box.left, box.right), kSmallestBox) * kOversize;
  const long long height =
      std::max<long long>(Extent(box.top, box.bottom), kSmallestBox) * kOversize;
  return Extent(r.left, r.right) > width || Extent(r.top, r.bottom) > height;
}

std::optional<std::pair<Point, Point>> ClipSegment(Point from, Point to, const Rect& box,
                                                   int margin) {
  const Rect area = Grown(box, margin);
  // Liang-Barsky: the part of from + t (to - from), 0 <= t <= 1, inside.
  const double x0 = from.x, y0 = from.y;
  const double dx = Extent(from.x, to.x), dy = Extent(from.y, to.y);
  double t0 = 0, t1 = 1;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {x0 - area.left, area.right - 1 - x0, y0 - area.top, area.bottom - 1 - y0};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return std::nullopt;
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0) {
      t0 = std::max(t0, t);
    } else {
      t1 = std::min(t1, t);
    }
    if (t0 > t1) return std::nullopt;
  }
  const auto at = [&](double t) {
    return Point{static_cast<int>(std::lround(x0 + t * dx)),
                 static_cast<int>(std::lround(y0 + t * dy))};
  };
  // The segment's own end stays its end: the platform leaves the last
  // pixel out, and a cut end lies outside the box anyway.
  return std::make_pair(t0 == 0 ? from : at(t0), t1 == 1 ? to : at(t1));
}

SEllipseRuns EllipseRunsInBox(const Rect& bounds, int penWidth, const Rect& box) {
  SEllipseRuns runs;
  const Rect r = bounds.Normalized();
  const double cx = (static_cast<double>(r.left) + r.right) / 2;
  const double cy = (static_cast<double>(r.top) + r.bottom) / 2;
  const double a = Extent(r.left, r.right) / 2.0, b = Extent(r.top, r.bottom) / 2.0;
  const double pen = std::max(penWidth, 1) / 2.0;
  for (int y = box.top; y < box.bottom; ++y) {
    const auto [outerLeft, outerRight] = RowSpan(cx, cy, a + pen, b + pen, y);
    if (outerLeft >= outerRight) continue;
    const auto [innerLeft, innerRight] = RowSpan(cx, cy, a - pen, b - pen, y);
    if (innerLeft >= innerRight) {
      AddSpan(runs.pen, outerLeft, outerRight, y, box);
      continue;
    }
    AddSpan(runs.pen, outerLeft, innerLeft, y, box);
    AddSpan(runs.brush, innerLeft, innerRight, y, box);
    AddSpan(runs.pen, innerRight, outerRight, y, box);
  }
  return runs;
}

}  // namespace scalewright::gfx
