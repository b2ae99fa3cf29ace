// Edit > Copy: the active board on the clipboard as an enhanced metafile
// (it scales in word processors) and as a device-independent bitmap at the
// view's size (for image editors).
#pragma once

#include <windows.h>

#include <unknwn.h>

namespace scalewright::app {

// Draws |control| at |size| pixels into both formats and puts them on the
// clipboard for |owner|. False, with nothing half put there, when any step
// failed; GetLastError tells the last system error.
bool CopyBoardToClipboard(IUnknown* control, HWND owner, SIZE size);

}  // namespace scalewright::app
