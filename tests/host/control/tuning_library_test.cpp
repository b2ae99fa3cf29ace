// The tuning library against tunings as instrument references give them,
// and the library's own rules: every row a tuning the board reads, names
// unique, instruments together.
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "control/model/music_model.h"
#include "control/model/tuning_library.h"

namespace scalewright {
namespace {

TEST(TuningLibrary, NamedTuningsAndTheirBoardTexts) {
  // Spelled from the lowest string up in the names, top line first on the
  // board (the five-string bass as the old preset has it).
  const struct {
    const char* name;
    const char* board;
  } known[] = {
      {"Bass, 5 strings (B E A D G)", "G D A E B"},
      {"Ukulele, re-entrant (G C E A)", "A E C G"},
      {"Guitar, 6 strings, drop D (D A D G B E)", "E B G D A D"},
      {"Guitar, 6 strings, DADGAD (D A D G A D)", "D A G D A D"},
      {"Guitar, 6 strings, open G (D G D G B D)", "D B G D G D"},
      {"Mandolin (G D A E)", "E A D G"},
      {"Cello (C G D A)", "A D G C"},
  };
  for (const auto& tuning : known) {
    bool found = false;
    for (const SLibraryTuning& row : TuningLibrary()) {
      if (DisplayName(row) != tuning.name) continue;
      found = true;
      EXPECT_EQ(BoardTuningText(row), tuning.board) << tuning.name;
    }
    EXPECT_TRUE(found) << tuning.name;
  }

  std::set<std::string> names, instrumentsDone;
  std::string instrument;
  for (const SLibraryTuning& row : TuningLibrary()) {
    EXPECT_TRUE(names.insert(DisplayName(row)).second) << "twice: " << DisplayName(row);
    const std::vector<int> strings = ParseTuning(BoardTuningText(row).c_str());
    EXPECT_GE(strings.size(), 3u) << DisplayName(row);
    EXPECT_LE(strings.size(), 8u) << DisplayName(row);
    for (int pitch : strings) EXPECT_TRUE(IsPitchClass(pitch)) << DisplayName(row);
    if (row.instrument != instrument) {
      EXPECT_TRUE(instrumentsDone.insert(row.instrument).second)
          << row.instrument << " is not in one group";
      instrument = row.instrument;
    }
  }
  EXPECT_GE(names.size(), 50u);
}

}  // namespace
}  // namespace scalewright
