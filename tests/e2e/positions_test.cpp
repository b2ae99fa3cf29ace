// Positions as a player walks them: A Aeolian, Positions > Three Notes per
// String, then Ctrl+Right up the neck and the toolbar's arrows. The status bar names each position
// and its frets (A natural minor's three-notes-per-string patterns start
// on A, B, C, D, E, F and G of the low E string: frets 5, 7, 8, 10, 0, 1,
// 3); the notes outside it are drawn in the quiet grey, and Whole Neck
// takes the grey away.
#include <windows.h>

#include <string>

#include "tests/e2e/sw_fixture.h"
#include "tests/e2e/user_input.h"

namespace scalewright::e2e {
namespace {

constexpr std::uint32_t kQuietGrey = 0x969696;

using PositionsTest = SwTest;

TEST_F(PositionsTest, APlayerWalksTheSevenThreeNotesPerStringPositionsOfAAeolian) {
  const std::string board = ScratchDir() + "a_aeolian_positions.swb";
  ASSERT_TRUE(WriteFile(board, "Scalewright board 1\r\ntonality=9\r\nmode=Aeolian\r\n"));
  CSwProcess sw("\"" + board + "\"");
  const RECT area = OnlyBoardOnScreen(sw);
  ChooseMenuItem(sw.Main(), 'O', 'T');
  const char* const expected[] = {"Position 1, frets 5 to 10", "Position 2, frets 7 to 12",
                                  "Position 3, frets 8 to 13", "Position 4, frets 10 to 15",
                                  "Position 5, frets 0 to 5",  "Position 6, frets 1 to 7",
                                  "Position 7, frets 3 to 8",  "Position 1, frets 5 to 10"};
  int previousGrey = -1;
  for (int step = 0; step < 8; ++step) {
    if (step > 0) {
      BringToFront(sw.Main());
      PressKeys({VK_CONTROL, VK_RIGHT});
    }
    EXPECT_TRUE(WaitFor(sw, [&] { return Text(StatusBar(sw)) == expected[step]; }))
        << "step " << step << ": " << Text(StatusBar(sw));
    const std::string shot = "position_" + std::to_string(step + 1);
    int grey = 0;
    EXPECT_TRUE(WaitFor(sw,
                        [&] {
                          grey = PixelsOnScreen(shot, area, kQuietGrey);
                          return grey > 1000 && grey != previousGrey;
                        }))
        << shot << ": " << grey << " grey pixels";
    previousGrey = grey;
  }

  // The toolbar walks them too: Next, then Previous back.
  constexpr UINT kNextPosition = 32808, kPreviousPosition = 32809;
  BringToFront(sw.Main());
  ASSERT_TRUE(ClickToolBarButton(ToolBar(sw), kNextPosition));
  EXPECT_TRUE(WaitFor(sw, [&] { return Text(StatusBar(sw)) == expected[1]; }))
      << Text(StatusBar(sw));
  ASSERT_TRUE(ClickToolBarButton(ToolBar(sw), kPreviousPosition));
  EXPECT_TRUE(WaitFor(sw, [&] { return Text(StatusBar(sw)) == expected[0]; }))
      << Text(StatusBar(sw));
  SaveScreenshot("position_toolbar");  // for a person to look at

  // The position is the document's: Ctrl+S keeps it.
  BringToFront(sw.Main());
  PressKeys({VK_CONTROL, 'S'});
  EXPECT_TRUE(WaitFor(sw, [&] {
    return ReadAll(board).find("position_system=2\r\nposition=1\r\n") != std::string::npos;
  })) << ReadAll(board);

  ChooseMenuItem(sw.Main(), 'O', 'W');
  EXPECT_TRUE(WaitFor(sw, [&] { return PixelsOnScreen("whole_neck", area, kQuietGrey) == 0; }))
      << sw.Seen();
}

// CAGED needs standard tuning: on drop D the status bar says so and the
// board stays whole.
TEST_F(PositionsTest, CagedOnDropDSaysWhatItNeeds) {
  const std::string board = ScratchDir() + "drop_d.swb";
  ASSERT_TRUE(WriteFile(board, "Scalewright board 1\r\ntuning=E B G D A D\r\n"));
  CSwProcess sw("\"" + board + "\"");
  OnlyBoardOnScreen(sw);
  ChooseMenuItem(sw.Main(), 'O', 'C');
  EXPECT_TRUE(WaitFor(sw, [&] {
    return Text(StatusBar(sw)) == "CAGED needs standard tuning (E A D G B E)";
  })) << Text(StatusBar(sw));
}

}  // namespace
}  // namespace scalewright::e2e
