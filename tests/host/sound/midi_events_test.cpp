// The MIDI a melody becomes, checked against the MIDI 1.0 message layout
// (status byte, then two 7-bit data bytes, packed low byte first as
// midiOutShortMsg takes them) worked out by hand.
#include <cstdint>
#include <vector>

#include <gtest/gtest.h>

#include "sound/core/midi_events.h"

namespace scalewright::sound {
namespace {

TEST(MidiEvents, MessagesAndTheirOrderInTime) {
  // Note on, channel 1, A4 (69 = 0x45), velocity 96 (0x60).
  EXPECT_EQ(MidiNoteOn(69, 96), 0x00604590u);
  // Note off, middle C (60 = 0x3C).
  EXPECT_EQ(MidiNoteOff(60), 0x00003C80u);
  // Program change to 25 (0x19), GM's steel-string guitar.
  EXPECT_EQ(MidiProgramChange(kSteelGuitarProgram), 0x000019C0u);
  // Control change 123 (0x7B): all notes off.
  EXPECT_EQ(MidiAllNotesOff(), 0x00007BB0u);

  // E2 F2 E2 at 60 notes a minute: a note a second (44100 samples), each
  // ringing two; the last rings a second and a half (66150).
  const std::vector<SPlayedNote> melody = {{5, 0, 40}, {5, 1, 41}, {5, 0, 40}};
  const std::vector<SMidiEvent> events = MidiEvents(melody, Performance(melody, 60));
  const std::vector<SMidiEvent> expected = {
      {0, 0x000019C0u, -1},      {0, 0x00602890u, 0},  // E2 (0x28) on
      {44100, 0x00602990u, 1},                         // F2 (0x29) on
      {88200, 0x00002880u, -1},                        // the first E2 ends ...
      {88200, 0x00602890u, 2},                         // ... before the second begins
      {132300, 0x00002980u, -1},                       // F2 off
      {154350, 0x00002880u, -1},                       // the last E2 off
  };
  ASSERT_EQ(events.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(events[i].sample, expected[i].sample) << "event " << i;
    EXPECT_EQ(events[i].message, expected[i].message) << "event " << i;
    EXPECT_EQ(events[i].cue, expected[i].cue) << "event " << i;
  }
}

}  // namespace
}  // namespace scalewright::sound
