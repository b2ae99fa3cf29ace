// CComboContentEx: a combo box made of cells: an edit part and, at its
// right edge, a drop-down button, built inside the combo's own cell. Holds
// the item list; the drop-down list comes from the platform (on Windows the
// popup CComboList) and reports the user's choice back here.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "hybrid/contents/content_base.h"
#include "hybrid/interfaces/combo_drop_down.h"
#include "hybrid/interfaces/content_interfaces.h"

namespace scalewright {

// Bitmap resource of the drop-down arrow (magenta is transparent).
constexpr int kComboArrowBitmap = 20070;
constexpr Color kComboArrowTransparent = gfx::Rgb(255, 0, 255);
constexpr int kComboButtonWidth = 16;

class CComboContentEx final : public CContentBase<IHybridCombo>, private IComboDropDownOwner {
 public:
  explicit CComboContentEx(IHybridCtrl* ctrl) : CContentBase(ctrl) {}

  char GetKind() override { return 'c'; }
  void SetCell(IHybridCell* cell) override;
  void Init() override;
  void OnLayout() override;
  bool OnKeyDown(int virtualKey, std::uint32_t keyData) override;
  NotifyResult OnNotify(int code, IHybridCell* source, bool* handled) override;
  void SetTextStyle(ITextStyle* style) override;

  int AddString(const char* text) override;
  int GetCount() override { return static_cast<int>(m_items.size()); }
  std::string GetString(int index) override;
  void SetCurSel(int index) override;
  int GetCurSel() override { return m_current; }
  void SetText(const char* text) override;
  std::string GetText() override;

  bool IsDroppedDown() const { return m_dropped; }
  void ShowDropDown(bool show);
  IHybridCell* ButtonCell() const { return m_buttonCell.get(); }
  IHybridCell* EditCell() const { return m_editCell.get(); }
  // The open list, null while none is shown.
  IComboDropDown* DropDown() const {
    return m_dropDown && m_dropDown->IsOpen() ? m_dropDown.get() : nullptr;
  }

 private:
  ~CComboContentEx() override;

  void OnDropDownChoice(int index) override;
  void OnDropDownClosed() override;
  void SetButtonDown(bool down);

  std::vector<std::string> m_items;
  int m_current = -1;
  bool m_dropped = false;
  RefPtr<IHybridEdit> m_edit;
  RefPtr<IHybridCell> m_editCell;
  RefPtr<IHybridCell> m_buttonCell;
  std::unique_ptr<IComboDropDown> m_dropDown;
};

}  // namespace scalewright
