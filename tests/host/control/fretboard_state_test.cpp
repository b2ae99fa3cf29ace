// The control's settings: initial values and what each setter stores and
// requests.
#include "control/model/fretboard_state.h"

#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <string>
#include <vector>

namespace scalewright {
namespace {

using Pitches = std::vector<int>;

TEST(FretboardState, DefaultsAreTheCMajorBoardOfASixStringGuitar) {
  const CFretboardState s;
  EXPECT_EQ(0, s.GetTonality());
  EXPECT_STREQ("Ionian", s.GetMode());
  EXPECT_STREQ("", s.GetShowSteps());
  EXPECT_STREQ("1,3,5", s.GetHighlight());
  EXPECT_EQ(2, s.GetLabelKind());
  EXPECT_EQ(0, s.GetFirstFret());
  EXPECT_EQ(17, s.GetLastFret());
  EXPECT_TRUE(s.GetSideDots());
  EXPECT_FALSE(s.GetRectangles());
  EXPECT_STREQ("E B G D A E", s.GetTuning());
  EXPECT_EQ((Pitches{4, 11, 7, 2, 9, 4}), s.GetStringNotes());
  EXPECT_EQ((gfx::Rect{0, 0, 0, 0}), s.GetBoard());
  EXPECT_EQ(0, s.GetCell());
  std::string shown;
  for (int pitch = -1; pitch <= 12; ++pitch) shown += s.GetNoteShown(pitch) ? 'x' : '.';
  EXPECT_EQ(".x.x.xx.x.x.x.", shown);  // c d e f g a b; nothing outside 0..11
}

TEST(FretboardState, SettersStoreUncheckedAndAllButLabelKindRepaint) {
  using S = CFretboardState;
  const struct {
    const char* name;
    std::function<bool(S&)> set;
    std::function<bool(const S&)> stored;
    bool repaints;
  } cases[] = {
      {"tonality", [](S& s) { return s.SetTonality(99); },
       [](const S& s) { return s.GetTonality() == 99; }, true},
      {"mode", [](S& s) { return s.SetMode("Dorian"); },
       [](const S& s) { return std::string(s.GetMode()) == "Dorian"; }, true},
      {"null mode", [](S& s) { return s.SetMode(nullptr); },
       [](const S& s) { return *s.GetMode() == '\0'; }, true},
      {"note", [](S& s) { return s.SetNoteShown(4, false); },
       [](const S& s) { return !s.GetNoteShown(4) && s.GetNoteShown(5); }, true},
      {"steps", [](S& s) { return s.SetShowSteps("2,4"); },
       [](const S& s) { return std::string(s.GetShowSteps()) == "2,4"; }, true},
      {"highlight", [](S& s) { return s.SetHighlight(nullptr); },
       [](const S& s) { return *s.GetHighlight() == '\0'; }, true},
      {"label kind", [](S& s) { return s.SetLabelKind(42); },
       [](const S& s) { return s.GetLabelKind() == 42; }, false},
      {"first fret", [](S& s) { return s.SetFirstFret(-3); },
       [](const S& s) { return s.GetFirstFret() == -3; }, true},
      {"last fret", [](S& s) { return s.SetLastFret(99); },
       [](const S& s) { return s.GetLastFret() == 99; }, true},
      {"side dots", [](S& s) { return s.SetSideDots(false); },
       [](const S& s) { return !s.GetSideDots(); }, true},
      {"rectangles", [](S& s) { return s.SetRectangles(true); },
       [](const S& s) { return s.GetRectangles(); }, true},
      {"tuning", [](S& s) { return s.SetTuning("D A D G B E"); },
       [](const S& s) { return s.GetStringNotes() == Pitches{2, 9, 2, 7, 11, 4}; }, true},
      {"left-handed", [](S& s) { return s.SetLeftHanded(true); },
       [](const S& s) { return s.GetLeftHanded(); }, true},
      {"spelling", [](S& s) { return s.SetSpelling(2); },
       [](const S& s) { return s.GetSpelling() == 2; }, true},
      {"spelling no board offers", [](S& s) { return s.SetSpelling(-7); },
       [](const S& s) { return s.GetSpelling() == -7; }, true},
      {"pitch below", [](S& s) { return s.SetNoteShown(-1, true); },
       [](const S& s) { return !s.GetNoteShown(1); }, false},
      {"pitch above", [](S& s) { return s.SetNoteShown(INT_MAX, true); },
       [](const S& s) { return !s.GetNoteShown(INT_MAX); }, false},
  };
  for (const auto& c : cases) {
    CFretboardState state;
    EXPECT_EQ(c.repaints, c.set(state)) << c.name;
    EXPECT_TRUE(c.stored(state)) << c.name;
  }
}

TEST(FretboardState, NullTuningKeepsTheTextAndRebuildsTheStrings) {
  CFretboardState state;
  state.SetTuning("G D A E");
  EXPECT_TRUE(state.SetTuning(nullptr));
  EXPECT_STREQ("G D A E", state.GetTuning());
  EXPECT_EQ((Pitches{7, 2, 9, 4}), state.GetStringNotes());
  state.SetTuning("E H A");
  EXPECT_EQ((Pitches{4, -1, 9}), state.GetStringNotes());
}

}  // namespace
}  // namespace scalewright
