// The notes Play Scale sounds, checked against scale tables, and the WAV
// file's bytes against the format's published layout.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "control/model/mode_list.h"
#include "control/model/mode_strings.h"
#include "sound/core/scale_melody.h"
#include "sound/core/wav_file.h"
#include "tests/host/control/fake_mode_platform.h"

namespace scalewright::sound {
namespace {

const char* const kNames[] = {"C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B"};

std::string Spelled(const std::vector<SPlayedNote>& melody) {
  std::string names;
  for (const SPlayedNote& note : melody)
    names += std::string(names.empty() ? "" : " ") + kNames[note.note % 12];
  return names;
}

TEST(ScaleMelody, ModesUpAnOctaveAndDownInOnePosition) {
  CFakeModePlatform platform;
  platform.files[platform.path] = IDS_DEFAULT_MODES_TEXT "\r\n";
  const CModeList modes(platform);
  // The scales as any scale table spells them (sharps for the black keys).
  const struct {
    int tonic;
    const char* mode;
    const char* hidden;  // a note the board does not show
    const char* played;
  } cases[] = {
      {0, "Ionian", "", "C D E F G A B C B A G F E D C"},
      {9, "Aeolian", "", "A B C D E F G A G F E D C B A"},
      {2, "Dorian", "", "D E F G A B C D C B A G F E D"},
      {4, "Phrygian", "", "E F G A B C D E D C B A G F E"},
      {7, "Mixolydian", "", "G A B C D E F G F E D C B A G"},
      {5, "Lydian", "", "F G A B C D E F E D C B A G F"},
      {0, "Ionian", "F", "C D E G A B C B A G E D C"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(kNames[c.tonic]) + " " + c.mode);
    CFretboardState state;
    state.SetTonality(c.tonic);
    state.SetMode(c.mode);
    for (int pitch = 0; pitch < 12; ++pitch) {
      if (c.hidden == std::string(kNames[pitch])) state.SetNoteShown(pitch, false);
    }
    const std::vector<SPlayedNote> melody = ScaleMelody(state, modes);
    EXPECT_EQ(Spelled(melody), c.played);
    // One octave up and back, every note a step above the one before.
    ASSERT_FALSE(melody.empty());
    EXPECT_EQ(melody.back().note, melody.front().note);
    const std::size_t top = melody.size() / 2;
    EXPECT_EQ(melody[top].note, melody.front().note + 12);
    for (std::size_t i = 1; i <= top; ++i) EXPECT_GT(melody[i].note, melody[i - 1].note);
    // Fingered within five frets.
    int low = 99, high = -1;
    for (const SPlayedNote& note : melody)
      low = std::min(low, note.fret), high = std::max(high, note.fret);
    EXPECT_LE(high - low, 4) << "frets " << low << " to " << high;
  }
  // C major starts on the A string's third fret (C3, MIDI 48).
  CFretboardState state;
  const std::vector<SPlayedNote> melody = ScaleMelody(state, modes);
  ASSERT_FALSE(melody.empty());
  EXPECT_EQ(melody.front().string, 4);
  EXPECT_EQ(melody.front().fret, 3);
  EXPECT_EQ(melody.front().note, 48);
}

TEST(WavFile, HeaderAndSamplesAsTheFormatLaysThemOut) {
  const std::string bytes = WavFileBytes({1, -2, 0x1234});
  // RIFF, 4 + 24 + 8 + 6 bytes, WAVE; fmt of 16 bytes: PCM (1), one channel,
  // 44,100 Hz, 88,200 bytes a second, blocks of 2, 16 bits; data of 6 bytes.
  const std::string expected(
      "RIFF\x2a\0\0\0WAVEfmt \x10\0\0\0\x01\0\x01\0\x44\xac\0\0\x88\x58\x01\0"
      "\x02\0\x10\0data\x06\0\0\0\x01\0\xfe\xff\x34\x12",
      50);
  EXPECT_EQ(bytes, expected);
  EXPECT_EQ(WavFileBytes({}).size(), 44u);
}

}  // namespace
}  // namespace scalewright::sound
