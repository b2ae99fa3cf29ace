// Positions against fingering charts worked by hand: each row is a string
// from the low E (6) to the high e (1) with the frets a chart gives.
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "control/model/music_model.h"
#include "control/model/positions.h"

namespace scalewright {
namespace {

const std::vector<int> kStandard = ParseTuning("E B G D A E");
constexpr char kAeolianSteps[] = "2122122", kIonianSteps[] = "2212221",
               kMinorPentatonic[] = "32232";

// A chart: the frets on strings 6 (low E) to 1 (high e).
using Chart = std::vector<std::vector<int>>;

Chart ChartOf(const SPosition& position) {
  Chart chart(6);
  for (const SFretCell& cell : position.cells)
    chart[static_cast<std::size_t>(5 - cell.string)].push_back(cell.fret);
  return chart;
}

TEST(Positions, ThreeNotesPerStringOfAAeolianWalkTheNeck) {
  const SPositionSet set = PositionsOf(kThreeNotesPerString, 9, kAeolianSteps, kStandard);
  ASSERT_EQ(set.positions.size(), 7u) << set.unavailable;
  // A natural minor's first two three-notes-per-string patterns.
  EXPECT_EQ(ChartOf(set.positions[0]),
            (Chart{{5, 7, 8}, {5, 7, 8}, {5, 7, 9}, {5, 7, 9}, {6, 8, 10}, {7, 8, 10}}));
  EXPECT_EQ(ChartOf(set.positions[1]),
            (Chart{{7, 8, 10}, {7, 8, 10}, {7, 9, 10}, {7, 9, 10}, {8, 10, 12}, {8, 10, 12}}));
  EXPECT_EQ(set.positions[0].firstFret, 5);
  EXPECT_EQ(set.positions[0].lastFret, 10);
  // Each starts on the next degree on the low E: A B C D, then E at the nut
  // (the twelfth fret wraps), F, G.
  const int starts[] = {5, 7, 8, 10, 0, 1, 3};
  for (std::size_t i = 0; i < 7; ++i) EXPECT_EQ(set.positions[i].cells.front().fret, starts[i]);

  // Any tuning: drop D's lowest string starts on its own A (fret 7).
  const SPositionSet drop =
      PositionsOf(kThreeNotesPerString, 9, kAeolianSteps, ParseTuning("E B G D A D"));
  ASSERT_EQ(drop.positions.size(), 7u);
  EXPECT_EQ(ChartOf(drop.positions[0])[0], (std::vector<int>{7, 9, 10}));
}

TEST(Positions, MinorPentatonicBoxes) {
  const SPositionSet set = PositionsOf(kPentatonicBoxes, 9, kMinorPentatonic, kStandard);
  ASSERT_EQ(set.positions.size(), 5u) << set.unavailable;
  EXPECT_EQ(ChartOf(set.positions[0]), (Chart{{5, 8}, {5, 7}, {5, 7}, {5, 7}, {5, 8}, {5, 8}}));
  EXPECT_EQ(ChartOf(set.positions[1]),
            (Chart{{8, 10}, {7, 10}, {7, 10}, {7, 9}, {8, 10}, {8, 10}}));
  EXPECT_EQ(set.positions[1].name, "Box 2");
}

// C major's five CAGED shapes along the neck: the open C chord's scale
// shape, then A, G, E and D.
TEST(Positions, CagedShapesOfCIonian) {
  const SPositionSet set = PositionsOf(kCagedShapes, 0, kIonianSteps, kStandard);
  ASSERT_EQ(set.positions.size(), 5u) << set.unavailable;
  const std::map<std::string, Chart> charts = {
      {"C shape", {{0, 1, 3}, {0, 2, 3}, {0, 2, 3}, {0, 2}, {0, 1, 3}, {0, 1, 3}}},
      {"A shape", {{3, 5}, {2, 3, 5}, {2, 3, 5}, {2, 4, 5}, {3, 5, 6}, {3, 5}}},
      {"E shape", {{8, 10}, {7, 8, 10}, {7, 9, 10}, {7, 9, 10}, {8, 10}, {7, 8, 10}}},
      {"D shape", {{10, 12, 13}, {10, 12}, {9, 10, 12}, {9, 10, 12}, {10, 12, 13}, {10, 12}}},
  };
  const char* const order[] = {"C shape", "A shape", "G shape", "E shape", "D shape"};
  for (std::size_t i = 0; i < 5; ++i) {
    EXPECT_EQ(set.positions[i].name, order[i]);
    const auto chart = charts.find(set.positions[i].name);
    if (chart != charts.end()) {
      EXPECT_EQ(ChartOf(set.positions[i]), chart->second) << order[i];
    }
  }
  // A Aeolian is C major's sixth mode: the same five shapes.
  const SPositionSet aeolian = PositionsOf(kCagedShapes, 9, kAeolianSteps, kStandard);
  ASSERT_EQ(aeolian.positions.size(), 5u);
  for (std::size_t i = 0; i < 5; ++i)
    EXPECT_EQ(aeolian.positions[i].cells, set.positions[i].cells) << order[i];
}

TEST(Positions, WhatASystemNeedsIsSaid) {
  const std::vector<int> dropD = ParseTuning("E B G D A D");
  EXPECT_EQ(PositionsOf(kCagedShapes, 0, kIonianSteps, dropD).unavailable,
            "CAGED needs standard tuning (E A D G B E)");
  EXPECT_EQ(PositionsOf(kPentatonicBoxes, 9, kMinorPentatonic, dropD).unavailable,
            "Pentatonic boxes need standard tuning (E A D G B E)");
  EXPECT_EQ(PositionsOf(kThreeNotesPerString, 9, kMinorPentatonic, kStandard).unavailable,
            "Three notes per string needs a mode of seven notes");
  EXPECT_EQ(PositionsOf(kPentatonicBoxes, 9, kAeolianSteps, kStandard).unavailable,
            "Pentatonic boxes need a mode of five notes");
  EXPECT_EQ(PositionsOf(kCagedShapes, 9, "2122131", kStandard).unavailable,  // harmonic minor
            "CAGED needs a mode of the major scale");
  EXPECT_EQ(
      PositionsOf(kThreeNotesPerString, 9, kAeolianSteps, ParseTuning("E X G D A E")).unavailable,
      "Positions need a note on every string");
  EXPECT_TRUE(PositionsOf(kNoPositions, 9, kAeolianSteps, kStandard).positions.empty());
}

}  // namespace
}  // namespace scalewright
