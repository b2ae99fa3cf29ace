#include "sound/core/midi_events.h"

#include <algorithm>

namespace scalewright::sound {

namespace {

std::uint32_t Pack(int status, int first, int second) {
  return static_cast<std::uint32_t>(status & 0xFF) |
         (static_cast<std::uint32_t>(first & 0x7F) << 8) |
         (static_cast<std::uint32_t>(second & 0x7F) << 16);
}

}  // namespace

std::uint32_t MidiNoteOn(int note, int velocity) {
  return Pack(0x90, std::clamp(note, 0, 127), std::clamp(velocity, 1, 127));
}

std::uint32_t MidiNoteOff(int note) { return Pack(0x80, std::clamp(note, 0, 127), 0); }

std::uint32_t MidiProgramChange(int program) { return Pack(0xC0, program, 0); }

std::uint32_t MidiAllNotesOff() { return Pack(0xB0, 123, 0); }

std::vector<SMidiEvent> MidiEvents(const std::vector<SPlayedNote>& melody,
                                   const std::vector<SNote>& timing) {
  std::vector<SMidiEvent> events = {{0, MidiProgramChange(kSteelGuitarProgram), -1}};
  const std::size_t count = std::min(melody.size(), timing.size());
  for (std::size_t i = 0; i < count; ++i) {
    const SNote& note = timing[i];
    events.push_back({note.start, MidiNoteOn(melody[i].note, kNoteVelocity), static_cast<int>(i)});
    events.push_back({note.start + note.length, MidiNoteOff(melody[i].note), -1});
  }
  // Stable: the program change stays first; at one time, offs before ons.
  std::stable_sort(events.begin() + 1, events.end(), [](const SMidiEvent& a, const SMidiEvent& b) {
    if (a.sample != b.sample) return a.sample < b.sample;
    return (a.message & 0xF0) == 0x80 && (b.message & 0xF0) == 0x90;
  });
  return events;
}

}  // namespace scalewright::sound
