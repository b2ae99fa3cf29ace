// Sound in SW: a real click on a marker plays its note and Space plays the
// scale, as SW's request log shows (SW_SOUND_LOG: a line a request, with
// each note as string/fret/MIDI, then "sounding N" as the device reaches
// each note and "ended"); where the system has no sound device, the status
// bar says so. scripts/test gives SW a silent device and says so through
// SW_TEST_SOUND_DEVICE.
#include <windows.h>

#include <cstdlib>
#include <string>

#include "tests/e2e/accessible_client.h"
#include "tests/e2e/sw_fixture.h"
#include "tests/e2e/user_input.h"

namespace scalewright::e2e {
namespace {

class SoundTest : public SwTest {
 protected:
  // Clicks C on the A string at the third fret of SW's first board, found
  // as a screen reader finds it; false when there is no such marker.
  static bool ClickTheCOnTheAString(CSwProcess& sw) {
    const RECT marker =
        PlaceNamedIn(ControlOf(sw.DocumentWindows()[0]), L"C, string 5, fret 3, degree 1");
    if (marker.right <= marker.left) return false;
    ClickAt({(marker.left + marker.right) / 2, (marker.top + marker.bottom) / 2});
    return true;
  }
};

bool TestHasSoundDevice() { return std::getenv("SW_TEST_SOUND_DEVICE") != nullptr; }

// Wine with no audio driver, as a machine with no sound device, for the
// programs started while it lives (each reads the choice as it starts).
class CNoAudioDriver {
 public:
  CNoAudioDriver() {
    ::RegCreateKeyExA(HKEY_CURRENT_USER, kDrivers, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &m_key,
                      nullptr);
    if (m_key) ::RegSetValueExA(m_key, "Audio", 0, REG_SZ, reinterpret_cast<const BYTE*>(""), 1);
  }
  ~CNoAudioDriver() {
    if (!m_key) return;
    ::RegDeleteValueA(m_key, "Audio");
    ::RegCloseKey(m_key);
  }
  CNoAudioDriver(const CNoAudioDriver&) = delete;
  CNoAudioDriver& operator=(const CNoAudioDriver&) = delete;

 private:
  static constexpr char kDrivers[] = "Software\\Wine\\Drivers";
  HKEY m_key = nullptr;
};

TEST_F(SoundTest, AClickedMarkerPlaysItsNoteAndSpaceTheScale) {
  const std::string log = ScratchDir() + "sound.log";
  ::DeleteFileA(log.c_str());
  ASSERT_TRUE(::SetEnvironmentVariableA("SW_SOUND_LOG", log.c_str()));
  CSwProcess sw;
  ::SetEnvironmentVariableA("SW_SOUND_LOG", nullptr);
  WaitForDocuments(sw, 1);
  ASSERT_TRUE(ClickTheCOnTheAString(sw));
  ASSERT_TRUE(WaitFor(sw, [&] { return ReadAll(log).find(" 5/3/48\n") != std::string::npos; }))
      << "log: " << ReadAll(log);
  const bool device = ReadAll(log).rfind("play", 0) == 0;
  ASSERT_EQ(TestHasSoundDevice(), device) << "log: " << ReadAll(log);
  if (device) {
    // The device reaches the note and plays it out.
    EXPECT_TRUE(
        WaitFor(sw, [&] { return ReadAll(log).find("sounding 0\nended\n") != std::string::npos; }))
        << "log: " << ReadAll(log);
  } else {
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
  if (!device) return;
  // The fourth note sounds, shown on the board; Esc stops the scale there.
  ASSERT_TRUE(WaitFor(sw, [&] { return ReadAll(log).find("sounding 3\n") != std::string::npos; }))
      << "log: " << ReadAll(log);
  SaveScreenshot("sound_played");  // for a person to look at
  PressKeys({VK_ESCAPE});
  EXPECT_TRUE(WaitFor(sw,
                      [&] {
                        const std::string seen = ReadAll(log);
                        return seen.find("ended\n", seen.find(scale)) != std::string::npos;
                      }))
      << "log: " << ReadAll(log);
  const std::string seen = ReadAll(log);
  EXPECT_EQ(seen.find("sounding 14\n"), std::string::npos)
      << "Esc did not stop the scale: " << seen;
}

// With no sound device a click says so in the status bar and SW goes on;
// with no MIDI output (Wine here has none) Play's MIDI item is greyed, and
// choosing it changes nothing.
TEST_F(SoundTest, WithoutADeviceTheStatusBarSaysSoAndMidiIsGreyed) {
  const std::string log = ScratchDir() + "no_device.log";
  ::DeleteFileA(log.c_str());
  ASSERT_TRUE(::SetEnvironmentVariableA("SW_SOUND_LOG", log.c_str()));
  const CNoAudioDriver noDevice;
  CSwProcess sw;
  ::SetEnvironmentVariableA("SW_SOUND_LOG", nullptr);
  WaitForDocuments(sw, 1);
  ASSERT_TRUE(ClickTheCOnTheAString(sw));
  EXPECT_TRUE(WaitFor(sw, [&] { return ReadAll(log) == "no device 5/3/48\n"; }))
      << "log: " << ReadAll(log);
  EXPECT_TRUE(WaitFor(sw, [&] {
    return Text(StatusBar(sw)) == "No sound device: nothing can be played.";
  })) << Text(StatusBar(sw));

  // The Play menu opened, as a person looks at it (opening it sets its
  // items' states).
  OpenMenu(sw.Main(), 'P');
  SaveScreenshot("play_menu");
  PressKeys({'D'});  // Send to MIDI Output
  PressKeys({VK_ESCAPE});
  PressKeys({VK_ESCAPE});
  ChooseMenuItem(sw.Main(), 'P', 'F');  // Fast: a setting that is kept
  ASSERT_TRUE(WaitFor(sw, [&] { return ProfileInt("Settings", "Tempo") == 240; }));
  EXPECT_EQ(ProfileInt("Settings", "MIDI"), -1) << "a greyed item chose the MIDI output";
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
  ASSERT_TRUE(ClickTheCOnTheAString(sw));
  EXPECT_TRUE(WaitFor(sw, [&] { return ReadAll(log).find(" 5/3/60\n") != std::string::npos; }))
      << "log: " << ReadAll(log);
}

}  // namespace
}  // namespace scalewright::e2e
