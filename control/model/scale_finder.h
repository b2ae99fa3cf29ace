// "Which scale is this?": the modes of the modes file on every tonic, and
// the chords the chord names know on every root, that hold all the notes a
// player marked, best fits first: fewest notes beyond the marked ones, then
// those whose tonic or root is the first note marked, then the rest of the
// marked notes, then the modes file's order and the notes upwards from the
// first marked.
#pragma once

#include <string>
#include <vector>

namespace scalewright {

class CModeList;

struct SFoundScale {
  int tonic = 0;
  std::string mode;
  int extra = 0;  // its notes beyond the marked ones
};

struct SFoundChord {
  int root = 0;
  std::string name;  // "Cmaj7", the root in sharps
  int extra = 0;
};

// |marked| are pitch classes (0 C to 11 B) in the order the player marked
// them; none gives none.
std::vector<SFoundScale> ScalesHolding(const std::vector<int>& marked, const CModeList& modes);
std::vector<SFoundChord> ChordsHolding(const std::vector<int>& marked);

}  // namespace scalewright
