#include "control/model/positions.h"

#include <algorithm>
#include <array>
#include <cstdlib>

#include "control/model/music_model.h"

namespace scalewright {

namespace {

constexpr std::string_view kMajorSteps = "2212221";
// The major pentatonic's degrees of the major scale (1 2 3 5 6), and the
// two it lacks (4 and 7), as semitones above the tonic.
constexpr std::array<int, 5> kMajorPentatonic = {0, 2, 4, 7, 9};
constexpr std::array<int, 2> kFourthAndSeventh = {5, 11};
// CAGED's shape for a box starting on the major pentatonic's k-th note on
// the low E string.
constexpr std::array<char, 5> kShapeOfBox = {'E', 'D', 'C', 'A', 'G'};

int Wrap(int value) { return ((value % 12) + 12) % 12; }

// The strings as pitches rising from the lowest, each the nearest above
// the string below it; index 0 is the lowest (the tuning's last token).
std::vector<int> RisingStrings(const std::vector<int>& strings) {
  std::vector<int> rising;
  for (auto it = strings.rbegin(); it != strings.rend(); ++it) {
    if (rising.empty()) {
      rising.push_back(*it);
    } else {
      const int step = Wrap(*it - rising.back());
      rising.push_back(rising.back() + (step == 0 ? 12 : step));
    }
  }
  return rising;
}

bool IsStandardGuitar(const std::vector<int>& strings) {
  return strings == std::vector<int>{4, 11, 7, 2, 9, 4};  // E B G D A E
}

std::vector<int> ScaleClasses(int tonic, std::string_view intervals) {
  std::vector<int> classes;
  int pitch = tonic;
  for (char step : intervals) {
    classes.push_back(Wrap(pitch));
    pitch += step - '0';
  }
  return classes;
}

// Notes |perString| a string up the scale |classes| from its |first|-th
// note on the lowest string, as cells (rising strings' index 0 lowest).
std::vector<SFretCell> Climb(const std::vector<int>& classes, std::size_t first, int perString,
                             const std::vector<int>& rising) {
  std::vector<SFretCell> cells;
  const int count = static_cast<int>(rising.size());
  // The starting note at a fret 0 to 11 of the lowest string.
  int note = rising[0] + Wrap(classes[first] - rising[0]);
  std::size_t degree = first;
  for (int string = 0; string < count; ++string) {
    for (int n = 0; n < perString; ++n) {
      cells.push_back({count - 1 - string, note - rising[static_cast<std::size_t>(string)]});
      const std::size_t next = (degree + 1) % classes.size();
      note += Wrap(classes[next] - classes[degree]);
      degree = next;
    }
  }
  // A tuning whose strings rise unevenly can ask for a fret below the nut:
  // the whole position moves up an octave.
  const bool belowNut =
      std::any_of(cells.begin(), cells.end(), [](const SFretCell& c) { return c.fret < 0; });
  if (belowNut) {
    for (SFretCell& cell : cells) cell.fret += 12;
  }
  return cells;
}

void Frame(SPosition& position) {
  const auto [low, high] =
      std::minmax_element(position.cells.begin(), position.cells.end(),
                          [](const SFretCell& a, const SFretCell& b) { return a.fret < b.fret; });
  position.firstFret = low->fret;
  position.lastFret = high->fret;
}

// A position from each degree of |classes|, |perString| notes a string,
// named |name| and its number.
std::vector<SPosition> Climbs(const std::vector<int>& classes, int perString,
                              const std::string& name, const std::vector<int>& rising) {
  std::vector<SPosition> positions;
  for (std::size_t degree = 0; degree < classes.size(); ++degree) {
    SPosition position;
    position.name = name + std::to_string(degree + 1);
    position.cells = Climb(classes, degree, perString, rising);
    Frame(position);
    positions.push_back(std::move(position));
  }
  return positions;
}

// The pitch, on string |rising|[s], of |cell|.
int PitchOf(const SFretCell& cell, const std::vector<int>& rising) {
  const int count = static_cast<int>(rising.size());
  return rising[static_cast<std::size_t>(count - 1 - cell.string)] + cell.fret;
}

// A pentatonic box of the parent major with its fourth and seventh added.
std::vector<SFretCell> CagedShape(int parent, std::size_t box, const std::vector<int>& rising) {
  std::vector<int> pentatonic;
  for (int step : kMajorPentatonic) pentatonic.push_back(Wrap(parent + step));
  const std::vector<SFretCell> boxCells = Climb(pentatonic, box, 2, rising);
  // Twice the middle of the box's frets.
  int boxLow = boxCells.front().fret, boxTop = boxLow;
  for (const SFretCell& cell : boxCells) {
    boxLow = std::min(boxLow, cell.fret);
    boxTop = std::max(boxTop, cell.fret);
  }
  const int middle = boxLow + boxTop;
  std::vector<SFretCell> shape;
  for (std::size_t i = 0; i < boxCells.size(); ++i) {
    shape.push_back(boxCells[i]);
    if (i + 1 == boxCells.size()) break;
    const SFretCell& next = boxCells[i + 1];
    const int low = PitchOf(boxCells[i], rising), high = PitchOf(next, rising);
    for (int step : kFourthAndSeventh) {
      const int pitch = low + Wrap(parent + step - low);
      if (pitch <= low || pitch >= high) continue;
      const SFretCell& lower = boxCells[i];
      const int onLower = lower.fret + (pitch - low), onUpper = next.fret - (high - pitch);
      // Between two strings: where it lies nearer the box's middle, the
      // lower string when both are as near.
      if (lower.string == next.string ||
          std::abs(2 * onLower - middle) <= std::abs(2 * onUpper - middle)) {
        shape.push_back({lower.string, onLower});
      } else {
        shape.push_back({next.string, onUpper});
      }
    }
  }
  return shape;
}

}  // namespace

SPositionSet PositionsOf(int system, int tonic, std::string_view intervals,
                         const std::vector<int>& strings) {
  SPositionSet set;
  if (system == kNoPositions) return set;
  if (strings.empty() ||
      std::any_of(strings.begin(), strings.end(), [](int pitch) { return !IsPitchClass(pitch); })) {
    set.unavailable = "Positions need a note on every string";
    return set;
  }
  const std::vector<int> rising = RisingStrings(strings);
  const std::vector<int> classes = ScaleClasses(Wrap(tonic), intervals);
  if (system == kThreeNotesPerString) {
    if (classes.size() != 7) {
      set.unavailable = "Three notes per string needs a mode of seven notes";
      return set;
    }
    set.positions = Climbs(classes, 3, "Position ", rising);
    return set;
  }
  if (!IsStandardGuitar(strings)) {
    set.unavailable = system == kCagedShapes
                          ? "CAGED needs standard tuning (E A D G B E)"
                          : "Pentatonic boxes need standard tuning (E A D G B E)";
    return set;
  }
  if (system == kPentatonicBoxes) {
    if (classes.size() != 5) {
      set.unavailable = "Pentatonic boxes need a mode of five notes";
      return set;
    }
    set.positions = Climbs(classes, 2, "Box ", rising);
    return set;
  }
  if (system != kCagedShapes) return set;
  // Which degree of the major scale the mode starts on.
  std::size_t rotation = 0;
  const std::string doubled = std::string(kMajorSteps) + std::string(kMajorSteps);
  while (rotation < 7 && (intervals.size() != 7 || doubled.compare(rotation, 7, intervals) != 0))
    ++rotation;
  if (rotation == 7) {
    set.unavailable = "CAGED needs a mode of the major scale";
    return set;
  }
  int parent = tonic;
  for (std::size_t i = 0; i < rotation; ++i) parent -= kMajorSteps[i] - '0';
  for (std::size_t box = 0; box < 5; ++box) {
    SPosition position;
    position.name = std::string(1, kShapeOfBox[box]) + " shape";
    position.cells = CagedShape(Wrap(parent), box, rising);
    Frame(position);
    set.positions.push_back(std::move(position));
  }
  // Along the neck from the nut.
  std::stable_sort(set.positions.begin(), set.positions.end(),
                   [&](const SPosition& a, const SPosition& b) {
                     return a.cells.front().fret < b.cells.front().fret;
                   });
  return set;
}

}  // namespace scalewright
