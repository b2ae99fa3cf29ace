// The fretboard's arithmetic of notes: pitch classes and their names, tunings,
// modes as interval digits, degree lists, marker labels and side dots.
// Pure functions; the control passes its own settings in.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "control/model/mode_list.h"

namespace scalewright {

constexpr int kNoPitch = -1;
constexpr int kPitchClasses = 12;
constexpr int kMaxFret = 36;

// What a marker shows. Values outside 0..6 behave as kLabelLeaveBlank.
enum LabelKind : int {
  kLabelNone = 0,  // the page's "leave unchanged"; draws nothing
  kLabelNoteLetters = 1,
  kLabelStepNumber = 2,
  kLabelModeIndex = 3,
  kLabelLeaveBlank = 4,
  kLabelFill = 5,
  kLabelFillHighlighted = 6,
};

enum class SideDot { kNone, kSingle, kDouble };

using NoteFlags = std::array<bool, kPitchClasses>;

// Colour as the graphics interface takes it: 0x00BBGGRR.
using Color = std::uint32_t;
constexpr Color kWhite = 0x00FFFFFF;

// Whether |pitch| is one of the twelve pitch classes, 0 (c) to 11 (b).
constexpr bool IsPitchClass(int pitch) { return pitch >= 0 && pitch < kPitchClasses; }
// Interval digits, degree numbers: ASCII '0' to '9' whatever the locale.
constexpr bool IsAsciiDigit(char c) { return c >= '0' && c <= '9'; }

// "c", "c#", ... "b"; -1 (and anything outside 0..11) gives "None".
const char* NoteName(int pitch);
// The same with its letter in upper case, as chords and scales are named:
// "C", "C#", ... "B".
std::string CapitalNoteName(int pitch);

// A note token such as "E", "eb", "C#": its pitch class, or -1 when it names
// no note. Only the first two characters count. Null gives -1.
int ParseNoteName(const char* token);
int ParseNoteName(std::string_view token);

// Space-separated note tokens, top line of the board first. Every non-empty
// token makes a string, one that names no note with pitch -1. Null gives none.
std::vector<int> ParseTuning(const char* text);

// Pitch class at |fret| of a string tuned to |stringPitch|; -1 when the string
// has no pitch (or is out of range) or the fret is negative.
int PitchAt(int fret, int stringPitch);

// 0-based degree of |pitch| in the mode with these interval digits, starting
// on |tonic|; -1 when the pitch is not in the mode. Characters other than
// digits are not intervals and are passed over.
int DegreeIndexInIntervals(int pitch, int tonic, std::string_view intervals);

// Looks the mode up by name (the list's Find: first match, ignoring case) and
// walks its intervals; -1 when no mode has that name. Any type with the mode
// list's Find and GetIntervals will do, so the walk can be checked alone.
template <class ModeList>
int DegreeIndexInModeList(int pitch, int tonic, const char* modeName, const ModeList& modes) {
  const int index = modes.Find(modeName);
  if (index < 0) return kNoPitch;
  return DegreeIndexInIntervals(pitch, tonic, modes.GetIntervals(index));
}

inline int DegreeIndexOf(int pitch, int tonic, const char* modeName, const CModeList& modes) {
  return DegreeIndexInModeList(pitch, tonic, modeName, modes);
}

// Whether |n| is an item of a comma-separated degree list such as "1,3,5".
// Non-digits inside an item are skipped ("1 3" is 13); empty items are passed
// over. Null or empty lists hold nothing.
bool IsNumberInList(const char* list, int n);
bool IsNumberInList(std::string_view list, int n);

// Whether 1-based |degree| is in the highlight list; an empty list highlights
// nothing.
bool IsHighlightedDegree(const char* highlightList, int degree);

// Whether a marker whose pitch has 0-based |degreeIndex| in the mode (-1: not
// in the mode) is drawn highlighted.
bool IsMarkerHighlighted(int degreeIndex, const char* highlightList);

// Which pitch classes (C..B) the "Show steps" list selects: degree k of the
// mode is selected when |showSteps| is empty or lists k. A tonic outside 0..11
// selects nothing.
NoteFlags StepsToNotes(int tonic, std::string_view intervals, const char* showSteps);

// Text a marker carries. |degreeIndex| is DegreeIndexOf(pitch), used by kind 3
// only; a negative index there reads "0". Kinds without text give "".
std::string MarkerLabel(int kind, int pitch, int tonic, int degreeIndex);

// Whether the marker gets a black disc painted over it (kinds 5 and 6).
bool MarkerHasDisc(int kind, bool highlighted);

// The control's caption: tonic's note name, a space, the mode name as typed.
std::string CaptionText(int tonic, const char* modeName);

// Side-dot pattern along the neck; frets outside 0..36 have none.
SideDot SideDotAt(int fret);
// "." for a single dot, ":" for a double, "" for none.
const char* SideDotText(SideDot dot);

// Fill of a marker of |pitch|: white for every pitch.
Color MarkerFillColor(int pitch);

}  // namespace scalewright
