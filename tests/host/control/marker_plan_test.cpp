// What a drawing pass marks: which positions, with which labels and highlights.
#include "control/model/marker_plan.h"
#include "control/model/positions.h"

#include <map>
#include <set>

#include <gtest/gtest.h>

#include "control/model/mode_list.h"
#include "control/model/note_spelling.h"
#include "tests/host/control/fake_mode_platform.h"

namespace scalewright {
namespace {

NoteFlags CMajorNotes() {
  NoteFlags flags{};
  for (int pitch : {0, 2, 4, 5, 7, 9, 11}) flags[pitch] = true;
  return flags;
}

class MarkerPlanTest : public ::testing::Test {
 protected:
  MarkerPlanTest() {
    platform.files[platform.path] = IDS_DEFAULT_MODES_TEXT "\r\n";
    settings.noteShown = CMajorNotes();
    settings.stringPitches = &strings;
  }

  const SMarker* At(const std::vector<SMarker>& markers, int string, int fret) {
    for (const SMarker& marker : markers) {
      if (marker.string == string && marker.fret == fret) return &marker;
    }
    return nullptr;
  }

  CFakeModePlatform platform;
  std::vector<int> strings = ParseTuning("E B G D A E");
  SMarkerSettings settings;
};

TEST_F(MarkerPlanTest, DefaultBoardMarksTheScaleWithStepNumbers) {
  CModeList modes(platform);
  const std::vector<SMarker> markers = PlanMarkers(settings, modes);

  // Frets 0..11 of each string hold all seven notes of C major once; frets
  // 12..17 repeat its first six pitches, and on every string of this tuning
  // four of those are in the scale: 6 x (7 + 4).
  EXPECT_EQ(66u, markers.size());

  const SMarker* open = At(markers, 0, 0);
  ASSERT_NE(nullptr, open);
  EXPECT_EQ(4, open->pitch);
  EXPECT_EQ(2, open->degreeIndex);
  EXPECT_TRUE(open->highlighted);
  EXPECT_EQ("3", open->label);

  const SMarker* first = At(markers, 0, 1);
  ASSERT_NE(nullptr, first);
  EXPECT_FALSE(first->highlighted);
  EXPECT_EQ("4", first->label);

  EXPECT_EQ(nullptr, At(markers, 0, 2));  // f#: not a shown note

  // Drawing order: string by string, fret by fret.
  for (std::size_t k = 1; k < markers.size(); ++k) {
    const SMarker& a = markers[k - 1];
    const SMarker& b = markers[k];
    EXPECT_TRUE(a.string < b.string || (a.string == b.string && a.fret < b.fret));
  }
}

TEST_F(MarkerPlanTest, UnknownModeHighlightsNothingAndIndexesReadZero) {
  settings.mode = "Bebop";
  settings.labelKind = kLabelModeIndex;
  CModeList modes(platform);
  const std::vector<SMarker> markers = PlanMarkers(settings, modes);
  ASSERT_FALSE(markers.empty());
  for (const SMarker& marker : markers) {
    EXPECT_FALSE(marker.highlighted);
    EXPECT_EQ("0", marker.label);
  }
}

TEST_F(MarkerPlanTest, ModeNameIgnoresCaseAndFillKindsPaintDiscs) {
  settings.mode = "ionian";
  settings.labelKind = kLabelFillHighlighted;
  CModeList modes(platform);
  const std::vector<SMarker> markers = PlanMarkers(settings, modes);
  int discs = 0;
  for (const SMarker& marker : markers) {
    EXPECT_EQ(marker.highlighted, marker.disc);
    EXPECT_EQ("", marker.label);
    discs += marker.disc ? 1 : 0;
  }
  EXPECT_GT(discs, 0);
}

TEST_F(MarkerPlanTest, UnparsableStringsAndEmptyRangesCarryNoMarkers) {
  strings = ParseTuning("E H A");
  CModeList modes(platform);
  for (const SMarker& marker : PlanMarkers(settings, modes)) {
    EXPECT_NE(1, marker.string);
  }

  settings.firstFret = 5;
  settings.lastFret = 4;
  EXPECT_TRUE(PlanMarkers(settings, modes).empty());

  settings.stringPitches = nullptr;
  settings.firstFret = 0;
  EXPECT_TRUE(PlanMarkers(settings, modes).empty());
}

TEST_F(MarkerPlanTest, FretsPastTheTableStillHavePitches) {
  settings.firstFret = 35;
  settings.lastFret = 40;
  settings.labelKind = kLabelNoteLetters;
  strings = {4};
  CModeList modes(platform);
  const std::vector<SMarker> markers = PlanMarkers(settings, modes);
  ASSERT_FALSE(markers.empty());
  for (const SMarker& marker : markers) {
    EXPECT_EQ(NoteName(PitchAt(marker.fret, 4)), marker.label);
  }
}

// F Ionian with B flat and F sharp shown: the spelling renames note letters
// only, and the sharps are today's names.
TEST_F(MarkerPlanTest, NoteLettersFollowTheSpellingAndOtherKindsDoNot) {
  CModeList modes(platform);
  settings.tonic = 5;
  settings.noteShown[10] = true;
  settings.noteShown[6] = true;
  settings.noteShown[11] = false;
  settings.labelKind = kLabelNoteLetters;
  // Fret 6 of the top string is a#/bb, fret 2 f#/gb, fret 1 f.
  const struct {
    int spelling;
    const char* flat;
    const char* outside;
    const char* natural;
  } cases[] = {{kSpellSharps, "a#", "f#", "f"},
               {kSpellFlats, "Bb", "Gb", "F"},
               {kSpellAsKey, "Bb", "Gb", "F"},
               {5, "a#", "f#", "f"}};
  for (const auto& c : cases) {
    settings.spelling = c.spelling;
    const std::vector<SMarker> markers = PlanMarkers(settings, modes);
    ASSERT_NE(nullptr, At(markers, 0, 6)) << c.spelling;
    EXPECT_EQ(c.flat, At(markers, 0, 6)->label) << c.spelling;
    ASSERT_NE(nullptr, At(markers, 0, 2)) << c.spelling;
    EXPECT_EQ(c.outside, At(markers, 0, 2)->label) << c.spelling;
    EXPECT_EQ(c.natural, At(markers, 0, 1)->label) << c.spelling;
  }
  // G Ionian: the key's F sharp, and A sharp outside it.
  settings.tonic = 7;
  settings.spelling = kSpellAsKey;
  std::vector<SMarker> markers = PlanMarkers(settings, modes);
  EXPECT_EQ("F#", At(markers, 0, 2)->label);
  EXPECT_EQ("A#", At(markers, 0, 6)->label);
  // Step numbers are no letters: the spelling leaves them.
  settings.labelKind = kLabelStepNumber;
  markers = PlanMarkers(settings, modes);
  EXPECT_EQ("7", At(markers, 0, 2)->label);
  EXPECT_EQ("3b", At(markers, 0, 6)->label);
}

}  // namespace
}  // namespace scalewright

namespace scalewright {
namespace {

// A chord of the mode: iv7 of A Aeolian is D F A C (a harmony table); its
// tones carry their place in it and the rest of the scale is quiet. A
// five-note mode has no chords, so nothing changes.
TEST_F(MarkerPlanTest, AChosenChordMarksItsTonesAndQuietsTheRest) {
  CModeList modes(platform);
  settings.tonic = 9;
  settings.mode = "Aeolian";
  settings.chordDegree = 4;
  settings.chordSize = 4;
  const std::vector<SMarker> markers = PlanMarkers(settings, modes);
  ASSERT_FALSE(markers.empty());
  const std::map<int, int> places = {{2, 0}, {5, 1}, {9, 2}, {0, 3}};  // D F A C
  for (const SMarker& marker : markers) {
    const auto place = places.find(marker.pitch);
    EXPECT_EQ(marker.chordTone, place == places.end() ? -1 : place->second) << marker.pitch;
    EXPECT_EQ(marker.quiet, place == places.end()) << marker.pitch;
  }
  // Labelled by their place in the chord, the rest as the label kind says.
  settings.chordLabels = true;
  const std::map<int, std::string> labels = {{2, "1"}, {5, "3"}, {9, "5"}, {0, "7"}};
  const std::vector<SMarker> labelled = PlanMarkers(settings, modes);
  ASSERT_EQ(labelled.size(), markers.size());
  for (std::size_t i = 0; i < markers.size(); ++i) {
    const auto label = labels.find(markers[i].pitch);
    EXPECT_EQ(labelled[i].label, label == labels.end() ? markers[i].label : label->second)
        << markers[i].pitch;
  }
  settings.chordLabels = false;
  settings.chordDegree = 0;
  for (const SMarker& marker : PlanMarkers(settings, modes)) {
    EXPECT_EQ(marker.chordTone, -1);
    EXPECT_FALSE(marker.quiet);
  }
  modes.Add("Pentatonic-32232", false);
  settings.mode = "Pentatonic";
  settings.chordDegree = 1;
  for (const SMarker& marker : PlanMarkers(settings, modes)) EXPECT_FALSE(marker.quiet);
}

}  // namespace
}  // namespace scalewright

namespace scalewright {
namespace {

// A position: A Aeolian's first three-notes-per-string pattern (frets 5
// to 10) keeps its eighteen cells as they are and quiets the rest; the
// whole neck (position 0) quiets nothing.
TEST_F(MarkerPlanTest, MarkersOutsideThePositionAreQuiet) {
  CModeList modes(platform);
  settings.tonic = 9;
  settings.mode = "Aeolian";
  settings.positionSystem = kThreeNotesPerString;
  settings.position = 1;
  // From the low E (string index 5) up: 5 7 8, 5 7 8, 5 7 9, 5 7 9, 6 8 10, 7 8 10.
  const std::set<std::pair<int, int>> cells = {{5, 5}, {5, 7}, {5, 8},  {4, 5}, {4, 7}, {4, 8},
                                               {3, 5}, {3, 7}, {3, 9},  {2, 5}, {2, 7}, {2, 9},
                                               {1, 6}, {1, 8}, {1, 10}, {0, 7}, {0, 8}, {0, 10}};
  int lit = 0;
  for (const SMarker& marker : PlanMarkers(settings, modes)) {
    const bool inside = cells.count({marker.string, marker.fret}) == 1;
    EXPECT_EQ(marker.quiet, !inside) << marker.string << "/" << marker.fret;
    lit += inside;
  }
  EXPECT_EQ(lit, 18);
  settings.position = 0;
  for (const SMarker& marker : PlanMarkers(settings, modes)) EXPECT_FALSE(marker.quiet);
}

// A second scale over the board's: the A minor pentatonic (A C D E G) over
// A Dorian marks those five notes and not B or F#; a mode the list lacks
// marks nothing.
TEST_F(MarkerPlanTest, ASecondScaleMarksItsNotesOnTheBoardsScale) {
  CModeList modes(platform);
  modes.Add("Minor Pentatonic-32232", false);
  settings.tonic = 9;
  settings.mode = "Dorian";
  for (int pitch : {9, 11, 0, 2, 4, 6, 7}) settings.noteShown[pitch] = true;
  settings.noteShown[5] = false;
  settings.overlayTonic = 9;
  settings.overlayMode = "Minor Pentatonic";
  const std::set<int> pentatonic = {9, 0, 2, 4, 7};
  const std::vector<SMarker> markers = PlanMarkers(settings, modes);
  ASSERT_FALSE(markers.empty());
  for (const SMarker& marker : markers)
    EXPECT_EQ(marker.overlay, pentatonic.count(marker.pitch) == 1) << marker.pitch;
  settings.overlayMode = "Blues";
  for (const SMarker& marker : PlanMarkers(settings, modes)) EXPECT_FALSE(marker.overlay);
  // Marked notes join the layer: the Am7 arpeggio, A C E G.
  settings.overlayNotes = (1 << 9) | (1 << 0) | (1 << 4) | (1 << 7);
  const std::set<int> arpeggio = {9, 0, 4, 7};
  for (const SMarker& marker : PlanMarkers(settings, modes))
    EXPECT_EQ(marker.overlay, arpeggio.count(marker.pitch) == 1) << marker.pitch;
}

}  // namespace
}  // namespace scalewright
