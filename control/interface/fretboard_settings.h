// IFretboardSettings: the Fretboard control's private in-process interface,
// shared by the control, its property page and the application's printing.
// Its slot order is binding between the two binaries: new operations go at
// the end, never in between. Plain virtual functions that return their
// results directly and never fail; texts are 8-bit strings in the ANSI code
// page, views valid until that setting next changes.
#pragma once

#include <windows.h>

#include <unknwn.h>

#include <cstdint>

namespace scalewright {

// {B990E26F-53E5-4BFC-859F-ED9E6D9FE606}
inline constexpr IID IID_IFretboardSettings = {
    0xB990E26F, 0x53E5, 0x4BFC, {0x85, 0x9F, 0xED, 0x9E, 0x6D, 0x9F, 0xE6, 0x06}};

// Booleans travel as one byte, integers as 32 bits.
static_assert(sizeof(bool) == 1 && sizeof(std::int32_t) == 4);

struct IFretboardSettings : public IUnknown {
  virtual std::int32_t GetTonality() = 0;
  virtual void SetTonality(std::int32_t pitch) = 0;
  virtual const char* GetMode() = 0;
  virtual void SetMode(const char* mode) = 0;
  virtual bool GetNoteShown(std::int32_t pitch) = 0;
  virtual void SetNoteShown(std::int32_t pitch, bool shown) = 0;
  virtual const char* GetShowSteps() = 0;
  virtual void SetShowSteps(const char* steps) = 0;
  virtual const char* GetHighlight() = 0;
  virtual void SetHighlight(const char* degrees) = 0;
  virtual std::int32_t GetLabelKind() = 0;
  virtual void SetLabelKind(std::int32_t kind) = 0;
  virtual std::int32_t GetFirstFret() = 0;
  virtual void SetFirstFret(std::int32_t fret) = 0;
  virtual std::int32_t GetLastFret() = 0;
  virtual void SetLastFret(std::int32_t fret) = 0;
  virtual bool GetSideDots() = 0;
  virtual void SetSideDots(bool sideDots) = 0;
  virtual bool GetRectangles() = 0;
  virtual void SetRectangles(bool rectangles) = 0;
  virtual const char* GetTuning() = 0;
  virtual void SetTuning(const char* tuning) = 0;
  // Paints the whole fretboard into |bounds| of |dc|, in the context's units.
  virtual void Draw(HDC dc, const RECT* bounds) = 0;

 protected:
  ~IFretboardSettings() = default;
};

// {66CE17BC-C0BC-464C-9B6C-5C11570FBCD0}
inline constexpr IID IID_IFretboardSettings2 = {
    0x66CE17BC, 0xC0BC, 0x464C, {0x9B, 0x6C, 0x5C, 0x11, 0x57, 0x0F, 0xBC, 0xD0}};

// The settings added after IFretboardSettings shipped, under their own IID
// so that its slots stay where both binaries expect them. Callers ask for
// this one and do without the options when a control lacks it.
struct IFretboardSettings2 : public IFretboardSettings {
  // Nut on the right, frets counting leftwards.
  virtual bool GetLeftHanded() = 0;
  virtual void SetLeftHanded(bool leftHanded) = 0;
  // How note letters (label kind 1) are spelled: 0 sharps, 1 flats, 2 as
  // the key spells them; other values draw as sharps.
  virtual std::int32_t GetSpelling() = 0;
  virtual void SetSpelling(std::int32_t spelling) = 0;

 protected:
  ~IFretboardSettings2() = default;
};

}  // namespace scalewright
