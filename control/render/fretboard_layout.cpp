#include "control/render/fretboard_layout.h"

#include <algorithm>

#include "control/model/music_model.h"

namespace scalewright {

SFretRange VisibleFretRange(int firstFret, int lastFret) {
  SFretRange range;
  range.first = std::clamp(firstFret, 0, kMaxFret);
  // Compared in 64 bits: first - 1 overflows for the smallest int.
  const long long below = static_cast<long long>(firstFret) - lastFret;
  if (below == 1) {
    range.last = range.first - 1;
  } else if (below > 1) {
    range.last = range.first - 2;
  } else {
    range.last = std::clamp(lastFret, range.first, kMaxFret);
  }
  return range;
}

CFretboardLayout::CFretboardLayout(const gfx::Rect& bounds, SFretRange frets, int strings,
                                   bool sideDots, bool leftHanded)
    : m_frets(frets), m_strings(strings), m_leftHanded(leftHanded) {
  const int columns = std::max(1, frets.last - frets.first + 1);
  const int rows = strings + 1 + (sideDots ? 1 : 0);
  const int width = bounds.Width();
  const int height = bounds.Height();
  // Upside-down bounds draw nothing sensible at any size; they get the
  // collapsed board of bounds too small to hold one unit per cell.
  m_cell = std::max(0, std::min(width / columns, height / (rows + 1)));
  const int dx = (width - columns * m_cell) / 2;
  const int dy = (height - rows * m_cell) / 2;
  m_board = bounds.Deflate(dx, dy, dx, dy);
}

int CFretboardLayout::StringY(int i) const { return m_board.top + (i + 1) * m_cell; }

int CFretboardLayout::FretX(int f) const { return m_board.left + (f - m_frets.first) * m_cell; }

gfx::Rect CFretboardLayout::CellRect(int f, int i) const {
  const int half = m_cell / 2;
  const int left = FretX(f);
  const int top = StringY(i) - half;
  return {left, top, left + 2 * ((FretX(f + 1) - left) / 2), top + 2 * half};
}

gfx::Rect CFretboardLayout::MarkerRect(int f, int i) const {
  const int inset = CellRect(m_frets.first, 0).Width() / 10 - 1;
  return CellRect(f, i).Deflate(inset, inset, inset, inset);
}

// Edges map to left + right - x; a column, which spans x to x + 1, to
// left + right - 1 - x. The bounds are clamped by the renderer, so no sum
// overflows.
gfx::Rect CFretboardLayout::Placed(const gfx::Rect& r) const {
  if (!m_leftHanded) return r;
  const int mirror = m_board.left + m_board.right;
  return {mirror - r.right, r.top, mirror - r.left, r.bottom};
}

int CFretboardLayout::LineColumn(int x) const {
  return m_leftHanded ? m_board.left + m_board.right - 1 - x : x;
}

int CFretboardLayout::TextX(int x, int width) const {
  return m_leftHanded ? m_board.left + m_board.right - x - width : x;
}

}  // namespace scalewright
