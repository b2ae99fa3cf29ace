#include "framework/docview/printer_settings.h"

#include <cderr.h>
#include <commdlg.h>

#include "framework/ui/utf8_text.h"

namespace scalewright::docview {

CPrinterDc CPrinterSettings::GetPrinterDc(HWND owner, bool withDialog, DWORD& error) {
  PRINTDLGA dialog = {};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.hDevMode = m_devMode.detach();
  dialog.hDevNames = m_devNames.detach();
  // One page: the page range is not offered.
  dialog.Flags = PD_RETURNDC | PD_NOPAGENUMS | PD_NOSELECTION | PD_HIDEPRINTTOFILE |
                 PD_USEDEVMODECOPIESANDCOLLATE;
  dialog.nCopies = 1;
  if (!withDialog) {
    auto* names =
        dialog.hDevNames ? static_cast<DEVNAMES*>(::GlobalLock(dialog.hDevNames)) : nullptr;
    if (dialog.hDevNames && !names) {
      // A block that cannot be read names no printer: the default serves.
      ::GlobalFree(dialog.hDevNames);
      dialog.hDevNames = nullptr;
    }
    if (names) {
      // A printer chosen earlier: a DC on it, without asking.
      auto* mode =
          dialog.hDevMode ? static_cast<DEVMODEA*>(::GlobalLock(dialog.hDevMode)) : nullptr;
      const char* base = reinterpret_cast<const char*>(names);
      HDC dc = ::CreateDCA(base + names->wDriverOffset, base + names->wDeviceOffset,
                           base + names->wOutputOffset, mode);
      if (mode) ::GlobalUnlock(dialog.hDevMode);
      ::GlobalUnlock(dialog.hDevNames);
      m_devMode.Reset(dialog.hDevMode);
      m_devNames.Reset(dialog.hDevNames);
      error = dc ? 0 : PDERR_PRINTERNOTFOUND;
      return CPrinterDc(dc);
    }
    dialog.Flags |= PD_RETURNDEFAULT;
  }
  const BOOL chosen = ::PrintDlgA(&dialog);
  error = chosen ? 0 : ::CommDlgExtendedError();
  m_devMode.Reset(dialog.hDevMode);
  m_devNames.Reset(dialog.hDevNames);
  return CPrinterDc(chosen ? dialog.hDC : nullptr);
}

CPrinterDc CPrinterSettings::PrinterDcByName(const std::string& printer, const std::string& driver,
                                             const std::string& port) {
  // Names from the command line are UTF-8: a printer named in any script.
  const std::wstring wideDriver = ui::Widen(driver), widePrinter = ui::Widen(printer),
                     widePort = ui::Widen(port);
  return CPrinterDc(::CreateDCW(wideDriver.empty() ? nullptr : wideDriver.c_str(),
                                widePrinter.c_str(), widePort.empty() ? nullptr : widePort.c_str(),
                                nullptr));
}

void CPrinterSettings::PrintSetup(HWND owner) {
  PRINTDLGA dialog = {};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.hDevMode = m_devMode.detach();
  dialog.hDevNames = m_devNames.detach();
  dialog.Flags = PD_PRINTSETUP;
  ::PrintDlgA(&dialog);
  m_devMode.Reset(dialog.hDevMode);
  m_devNames.Reset(dialog.hDevNames);
}

}  // namespace scalewright::docview
