#include "control/model/music_model.h"

#include <cstdint>
#include <limits>

namespace scalewright {
namespace {

constexpr std::array<const char*, kPitchClasses> kNoteNames = {"c",  "c#", "d",  "d#", "e",  "f",
                                                               "f#", "g",  "g#", "a",  "a#", "b"};

// Step labels by semitones above the tonic; the flat follows the digit.
constexpr std::array<const char*, kPitchClasses> kDegreeLabels = {
    "1", "2b", "2", "3b", "3", "4", "5b", "5", "6b", "6", "7b", "7"};

struct SLetter {
  char letter;
  int pitch;
};
constexpr std::array<SLetter, 7> kLetters = {
    {{'c', 0}, {'d', 2}, {'e', 4}, {'f', 5}, {'g', 7}, {'a', 9}, {'b', 11}}};

constexpr std::array<SideDot, kMaxFret + 1> kSideDots = [] {
  std::array<SideDot, kMaxFret + 1> dots{};
  for (int fret : {3, 5, 7, 9, 15, 17, 19, 21, 27, 29, 31, 33}) dots[fret] = SideDot::kSingle;
  for (int fret : {12, 24, 36}) dots[fret] = SideDot::kDouble;
  return dots;
}();

// ASCII only: the letter table holds nothing else, and the C library's
// tolower is undefined for negative chars.
char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? c - 'A' + 'a' : c; }

// Next pitch of a mode walk: up by one interval, wrapping once past B.
int StepUp(int pitch, char digit) {
  const int next = pitch + (digit - '0');
  return next > kPitchClasses - 1 ? next - kPitchClasses : next;
}

}  // namespace

const char* NoteName(int pitch) { return IsPitchClass(pitch) ? kNoteNames[pitch] : "None"; }

std::string CapitalNoteName(int pitch) {
  std::string name = NoteName(pitch);
  if (IsPitchClass(pitch)) name[0] = static_cast<char>(name[0] - 'a' + 'A');
  return name;
}

int ParseNoteName(const char* token) {
  return token ? ParseNoteName(std::string_view(token)) : kNoPitch;
}

int ParseNoteName(std::string_view token) {
  if (token.empty()) return kNoPitch;
  const char first = LowerAscii(token[0]);
  for (const SLetter& entry : kLetters) {
    if (entry.letter != first) continue;
    int pitch = entry.pitch;
    if (token.size() > 1) {
      // Only a lower-case 'b' flattens: "EB" is E, "Eb" is D#.
      if (token[1] == '#')
        ++pitch;
      else if (token[1] == 'b')
        --pitch;
    }
    if (pitch < 0) pitch += kPitchClasses;
    if (pitch > kPitchClasses - 1) pitch -= kPitchClasses;
    return pitch;
  }
  return kNoPitch;
}

std::vector<int> ParseTuning(const char* text) {
  std::vector<int> pitches;
  if (!text) return pitches;
  const char* tokenStart = text;
  for (const char* p = text;; ++p) {
    if (*p != ' ' && *p != '\0') continue;
    if (p != tokenStart)
      pitches.push_back(
          ParseNoteName(std::string_view(tokenStart, static_cast<std::size_t>(p - tokenStart))));
    if (*p == '\0') break;
    tokenStart = p + 1;
  }
  return pitches;
}

int PitchAt(int fret, int stringPitch) {
  if (!IsPitchClass(stringPitch) || fret < 0) return kNoPitch;
  int r = stringPitch + fret % kPitchClasses;
  if (r > kPitchClasses - 1) r = (r - kPitchClasses) % kPitchClasses;
  return r;
}

int DegreeIndexInIntervals(int pitch, int tonic, std::string_view intervals) {
  if (!IsPitchClass(pitch) || !IsPitchClass(tonic)) return kNoPitch;
  int note = tonic;
  int index = 0;
  for (char c : intervals) {
    if (!IsAsciiDigit(c)) continue;
    // The lower degree wins where an interval of 0 repeats a pitch; the step
    // that closes the octave is not a degree of its own.
    if (note == pitch) return index;
    note = StepUp(note, c);
    ++index;
  }
  return kNoPitch;
}

bool IsNumberInList(const char* list, int n) {
  return list && IsNumberInList(std::string_view(list), n);
}

bool IsNumberInList(std::string_view list, int n) {
  // Items are accumulated as numbers that saturate just past the int range,
  // so an item too long for any int matches nothing instead of overflowing.
  constexpr std::int64_t kTooBig = static_cast<std::int64_t>(std::numeric_limits<int>::max()) + 1;
  std::int64_t value = 0;
  bool hasDigits = false;
  for (std::size_t i = 0; i <= list.size(); ++i) {
    const bool atEnd = i == list.size() || list[i] == '\0';
    if (!atEnd && list[i] != ',') {
      if (IsAsciiDigit(list[i])) {
        value = value * 10 + (list[i] - '0');
        if (value > kTooBig) value = kTooBig;
        hasDigits = true;
      }
      continue;
    }
    if (hasDigits && value == n) return true;
    if (atEnd) break;
    value = 0;
    hasDigits = false;
  }
  return false;
}

bool IsHighlightedDegree(const char* highlightList, int degree) {
  return highlightList && *highlightList != '\0' && IsNumberInList(highlightList, degree);
}

bool IsMarkerHighlighted(int degreeIndex, const char* highlightList) {
  if (degreeIndex < 0 || degreeIndex == std::numeric_limits<int>::max()) return false;
  return IsHighlightedDegree(highlightList, degreeIndex + 1);
}

NoteFlags StepsToNotes(int tonic, std::string_view intervals, const char* showSteps) {
  NoteFlags flags{};
  if (!IsPitchClass(tonic)) return flags;
  const bool everyDegree = !showSteps || *showSteps == '\0';
  int note = tonic;
  int degree = 0;
  for (char c : intervals) {
    if (!IsAsciiDigit(c)) continue;
    ++degree;
    if (everyDegree || IsNumberInList(showSteps, degree)) flags[note] = true;
    note = StepUp(note, c);
  }
  return flags;
}

std::string MarkerLabel(int kind, int pitch, int tonic, int degreeIndex) {
  switch (kind) {
    case kLabelNoteLetters:
      return IsPitchClass(pitch) ? NoteName(pitch) : "";
    case kLabelStepNumber: {
      if (!IsPitchClass(pitch) || !IsPitchClass(tonic)) return "";
      int offset = pitch - tonic;
      if (offset < 0) offset += kPitchClasses;
      return kDegreeLabels[offset];
    }
    case kLabelModeIndex:
      // Every negative index means "not in the mode", which reads "0".
      return std::to_string(degreeIndex < 0 ? 0 : std::int64_t{degreeIndex} + 1);
    default:
      return "";
  }
}

bool MarkerHasDisc(int kind, bool highlighted) {
  return kind == kLabelFill || (kind == kLabelFillHighlighted && highlighted);
}

std::string CaptionText(int tonic, const char* modeName) {
  std::string caption = NoteName(tonic);
  caption += ' ';
  if (modeName) caption += modeName;
  return caption;
}

SideDot SideDotAt(int fret) {
  if (fret < 0 || fret > kMaxFret) return SideDot::kNone;
  return kSideDots[static_cast<std::size_t>(fret)];
}

const char* SideDotText(SideDot dot) {
  switch (dot) {
    case SideDot::kSingle:
      return ".";
    case SideDot::kDouble:
      return ":";
    default:
      return "";
  }
}

Color MarkerFillColor(int /*pitch*/) { return kWhite; }

}  // namespace scalewright
