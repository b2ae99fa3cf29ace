// Sends a melody's MIDI messages to the system's MIDI output (the MIDI
// mapper: a synthesiser or a port the user chose), timed on a thread of its
// own so that no window waits. As each note starts, and once at the end,
// the window that asked is told, as CWavePlayer tells it.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "sound/core/midi_events.h"

namespace scalewright::sound {

class CMidiPlayer {
 public:
  // Whether the system has a MIDI output to send to.
  static bool Available();

  CMidiPlayer();
  ~CMidiPlayer();
  CMidiPlayer(const CMidiPlayer&) = delete;
  CMidiPlayer& operator=(const CMidiPlayer&) = delete;

  // Sends |events| from now on in place of what plays. |window| gets
  // |message|, posted, with a note's cue in wParam as it starts, and
  // kPlayEnded at the end. False, and nothing is sent, when no MIDI output
  // opens.
  bool Play(std::vector<SMidiEvent> events, HWND window, UINT message);
  // Stops at once, every note off (the window is told kPlayEnded).
  void Stop();
  bool Playing() const;

 private:
  struct SShared;
  void Run();
  std::unique_ptr<SShared> m_shared;
};

}  // namespace scalewright::sound
