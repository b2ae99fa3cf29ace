// The control as a screen reader reads it: one element for every cell with
// a text, in display order, named by the text and placed where the cell is;
// a link is a link, which the reader's default action follows as a click
// or the Space key does.
#pragma once

#include <windows.h>

#include <oleacc.h>

#include <cstddef>

#include "hybrid/interfaces/ihybrid_cell.h"

namespace scalewright {

// Posted back to the control by a default action: wParam is the element's
// index among the readable cells.
inline constexpr UINT WM_HYBRIDACCESSIBLEACTION = 0x80D1;

// A new object with one reference, or null.
IAccessible* NewHybridAccessible(HWND window, IHybridCell* root, IHybridCell* focus);

// Follows the link that is readable cell |index| below |root|, if it is one.
void FollowReadableLink(IHybridCell* root, std::size_t index);

}  // namespace scalewright
