// Note letters spelled with sharps, with flats and as the key spells them.
#include "control/model/note_spelling.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "control/model/music_model.h"

namespace scalewright {
namespace {

const std::map<std::string, std::string> kModes = {
    {"Ionian", "2212221"}, {"Dorian", "2122212"},     {"Phrygian", "1222122"},
    {"Lydian", "2221221"}, {"Mixolydian", "2212212"}, {"Aeolian", "2122122"},
    {"Locrian", "1221222"}};

std::vector<std::string> Words(const std::string& text) {
  std::istringstream in(text);
  std::vector<std::string> words;
  for (std::string word; in >> word;) words.push_back(word);
  return words;
}

struct SKeyRow {
  int tonic;
  const char* mode;
  const char* degrees;  // the mode's seven names from its tonic
};

// Written from the major key signatures of Stefan Kostka and Dorothy Payne,
// "Tonal Harmony" (chapter 1, the major scales and their key signatures, up
// to seven sharps or flats), each mode read as the major scale begun on
// one of its degrees (Dorian on the 2nd, ... Locrian on the 7th). Where a
// tonic has two spellings, the row is the key whose signature has fewer
// accidentals (C#/Db Ionian is Db: five flats against seven sharps); on a
// tie of six against six (the F#/Gb major family) the flat key.
const SKeyRow kKeyRows[] = {
    {0, "Ionian", "C D E F G A B"},          {0, "Dorian", "C D Eb F G A Bb"},
    {0, "Phrygian", "C Db Eb F G Ab Bb"},    {0, "Lydian", "C D E F# G A B"},
    {0, "Mixolydian", "C D E F G A Bb"},     {0, "Aeolian", "C D Eb F G Ab Bb"},
    {0, "Locrian", "C Db Eb F Gb Ab Bb"},    {1, "Ionian", "Db Eb F Gb Ab Bb C"},
    {1, "Dorian", "C# D# E F# G# A# B"},     {1, "Phrygian", "C# D E F# G# A B"},
    {1, "Lydian", "Db Eb F G Ab Bb C"},      {1, "Mixolydian", "Db Eb F Gb Ab Bb Cb"},
    {1, "Aeolian", "C# D# E F# G# A B"},     {1, "Locrian", "C# D E F# G A B"},
    {2, "Ionian", "D E F# G A B C#"},        {2, "Dorian", "D E F G A B C"},
    {2, "Phrygian", "D Eb F G A Bb C"},      {2, "Lydian", "D E F# G# A B C#"},
    {2, "Mixolydian", "D E F# G A B C"},     {2, "Aeolian", "D E F G A Bb C"},
    {2, "Locrian", "D Eb F G Ab Bb C"},      {3, "Ionian", "Eb F G Ab Bb C D"},
    {3, "Dorian", "Eb F Gb Ab Bb C Db"},     {3, "Phrygian", "D# E F# G# A# B C#"},
    {3, "Lydian", "Eb F G A Bb C D"},        {3, "Mixolydian", "Eb F G Ab Bb C Db"},
    {3, "Aeolian", "Eb F Gb Ab Bb Cb Db"},   {3, "Locrian", "D# E F# G# A B C#"},
    {4, "Ionian", "E F# G# A B C# D#"},      {4, "Dorian", "E F# G A B C# D"},
    {4, "Phrygian", "E F G A B C D"},        {4, "Lydian", "E F# G# A# B C# D#"},
    {4, "Mixolydian", "E F# G# A B C# D"},   {4, "Aeolian", "E F# G A B C D"},
    {4, "Locrian", "E F G A Bb C D"},        {5, "Ionian", "F G A Bb C D E"},
    {5, "Dorian", "F G Ab Bb C D Eb"},       {5, "Phrygian", "F Gb Ab Bb C Db Eb"},
    {5, "Lydian", "F G A B C D E"},          {5, "Mixolydian", "F G A Bb C D Eb"},
    {5, "Aeolian", "F G Ab Bb C Db Eb"},     {5, "Locrian", "F Gb Ab Bb Cb Db Eb"},
    {6, "Ionian", "Gb Ab Bb Cb Db Eb F"},    {6, "Dorian", "F# G# A B C# D# E"},
    {6, "Phrygian", "F# G A B C# D E"},      {6, "Lydian", "Gb Ab Bb C Db Eb F"},
    {6, "Mixolydian", "F# G# A# B C# D# E"}, {6, "Aeolian", "F# G# A B C# D E"},
    {6, "Locrian", "F# G A B C D E"},        {7, "Ionian", "G A B C D E F#"},
    {7, "Dorian", "G A Bb C D E F"},         {7, "Phrygian", "G Ab Bb C D Eb F"},
    {7, "Lydian", "G A B C# D E F#"},        {7, "Mixolydian", "G A B C D E F"},
    {7, "Aeolian", "G A Bb C D Eb F"},       {7, "Locrian", "G Ab Bb C Db Eb F"},
    {8, "Ionian", "Ab Bb C Db Eb F G"},      {8, "Dorian", "Ab Bb Cb Db Eb F Gb"},
    {8, "Phrygian", "G# A B C# D# E F#"},    {8, "Lydian", "Ab Bb C D Eb F G"},
    {8, "Mixolydian", "Ab Bb C Db Eb F Gb"}, {8, "Aeolian", "G# A# B C# D# E F#"},
    {8, "Locrian", "G# A B C# D E F#"},      {9, "Ionian", "A B C# D E F# G#"},
    {9, "Dorian", "A B C D E F# G"},         {9, "Phrygian", "A Bb C D E F G"},
    {9, "Lydian", "A B C# D# E F# G#"},      {9, "Mixolydian", "A B C# D E F# G"},
    {9, "Aeolian", "A B C D E F G"},         {9, "Locrian", "A Bb C D Eb F G"},
    {10, "Ionian", "Bb C D Eb F G A"},       {10, "Dorian", "Bb C Db Eb F G Ab"},
    {10, "Phrygian", "Bb Cb Db Eb F Gb Ab"}, {10, "Lydian", "Bb C D E F G A"},
    {10, "Mixolydian", "Bb C D Eb F G Ab"},  {10, "Aeolian", "Bb C Db Eb F Gb Ab"},
    {10, "Locrian", "A# B C# D# E F# G#"},   {11, "Ionian", "B C# D# E F# G# A#"},
    {11, "Dorian", "B C# D E F# G# A"},      {11, "Phrygian", "B C D E F# G A"},
    {11, "Lydian", "B C# D# E# F# G# A#"},   {11, "Mixolydian", "B C# D# E F# G# A"},
    {11, "Aeolian", "B C# D E F# G A"},      {11, "Locrian", "B C D E F G A"},
};

TEST(NoteSpelling, EveryTonicAndChurchModeAsTheKeySpellsIt) {
  ASSERT_EQ(84u, std::size(kKeyRows));
  for (const SKeyRow& row : kKeyRows) {
    const std::string& intervals = kModes.at(row.mode);
    const NoteNames names = SpelledNoteNames(kSpellAsKey, row.tonic, intervals);
    const std::vector<std::string> degrees = Words(row.degrees);
    ASSERT_EQ(7u, degrees.size());
    // The reference's names, placed by their own pitch.
    int pitch = row.tonic;
    for (std::size_t k = 0; k < degrees.size(); ++k) {
      ASSERT_EQ(pitch, ParseNoteName(degrees[k])) << row.tonic << " " << row.mode << " " << k;
      EXPECT_EQ(degrees[k], names[pitch]) << "tonic " << row.tonic << " " << row.mode;
      pitch = (pitch + (intervals[k] - '0')) % 12;
    }
  }
}

TEST(NoteSpelling, SharpsAreTheModelsOwnNames) {
  const NoteNames names = SpelledNoteNames(kSpellSharps, 5, "2212221");
  for (int pitch = 0; pitch < 12; ++pitch) EXPECT_EQ(NoteName(pitch), names[pitch]);
  // A value no spelling has draws as sharps.
  EXPECT_EQ("a#", SpelledNoteNames(7, 5, "2212221")[10]);
  EXPECT_EQ("a#", SpelledNoteNames(-1, 5, "2212221")[10]);
}

TEST(NoteSpelling, FlatsNameEveryBlackKeyWithAFlatWhateverTheKey) {
  const std::vector<std::string> expected = Words("C Db D Eb E F Gb G Ab A Bb B");
  for (int tonic : {0, 7, 11}) {
    const NoteNames names = SpelledNoteNames(kSpellFlats, tonic, "2212221");
    EXPECT_EQ(expected, std::vector<std::string>(names.begin(), names.end())) << tonic;
  }
}

TEST(NoteSpelling, EachDegreeGetsTheNextLetterFromTheTonic) {
  auto spell = [](SSpelledNote tonic, const char* intervals) {
    std::string text;
    for (const SSpelledNote& note : SpellScale(tonic, intervals)) {
      text += (text.empty() ? "" : " ") + SpelledNoteText(note);
    }
    return text;
  };
  EXPECT_EQ("C# D# E# F# G# A# B#", spell({0, 1}, "2212221"));
  EXPECT_EQ("Gb Ab Bb Cb Db Eb F", spell({4, -1}, "2212221"));
  EXPECT_EQ("F G A Bb C D E", spell({3, 0}, "2212221"));
  // Harmonic minor on G#: the raised seventh is a double sharp.
  EXPECT_EQ("G# A# B C# D# E Fx", spell({4, 1}, "2122131"));
  // Non-digits are no intervals; the closing digit names no degree.
  EXPECT_EQ("C D E", spell({0, 0}, "2-2 8"));
  EXPECT_TRUE(SpellScale({7, 0}, "2212221").empty());
}

TEST(NoteSpelling, TextsOfAlterationsUpToDouble) {
  EXPECT_EQ("Bbb", SpelledNoteText({6, -2}));
  EXPECT_EQ("Bb", SpelledNoteText({6, -1}));
  EXPECT_EQ("B", SpelledNoteText({6, 0}));
  EXPECT_EQ("F#", SpelledNoteText({3, 1}));
  EXPECT_EQ("Fx", SpelledNoteText({3, 2}));
  EXPECT_EQ("", SpelledNoteText({3, 3}));
  EXPECT_EQ("", SpelledNoteText({3, -3}));
  EXPECT_EQ("", SpelledNoteText({7, 0}));
  EXPECT_EQ("", SpelledNoteText({-1, 0}));
}

TEST(NoteSpelling, DoubleSharpsAndFlatsAreShownInsideTheMode) {
  // E Lydian #2: E Fx G# A# B C# D#.
  EXPECT_EQ("Fx", SpelledNoteNames(kSpellAsKey, 4, "3112221")[7]);
  // C Locrian with a double-flat seventh: C Db Eb F Gb Ab Bbb.
  EXPECT_EQ("Bbb", SpelledNoteNames(kSpellAsKey, 0, "1221213")[9]);
}

TEST(NoteSpelling, OutsideTheModeTheKeysLeaningDecides) {
  // F Ionian leans flat, G Ionian and C Ionian sharp.
  EXPECT_EQ("Gb", SpelledNoteNames(kSpellAsKey, 5, "2212221")[6]);
  EXPECT_EQ("Ab", SpelledNoteNames(kSpellAsKey, 5, "2212221")[8]);
  EXPECT_EQ("A#", SpelledNoteNames(kSpellAsKey, 7, "2212221")[10]);
  EXPECT_EQ("C#", SpelledNoteNames(kSpellAsKey, 0, "2212221")[1]);
}

TEST(NoteSpelling, ModesOfOtherLengthsLeanAsTheMajorKeyOnTheTonic) {
  const std::vector<std::string> sharps = Words("C C# D D# E F F# G G# A A# B");
  const std::vector<std::string> flats = Words("C Db D Eb E F Gb G Ab A Bb B");
  auto names = [](int tonic, const char* intervals) {
    const NoteNames n = SpelledNoteNames(kSpellAsKey, tonic, intervals);
    return std::vector<std::string>(n.begin(), n.end());
  };
  // Pentatonic minor on A (A major: sharps), on Bb (Bb major: flats).
  EXPECT_EQ(sharps, names(9, "32232"));
  EXPECT_EQ(flats, names(10, "32232"));
  // Gb major (six flats) beats F# major (six sharps) on the tie.
  EXPECT_EQ(flats, names(6, "222222"));
  EXPECT_EQ(sharps, names(11, "222222"));
  // A mode that is not in the list has no degrees at all.
  EXPECT_EQ(flats, names(5, ""));
  EXPECT_EQ(sharps, names(2, ""));
  // Without a tonic there is no key: sharps.
  EXPECT_EQ(sharps, names(-1, "2212221"));
  EXPECT_EQ(sharps, names(12, "2212221"));
}

TEST(NoteSpelling, BeyondADoubleAlterationTheDegreeFallsBack) {
  // C Db Ebb Fbb, then G, A and B would need three flats and more.
  const NoteNames names = SpelledNoteNames(kSpellAsKey, 0, "1111116");
  EXPECT_EQ("Db", names[1]);
  EXPECT_EQ("Ebb", names[2]);
  EXPECT_EQ("Fbb", names[3]);
  EXPECT_EQ("E", names[4]);
  EXPECT_EQ("F", names[5]);
  EXPECT_EQ("Gb", names[6]);
}

}  // namespace
}  // namespace scalewright
