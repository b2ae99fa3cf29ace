// CPictureContent: a bitmap resource (with its transparent colour) or an
// icon, centred in its cell; the icon wins when both are set.
#pragma once

#include "hybrid/contents/content_base.h"
#include "hybrid/interfaces/content_interfaces.h"

namespace scalewright {

class CPictureContent final : public CContentBase<IHybridPicture> {
 public:
  explicit CPictureContent(IHybridCtrl* ctrl) : CContentBase(ctrl) {}

  char GetKind() override { return 'P'; }
  void Draw(gfx::Canvas& canvas, int left, int top, int right, int bottom) override;
  int GetNaturalWidth() override { return ImageSize().cx; }
  int GetHeightForWidth(int) override { return ImageSize().cy; }
  void SetBitmap(int resourceId, Color transparent) override;
  void SetIcon(gfx::IconHandle icon) override;

 private:
  ~CPictureContent() override = default;
  Size ImageSize() const;

  int m_bitmap = 0;
  Color m_transparent = 0;
  gfx::IconHandle m_icon = nullptr;
};

}  // namespace scalewright
