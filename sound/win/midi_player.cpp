#include "sound/win/midi_player.h"

#include <mmsystem.h>

#include <chrono>
#include <mutex>
#include <thread>

#include "sound/win/wave_player.h"

namespace scalewright::sound {

// What the caller's thread and the player's share, under |lock|.
struct CMidiPlayer::SShared {
  mutable std::mutex lock;
  HANDLE command = ::CreateEventW(nullptr, FALSE, FALSE, nullptr);
  HMIDIOUT device = nullptr;
  bool quit = false;
  bool stop = false;
  bool fresh = false;
  bool playing = false;
  std::vector<SMidiEvent> events;
  HWND window = nullptr;
  UINT message = 0;
  std::thread thread;

  ~SShared() {
    if (device) {
      ::midiOutReset(device);
      ::midiOutClose(device);
    }
    ::CloseHandle(command);
  }
};

bool CMidiPlayer::Available() { return ::midiOutGetNumDevs() > 0; }

CMidiPlayer::CMidiPlayer() : m_shared(std::make_unique<SShared>()) {
  m_shared->thread = std::thread([this] { Run(); });
}

CMidiPlayer::~CMidiPlayer() {
  {
    std::lock_guard<std::mutex> hold(m_shared->lock);
    m_shared->quit = true;
  }
  ::SetEvent(m_shared->command);
  m_shared->thread.join();
}

bool CMidiPlayer::Play(std::vector<SMidiEvent> events, HWND window, UINT message) {
  std::lock_guard<std::mutex> hold(m_shared->lock);
  if (!m_shared->device &&
      ::midiOutOpen(&m_shared->device, MIDI_MAPPER, 0, 0, CALLBACK_NULL) != MMSYSERR_NOERROR) {
    m_shared->device = nullptr;
    return false;
  }
  m_shared->events = std::move(events);
  m_shared->window = window;
  m_shared->message = message;
  m_shared->fresh = true;
  m_shared->playing = true;
  ::SetEvent(m_shared->command);
  return true;
}

void CMidiPlayer::Stop() {
  {
    // A Play the thread has not yet taken is dropped as well.
    std::lock_guard<std::mutex> hold(m_shared->lock);
    m_shared->stop = true;
    m_shared->fresh = false;
    m_shared->playing = false;
  }
  ::SetEvent(m_shared->command);
}

bool CMidiPlayer::Playing() const {
  std::lock_guard<std::mutex> hold(m_shared->lock);
  return m_shared->playing;
}

void CMidiPlayer::Run() {
  using Clock = std::chrono::steady_clock;
  SShared& shared = *m_shared;
  std::vector<SMidiEvent> events;
  std::size_t next = 0;
  Clock::time_point started;
  HWND window = nullptr;
  UINT message = 0;
  HMIDIOUT device = nullptr;
  bool playing = false;

  const auto tell = [&](WPARAM what) {
    if (window) ::PostMessageW(window, message, what, 0);
  };
  const auto due = [&](std::size_t event) {
    return started + std::chrono::microseconds(static_cast<long long>(events[event].sample) *
                                               1000000 / kSampleRate);
  };
  const auto finish = [&] {
    playing = false;
    std::lock_guard<std::mutex> hold(shared.lock);
    if (!shared.fresh) shared.playing = false;
  };
  const auto halt = [&] {
    if (!playing) return;
    ::midiOutShortMsg(device, MidiAllNotesOff());
    finish();
    tell(kPlayEnded);
  };

  for (;;) {
    DWORD wait = INFINITE;
    if (playing && next < events.size()) {
      const auto left =
          std::chrono::duration_cast<std::chrono::milliseconds>(due(next) - Clock::now());
      wait = left.count() > 0 ? static_cast<DWORD>(left.count()) : 0;
    }
    ::WaitForSingleObject(shared.command, wait);
    bool quit = false, fresh = false, stop = false;
    {
      std::lock_guard<std::mutex> hold(shared.lock);
      quit = shared.quit;
      stop = shared.stop;
      fresh = shared.fresh;
      shared.stop = false;
      device = shared.device;
    }
    if (quit || stop || fresh) halt();
    if (quit) return;
    if (fresh) {
      std::lock_guard<std::mutex> hold(shared.lock);
      shared.fresh = false;
      events = std::move(shared.events);
      window = shared.window;
      message = shared.message;
      next = 0;
      started = Clock::now();
      playing = device && !events.empty();
      if (!playing) shared.playing = false;
    }
    if (!playing) continue;

    // Send everything that is due.
    const auto now = Clock::now();
    while (next < events.size() && due(next) <= now) {
      ::midiOutShortMsg(device, events[next].message);
      if (events[next].cue >= 0) tell(static_cast<WPARAM>(events[next].cue));
      ++next;
    }
    if (next >= events.size()) {
      finish();
      tell(kPlayEnded);
    }
  }
}

}  // namespace scalewright::sound
