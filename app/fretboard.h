// CFretboard: the application's handle on the hosted Fretboard control,
// bound to the control's place in the form (item 1028).
#pragma once

#include <windows.h>

#include "framework/com/com_ptr.h"

namespace scalewright::app {

// {C271D575-553B-4ABF-A2B7-3B4F0DB1A4D3}
inline constexpr CLSID CLSID_Fretboard = {
    0xC271D575, 0x553B, 0x4ABF, {0xA2, 0xB7, 0x3B, 0x4F, 0x0D, 0xB1, 0xA4, 0xD3}};

class CFretboard {
 public:
  void Attach(HWND window) { m_hwnd = window; }
  HWND Hwnd() const { return m_hwnd; }
  // The control's IUnknown; null when unbound or the control is gone.
  com::ComPtr<IUnknown> ControlUnknown() const;

 private:
  HWND m_hwnd = nullptr;
};

}  // namespace scalewright::app
