#include "sound/win/wave_player.h"

#include <mmsystem.h>

#include <array>
#include <mutex>
#include <thread>

#include "sound/core/pluck_voice.h"

namespace scalewright::sound {

namespace {

constexpr std::size_t kChunk = 1024;  // 23 ms
constexpr std::size_t kBuffers = 4;
constexpr DWORD kCuePoll = 5;  // ms between looks at the position

struct SBuffer {
  WAVEHDR header = {};
  std::vector<std::int16_t> samples;
};

}  // namespace

// What the caller's thread and the player's share, under |lock|.
struct CWavePlayer::SShared {
  mutable std::mutex lock;
  HANDLE command = ::CreateEventW(nullptr, FALSE, FALSE, nullptr);
  HANDLE done = ::CreateEventW(nullptr, FALSE, FALSE, nullptr);  // waveOut's callback
  HWAVEOUT device = nullptr;
  bool quit = false;
  bool stop = false;
  bool fresh = false;  // new samples to start
  bool playing = false;
  std::vector<std::int16_t> samples;
  std::vector<int> cues;
  HWND window = nullptr;
  UINT message = 0;
  std::size_t queued = 0;
  std::thread thread;

  ~SShared() {
    if (device) ::waveOutClose(device);
    ::CloseHandle(command);
    ::CloseHandle(done);
  }
};

CWavePlayer::CWavePlayer() : m_shared(std::make_unique<SShared>()) {
  m_shared->thread = std::thread([this] { Run(); });
}

CWavePlayer::~CWavePlayer() {
  {
    std::lock_guard<std::mutex> hold(m_shared->lock);
    m_shared->quit = true;
  }
  ::SetEvent(m_shared->command);
  m_shared->thread.join();
}

bool CWavePlayer::Play(std::vector<std::int16_t> samples, std::vector<int> cues, HWND window,
                       UINT message) {
  std::lock_guard<std::mutex> hold(m_shared->lock);
  if (!m_shared->device) {
    WAVEFORMATEX format = {};
    format.wFormatTag = WAVE_FORMAT_PCM;
    format.nChannels = 1;
    format.nSamplesPerSec = kSampleRate;
    format.wBitsPerSample = 16;
    format.nBlockAlign = 2;
    format.nAvgBytesPerSec = kSampleRate * 2;
    if (::waveOutOpen(&m_shared->device, WAVE_MAPPER, &format,
                      reinterpret_cast<DWORD_PTR>(m_shared->done), 0,
                      CALLBACK_EVENT) != MMSYSERR_NOERROR) {
      m_shared->device = nullptr;
      return false;
    }
  }
  m_shared->samples = std::move(samples);
  m_shared->cues = std::move(cues);
  m_shared->window = window;
  m_shared->message = message;
  m_shared->fresh = true;
  m_shared->playing = true;
  m_shared->queued = 0;
  ::SetEvent(m_shared->command);
  return true;
}

void CWavePlayer::Stop() {
  {
    // A Play the thread has not yet taken is dropped as well.
    std::lock_guard<std::mutex> hold(m_shared->lock);
    m_shared->stop = true;
    m_shared->fresh = false;
    m_shared->playing = false;
  }
  ::SetEvent(m_shared->command);
}

std::size_t CWavePlayer::Queued() const {
  std::lock_guard<std::mutex> hold(m_shared->lock);
  return m_shared->queued;
}

bool CWavePlayer::Playing() const {
  std::lock_guard<std::mutex> hold(m_shared->lock);
  return m_shared->playing;
}

void CWavePlayer::Run() {
  SShared& shared = *m_shared;
  std::array<SBuffer, kBuffers> buffers;
  std::vector<std::int16_t> samples;
  std::vector<int> cues;
  HWND window = nullptr;
  UINT message = 0;
  std::size_t position = 0, nextCue = 0;
  bool playing = false;
  HWAVEOUT device = nullptr;

  const auto tell = [&](WPARAM what) {
    if (window) ::PostMessageW(window, message, what, 0);
  };
  const auto unprepareAll = [&] {
    for (SBuffer& buffer : buffers) {
      if (buffer.header.dwFlags & WHDR_PREPARED)
        ::waveOutUnprepareHeader(device, &buffer.header, sizeof buffer.header);
      buffer.header = {};
    }
  };
  const auto halt = [&] {
    if (!playing) return;
    ::waveOutReset(device);
    unprepareAll();
    playing = false;
    tell(kPlayEnded);
  };

  for (;;) {
    const HANDLE events[] = {shared.command, shared.done};
    ::WaitForMultipleObjects(2, events, FALSE, playing ? kCuePoll : INFINITE);
    {
      std::lock_guard<std::mutex> hold(shared.lock);
      if (shared.quit) {
        halt();
        return;
      }
      device = shared.device;
      if (shared.stop || shared.fresh) halt();
      shared.stop = false;
      if (shared.fresh) {
        shared.fresh = false;
        samples = std::move(shared.samples);
        cues = std::move(shared.cues);
        window = shared.window;
        message = shared.message;
        position = nextCue = 0;
        playing = device && !samples.empty();
        shared.playing = playing;
      }
    }
    if (!playing) continue;

    // Keep every free buffer filled with the next chunk.
    for (SBuffer& buffer : buffers) {
      if (position >= samples.size()) break;
      if ((buffer.header.dwFlags & WHDR_PREPARED) && !(buffer.header.dwFlags & WHDR_DONE)) continue;
      if (buffer.header.dwFlags & WHDR_PREPARED)
        ::waveOutUnprepareHeader(device, &buffer.header, sizeof buffer.header);
      const std::size_t count = std::min(kChunk, samples.size() - position);
      buffer.samples.assign(samples.begin() + static_cast<std::ptrdiff_t>(position),
                            samples.begin() + static_cast<std::ptrdiff_t>(position + count));
      buffer.header = {};
      buffer.header.lpData = reinterpret_cast<LPSTR>(buffer.samples.data());
      buffer.header.dwBufferLength = static_cast<DWORD>(count * sizeof(std::int16_t));
      ::waveOutPrepareHeader(device, &buffer.header, sizeof buffer.header);
      ::waveOutWrite(device, &buffer.header, sizeof buffer.header);
      position += count;
      std::lock_guard<std::mutex> hold(shared.lock);
      shared.queued = position;
    }

    // Tell the cues that playing has passed, then the end.
    MMTIME time = {};
    time.wType = TIME_SAMPLES;
    ::waveOutGetPosition(device, &time, sizeof time);
    const std::size_t played = time.wType == TIME_SAMPLES ? time.u.sample : 0;
    while (nextCue < cues.size() && static_cast<std::size_t>(cues[nextCue]) <= played)
      tell(nextCue++);
    bool allDone = position >= samples.size();
    for (const SBuffer& buffer : buffers) {
      if ((buffer.header.dwFlags & WHDR_PREPARED) && !(buffer.header.dwFlags & WHDR_DONE))
        allDone = false;
    }
    if (allDone) {
      while (nextCue < cues.size()) tell(nextCue++);
      unprepareAll();
      playing = false;
      {
        std::lock_guard<std::mutex> hold(shared.lock);
        if (!shared.fresh) shared.playing = false;
      }
      tell(kPlayEnded);
    }
  }
}

}  // namespace scalewright::sound
