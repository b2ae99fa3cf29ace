// Plays 16-bit mono samples at 44.1 kHz through waveOut, on a thread of its
// own so that no window waits for the sound. A few short buffers are kept
// queued (the first sound is at most 23 ms of audio away); as playing
// passes each cue, and once at the end, the window that asked is told.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <vector>

namespace scalewright::sound {

// wParam of the end message: everything has played, or was stopped.
inline constexpr WPARAM kPlayEnded = static_cast<WPARAM>(-1);

class CWavePlayer {
 public:
  CWavePlayer();
  ~CWavePlayer();
  CWavePlayer(const CWavePlayer&) = delete;
  CWavePlayer& operator=(const CWavePlayer&) = delete;

  // Plays |samples| from the start in place of what plays. |window| gets
  // |message|, posted, with a cue's index in wParam as playing passes each
  // of |cues| (sample offsets, ascending), and kPlayEnded at the end. False,
  // and nothing plays, when the system has no sound device to open.
  bool Play(std::vector<std::int16_t> samples, std::vector<int> cues, HWND window, UINT message);
  // Stops at once (the window is told kPlayEnded).
  void Stop();
  // Samples handed to the device since the last Play.
  std::size_t Queued() const;
  // From Play until everything has played or was stopped.
  bool Playing() const;

 private:
  struct SShared;
  void Run();
  std::unique_ptr<SShared> m_shared;
};

}  // namespace scalewright::sound
