#include "hybrid/contents/picture_content.h"

namespace scalewright {

Size CPictureContent::ImageSize() const {
  if (!GetCtrl()) return {};
  IHybridPlatform& platform = GetCtrl()->Platform();
  if (icon_) return platform.IconSize(icon_);
  if (bitmap_) return platform.BitmapSize(bitmap_);
  return {};
}

void CPictureContent::SetBitmap(int resourceId, Color transparent) {
  bitmap_ = resourceId;
  transparent_ = transparent;
  RequestLayout();
  Redraw();
}

void CPictureContent::SetIcon(gfx::IconHandle icon) {
  icon_ = icon;
  RequestLayout();
  Redraw();
}

void CPictureContent::Draw(gfx::Canvas& canvas, int left, int top, int right,
                           int bottom) {
  const Rect r{left, top, right, bottom};
  if (!(CellStyle() & kStyleTransparent)) canvas.FillRect(r, Background());
  const Size size = ImageSize();
  const Point at{r.left + (r.Width() - size.cx) / 2,
                 r.top + (r.Height() - size.cy) / 2};
  if (icon_)
    canvas.DrawIcon(icon_, at);
  else if (bitmap_)
    canvas.DrawBitmap(bitmap_, transparent_, at);
}

}  // namespace scalewright
