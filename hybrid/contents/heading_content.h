// CHeadingContent: the caption of a heading column, drawn as a raised
// header button with its text.
#pragma once

#include <string>

#include "hybrid/contents/content_base.h"
#include "hybrid/interfaces/content_interfaces.h"

namespace scalewright {

class CHeadingContent final : public CContentBase<IHeadingContent> {
 public:
  explicit CHeadingContent(IHybridCtrl* ctrl) : CContentBase(ctrl) {}

  char GetKind() override { return 'h'; }
  void Draw(gfx::Canvas& canvas, int left, int top, int right, int bottom) override;
  int GetNaturalWidth() override;
  int GetHeightForWidth(int width) override;
  void SetText(const char* text) override;
  std::string GetText() override { return m_text; }

 private:
  ~CHeadingContent() override = default;
  int Margin() const { return Style() ? Style()->GetLeftMargin() : 4; }

  std::string m_text;
};

}  // namespace scalewright
