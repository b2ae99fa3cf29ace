// Drawing a bitmap with one colour left out (the pixels of that colour let
// the target show through), centred in a target rectangle.
#pragma once

#include <windows.h>

namespace scalewright::app {

// The scratch mask's size: a source area is masked only within its first
// kMaskExtent x kMaskExtent pixels.
inline constexpr int kMaskExtent = 1000;

// Loads bitmap |bitmapId| of |module| and draws it as below; nothing when it
// cannot be loaded.
void DrawTransparentBitmap(HINSTANCE module, int bitmapId, HDC target, const RECT& targetRect,
                           COLORREF transparent, const RECT* source = nullptr);

// Draws |source| of |bitmap| (the whole bitmap when null; clipped to it)
// centred in |targetRect| of |target|, leaving out the pixels of
// |transparent|. The target's colours and every selection are as before
// afterwards; the bitmap is selected nowhere.
void DrawTransparentBitmap(HBITMAP bitmap, HDC target, const RECT& targetRect, COLORREF transparent,
                           const RECT* source = nullptr);

}  // namespace scalewright::app
