#include "app/about/transparent_bitmap.h"

#include <algorithm>

#include "framework/gdi/gdi.h"

namespace scalewright::app {

namespace {

// Two memory DCs and the monochrome scratch mask, made on first use and
// kept for the life of the program: the About box repaints often.
struct SMaskScratch {
  ui::CMemoryDc image{nullptr};
  ui::CMemoryDc mask{nullptr};
  ui::CBitmap scratch{::CreateBitmap(kMaskExtent, kMaskExtent, 1, 1, nullptr)};
  bool Ok() const { return image && mask && scratch; }
};

SMaskScratch& Scratch() {
  static SMaskScratch scratch;
  return scratch;
}

// Puts the target's background and text colours back when it goes.
class CTargetColours {
 public:
  CTargetColours(HDC dc, COLORREF background, COLORREF text)
      : m_dc(dc), m_background(::SetBkColor(dc, background)), m_text(::SetTextColor(dc, text)) {}
  ~CTargetColours() {
    ::SetBkColor(m_dc, m_background);
    ::SetTextColor(m_dc, m_text);
  }
  CTargetColours(const CTargetColours&) = delete;
  CTargetColours& operator=(const CTargetColours&) = delete;

 private:
  HDC m_dc;
  COLORREF m_background;
  COLORREF m_text;
};

// Same, for a memory DC's background colour.
class CBackgroundColour {
 public:
  CBackgroundColour(HDC dc, COLORREF colour) : m_dc(dc), m_previous(::SetBkColor(dc, colour)) {}
  ~CBackgroundColour() { ::SetBkColor(m_dc, m_previous); }
  CBackgroundColour(const CBackgroundColour&) = delete;
  CBackgroundColour& operator=(const CBackgroundColour&) = delete;

 private:
  HDC m_dc;
  COLORREF m_previous;
};

}  // namespace

void DrawTransparentBitmap(HINSTANCE module, int bitmapId, HDC target, const RECT& targetRect,
                           COLORREF transparent, const RECT* source) {
  ui::CBitmap bitmap(::LoadBitmapA(module, MAKEINTRESOURCEA(bitmapId)));
  if (!bitmap) return;
  DrawTransparentBitmap(bitmap.get(), target, targetRect, transparent, source);
}

void DrawTransparentBitmap(HBITMAP bitmap, HDC target, const RECT& targetRect, COLORREF transparent,
                           const RECT* source) {
  SMaskScratch& scratch = Scratch();
  if (!bitmap || !target || !scratch.Ok()) return;
  BITMAP info{};
  if (!::GetObjectA(bitmap, sizeof info, &info) || info.bmWidth <= 0 || info.bmHeight <= 0) return;

  RECT area = {0, 0, info.bmWidth, info.bmHeight};
  if (source) {
    area = {std::max(source->left, 0L), std::max(source->top, 0L),
            std::min(source->right, static_cast<LONG>(info.bmWidth)),
            std::min(source->bottom, static_cast<LONG>(info.bmHeight))};
  }
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  if (width <= 0 || height <= 0) return;
  const int x = targetRect.left + (targetRect.right - targetRect.left - width) / 2;
  const int y = targetRect.top + (targetRect.bottom - targetRect.top - height) / 2;

  // A monochrome source lands on the target as text colour (0) and
  // background colour (1): black and white make the mask an AND mask.
  CTargetColours colours(target, RGB(255, 255, 255), RGB(0, 0, 0));
  ui::CSelectObject imageSelection(scratch.image.get(), bitmap);
  ui::CSelectObject maskSelection(scratch.mask.get(), scratch.scratch.get());
  // A bitmap selected into another DC cannot be selected here.
  if (::GetCurrentObject(scratch.image.get(), OBJ_BITMAP) != bitmap) return;
  {
    // Colour to monochrome: pixels of the background colour become white.
    CBackgroundColour key(scratch.image.get(), transparent);
    ::BitBlt(scratch.mask.get(), 0, 0, width, height, scratch.image.get(), area.left, area.top,
             SRCCOPY);
  }
  // target ^ image, cleared where the image is opaque, ^ image again: the
  // target stays where the mask is white and becomes the image elsewhere.
  ::BitBlt(target, x, y, width, height, scratch.image.get(), area.left, area.top, SRCINVERT);
  ::BitBlt(target, x, y, width, height, scratch.mask.get(), 0, 0, SRCAND);
  ::BitBlt(target, x, y, width, height, scratch.image.get(), area.left, area.top, SRCINVERT);
}

}  // namespace scalewright::app
