// IFretboardUnattended: the Fretboard control's private interface for a host
// that works for a batch file or a scheduled job (SW.exe /export and /p),
// where nobody is there to answer a message box.
#pragma once

#include <windows.h>

#include <unknwn.h>

namespace scalewright {

// {08BA9441-75AD-4812-98D3-D6D39399DBD2}
inline constexpr IID IID_IFretboardUnattended = {
    0x08BA9441, 0x75AD, 0x4812, {0x98, 0xD3, 0xD6, 0xD3, 0x93, 0x99, 0xDB, 0xD2}};

struct IFretboardUnattended : public IUnknown {
  // From then on, for every control of the module in this process: the
  // modes file's warnings go to standard error, one line each, instead of a
  // message box, and the modes file is only read, never written.
  virtual void STDMETHODCALLTYPE WorkUnattended() = 0;

 protected:
  ~IFretboardUnattended() = default;
};

}  // namespace scalewright
