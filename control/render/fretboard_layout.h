// Geometry of one drawing pass: the cell size, the board centred in the
// bounds, and where strings, frets, cells and markers fall. Integers only,
// every division truncating toward zero.
#pragma once

#include "framework/gfx/geometry.h"

namespace scalewright {

// Frets the drawing visits. Stored frets are not validated, so they are
// brought into 0..36 first; a range given upside down stays upside down
// (last one below first, or further below), which decides the fret lines.
struct SFretRange {
  int first = 0;
  int last = 17;
};
SFretRange VisibleFretRange(int firstFret, int lastFret);

class CFretboardLayout {
 public:
  // A left-handed board is the right-handed one mirrored about the board's
  // vertical centre line: the geometry below stays right-handed, and
  // Placed() and LineColumn() put its rectangles and lines where they are
  // drawn.
  CFretboardLayout(const gfx::Rect& bounds, SFretRange frets, int strings, bool sideDots,
                   bool leftHanded = false);

  int Cell() const { return m_cell; }
  const gfx::Rect& Board() const { return m_board; }
  int Strings() const { return m_strings; }
  const SFretRange& Frets() const { return m_frets; }

  // Line of string i (0 = first tuning token); i = Strings() is the
  // side-dot row.
  int StringY(int i) const;
  // Left edge of the column of fret f, which is also the line at f.
  int FretX(int f) const;
  // The square of side 2 x (cell / 2) on the fret line, centred on row i.
  gfx::Rect CellRect(int f, int i) const;
  // The cell moved inward by q - 1, q being a tenth of the cell's width.
  gfx::Rect MarkerRect(int f, int i) const;
  bool LeftHanded() const { return m_leftHanded; }
  // Where a rectangle of the right-handed board is drawn.
  gfx::Rect Placed(const gfx::Rect& r) const;
  // Where a one-unit vertical line at column x is drawn.
  int LineColumn(int x) const;
  // Where a text whose box starts at x and is |width| wide starts.
  int TextX(int x, int width) const;
  // Width of a marker's outline.
  int PenWidth(bool thick) const { return m_cell * (thick ? 2 : 1) / 20; }
  // Character-cell height of the label font.
  int FontHeight() const { return 2 * m_cell / 3; }

 private:
  SFretRange m_frets;
  int m_strings;
  bool m_leftHanded;
  int m_cell = 0;
  gfx::Rect m_board;
};

}  // namespace scalewright
