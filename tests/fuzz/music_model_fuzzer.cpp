// Fuzzes the fretboard's readers of typed text: tunings and note tokens,
// degree lists ("Show steps", "Highlight"), interval digits, and the label
// and caption texts built from the numbers they yield. The first bytes pick
// numbers; the rest is split at 0xFF bytes into a tuning, a degree list and
// the intervals. Each result is checked against a plain restatement of the
// rule it follows.
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "control/model/music_model.h"
#include "control/model/note_spelling.h"
#include "tests/fuzz/fuzz_check.h"

namespace scalewright {
namespace {

class CBytes {
 public:
  CBytes(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}
  int Int() {
    std::uint32_t value = 0;
    for (int i = 0; i < 4; ++i) value = (value << 8) | (m_at < m_size ? m_data[m_at++] : 0);
    return static_cast<int>(value);
  }
  // Text up to the next 0xFF byte (or the end).
  std::string Text() {
    std::string text;
    while (m_at < m_size && m_data[m_at] != 0xFF) text += static_cast<char>(m_data[m_at++]);
    if (m_at < m_size) ++m_at;
    return text;
  }

 private:
  const std::uint8_t* m_data;
  std::size_t m_size;
  std::size_t m_at = 0;
};

// A small number as often as a wild one: the rules have edges near 0..40.
int Pick(int raw) { return raw & 0x100 ? raw % 41 : raw; }

std::string CText(const std::string& text) { return text.substr(0, text.find('\0')); }

// Whether |n| is an item of a comma list, restated: items split at ',',
// non-digits dropped, items without digits passed over, values too large
// for an int never equal.
bool ListHolds(std::string_view list, int n) {
  std::size_t start = 0;
  while (start <= list.size()) {
    std::size_t end = list.find(',', start);
    if (end == std::string_view::npos) end = list.size();
    std::string digits;
    for (char c : list.substr(start, end - start))
      if (c >= '0' && c <= '9') digits += c;
    const std::size_t firstNonZero = digits.find_first_not_of('0');
    if (!digits.empty()) {
      const std::string value =
          firstNonZero == std::string::npos ? "0" : digits.substr(firstNonZero);
      if (value.size() <= 10 && std::stoll(value) == n) return true;
    }
    start = end + 1;
  }
  return false;
}

void CheckTuning(const std::string& text) {
  const std::string c = CText(text);
  const std::vector<int> pitches = ParseTuning(c.c_str());
  std::vector<std::string> tokens;
  std::size_t start = 0;
  while (start < c.size()) {
    std::size_t end = c.find(' ', start);
    if (end == std::string::npos) end = c.size();
    if (end > start) tokens.push_back(c.substr(start, end - start));
    start = end + 1;
  }
  FUZZ_CHECK(pitches.size() == tokens.size());
  for (std::size_t i = 0; i < tokens.size(); ++i) {
    FUZZ_CHECK(pitches[i] == ParseNoteName(tokens[i]));
    FUZZ_CHECK(pitches[i] == ParseNoteName(tokens[i].c_str()));
  }
}

void CheckNoteName(const std::string& token) {
  const int pitch = ParseNoteName(std::string_view(token));
  FUZZ_CHECK(pitch >= kNoPitch && pitch < kPitchClasses);
  // Only the first two characters count.
  FUZZ_CHECK(pitch == ParseNoteName(std::string_view(token).substr(0, 2)));
  if (pitch == kNoPitch) return;
  // A note name reads back as the pitch it names.
  FUZZ_CHECK(ParseNoteName(NoteName(pitch)) == pitch);
  const char letter = token[0] >= 'A' && token[0] <= 'Z' ? char(token[0] + 32) : token[0];
  FUZZ_CHECK(std::string_view("cdefgab").find(letter) != std::string_view::npos);
}

void CheckDegreeList(const std::string& list, int n) {
  const std::string c = CText(list);
  FUZZ_CHECK(IsNumberInList(std::string_view(c), n) == ListHolds(c, n));
  FUZZ_CHECK(IsNumberInList(c.c_str(), n) == ListHolds(c, n));
  // The view form stops at a NUL as the C form does.
  FUZZ_CHECK(IsNumberInList(std::string_view(list), n) == ListHolds(c, n));
  FUZZ_CHECK(IsHighlightedDegree(c.c_str(), n) == ListHolds(c, n));
  FUZZ_CHECK(!IsNumberInList(static_cast<const char*>(nullptr), n));
  const bool highlighted = IsMarkerHighlighted(n, c.c_str());
  if (n < 0 || n == std::numeric_limits<int>::max())
    FUZZ_CHECK(!highlighted);
  else
    FUZZ_CHECK(highlighted == ListHolds(c, n + 1));
}

void CheckSteps(int tonic, const std::string& intervals, const std::string& showSteps) {
  const std::string steps = CText(showSteps);
  const NoteFlags flags = StepsToNotes(tonic, intervals, steps.c_str());
  const NoteFlags all = StepsToNotes(tonic, intervals, nullptr);
  FUZZ_CHECK(all == StepsToNotes(tonic, intervals, ""));
  for (int pitch = 0; pitch < kPitchClasses; ++pitch) {
    const int degree = DegreeIndexInIntervals(pitch, tonic, intervals);
    FUZZ_CHECK(degree >= kNoPitch && degree < static_cast<int>(intervals.size()));
    // Every pitch of the walk, and only those, with an empty list.
    FUZZ_CHECK(all[pitch] == (degree != kNoPitch));
    if (flags[pitch]) FUZZ_CHECK(all[pitch]);
    // The lowest degree of a pitch is one the list can select.
    if (degree != kNoPitch && !steps.empty() && ListHolds(steps, degree + 1))
      FUZZ_CHECK(flags[pitch]);
  }
  if (tonic < 0 || tonic >= kPitchClasses) FUZZ_CHECK(all == NoteFlags{});
}

void CheckTexts(int kind, int pitch, int tonic, int degreeIndex, int fret,
                const std::string& mode) {
  const std::string label = MarkerLabel(kind, pitch, tonic, degreeIndex);
  FUZZ_CHECK(label.size() <= 11);
  if (kind == kLabelNoteLetters && pitch >= 0 && pitch < kPitchClasses)
    FUZZ_CHECK(ParseNoteName(label) == pitch);
  if (kind == kLabelModeIndex)
    FUZZ_CHECK(label == std::to_string(degreeIndex < 0 ? 0 : std::int64_t{degreeIndex} + 1));
  const std::string name = CText(mode);
  const std::string caption = CaptionText(tonic, name.c_str());
  FUZZ_CHECK(caption == std::string(NoteName(tonic)) + " " + name);
  FUZZ_CHECK(CaptionText(tonic, nullptr) == std::string(NoteName(tonic)) + " ");
  const int at = PitchAt(fret, pitch);
  FUZZ_CHECK(at >= kNoPitch && at < kPitchClasses);
  if (pitch >= 0 && pitch < kPitchClasses && fret >= 0)
    FUZZ_CHECK(at == (pitch + fret % kPitchClasses) % kPitchClasses);
  else
    FUZZ_CHECK(at == kNoPitch);
  const SideDot dot = SideDotAt(fret);
  if (fret < 0 || fret > kMaxFret) FUZZ_CHECK(dot == SideDot::kNone);
  // The pattern repeats every octave of frets above the nut.
  if (fret >= 1 && fret <= kMaxFret) FUZZ_CHECK(dot == SideDotAt((fret - 1) % 12 + 1));
  FUZZ_CHECK(std::string_view(SideDotText(dot)).size() <= 1);
}

// The pitch a spelled name stands for, restated: a letter, then nothing,
// "#", "x", "b" or "bb"; -1 for anything else.
int SpelledPitch(const std::string& name) {
  static const std::string_view kLetters = "CDEFGAB";
  static const int kNatural[] = {0, 2, 4, 5, 7, 9, 11};
  if (name.empty() || kLetters.find(name[0]) == std::string_view::npos) return -1;
  const std::string accidental = name.substr(1);
  int alteration = 0;
  if (accidental == "#") {
    alteration = 1;
  } else if (accidental == "x") {
    alteration = 2;
  } else if (accidental == "b") {
    alteration = -1;
  } else if (accidental == "bb") {
    alteration = -2;
  } else if (!accidental.empty()) {
    return -1;
  }
  return (kNatural[kLetters.find(name[0])] + alteration + kPitchClasses) % kPitchClasses;
}

// Every spelling names every pitch class, each by a name that stands for
// it, whatever the tonic and the digits; sharps are the model's own names.
void CheckSpelling(int spelling, int tonic, const std::string& intervals) {
  const NoteNames names = SpelledNoteNames(spelling, tonic, intervals);
  for (int pitch = 0; pitch < kPitchClasses; ++pitch) {
    if (spelling == kSpellFlats || spelling == kSpellAsKey) {
      FUZZ_CHECK(SpelledPitch(names[pitch]) == pitch);
    } else {
      FUZZ_CHECK(names[pitch] == NoteName(pitch));
    }
  }
}

}  // namespace
}  // namespace scalewright

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace scalewright;
  CBytes bytes(data, size);
  const int kind = Pick(bytes.Int()), pitch = Pick(bytes.Int()), tonic = Pick(bytes.Int());
  const int degree = Pick(bytes.Int()), fret = Pick(bytes.Int()), n = Pick(bytes.Int());
  const std::string tuning = bytes.Text(), list = bytes.Text(), intervals = bytes.Text();
  CheckTuning(tuning);
  CheckNoteName(tuning);
  CheckNoteName(list);
  CheckDegreeList(list, n);
  CheckDegreeList(list, degree);
  CheckSteps(tonic, intervals, list);
  CheckSteps(pitch, tuning, intervals);
  CheckTexts(kind, pitch, tonic, degree, fret, intervals);
  CheckSpelling(kind % 4, tonic, intervals);
  CheckSpelling(kSpellAsKey, tonic, intervals);
  return 0;
}
