// The control's cells as a screen reader is told of them: every shown cell
// with a text (texts and links, edits, combo boxes, tree items), in display
// order, with its content's kind, its place in window coordinates and
// whether it is a link. The texts are the cells' own (ANSI).
#pragma once

#include <string>
#include <vector>

#include "hybrid/interfaces/ihybrid_cell.h"
#include "hybrid/interfaces/ref_ptr.h"

namespace scalewright {

struct SCellReading {
  std::string text;
  Rect place;
  char kind = 'T';  // the content's letter in a template
  bool link = false;
  RefPtr<IHybridCell> cell;
};

// The readable cells below |root| (which itself is not read).
std::vector<SCellReading> ReadCells(IHybridCell* root);

}  // namespace scalewright
