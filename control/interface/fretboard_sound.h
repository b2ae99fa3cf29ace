// IFretboardSound and IFretboardSoundSite: how a host sounds the board.
// The control names the notes (the scale Play Scale plays, the note under a
// click) and shows the one that sounds; the host synthesises and plays
// them. Both are in-process interfaces like IFretboardSettings: plain
// virtual functions, slots fixed once shipped, new ones at the end.
#pragma once

#include <windows.h>

#include <unknwn.h>

#include <cstdint>

namespace scalewright {

// A note on the board: the string (0 = the tuning's first token, the top
// line), the fret, and its pitch as a MIDI note (60 middle C, 69 the A of
// 440 Hz) from the strings' octaves.
struct SSoundNote {
  std::int32_t string;
  std::int32_t fret;
  std::int32_t note;
};

// {06EDDED7-4A81-496F-9CE6-1E332B6C5C4F}
inline constexpr IID IID_IFretboardSound = {
    0x06EDDED7, 0x4A81, 0x496F, {0x9C, 0xE6, 0x1E, 0x33, 0x2B, 0x6C, 0x5C, 0x4F}};

struct IFretboardSound : public IUnknown {
  // The notes Play Scale plays, up an octave from the tonic and down, in
  // one position: fills up to |capacity| of them and returns how many there
  // are (0: the board shows no tonic).
  virtual std::int32_t GetScaleNotes(SSoundNote* notes, std::int32_t capacity) = 0;
  // The marker drawn at |point| of the control's window (client
  // coordinates); false when there is none there.
  virtual bool GetNoteAt(POINT point, SSoundNote* note) = 0;
  // Shows the marker at |string|, |fret| as sounding, until another one or
  // none (string -1).
  virtual void SetSoundingMarker(std::int32_t string, std::int32_t fret) = 0;
  // The octaves a player gave the strings, one a string in the tuning's
  // order ("4 3 - 3 2 2": a digit of scientific pitch notation, "-" for the
  // rule); empty for the rule alone. A text of anything else is ignored.
  virtual const char* GetOctaves() = 0;
  virtual void SetOctaves(const char* octaves) = 0;

 protected:
  ~IFretboardSound() = default;
};

// {FF842309-2CCE-4C54-8D10-588B43EE994E}
inline constexpr IID IID_IFretboardSoundSite = {
    0xFF842309, 0x2CCE, 0x4C54, {0x8D, 0x10, 0x58, 0x8B, 0x43, 0xEE, 0x99, 0x4E}};

// Answered by a container's client site that wants the board's clicks.
struct IFretboardSoundSite : public IUnknown {
  // The user clicked the marker of |note|.
  virtual void OnNoteClicked(const SSoundNote& note) = 0;

 protected:
  ~IFretboardSoundSite() = default;
};

}  // namespace scalewright
