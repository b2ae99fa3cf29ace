#include "hybrid/contents/picture_content.h"

namespace scalewright {

Size CPictureContent::ImageSize() const {
  if (!GetCtrl()) return {};
  IHybridPlatform& platform = GetCtrl()->Platform();
  if (m_icon) return platform.IconSize(m_icon);
  if (m_bitmap) return platform.BitmapSize(m_bitmap);
  return {};
}

void CPictureContent::SetBitmap(int resourceId, Color transparent) {
  m_bitmap = resourceId;
  m_transparent = transparent;
  RequestLayout();
  Redraw();
}

void CPictureContent::SetIcon(gfx::IconHandle icon) {
  m_icon = icon;
  RequestLayout();
  Redraw();
}

void CPictureContent::Draw(gfx::Canvas& canvas, int left, int top, int right, int bottom) {
  const Rect r{left, top, right, bottom};
  if (!(CellStyle() & kStyleTransparent)) canvas.FillRect(r, Background());
  const Size size = ImageSize();
  const Point at{r.left + (r.Width() - size.cx) / 2, r.top + (r.Height() - size.cy) / 2};
  if (m_icon)
    canvas.DrawIcon(m_icon, at);
  else if (m_bitmap)
    canvas.DrawBitmap(m_bitmap, m_transparent, at);
}

}  // namespace scalewright
