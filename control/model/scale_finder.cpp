#include "control/model/scale_finder.h"

#include <algorithm>
#include <array>

#include "control/model/mode_list.h"
#include "control/model/music_model.h"

namespace scalewright {

namespace {

using PitchSet = std::array<bool, kPitchClasses>;

// The chords looked for: their intervals above the root and their names.
struct SChordShape {
  std::vector<int> intervals;
  const char* suffix;
};
const SChordShape kShapes[] = {
    {{0, 4, 7}, ""},          {{0, 3, 7}, "m"},        {{0, 3, 6}, "dim"},
    {{0, 4, 8}, "aug"},       {{0, 4, 7, 11}, "maj7"}, {{0, 3, 7, 10}, "m7"},
    {{0, 4, 7, 10}, "7"},     {{0, 3, 6, 10}, "m7b5"}, {{0, 3, 6, 9}, "dim7"},
    {{0, 3, 7, 11}, "mMaj7"}, {{0, 4, 8, 10}, "aug7"}, {{0, 4, 8, 11}, "augMaj7"},
};

// How well a tonic or root fits the marking: 0 the first marked note, 1
// another marked note, 2 none of them.
int RootRank(int root, const std::vector<int>& marked) {
  if (root == marked.front()) return 0;
  return std::find(marked.begin(), marked.end(), root) != marked.end() ? 1 : 2;
}

// Semitones upwards from the first marked note.
int FromFirst(int pitch, const std::vector<int>& marked) {
  return (pitch - marked.front() + kPitchClasses) % kPitchClasses;
}

// The extra notes of |notes|, or -1 when it misses a marked one.
int Extra(const PitchSet& notes, const std::vector<int>& marked) {
  for (int pitch : marked) {
    if (!notes[static_cast<std::size_t>(pitch)]) return -1;
  }
  PitchSet wanted{};
  for (int pitch : marked) wanted[static_cast<std::size_t>(pitch)] = true;
  int extra = 0;
  for (int pitch = 0; pitch < kPitchClasses; ++pitch) extra += notes[pitch] && !wanted[pitch];
  return extra;
}

}  // namespace

std::vector<SFoundScale> ScalesHolding(const std::vector<int>& marked, const CModeList& modes) {
  std::vector<SFoundScale> found;
  std::vector<int> order;  // the modes file's index of each found scale
  if (marked.empty()) return found;
  for (int mode = 0; mode < modes.GetCount(); ++mode) {
    for (int tonic = 0; tonic < kPitchClasses; ++tonic) {
      PitchSet notes{};
      int pitch = tonic;
      for (char step : modes.GetIntervals(mode)) {
        if (!IsAsciiDigit(step)) continue;
        notes[static_cast<std::size_t>(pitch)] = true;
        pitch = (pitch + (step - '0')) % kPitchClasses;
      }
      const int extra = Extra(notes, marked);
      if (extra < 0) continue;
      found.push_back({tonic, modes.GetName(mode), extra});
      order.push_back(mode);
    }
  }
  std::vector<std::size_t> index(found.size());
  for (std::size_t i = 0; i < index.size(); ++i) index[i] = i;
  std::stable_sort(index.begin(), index.end(), [&](std::size_t a, std::size_t b) {
    const auto key = [&](std::size_t i) {
      return std::array<int, 4>{found[i].extra, RootRank(found[i].tonic, marked), order[i],
                                FromFirst(found[i].tonic, marked)};
    };
    return key(a) < key(b);
  });
  std::vector<SFoundScale> sorted;
  for (std::size_t i : index) sorted.push_back(found[i]);
  return sorted;
}

std::vector<SFoundChord> ChordsHolding(const std::vector<int>& marked) {
  std::vector<SFoundChord> found;
  if (marked.empty()) return found;
  for (int step = 0; step < kPitchClasses; ++step) {
    const int root = (marked.front() + step) % kPitchClasses;
    for (const SChordShape& shape : kShapes) {
      PitchSet notes{};
      for (int interval : shape.intervals)
        notes[static_cast<std::size_t>((root + interval) % kPitchClasses)] = true;
      const int extra = Extra(notes, marked);
      if (extra >= 0) found.push_back({root, CapitalNoteName(root) + shape.suffix, extra});
    }
  }
  std::stable_sort(found.begin(), found.end(), [&](const SFoundChord& a, const SFoundChord& b) {
    return std::make_pair(a.extra, RootRank(a.root, marked)) <
           std::make_pair(b.extra, RootRank(b.root, marked));
  });
  return found;
}

}  // namespace scalewright
