// IFretboardPicture: the Fretboard control's private interface for pictures
// of its board in other formats than a device context takes. The control
// draws with the same pass and the screen's text measures as when it
// paints, so the picture matches what the user sees.
#pragma once

#include <windows.h>

#include <objidl.h>

namespace scalewright {

// {EA86069F-A7A1-45AC-A568-520B33B9FDD4}
inline constexpr IID IID_IFretboardPicture = {
    0xEA86069F, 0xA7A1, 0x45AC, {0xA5, 0x68, 0x52, 0x0B, 0x33, 0xB9, 0xFD, 0xD4}};

struct IFretboardPicture : public IUnknown {
  // Writes the board drawn into |bounds| (pixels) to |out| as an SVG 1.1
  // document in UTF-8, whose user units are those pixels. E_POINTER for a
  // null argument, E_INVALIDARG for empty bounds, E_OUTOFMEMORY, or the
  // stream's failure (STG_E_MEDIUMFULL, ...) after some bytes were written.
  virtual HRESULT STDMETHODCALLTYPE WriteSvg(IStream* out, const RECT* bounds) = 0;

 protected:
  ~IFretboardPicture() = default;
};

}  // namespace scalewright
