// Printing a view: one page, through the print dialog or straight to the
// chosen (or default) printer, and its preview in a window of its own.
#pragma once

#include <windows.h>

namespace scalewright::docview {

class CView;

// False when nothing was printed (cancelled, no printer, job refused).
bool PrintView(CView& view, bool withDialog);
// Prints the view's page on |printer|; reports a job that cannot start.
bool PrintViewOn(CView& view, HDC printer);
// The page as the printer would get it, with Print and Close.
void ShowPrintPreview(CView& view);

}  // namespace scalewright::docview
