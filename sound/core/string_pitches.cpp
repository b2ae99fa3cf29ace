#include "sound/core/string_pitches.h"

#include <algorithm>
#include <cmath>

namespace scalewright::sound {

namespace {

constexpr int kBassLowest = 23;    // B0
constexpr int kGuitarLowest = 35;  // B1

}  // namespace

std::vector<int> StringNotes(const std::vector<int>& pitchClasses) {
  return StringNotes(pitchClasses, {});
}

std::vector<int> StringNotes(const std::vector<int>& pitchClasses,
                             const std::vector<int>& octaves) {
  std::vector<int> notes(pitchClasses.size(), kNoString);
  int strings = 0;
  for (int pitch : pitchClasses) strings += pitch >= 0 ? 1 : 0;
  const int lowest = strings <= 5 ? kBassLowest : kGuitarLowest;
  int below = kNoString;
  for (std::size_t i = pitchClasses.size(); i-- > 0;) {
    const int pitch = pitchClasses[i] % 12;
    if (pitchClasses[i] < 0) continue;
    const int octave = i < octaves.size() ? octaves[i] : -1;
    if (octave >= 0) {
      below = (octave + 1) * 12 + pitch;  // C4 is MIDI 60
    } else if (below == kNoString) {
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

std::optional<std::vector<int>> ParseOctaves(std::string_view text) {
  std::vector<int> octaves;
  std::size_t at = 0;
  while (at < text.size()) {
    if (text[at] == ' ') {
      ++at;
      continue;
    }
    const std::size_t end = std::min(text.find(' ', at), text.size());
    const std::string_view token = text.substr(at, end - at);
    if (token == "-") {
      octaves.push_back(-1);
    } else if (token.size() == 1 && token[0] >= '0' && token[0] <= '9') {
      octaves.push_back(token[0] - '0');
    } else {
      return std::nullopt;
    }
    at = end;
  }
  return octaves;
}

double FrequencyOf(double note) { return 440.0 * std::pow(2.0, (note - 69.0) / 12.0); }

}  // namespace scalewright::sound
