#include "control/model/music_model.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <utility>
#include <vector>

namespace scalewright {
namespace {

constexpr const char* kIonian = "2212221";
constexpr const char* kAeolian = "2122122";

std::string Lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

// Just enough of the mode list for the name lookup: first match, any case.
struct FakeModeList {
  std::vector<std::pair<std::string, std::string>> modes;
  int Find(const char* name) const {
    for (std::size_t i = 0; name && i < modes.size(); ++i)
      if (Lower(modes[i].first) == Lower(name)) return static_cast<int>(i);
    return -1;
  }
  const std::string& GetIntervals(int i) const { return modes.at(i).second; }
};

TEST(NoteTest, NamesEveryPitchAndNoneOutside) {
  const std::vector<std::pair<int, std::string>> cases = {
      {0, "c"}, {1, "c#"}, {6, "f#"}, {11, "b"}, {-1, "None"}, {12, "None"}, {-2, "None"}};
  for (const auto& [pitch, name] : cases) EXPECT_EQ(NoteName(pitch), name) << pitch;
}

TEST(NoteTest, ParsesLetterAndSecondCharacterOnly) {
  const std::vector<std::pair<const char*, int>> cases = {
      {"eb", 3}, {"EB", 4},  {"Db", 1},  {"cb", 11}, {"b#", 0}, {"x", -1},    {"E#", 5},
      {"Fb", 4}, {"D##", 3}, {"Ebb", 3}, {"A7", 9},  {"", -1},  {"\xE9", -1}, {nullptr, -1}};
  for (const auto& [token, pitch] : cases)
    EXPECT_EQ(ParseNoteName(token), pitch) << (token ? token : "(null)");
}

TEST(TuningTest, EverySpaceSeparatedTokenMakesAString) {
  const std::vector<std::pair<const char*, std::vector<int>>> cases = {
      {"E B G D A E", {4, 11, 7, 2, 9, 4}},
      {"  E   B  ", {4, 11}},
      {"E H A", {4, -1, 9}},
      {"   ", {}},
      {"", {}},
      {nullptr, {}},
      {"E\tB", {4}} /* a tab is a token character */};
  for (const auto& [text, pitches] : cases)
    EXPECT_EQ(ParseTuning(text), pitches) << (text ? text : "(null)");
}

TEST(TuningTest, PitchAtFretWrapsWithinTheOctave) {
  struct Case {
    int fret, stringPitch, pitch;
  };
  const Case cases[] = {{13, 4, 5},  {1, 11, 0},  {36, 9, 9},  {12, 4, 4},
                        {40, 11, 3}, {5, -1, -1}, {3, 12, -1}, {-1, 4, -1}};
  for (const Case& c : cases)
    EXPECT_EQ(PitchAt(c.fret, c.stringPitch), c.pitch) << c.fret << "/" << c.stringPitch;
}

TEST(DegreeTest, WalksTheIntervalsFromTheTonic) {
  struct Case {
    int pitch, tonic;
    const char* intervals;
    int index;
  };
  const Case cases[] = {{0, 0, kIonian, 0},   {2, 0, kIonian, 1},   {4, 0, kIonian, 2},
                        {5, 0, kIonian, 3},   {7, 0, kIonian, 4},   {9, 0, kIonian, 5},
                        {11, 0, kIonian, 6},  {1, 0, kIonian, -1},  {9, 9, kAeolian, 0},
                        {11, 9, kAeolian, 1}, {0, 9, kAeolian, 2},  {2, 9, kAeolian, 3},
                        {4, 9, kAeolian, 4},  {5, 9, kAeolian, 5},  {7, 9, kAeolian, 6},
                        {4, 0, "408", 1},    // a zero interval: the lower degree wins
                        {4, 0, "4", -1},     // the octave-closing step is no degree
                        {2, 0, "2 2-1", 1},  // non-digits are not intervals
                        {0, 0, "", -1},       {-1, 0, kIonian, -1}, {0, -1, kIonian, -1},
                        {0, 12, kIonian, -1}};
  for (const Case& c : cases)
    EXPECT_EQ(DegreeIndexInIntervals(c.pitch, c.tonic, c.intervals), c.index)
        << c.pitch << " from " << c.tonic << " in " << c.intervals;
}

TEST(DegreeTest, FindsTheModeByNameIgnoringCase) {
  const FakeModeList modes{{{"Dorian", "2122212"}, {"Ionian", kIonian}, {"ionian", "1"}}};
  EXPECT_EQ(DegreeIndexInModeList(4, 0, "ionian", modes), 2);  // the first match
  EXPECT_EQ(DegreeIndexInModeList(3, 0, "DORIAN", modes), 2);
  for (int pitch = 0; pitch < kPitchClasses; ++pitch) {
    EXPECT_EQ(DegreeIndexInModeList(pitch, 0, "Lydian", modes), -1);
    EXPECT_EQ(DegreeIndexInModeList(pitch, 0, nullptr, modes), -1);
  }
}

TEST(DegreeListTest, ItemsAreDigitRunsBetweenCommas) {
  struct Case {
    const char* list;
    int n;
    bool found;
  };
  const Case cases[] = {{"1,3,5", 3, true},
                        {"1,3,5", 35, false},
                        {"13", 1, false},
                        {"1,,5", 5, true},
                        {"", 1, false},
                        {"a1b,3", 1, true},
                        {"1 3", 13, true},
                        {"007", 7, true},
                        {",", 0, false},
                        {"-1", -1, false},
                        {nullptr, 1, false},
                        {"99999999999999999999", 0, false},
                        {"99999999999999999999,2", 2, true},
                        {"2147483647", 2147483647, true},
                        {"2147483648", -2147483647 - 1, false}};
  for (const Case& c : cases)
    EXPECT_EQ(IsNumberInList(c.list, c.n), c.found) << (c.list ? c.list : "(null)") << " " << c.n;
}

TEST(DegreeListTest, HighlightsListedDegreesOfMarkersInTheMode) {
  EXPECT_TRUE(IsHighlightedDegree("1,3,5", 3));
  EXPECT_FALSE(IsHighlightedDegree("1,3,5", 2));
  EXPECT_FALSE(IsHighlightedDegree("", 1));
  EXPECT_FALSE(IsHighlightedDegree(nullptr, 1));
  const std::vector<std::pair<int, bool>> cases = {
      {0, true}, {1, false}, {2, true}, {4, true}, {-1, false}, {-5, false}, {2147483647, false}};
  for (const auto& [degreeIndex, highlighted] : cases)
    EXPECT_EQ(IsMarkerHighlighted(degreeIndex, "1,3,5"), highlighted) << degreeIndex;
}

TEST(DegreeListTest, StepsToNotesFlagsSelectedDegreesInPitchOrder) {
  struct Case {
    int tonic;
    const char* intervals;
    const char* steps;
    std::vector<int> on;
  };
  const Case cases[] = {{0, kIonian, "1,3,5", {0, 4, 7}},
                        {0, kIonian, "", {0, 2, 4, 5, 7, 9, 11}},
                        {0, kIonian, nullptr, {0, 2, 4, 5, 7, 9, 11}},
                        {9, kAeolian, "1,3", {9, 0}},
                        {7, kIonian, "7,8", {6}} /* no eighth degree */,
                        {0, "", "", {}},
                        {12, kIonian, "", {}},
                        {-1, kIonian, "1", {}}};
  for (const Case& c : cases) {
    NoteFlags expected{};
    for (int p : c.on) expected[p] = true;
    EXPECT_EQ(StepsToNotes(c.tonic, c.intervals, c.steps), expected) << c.tonic << " " << c.steps;
  }
}

TEST(MarkerTest, LabelTextByKind) {
  struct Case {
    int kind, pitch, tonic, degreeIndex;
    std::string text;
  };
  const Case cases[] = {{1, 6, 0, -1, "f#"}, {1, -1, 0, -1, ""},
                        {2, 6, 0, -1, "5b"}, {2, 10, 0, -1, "7b"},
                        {2, 2, 7, 4, "5"},   {2, 0, 2, -1, "7b"},
                        {2, 0, 0, 0, "1"},   {2, 4, -1, 0, ""},
                        {2, 4, 12, 0, ""},   {3, 4, 0, 2, "3"},
                        {3, 1, 0, -1, "0"},  {3, 0, 0, 0, "1"},
                        {3, 0, 0, -7, "0"},  {3, 0, 0, 2147483647, "2147483648"},
                        {0, 4, 0, 2, ""},    {4, 4, 0, 2, ""},
                        {5, 4, 0, 2, ""},    {6, 4, 0, 2, ""},
                        {7, 4, 0, 2, ""},    {-1, 4, 0, 2, ""}};
  for (const Case& c : cases)
    EXPECT_EQ(MarkerLabel(c.kind, c.pitch, c.tonic, c.degreeIndex), c.text)
        << "kind " << c.kind << " pitch " << c.pitch;
}

TEST(MarkerTest, DiscOnlyForFillKindsAndWhiteFill) {
  for (int kind = -1; kind <= 8; ++kind) {
    EXPECT_EQ(MarkerHasDisc(kind, false), kind == 5) << kind;
    EXPECT_EQ(MarkerHasDisc(kind, true), kind == 5 || kind == 6) << kind;
  }
  for (int pitch = -1; pitch < kPitchClasses; ++pitch)
    EXPECT_EQ(MarkerFillColor(pitch), 0x00FFFFFFu) << pitch;
}

TEST(BoardTextTest, CaptionIsNoteNameAndModeAsTyped) {
  EXPECT_EQ(CaptionText(0, "Ionian"), "c Ionian");
  EXPECT_EQ(CaptionText(-1, ""), "None ");
  EXPECT_EQ(CaptionText(3, nullptr), "d# ");
}

TEST(BoardTextTest, SideDotPatternAlongTheNeck) {
  const std::vector<int> single = {3, 5, 7, 9, 15, 17, 19, 21, 27, 29, 31, 33};
  const std::vector<int> dbl = {12, 24, 36};
  for (int fret = -2; fret <= kMaxFret + 2; ++fret) {
    SideDot expected = SideDot::kNone;
    if (std::count(single.begin(), single.end(), fret)) expected = SideDot::kSingle;
    if (std::count(dbl.begin(), dbl.end(), fret)) expected = SideDot::kDouble;
    EXPECT_EQ(SideDotAt(fret), expected) << fret;
  }
  EXPECT_STREQ(SideDotText(SideDot::kSingle), ".");
  EXPECT_STREQ(SideDotText(SideDot::kDouble), ":");
  EXPECT_STREQ(SideDotText(SideDot::kNone), "");
}

}  // namespace
}  // namespace scalewright
