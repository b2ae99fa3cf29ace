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
  NotifyResult OnNotify(int code, IHybridCell* source, bool* handled) override;

  void SetText(const char* text) override;
  std::string GetText() override;
  void Expand(bool expand, bool immediate) override;
  bool IsExpanded() override;
  bool GetChildContainer(IHybridCell** out) override { return m_container.CopyTo(out); }

  IHybridCell* ButtonCell() const { return m_buttonCell.get(); }
  IHybridPicture* Picture() const { return m_picture.get(); }

 private:
  ~CTreeItemContent() override = default;

  RefPtr<IHybridHeading> m_heading;
  RefPtr<IHybridButton> m_button;
  RefPtr<IHybridCell> m_buttonCell;
  RefPtr<IHybridPicture> m_picture;
  RefPtr<IHybridCell> m_textCell;
  RefPtr<IHybridText> m_text;
  RefPtr<IHybridCell> m_container;
};

}  // namespace scalewright
