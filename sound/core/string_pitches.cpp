#include "sound/core/string_pitches.h"

#include <cmath>

namespace scalewright::sound {

namespace {

constexpr int kBassLowest = 23;    // B0
constexpr int kGuitarLowest = 35;  // B1

}  // namespace

std::vector<int> StringNotes(const std::vector<int>& pitchClasses) {
  std::vector<int> notes(pitchClasses.size(), kNoString);
  int strings = 0;
  for (int pitch : pitchClasses) strings += pitch >= 0 ? 1 : 0;
  const int lowest = strings <= 5 ? kBassLowest : kGuitarLowest;
  int below = kNoString;
  for (std::size_t i = pitchClasses.size(); i-- > 0;) {
    const int pitch = pitchClasses[i] % 12;
    if (pitchClasses[i] < 0) continue;
    if (below == kNoString) {
      // The pitch class's note in lowest .. lowest + 11.
      below = lowest + (pitch - lowest % 12 + 12) % 12;
    } else {
      const int up = (pitch - below % 12 + 12) % 12;
      below += up == 0 ? 12 : up;
    }
    notes[i] = below;
  }
  return notes;
}

double FrequencyOf(double note) { return 440.0 * std::pow(2.0, (note - 69.0) / 12.0); }

}  // namespace scalewright::sound
