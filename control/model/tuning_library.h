// The library of tunings the tunings dialog offers after its first five
// presets: instruments from 4 to 8 strings, drop and open tunings, grouped
// by instrument. A row names its strings from the lowest-sounding up, as
// players read a tuning; the board's tuning text puts the top line first.
// A new tuning is one more row.
#pragma once

#include <span>
#include <string>

namespace scalewright {

struct SLibraryTuning {
  const char* instrument;  // "Guitar, 6 strings", "Ukulele"...
  const char* name;        // "drop D", "re-entrant"; empty for the standard one
  const char* lowToHigh;   // "D A D G B E"
};

std::span<const SLibraryTuning> TuningLibrary();

// "Guitar, 6 strings, drop D (D A D G B E)".
std::string DisplayName(const SLibraryTuning& tuning);
// The tuning as the board's text, top line first: "E B G D A D".
std::string BoardTuningText(const SLibraryTuning& tuning);

}  // namespace scalewright
