#include "control/model/mode_chords.h"

#include <array>
#include <span>

#include "control/model/music_model.h"
#include "control/model/note_spelling.h"

namespace scalewright {

namespace {

constexpr int kModeDegrees = 7;

struct SQuality {
  std::array<int, 3> stack;  // semitones of the third, fifth and seventh
  const char* name;
  const char* numeral;  // after the degree's numeral
  bool upper;           // the numeral in upper case
};

// Triads first (their seventh is unused), then sevenths.
constexpr SQuality kTriads[] = {
    {{4, 7, 0}, "", "", true},         {{3, 7, 0}, "m", "", false},
    {{3, 6, 0}, "dim", "°", false},    {{4, 8, 0}, "aug", "+", true},
    {{2, 7, 0}, "sus2", "sus2", true}, {{5, 7, 0}, "sus4", "sus4", true},
};
constexpr SQuality kSevenths[] = {
    {{4, 7, 11}, "maj7", "maj7", true}, {{3, 7, 10}, "m7", "7", false},
    {{4, 7, 10}, "7", "7", true},       {{3, 6, 10}, "m7b5", "ø7", false},
    {{3, 6, 9}, "dim7", "°7", false},   {{3, 7, 11}, "mMaj7", "(maj7)", false},
    {{4, 8, 10}, "aug7", "+7", true},   {{4, 8, 11}, "augMaj7", "+maj7", true},
};

const char* const kNumerals[] = {"I", "II", "III", "IV", "V", "VI", "VII"};

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(c - 'A' + 'a');
  return text;
}

}  // namespace

std::vector<SModeChord> ModeChords(int tonic, std::string_view intervals, int size) {
  std::vector<int> steps;
  for (char c : intervals) {
    if (IsAsciiDigit(c)) steps.push_back(c - '0');
  }
  if (steps.size() != kModeDegrees || (size != 3 && size != 4) || !IsPitchClass(tonic)) return {};
  // The degrees' pitch classes, and their letters as the key spells them.
  std::array<int, kModeDegrees> pitch{};
  for (int d = 1; d < kModeDegrees; ++d) pitch[d] = (pitch[d - 1] + steps[d - 1]) % kPitchClasses;
  for (int& p : pitch) p = (p + tonic) % kPitchClasses;
  const NoteNames names = SpelledNoteNames(kSpellAsKey, tonic, intervals);

  std::vector<SModeChord> chords;
  for (int d = 0; d < kModeDegrees; ++d) {
    SModeChord chord;
    chord.degree = d + 1;
    std::array<int, 3> stack{};
    for (int t = 0; t < size; ++t) {
      const int tone = pitch[static_cast<std::size_t>((d + 2 * t) % kModeDegrees)];
      chord.tones.push_back(tone);
      if (t > 0) stack[static_cast<std::size_t>(t - 1)] = (tone - pitch[d] + 12) % 12;
    }
    const std::string root = names[static_cast<std::size_t>(pitch[d])];
    const SQuality* quality = nullptr;
    const std::span<const SQuality> qualities =
        size == 3 ? std::span<const SQuality>(kTriads) : std::span<const SQuality>(kSevenths);
    for (const SQuality& q : qualities) {
      if (q.stack[0] == stack[0] && q.stack[1] == stack[1] && (size == 3 || q.stack[2] == stack[2]))
        quality = &q;
    }
    const std::string numeral = kNumerals[d];
    if (quality) {
      chord.name = root + quality->name;
      chord.numeral = (quality->upper ? numeral : Lower(numeral)) + quality->numeral;
    } else {
      std::string tones;
      for (int t = 0; t + 1 < size; ++t)
        tones += (t ? " " : "") + std::to_string(stack[static_cast<std::size_t>(t)]);
      chord.name = root + "(" + tones + ")";
      chord.numeral = (stack[0] == 4 ? numeral : Lower(numeral)) + "(" + tones + ")";
    }
    chords.push_back(std::move(chord));
  }
  return chords;
}

}  // namespace scalewright
