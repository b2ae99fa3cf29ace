// CTreeItemContent: one item of a tree: a row with an expand button, a
// picture and a text, above an indented container for the child items,
// collapsed until the button (or Expand) opens it.
#pragma once

#include <string>

#include "hybrid/contents/content_base.h"
#include "hybrid/interfaces/content_interfaces.h"
#include "hybrid/interfaces/ihybrid_heading.h"

namespace scalewright {

class CTreeItemContent final : public CContentBase<IHybridTreeItem> {
 public:
  static constexpr int kButtonColumn = 16;
  static constexpr int kIndent = 16;

  explicit CTreeItemContent(IHybridCtrl* ctrl) : CContentBase(ctrl) {}

  char GetKind() override { return 't'; }
  void SetCell(IHybridCell* cell) override;
  void Init() override;
  NotifyResult OnNotify(int code, IHybridCell* source,
                        bool* handled) override;

  void SetText(const char* text) override;
  std::string GetText() override;
  void Expand(bool expand, bool immediate) override;
  bool IsExpanded() override;
  bool GetChildContainer(IHybridCell** out) override {
    return container_.CopyTo(out);
  }

  IHybridCell* ButtonCell() const { return buttonCell_.get(); }
  IHybridPicture* Picture() const { return picture_.get(); }

 private:
  ~CTreeItemContent() override = default;

  RefPtr<IHybridHeading> heading_;
  RefPtr<IHybridButton> button_;
  RefPtr<IHybridCell> buttonCell_;
  RefPtr<IHybridPicture> picture_;
  RefPtr<IHybridCell> textCell_;
  RefPtr<IHybridText> text_;
  RefPtr<IHybridCell> container_;
};

}  // namespace scalewright
