// IFretboardHarmony: the chord layer of the board, for hosts in the same
// process (like IFretboardSettings: plain virtual functions, slots fixed
// once shipped, new ones at the end). A chord of the board's mode is
// chosen by its degree and size; its tones stand out and the rest of the
// scale is drawn quieter.
#pragma once

#include <windows.h>

#include <unknwn.h>

#include <cstdint>

namespace scalewright {

// {100E9769-D386-439B-8DBE-8F6F2FB7EA72}
inline constexpr IID IID_IFretboardHarmony = {
    0x100E9769, 0xD386, 0x439B, {0x8D, 0xBE, 0x8F, 0x6F, 0x2F, 0xB7, 0xEA, 0x72}};

struct IFretboardHarmony : public IUnknown {
  // 0: no chord; 1-7: the chord on that degree of the board's mode.
  virtual std::int32_t GetChordDegree() = 0;
  virtual void SetChordDegree(std::int32_t degree) = 0;
  // 3: triads; 4: seventh chords.
  virtual std::int32_t GetChordSize() = 0;
  virtual void SetChordSize(std::int32_t size) = 0;
  // The chord on |degree| of the board's key at |size|, as "ii7  Dm7"
  // (numeral, two spaces, name; UTF-8) into |buffer|; its length, 0 when
  // the mode has no such chord (not seven notes, or another degree).
  virtual std::int32_t GetChordTitle(std::int32_t degree, std::int32_t size, char* buffer,
                                     std::int32_t capacity) = 0;
  // "Which scale is this?": the modes of the board's modes file, on every
  // tonic, that hold the |count| marked pitch classes (0 C to 11 B, the
  // first marked first), best fits first, as lines "tonic mode\n" (the mode
  // names as the modes file has them, ANSI) into |buffer|; the text's length.
  virtual std::int32_t GetScalesHolding(const std::int32_t* marked, std::int32_t count,
                                        char* buffer, std::int32_t capacity) = 0;
  // A second scale drawn over the board's: |tonic| (-1 none) and a mode of
  // the modes file (ANSI); its notes get a ring of their own.
  virtual std::int32_t GetOverlayTonic() = 0;
  virtual const char* GetOverlayMode() = 0;
  virtual void SetOverlay(std::int32_t tonic, const char* mode) = 0;
  // Notes marked on the second layer besides its scale (a chord's tones,
  // notes a player clicked): bit n for pitch class n, 0 C to 11 B.
  virtual std::int32_t GetOverlayNotes() = 0;
  virtual void SetOverlayNotes(std::int32_t notes) = 0;
  // Whether the chord's tones are labelled by their place in it (1, 3, 5,
  // 7) instead of the board's label kind.
  virtual bool GetChordLabels() = 0;
  virtual void SetChordLabels(bool on) = 0;
  // The position shown, the rest of the board dimmed: its system (0 none,
  // 1 CAGED shapes, 2 three notes per string, 3 pentatonic boxes) and its
  // number (0 the whole neck, 1 on).
  virtual std::int32_t GetPositionSystem() = 0;
  virtual void SetPositionSystem(std::int32_t system) = 0;
  virtual std::int32_t GetPosition() = 0;
  virtual void SetPosition(std::int32_t position) = 0;
  // How many positions |system| has on the board; |buffer| gets their
  // names and frets, one a line ("Position 1, frets 5 to 10"), or, when
  // there are none, why ("CAGED needs standard tuning (E A D G B E)").
  virtual std::int32_t GetPositionNames(std::int32_t system, char* buffer,
                                        std::int32_t capacity) = 0;

 protected:
  ~IFretboardHarmony() = default;
};

}  // namespace scalewright
