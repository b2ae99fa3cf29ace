// Sound in SW: a real click on a marker plays its note and Space plays the
// scale, as SW's request log shows (SW_SOUND_LOG: a line a request, with
// each note as string/fret/MIDI); where the system has no sound device,
// the status bar says so.
#include <windows.h>

#include <string>

#include "tests/e2e/accessible_client.h"
#include "tests/e2e/sw_fixture.h"
#include "tests/e2e/user_input.h"

namespace scalewright::e2e {
namespace {

using SoundTest = SwTest;

TEST_F(SoundTest, AClickedMarkerPlaysItsNoteAndSpaceTheScale) {
  const std::string log = ScratchDir() + "sound.log";
  ::DeleteFileA(log.c_str());
  ASSERT_TRUE(::SetEnvironmentVariableA("SW_SOUND_LOG", log.c_str()));
  CSwProcess sw;
  ::SetEnvironmentVariableA("SW_SOUND_LOG", nullptr);
  WaitForDocuments(sw, 1);
  HWND control = ControlOf(sw.DocumentWindows()[0]);
  ASSERT_NE(control, nullptr);

  // C on the A string at the third fret, found as a screen reader finds it.
  const RECT marker = PlaceNamedIn(control, L"C, string 5, fret 3, degree 1");
  ASSERT_GT(marker.right, marker.left);
  ClickAt({(marker.left + marker.right) / 2, (marker.top + marker.bottom) / 2});
  ASSERT_TRUE(WaitFor(sw, [&] { return ReadAll(log).find(" 5/3/48\n") != std::string::npos; }))
      << "log: " << ReadAll(log);
  const bool device = ReadAll(log).rfind("play", 0) == 0;
  if (!device) {
    EXPECT_TRUE(WaitFor(sw, [&] {
      return Text(StatusBar(sw)) == "No sound device: nothing can be played.";
    })) << Text(StatusBar(sw));
  }

  // Space plays C major from that C up an octave and down: C3 D3 E3 F3 G3
  // A3 B3 C4 and back, in the position the first C starts.
  PressKeys({VK_SPACE});
  const std::string scale =
      " 5/3/48 5/5/50 4/2/52 4/3/53 4/5/55 3/2/57 3/4/59 3/5/60 3/4/59 3/2/57 4/5/55 4/3/53 "
      "4/2/52 5/5/50 5/3/48\n";
  EXPECT_TRUE(WaitFor(sw, [&] { return ReadAll(log).find(scale) != std::string::npos; }))
      << "log: " << ReadAll(log);
  SaveScreenshot("sound_played");  // for a person to look at
}

// A board whose low E string is given octave 3 (E3): the strings above
// follow it, so the A string's C at the third fret sounds C4 (MIDI 60).
TEST_F(SoundTest, AClickedNoteFollowsTheOctavesTheBoardGives) {
  const std::string log = ScratchDir() + "octaves.log";
  ::DeleteFileA(log.c_str());
  const std::string board = ScratchDir() + "octave_up.swb";
  ASSERT_TRUE(WriteFile(board, "Scalewright board 1\r\noctaves=- - - - - 3\r\n"));
  ASSERT_TRUE(::SetEnvironmentVariableA("SW_SOUND_LOG", log.c_str()));
  CSwProcess sw("\"" + board + "\"");
  ::SetEnvironmentVariableA("SW_SOUND_LOG", nullptr);
  WaitForDocuments(sw, 1);
  HWND control = ControlOf(sw.DocumentWindows()[0]);
  const RECT marker = PlaceNamedIn(control, L"C, string 5, fret 3, degree 1");
  ASSERT_GT(marker.right, marker.left);
  ClickAt({(marker.left + marker.right) / 2, (marker.top + marker.bottom) / 2});
  EXPECT_TRUE(WaitFor(sw, [&] { return ReadAll(log).find(" 5/3/60\n") != std::string::npos; }))
      << "log: " << ReadAll(log);
}

}  // namespace
}  // namespace scalewright::e2e
