// A plucked string of our own: Karplus-Strong synthesis, a delay line fed
// with a burst of noise and averaged around its loop, tuned to any pitch by
// a first-order allpass filter for the fraction of a sample that the line's
// whole samples miss. Each note decays by itself, the high harmonics first
// and low notes slower than high ones, as a string does.
#pragma once

#include <cstdint>
#include <vector>

namespace scalewright::sound {

inline constexpr int kSampleRate = 44100;

struct SNote {
  double frequency = 440.0;  // Hz
  int start = 0;             // sample at which it is plucked
  int length = kSampleRate;  // samples it sounds for
};

// The notes mixed into 16-bit mono samples at 44.1 kHz; the result is as
// long as the last note's end. Notes may overlap: a string rings on while
// the next one is plucked. The same notes always give the same samples.
std::vector<std::int16_t> RenderNotes(const std::vector<SNote>& notes);

}  // namespace scalewright::sound
