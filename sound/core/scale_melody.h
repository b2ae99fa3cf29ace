// The notes Play Scale sounds: the board's mode from its tonic up one
// octave and down again, through the notes the board shows, fingered in
// one position. The tonic is the lowest-sounding one on the board (on the
// lower fret where two strings sound it alike); the position is the five
// frets from one below it, and a note that position lacks is taken where
// the board shows it nearest to the position.
#pragma once

#include <vector>

#include "control/model/fretboard_state.h"
#include "sound/core/pluck_voice.h"

namespace scalewright {
class CModeList;
}

namespace scalewright::sound {

struct SPlayedNote {
  int string = 0;  // 0 = the tuning's first token, the top line
  int fret = 0;
  int note = 0;  // MIDI
};

std::vector<SPlayedNote> ScaleMelody(const CFretboardState& state, const CModeList& modes);

// The notes at |tempo| notes a minute, each ringing on into the next.
std::vector<SNote> Timed(const std::vector<SPlayedNote>& melody, int tempo);

// How |notes| are played: one (a clicked note) rings out for a second and a
// half; more are a melody at |tempo|.
std::vector<SNote> Performance(const std::vector<SPlayedNote>& notes, int tempo);

// The range a tempo is kept in, and where it starts.
inline constexpr int kMinTempo = 30, kMaxTempo = 400, kDefaultTempo = 160;

}  // namespace scalewright::sound
