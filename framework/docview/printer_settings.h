// The application's printer choice: the DEVMODE and DEVNAMES blocks that
// the print dialogs hand back, kept between Print Setup and Print. Empty
// means the default printer.
#pragma once

#include <windows.h>

#include <string>
#include <utility>

#include "framework/ui/clipboard.h"

namespace scalewright::docview {

// Owner of a printer DC (deleted, not released).
class CPrinterDc {
 public:
  CPrinterDc() = default;
  explicit CPrinterDc(HDC dc) : m_dc(dc) {}
  CPrinterDc(CPrinterDc&& other) noexcept : m_dc(std::exchange(other.m_dc, nullptr)) {}
  CPrinterDc& operator=(CPrinterDc&& other) noexcept {
    if (this != &other) {
      if (m_dc) ::DeleteDC(m_dc);
      m_dc = std::exchange(other.m_dc, nullptr);
    }
    return *this;
  }
  ~CPrinterDc() {
    if (m_dc) ::DeleteDC(m_dc);
  }
  HDC get() const { return m_dc; }

 private:
  HDC m_dc = nullptr;
};

class CPrinterSettings {
 public:
  // The print dialog (withDialog) or the chosen/default printer without
  // one; an empty DC when the user cancels or no printer is there.
  // |error| receives the common dialog's error code (0 for a cancel).
  CPrinterDc GetPrinterDc(HWND owner, bool withDialog, DWORD& error);
  // A DC on a named printer (the command line's print-to).
  static CPrinterDc PrinterDcByName(const std::string& printer, const std::string& driver,
                                    const std::string& port);
  // Print Setup: the printer set-up dialog.
  void PrintSetup(HWND owner);

 private:
  ui::CGlobalMemory m_devMode;
  ui::CGlobalMemory m_devNames;
};

}  // namespace scalewright::docview
