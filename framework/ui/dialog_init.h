// Initial list items that a dialog's resource carries for its combo and
// list boxes (resource type 240, named like the dialog): each entry is a
// control id, an add-string message, a byte count and the text.
#pragma once

#include <windows.h>

#include <cstddef>

namespace scalewright::ui {

inline constexpr WORD kDialogInitResourceType = 240;

// Sends every entry of |bytes| to its control in |dialog|; false when the
// data is cut short. Unknown messages are skipped.
bool ApplyDialogInit(HWND dialog, const void* bytes, std::size_t size);

// The dialog's own entries from |module|; true when it has none.
bool ApplyDialogInit(HWND dialog, HINSTANCE module, int templateId);

}  // namespace scalewright::ui
