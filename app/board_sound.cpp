#include "app/board_sound.h"

#include <cstdio>
#include <cstdlib>

#include "framework/com/com_ptr.h"
#include "framework/docview/app.h"
#include "framework/docview/file_write.h"
#include "framework/docview/mdi_frame.h"
#include "sound/core/pluck_voice.h"
#include "sound/core/scale_melody.h"
#include "sound/core/string_pitches.h"
#include "sound/core/wav_file.h"
#include "sound/win/wave_player.h"

namespace scalewright::app {

namespace {

constexpr char kSettings[] = "Settings";
constexpr char kTempoEntry[] = "Tempo";
constexpr char kNoDevice[] = "No sound device: nothing can be played.";

// The one player, made on first use.
sound::CWavePlayer& Player() {
  static sound::CWavePlayer player;
  return player;
}

std::vector<sound::SNote> Timing(const std::vector<SSoundNote>& notes) {
  if (notes.size() == 1) {
    // A clicked note rings out.
    return {{sound::FrequencyOf(notes[0].note), 0, sound::kSampleRate * 3 / 2}};
  }
  std::vector<sound::SPlayedNote> melody;
  for (const SSoundNote& note : notes) melody.push_back({note.string, note.fret, note.note});
  return sound::Timed(melody, Tempo());
}

// For tests and support: SW_SOUND_LOG names a file that gets a line for
// every request to play, whether or not a device plays it.
void LogRequest(const std::vector<SSoundNote>& notes, bool played) {
  const char* path = std::getenv("SW_SOUND_LOG");
  if (!path || !*path) return;
  if (FILE* log = std::fopen(path, "ab")) {
    std::fprintf(log, "%s", played ? "play" : "no device");
    for (const SSoundNote& note : notes)
      std::fprintf(log, " %d/%d/%d", note.string + 1, note.fret, note.note);
    std::fprintf(log, "\n");
    std::fclose(log);
  }
}

}  // namespace

std::vector<SSoundNote> ScaleNotesOf(IUnknown* control) {
  com::ComPtr<IFretboardSound> sound;
  if (!control || FAILED(control->QueryInterface(IID_IFretboardSound, sound.put_void())) || !sound)
    return {};
  const std::int32_t count = sound->GetScaleNotes(nullptr, 0);
  std::vector<SSoundNote> notes(static_cast<std::size_t>(count > 0 ? count : 0));
  if (!notes.empty()) sound->GetScaleNotes(notes.data(), count);
  return notes;
}

void PlayNotes(const std::vector<SSoundNote>& notes, HWND window) {
  if (notes.empty()) return;
  const std::vector<sound::SNote> timed = Timing(notes);
  std::vector<int> cues;
  for (const sound::SNote& note : timed) cues.push_back(note.start);
  const bool played = Player().Play(sound::RenderNotes(timed), cues, window, kSoundCue);
  LogRequest(notes, played);
  static bool told = false;
  if (!played && !told) {
    told = true;
    docview::CWinApp* app = docview::CWinApp::Current();
    if (app && app->MainFrame()) app->MainFrame()->SetMessageText(kNoDevice);
  }
}

void StopPlaying() { Player().Stop(); }

int Tempo() {
  docview::CWinApp* app = docview::CWinApp::Current();
  const int tempo =
      app ? app->Profile().GetInt(kSettings, kTempoEntry, kTempoMedium) : kTempoMedium;
  return tempo >= sound::kMinTempo && tempo <= sound::kMaxTempo ? tempo : kTempoMedium;
}

void SetTempo(int tempo) {
  if (docview::CWinApp* app = docview::CWinApp::Current())
    app->Profile().WriteInt(kSettings, kTempoEntry, tempo);
}

bool WriteScaleSound(IUnknown* control, const std::string& path, std::string& error) {
  const std::vector<SSoundNote> notes = ScaleNotesOf(control);
  if (notes.empty()) {
    error = "The board shows no tonic, so it has no scale to play.";
    return false;
  }
  return docview::WriteFileReplacing(path, sound::WavFileBytes(sound::RenderNotes(Timing(notes))),
                                     error);
}

}  // namespace scalewright::app
