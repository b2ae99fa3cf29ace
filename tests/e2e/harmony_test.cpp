// The Harmony menu: the chords of the board's mode. Choosing one fills its
// tones on the board with the chord's colour; No Chord takes it away.
#include <windows.h>

#include <string>

#include "tests/e2e/sw_fixture.h"
#include "tests/e2e/user_input.h"

namespace scalewright::e2e {
namespace {

constexpr std::uint32_t kChordFill = 0xFFD666;  // 0x00RRGGBB

int PixelsOf(const SPicture& picture, const RECT& area, std::uint32_t colour) {
  int count = 0;
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x) count += picture.At(x, y) == colour;
  return count;
}

using HarmonyTest = SwTest;

TEST_F(HarmonyTest, TheSeventhChordOnTheFourthDegreeOfAAeolianStandsOut) {
  const std::string board = ScratchDir() + "a_aeolian.swb";
  ASSERT_TRUE(WriteFile(board, "Scalewright board 1\r\ntonality=9\r\nmode=Aeolian\r\n"));
  CSwProcess sw("\"" + board + "\"");
  const RECT area = OnlyBoardOnScreen(sw);
  ASSERT_TRUE(SaveScreenshot("harmony_none"));
  EXPECT_EQ(PixelsOf(ReadScreenshot("harmony_none"), area, kChordFill), 0);

  // Harmony > Seventh Chords, then Harmony > 4 (iv7, Dm7: D F A C).
  ChooseMenuItem(sw.Main(), 'A', 'S');
  // The menu names the chords of A Aeolian, for a person to look at.
  BringToFront(sw.Main());
  PressKeys({VK_MENU});
  PressKeys({'A'});
  SaveScreenshot("harmony_menu");
  PressKeys({VK_ESCAPE});
  PressKeys({VK_ESCAPE});
  ChooseMenuItem(sw.Main(), 'A', '4');
  ASSERT_TRUE(WaitFor(sw, [&] {
    return SaveScreenshot("harmony_iv7") &&
           PixelsOf(ReadScreenshot("harmony_iv7"), area, kChordFill) > 1000;
  })) << sw.Seen();

  // No Chord: the board as it was.
  ChooseMenuItem(sw.Main(), 'A', 'N');
  ASSERT_TRUE(WaitFor(sw, [&] {
    return SaveScreenshot("harmony_off") &&
           PixelsOf(ReadScreenshot("harmony_off"), area, kChordFill) == 0;
  })) << sw.Seen();
}

}  // namespace
}  // namespace scalewright::e2e
