// The sounding pitch of every string of a tuning and of every fret on it,
// as MIDI note numbers (60 is middle C, 69 the A of 440 Hz), in equal
// temperament.
//
// A tuning text names pitch classes only, so each string gets its octave by
// one rule: strings rise from the last token (the lowest string) to the
// first, each the nearest pitch above the string below it (a string named
// like the one below sounds an octave above it); the lowest string lies
// between B0 and A#1 (MIDI 23 to 34) on a tuning of five strings or fewer,
// a bass, and between B1 and A#2 (35 to 46) on more, a guitar. So a
// six-string guitar is E2 A2 D3 G3 B3 E4, a seven-string B1 to E4, a bass
// E1 A1 D2 G2 and a five-string bass B0 to G2.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

namespace scalewright::sound {

inline constexpr int kNoString = -1;

// The MIDI note of each string, in the order of |pitchClasses| (the tuning's
// tokens, first the top line); a string without a pitch (negative) gets
// kNoString and is skipped by the rule.
std::vector<int> StringNotes(const std::vector<int>& pitchClasses);

// The same, with the octaves a player gave: |octaves| holds one entry a
// string in the same order, the octave of scientific pitch notation (4 for
// middle C's) or -1 to leave that string to the rule (from the string
// below it, or the lowest string's range). Missing entries are -1.
std::vector<int> StringNotes(const std::vector<int>& pitchClasses, const std::vector<int>& octaves);

// Octaves as a board keeps them: a digit (0 to 9) or "-" a string, in the
// tuning's order, separated by spaces ("4 3 3 3 2 2"); nullopt when the
// text holds anything else.
std::optional<std::vector<int>> ParseOctaves(std::string_view text);

// The frequency of MIDI note |note| in equal temperament with A4 = 440 Hz.
double FrequencyOf(double note);

}  // namespace scalewright::sound
