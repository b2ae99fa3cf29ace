// A played melody as MIDI short messages for a MIDI output: a program
// change to a steel-string guitar, then each note on when it is plucked and
// off when it stops ringing, all on the first channel.
#pragma once

#include <cstdint>
#include <vector>

#include "sound/core/pluck_voice.h"
#include "sound/core/scale_melody.h"

namespace scalewright::sound {

struct SMidiEvent {
  int sample = 0;             // when, in samples at kSampleRate
  std::uint32_t message = 0;  // packed as midiOutShortMsg takes it
  int cue = -1;               // the index of the note it starts, or -1
};

// General MIDI's "Acoustic Guitar (steel)", program 26 counted from 1.
inline constexpr int kSteelGuitarProgram = 25;
inline constexpr int kNoteVelocity = 96;

std::uint32_t MidiNoteOn(int note, int velocity);
std::uint32_t MidiNoteOff(int note);
std::uint32_t MidiProgramChange(int program);
// Control change 123 on the first channel: every note off, for a stop.
std::uint32_t MidiAllNotesOff();

// |melody| as |timing| plays it (Performance's notes, one for one), in
// time order; where a note ends as another begins, the end comes first so
// that a repeated note sounds again.
std::vector<SMidiEvent> MidiEvents(const std::vector<SPlayedNote>& melody,
                                   const std::vector<SNote>& timing);

}  // namespace scalewright::sound
