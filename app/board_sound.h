// SW's sound: one player for the whole program, the tempo kept with SW's
// settings, and a board's notes made into samples or a WAV file.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "control/interface/fretboard_sound.h"

namespace scalewright::app {

// Posted to the view that plays: wParam the index of the note that starts
// sounding, or sound::kPlayEnded.
inline constexpr UINT kSoundCue = WM_APP + 22;

// The tempos offered (notes a minute) and the settings' entry.
inline constexpr int kTempoSlow = 100, kTempoMedium = 160, kTempoFast = 240;

// The notes Play Scale plays on |control| (none when it shows no tonic or
// cannot tell).
std::vector<SSoundNote> ScaleNotesOf(IUnknown* control);

// Plays |notes| (one: a clicked note; more: the scale at the tempo) for the
// view |window|. With no sound device the status bar says so, once, and
// nothing else happens.
// With the MIDI output chosen (and there), the notes go to it instead.
void PlayNotes(const std::vector<SSoundNote>& notes, HWND window);
void StopPlaying();
// Notes kSoundCue's |cue| in SW_SOUND_LOG's file, when there is one.
void LogSounding(WPARAM cue);

// Whether the system has a MIDI output, and whether the player sends the
// notes there (kept with SW's settings).
bool MidiAvailable();
bool MidiChosen();
void SetMidiChosen(bool chosen);

int Tempo();
void SetTempo(int tempo);

// |control|'s scale played at the tempo, as a WAV file at |path|; false with
// the reason in |error|.
bool WriteScaleSound(IUnknown* control, const std::string& path, std::string& error);

}  // namespace scalewright::app
