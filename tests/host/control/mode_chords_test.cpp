// The chords of a mode against the tables of a harmony textbook (the
// diatonic triads and sevenths of the major key and its modes, and of the
// harmonic minor), worked by hand where a key is spelled with flats.
#include "control/model/mode_chords.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace scalewright {
namespace {

std::string Joined(const std::vector<SModeChord>& chords, bool numerals) {
  std::string text;
  for (const SModeChord& chord : chords)
    text += (text.empty() ? "" : " ") + (numerals ? chord.numeral : chord.name);
  return text;
}

TEST(ModeChords, TriadsAndSeventhsOfTheKeysModes) {
  const struct {
    int tonic;
    const char* intervals;
    int size;
    const char* names;
    const char* numerals;
  } cases[] = {
      {0, "2212221", 3, "C Dm Em F G Am Bdim", "I ii iii IV V vi vii°"},
      {0, "2212221", 4, "Cmaj7 Dm7 Em7 Fmaj7 G7 Am7 Bm7b5", "Imaj7 ii7 iii7 IVmaj7 V7 vi7 viiø7"},
      {9, "2122122", 4, "Am7 Bm7b5 Cmaj7 Dm7 Em7 Fmaj7 G7", "i7 iiø7 IIImaj7 iv7 v7 VImaj7 VII7"},
      {2, "2122212", 3, "Dm Em F G Am Bdim C", "i ii III IV v vi° VII"},
      {1, "2212221", 3, "Db Ebm Fm Gb Ab Bbm Cdim", "I ii iii IV V vi vii°"},
      {9, "2122131", 3, "Am Bdim Caug Dm E F G#dim", "i ii° III+ iv V VI vii°"},
      {9, "2122131", 4, "AmMaj7 Bm7b5 CaugMaj7 Dm7 E7 Fmaj7 G#dim7",
       "i(maj7) iiø7 III+maj7 iv7 V7 VImaj7 vii°7"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.tonic) + " " + c.intervals + " size " + std::to_string(c.size));
    const std::vector<SModeChord> chords = ModeChords(c.tonic, c.intervals, c.size);
    EXPECT_EQ(Joined(chords, false), c.names);
    EXPECT_EQ(Joined(chords, true), c.numerals);
  }
  // iv7 of A Aeolian is D F A C.
  const std::vector<SModeChord> aeolian = ModeChords(9, "2122122", 4);
  ASSERT_EQ(aeolian.size(), 7u);
  EXPECT_EQ(aeolian[3].tones, (std::vector<int>{2, 5, 9, 0}));
}

TEST(ModeChords, OtherLengthsAndSizesHaveNone) {
  EXPECT_TRUE(ModeChords(9, "32232", 3).empty());     // minor pentatonic
  EXPECT_TRUE(ModeChords(0, "21212121", 3).empty());  // octatonic
  EXPECT_TRUE(ModeChords(0, "2212221", 5).empty());
  EXPECT_TRUE(ModeChords(12, "2212221", 3).empty());
}

}  // namespace
}  // namespace scalewright
