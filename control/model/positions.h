// Positions: one region of the neck where a scale is played, the rest of
// the board dimmed. Three systems:
//  - three notes per string: for a mode of seven notes on any tuning, seven
//    positions, the k-th starting on the mode's k-th degree on the lowest
//    string and going up the scale three notes a string;
//  - pentatonic boxes: for a mode of five notes on standard tuning, five
//    boxes of two notes a string, the k-th starting on the k-th degree;
//  - CAGED: for a mode of the major scale on standard tuning, the five
//    shapes of its parent major scale. Each is a box of the major
//    pentatonic with the fourth and the seventh added inside it: on the
//    string of the box notes they lie between, or, between two strings, on
//    the one where it lies nearer the middle of the box's frets (the lower
//    string when both are as near).
// A position starts at a fret 0 to 11 on the lowest string, so positions
// follow the tonic up the neck and wrap at the twelfth fret; CAGED's five
// are in the order they lie along the neck.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace scalewright {

enum PositionSystem {
  kNoPositions = 0,
  kCagedShapes = 1,
  kThreeNotesPerString = 2,
  kPentatonicBoxes = 3
};

struct SFretCell {
  int string = 0;  // 0 = the tuning's first token, the top line
  int fret = 0;
  bool operator==(const SFretCell&) const = default;
};

struct SPosition {
  std::string name;              // "Position 3", "Box 2", "E shape"
  std::vector<SFretCell> cells;  // lowest string first, up each string
  int firstFret = 0;             // the window that holds the cells
  int lastFret = 0;
};

struct SPositionSet {
  std::vector<SPosition> positions;
  // Why there are none: "CAGED needs standard tuning", ...
  std::string unavailable;
};

// The positions of |system| for the mode |intervals| (a modes-file digit
// string) on |tonic| over strings of pitch classes |strings| (top line
// first, -1 for a string without a note).
SPositionSet PositionsOf(int system, int tonic, std::string_view intervals,
                         const std::vector<int>& strings);

}  // namespace scalewright
