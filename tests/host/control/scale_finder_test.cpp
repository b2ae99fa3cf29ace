// "Which scale is this?" against worked examples: the keys and chords that
// hold C E G B (every mode of C major and of G major, C Ionian first, and
// Cmaj7 alone among the chords), and the A minor pentatonic's notes.
#include "control/model/scale_finder.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "control/model/mode_list.h"
#include "control/model/mode_strings.h"
#include "tests/host/control/fake_mode_platform.h"

namespace scalewright {
namespace {

const char* const kNames[] = {"C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B"};

std::vector<std::string> Named(const std::vector<SFoundScale>& scales) {
  std::vector<std::string> names;
  for (const SFoundScale& scale : scales)
    names.push_back(std::string(kNames[scale.tonic]) + " " + scale.mode);
  return names;
}

TEST(ScaleFinder, TheKeysAndChordsThatHoldTheMarkedNotes) {
  CFakeModePlatform platform;
  platform.files[platform.path] = IDS_DEFAULT_MODES_TEXT "\r\n";
  CModeList modes(platform);
  const std::vector<int> cmaj7 = {0, 4, 7, 11};  // C E G B, C marked first
  const std::vector<std::string> scales = Named(ScalesHolding(cmaj7, modes));
  // The seven modes of C major and the seven of G major (F#, not F), and
  // nothing else of the church modes.
  ASSERT_EQ(scales.size(), 14u);
  EXPECT_EQ(scales[0], "C Ionian");
  EXPECT_EQ(scales[1], "C Lydian");  // G major's mode on C
  for (const char* expected :
       {"D Dorian", "E Phrygian", "F Lydian", "G Mixolydian", "A Aeolian", "B Locrian", "G Ionian",
        "A Dorian", "B Phrygian", "D Mixolydian", "E Aeolian", "F# Locrian"}) {
    EXPECT_NE(std::find(scales.begin(), scales.end(), expected), scales.end()) << expected;
  }
  const std::vector<SFoundChord> chords = ChordsHolding(cmaj7);
  ASSERT_EQ(chords.size(), 1u);
  EXPECT_EQ(chords[0].name, "Cmaj7");
  EXPECT_EQ(chords[0].extra, 0);

  // C E G: C major first, then the sevenths built on it, then the chords
  // that hold it in other roots (Am7: A C E G).
  const std::vector<SFoundChord> triad = ChordsHolding({0, 4, 7});
  ASSERT_GE(triad.size(), 4u);
  EXPECT_EQ(triad[0].name, "C");
  std::vector<std::string> names;
  for (const SFoundChord& chord : triad) names.push_back(chord.name);
  for (const char* expected : {"Cmaj7", "C7", "Am7"})
    EXPECT_NE(std::find(names.begin(), names.end(), expected), names.end()) << expected;

  // A pentatonic of its own in the file: A C D E G fits it exactly.
  modes.Add("Minor Pentatonic-32232", false);
  EXPECT_EQ(Named(ScalesHolding({9, 0, 2, 4, 7}, modes)).front(), "A Minor Pentatonic");
  EXPECT_TRUE(ScalesHolding({}, modes).empty());
}

}  // namespace
}  // namespace scalewright
