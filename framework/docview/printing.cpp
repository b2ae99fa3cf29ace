#include "framework/docview/printing.h"

#include <cderr.h>
#include <commdlg.h>

#include <string>

#include "framework/docview/app.h"
#include "framework/docview/document.h"
#include "framework/docview/std_messages.h"
#include "framework/docview/view.h"
#include "framework/ui/utf8_text.h"

namespace scalewright::docview {

bool PrintView(CView& view, bool withDialog) {
  CWinApp* app = CWinApp::Current();
  if (!app) return false;
  DWORD error = 0;
  CPrinterDc printer = app->Printer().GetPrinterDc(app->MainHwnd(), withDialog, error);
  if (!printer.get()) {
    if (error == PDERR_NODEFAULTPRN || error == PDERR_PRINTERNOTFOUND)
      ShowFrameworkMessage(app->MainHwnd(), kNoDefaultPrinter);
    return false;
  }
  return PrintViewOn(view, printer.get());
}

bool PrintViewOn(CView& view, HDC printer) {
  HWND owner = CWinApp::Current() ? CWinApp::Current()->MainHwnd() : nullptr;
  const std::string title = view.Document() ? view.Document()->Title() : std::string();
  const std::wstring name = ui::Widen(title);
  DOCINFOW info = {};
  info.cbSize = sizeof info;
  info.lpszDocName = name.c_str();
  if (!printer || ::StartDocW(printer, &info) <= 0) {
    ShowFrameworkMessage(owner, kFailedToStartPrint);
    return false;
  }
  // The framework prints exactly one page: the printable area, device units.
  const RECT page = {0, 0, ::GetDeviceCaps(printer, HORZRES), ::GetDeviceCaps(printer, VERTRES)};
  if (::StartPage(printer) <= 0) {
    ::AbortDoc(printer);
    ShowFrameworkMessage(owner, kFailedToStartPrint);
    return false;
  }
  const int saved = ::SaveDC(printer);
  view.OnPrint(printer, page);
  ::RestoreDC(printer, saved);
  // The spooler may refuse the page or the job only now (a full disk, a
  // printer taken away): the user hears of it, and the job goes.
  if (::EndPage(printer) <= 0) {
    ::AbortDoc(printer);
    ShowFrameworkMessage(owner, kFailedToPrintPage);
    return false;
  }
  if (::EndDoc(printer) <= 0) {
    ShowFrameworkMessage(owner, kFailedToFinishPrint);
    return false;
  }
  return true;
}

}  // namespace scalewright::docview
