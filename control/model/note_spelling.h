// How label kind 1 names the notes: with sharps (the names the model has
// always used), with flats, or as the key spells them. The caption and the
// page's lists keep the sharp names; only the markers' letters change.
//
// Forms. Sharps keep the lower-case names of NoteName ("c", "c#"). Flats
// and "as the key" write the letter in upper case, so that the flat sign,
// an ASCII "b", never reads as the letter B: "Bb", "Eb", "F#", a double
// sharp "Fx", a double flat "Bbb".
//
// As the key. A mode of seven degrees gives each degree its own letter, in
// order from the tonic's (F Ionian: F G A Bb C D E). The tonic of a black
// key is spelled the way whose seven names need fewer accidentals (a double
// one counts twice), as key signatures are chosen (Db Ionian, not C#); on
// a tie the flat spelling wins (Gb Ionian, not F#). A degree that would need
// more than a double sharp or flat, a pitch outside the mode, and every
// pitch of a mode of another length fall back to plain sharps or flats:
// flats when the key leans flat (the alterations of its seven names add up
// below zero; for other lengths, the major key on the tonic), sharps
// otherwise.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "control/model/music_model.h"

namespace scalewright {

// Values of the board's spelling setting. Any other value names as kSharps.
enum NoteSpelling : int {
  kSpellSharps = 0,
  kSpellFlats = 1,
  kSpellAsKey = 2,
};

// A note as a letter (0..6 for C D E F G A B) and an alteration in
// semitones (+1 sharp, -1 flat).
struct SSpelledNote {
  int letter = 0;
  int alteration = 0;
  bool operator==(const SSpelledNote&) const = default;
};

// "C", "F#", "Fx", "Bb", "Bbb"; empty beyond a double alteration or for a
// letter outside 0..6.
std::string SpelledNoteText(SSpelledNote note);

// The degrees of a mode from a spelled tonic, each on the letter after the
// previous one. Only digits are intervals; the digit that closes the octave
// names no degree, so a seven-digit mode gives seven notes.
std::vector<SSpelledNote> SpellScale(SSpelledNote tonic, std::string_view intervals);

using NoteNames = std::array<std::string, kPitchClasses>;

// What label kind 1 writes for each pitch class, given the tonic and the
// mode's interval digits (empty when the mode is not in the list).
NoteNames SpelledNoteNames(int spelling, int tonic, std::string_view intervals);

}  // namespace scalewright
