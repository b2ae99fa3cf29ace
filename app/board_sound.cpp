#include "app/board_sound.h"

#include <cstdio>
#include <cstdlib>

#include "framework/com/com_ptr.h"
#include "framework/docview/app.h"
#include "framework/docview/file_write.h"
#include "framework/docview/mdi_frame.h"
#include "sound/core/midi_events.h"
#include "sound/core/pluck_voice.h"
#include "sound/core/scale_melody.h"
#include "sound/core/string_pitches.h"
#include "sound/core/wav_file.h"
#include "sound/win/midi_player.h"
#include "sound/win/wave_player.h"

namespace scalewright::app {

namespace {

constexpr char kSettings[] = "Settings";
constexpr char kTempoEntry[] = "Tempo";
constexpr char kMidiEntry[] = "MIDI";
constexpr char kNoDevice[] = "No sound device: nothing can be played.";
constexpr char kNoMidi[] = "The MIDI output could not be opened: nothing can be played.";

// The players, each made on first use.
sound::CWavePlayer& WavePlayer() {
  static sound::CWavePlayer player;
  return player;
}
sound::CMidiPlayer& MidiPlayer() {
  static sound::CMidiPlayer player;
  return player;
}

std::vector<sound::SPlayedNote> Melody(const std::vector<SSoundNote>& notes) {
  std::vector<sound::SPlayedNote> melody;
  for (const SSoundNote& note : notes) melody.push_back({note.string, note.fret, note.note});
  return melody;
}

// For tests and support: SW_SOUND_LOG names a file that gets a line for
// every request to play (whether or not a device plays it), for each note
// as it starts sounding and for the end.
void LogLine(const std::string& line) {
  const char* path = std::getenv("SW_SOUND_LOG");
  if (!path || !*path) return;
  if (FILE* log = std::fopen(path, "ab")) {
    std::fprintf(log, "%s\n", line.c_str());
    std::fclose(log);
  }
}

void LogRequest(const std::vector<SSoundNote>& notes, const char* how) {
  std::string line = how;
  for (const SSoundNote& note : notes) {
    line += " " + std::to_string(note.string + 1) + "/" + std::to_string(note.fret) + "/" +
            std::to_string(note.note);
  }
  LogLine(line);
}

void SayOnce(const char* text) {
  static bool told = false;
  if (told) return;
  told = true;
  docview::CWinApp* app = docview::CWinApp::Current();
  if (app && app->MainFrame()) app->MainFrame()->SetMessageText(text);
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
  const std::vector<sound::SPlayedNote> melody = Melody(notes);
  const std::vector<sound::SNote> timed = sound::Performance(melody, Tempo());
  if (MidiChosen() && MidiAvailable()) {
    WavePlayer().Stop();
    const bool sent = MidiPlayer().Play(sound::MidiEvents(melody, timed), window, kSoundCue);
    LogRequest(notes, sent ? "midi" : "no midi");
    if (!sent) SayOnce(kNoMidi);
    return;
  }
  MidiPlayer().Stop();
  std::vector<int> cues;
  for (const sound::SNote& note : timed) cues.push_back(note.start);
  const bool played = WavePlayer().Play(sound::RenderNotes(timed), cues, window, kSoundCue);
  LogRequest(notes, played ? "play" : "no device");
  if (!played) SayOnce(kNoDevice);
}

void StopPlaying() {
  WavePlayer().Stop();
  MidiPlayer().Stop();
}

void LogSounding(WPARAM cue) {
  LogLine(cue == sound::kPlayEnded ? "ended" : "sounding " + std::to_string(cue));
}

bool MidiAvailable() {
  // Asked once: the outputs a system has rarely change while SW runs, and
  // the menu asks each time it opens.
  static const bool available = sound::CMidiPlayer::Available();
  return available;
}

bool MidiChosen() {
  docview::CWinApp* app = docview::CWinApp::Current();
  return app && app->Profile().GetInt(kSettings, kMidiEntry, 0) != 0;
}

void SetMidiChosen(bool chosen) {
  if (docview::CWinApp* app = docview::CWinApp::Current())
    app->Profile().WriteInt(kSettings, kMidiEntry, chosen ? 1 : 0);
}

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
  return docview::WriteFileReplacing(
      path, sound::WavFileBytes(sound::RenderNotes(sound::Performance(Melody(notes), Tempo()))),
      error);
}

}  // namespace scalewright::app
