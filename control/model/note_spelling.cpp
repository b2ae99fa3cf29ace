#include "control/model/note_spelling.h"

#include <cstdlib>

namespace scalewright {
namespace {

constexpr int kLetterCount = 7;
constexpr int kDiatonic = 7;
constexpr std::array<char, kLetterCount> kLetterNames = {'C', 'D', 'E', 'F', 'G', 'A', 'B'};
constexpr std::array<int, kLetterCount> kLetterPitches = {0, 2, 4, 5, 7, 9, 11};

constexpr std::array<const char*, kPitchClasses> kSharpNames = {"C",  "C#", "D",  "D#", "E",  "F",
                                                                "F#", "G",  "G#", "A",  "A#", "B"};
constexpr std::array<const char*, kPitchClasses> kFlatNames = {"C",  "Db", "D",  "Eb", "E",  "F",
                                                               "Gb", "G",  "Ab", "A",  "Bb", "B"};
// The letters of those names.
constexpr std::array<int, kPitchClasses> kSharpLetters = {0, 0, 1, 1, 2, 3, 3, 4, 4, 5, 5, 6};
constexpr std::array<int, kPitchClasses> kFlatLetters = {0, 1, 1, 2, 2, 3, 4, 4, 5, 5, 6, 6};

constexpr std::string_view kMajor = "2212221";

int CountDegrees(std::string_view intervals) {
  int count = 0;
  for (char c : intervals) count += IsAsciiDigit(c) ? 1 : 0;
  return count;
}

// The alteration that puts |letter| on |pitch|, the nearer way round:
// -6..+5 semitones.
int AlterationTo(int letter, int pitch) {
  const int up = ((pitch - kLetterPitches[letter]) % kPitchClasses + kPitchClasses) % kPitchClasses;
  return up > kPitchClasses / 2 - 1 ? up - kPitchClasses : up;
}

int AccidentalCount(const std::vector<SSpelledNote>& scale) {
  int count = 0;
  for (const SSpelledNote& note : scale) count += std::abs(note.alteration);
  return count;
}

int AlterationSum(const std::vector<SSpelledNote>& scale) {
  int sum = 0;
  for (const SSpelledNote& note : scale) sum += note.alteration;
  return sum;
}

// A seven-degree mode on |tonic| with the tonic spelled as the rule says:
// the white key's letter, or the black key's sharp or flat spelling,
// whichever needs fewer accidentals; flats on a tie.
std::vector<SSpelledNote> SpellSevenDegrees(int tonic, std::string_view intervals) {
  const SSpelledNote flat{kFlatLetters[tonic], AlterationTo(kFlatLetters[tonic], tonic)};
  std::vector<SSpelledNote> flatScale = SpellScale(flat, intervals);
  if (kSharpLetters[tonic] == kFlatLetters[tonic]) return flatScale;
  const SSpelledNote sharp{kSharpLetters[tonic], AlterationTo(kSharpLetters[tonic], tonic)};
  std::vector<SSpelledNote> sharpScale = SpellScale(sharp, intervals);
  return AccidentalCount(sharpScale) < AccidentalCount(flatScale) ? sharpScale : flatScale;
}

NoteNames PlainNames(const std::array<const char*, kPitchClasses>& table) {
  NoteNames names;
  for (int pitch = 0; pitch < kPitchClasses; ++pitch) names[pitch] = table[pitch];
  return names;
}

NoteNames NamesAsKey(int tonic, std::string_view intervals) {
  if (!IsPitchClass(tonic)) return PlainNames(kSharpNames);
  const bool diatonic = CountDegrees(intervals) == kDiatonic;
  // Other lengths lean as the major key on the tonic does.
  const std::vector<SSpelledNote> scale = SpellSevenDegrees(tonic, diatonic ? intervals : kMajor);
  NoteNames names = PlainNames(AlterationSum(scale) < 0 ? kFlatNames : kSharpNames);
  if (!diatonic) return names;
  for (int pitch = 0; pitch < kPitchClasses; ++pitch) {
    const int degree = DegreeIndexInIntervals(pitch, tonic, intervals);
    if (degree < 0) continue;
    std::string text = SpelledNoteText(scale[static_cast<std::size_t>(degree)]);
    if (!text.empty()) names[pitch] = std::move(text);
  }
  return names;
}

}  // namespace

std::string SpelledNoteText(SSpelledNote note) {
  if (note.letter < 0 || note.letter >= kLetterCount) return {};
  std::string text(1, kLetterNames[note.letter]);
  switch (note.alteration) {
    case -2:
      return text + "bb";
    case -1:
      return text + "b";
    case 0:
      return text;
    case 1:
      return text + "#";
    case 2:
      return text + "x";
    default:
      return {};
  }
}

std::vector<SSpelledNote> SpellScale(SSpelledNote tonic, std::string_view intervals) {
  std::vector<SSpelledNote> scale;
  if (tonic.letter < 0 || tonic.letter >= kLetterCount) return scale;
  int pitch = ((kLetterPitches[tonic.letter] + tonic.alteration) % kPitchClasses + kPitchClasses) %
              kPitchClasses;
  int letter = tonic.letter;
  for (char c : intervals) {
    if (!IsAsciiDigit(c)) continue;
    scale.push_back({letter, scale.empty() ? tonic.alteration : AlterationTo(letter, pitch)});
    pitch = (pitch + (c - '0')) % kPitchClasses;
    letter = (letter + 1) % kLetterCount;
  }
  return scale;
}

NoteNames SpelledNoteNames(int spelling, int tonic, std::string_view intervals) {
  switch (spelling) {
    case kSpellFlats:
      return PlainNames(kFlatNames);
    case kSpellAsKey:
      return NamesAsKey(tonic, intervals);
    default: {
      NoteNames names;
      for (int pitch = 0; pitch < kPitchClasses; ++pitch) names[pitch] = NoteName(pitch);
      return names;
    }
  }
}

}  // namespace scalewright
