#include "control/model/tuning_library.h"

#include <sstream>
#include <vector>

namespace scalewright {

namespace {

constexpr SLibraryTuning kLibrary[] = {
    {"Guitar, 6 strings", "", "E A D G B E"},
    {"Guitar, 6 strings", "drop D", "D A D G B E"},
    {"Guitar, 6 strings", "double drop D", "D A D G B D"},
    {"Guitar, 6 strings", "drop C#", "C# G# C# F# A# D#"},
    {"Guitar, 6 strings", "drop C", "C G C F A D"},
    {"Guitar, 6 strings", "drop B", "B F# B E G# C#"},
    {"Guitar, 6 strings", "drop A", "A E A D F# B"},
    {"Guitar, 6 strings", "half step down", "Eb Ab Db Gb Bb Eb"},
    {"Guitar, 6 strings", "whole step down", "D G C F A D"},
    {"Guitar, 6 strings", "DADGAD", "D A D G A D"},
    {"Guitar, 6 strings", "open D", "D A D F# A D"},
    {"Guitar, 6 strings", "open D minor", "D A D F A D"},
    {"Guitar, 6 strings", "open G", "D G D G B D"},
    {"Guitar, 6 strings", "open G minor", "D G D G Bb D"},
    {"Guitar, 6 strings", "open E", "E B E G# B E"},
    {"Guitar, 6 strings", "open A", "E A E A C# E"},
    {"Guitar, 6 strings", "open C", "C G C G C E"},
    {"Guitar, 6 strings", "open C6", "C A C G C E"},
    {"Guitar, 6 strings", "all fourths", "E A D G C F"},
    {"Guitar, 6 strings", "new standard", "C G D A E G"},
    {"Guitar, 6 strings", "open Csus4", "C G C F C E"},
    {"Guitar, 7 strings", "", "B E A D G B E"},
    {"Guitar, 7 strings", "drop A", "A E A D G B E"},
    {"Guitar, 7 strings", "Russian", "D G B D G B D"},
    {"Guitar, 8 strings", "", "F# B E A D G B E"},
    {"Guitar, 8 strings", "drop E", "E B E A D G B E"},
    {"Bass, 4 strings", "", "E A D G"},
    {"Bass, 4 strings", "drop D", "D A D G"},
    {"Bass, 4 strings", "half step down", "Eb Ab Db Gb"},
    {"Bass, 4 strings", "BEAD", "B E A D"},
    {"Bass, 4 strings", "fifths", "C G D A"},
    {"Bass, 5 strings", "", "B E A D G"},
    {"Bass, 5 strings", "high C", "E A D G C"},
    {"Bass, 5 strings", "drop A", "A E A D G"},
    {"Bass, 6 strings", "", "B E A D G C"},
    {"Ukulele", "re-entrant", "G C E A"},
    {"Ukulele", "low G", "G C E A"},
    {"Ukulele", "D tuning", "A D F# B"},
    {"Ukulele, baritone", "", "D G B E"},
    {"Mandolin", "", "G D A E"},
    {"Mandola", "", "C G D A"},
    {"Octave mandolin", "", "G D A E"},
    {"Irish bouzouki", "", "G D A D"},
    {"Banjo, 5 strings", "open G", "G D G B D"},
    {"Banjo, 5 strings", "double C", "G C G C D"},
    {"Banjo, 5 strings", "open D", "F# D F# A D"},
    {"Banjo, 5 strings", "G modal", "G D G C D"},
    {"Banjo, tenor", "", "C G D A"},
    {"Banjo, tenor", "Irish", "G D A E"},
    {"Violin", "", "G D A E"},
    {"Viola", "", "C G D A"},
    {"Cello", "", "C G D A"},
    {"Double bass", "", "E A D G"},
    {"Charango", "", "G C E A E"},
    {"Balalaika, prima", "", "E E A"},
};

}  // namespace

std::span<const SLibraryTuning> TuningLibrary() { return kLibrary; }

std::string DisplayName(const SLibraryTuning& tuning) {
  std::string name = tuning.instrument;
  if (*tuning.name) name += std::string(", ") + tuning.name;
  return name + " (" + tuning.lowToHigh + ")";
}

std::string BoardTuningText(const SLibraryTuning& tuning) {
  std::istringstream notes(tuning.lowToHigh);
  std::vector<std::string> strings;
  for (std::string note; notes >> note;) strings.push_back(note);
  std::string text;
  for (auto it = strings.rbegin(); it != strings.rend(); ++it)
    text += (text.empty() ? "" : " ") + *it;
  return text;
}

}  // namespace scalewright
