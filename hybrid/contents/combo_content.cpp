#include "hybrid/contents/combo_content.h"

#include "hybrid/interfaces/ihybrid_sub_content.h"

namespace scalewright {

CComboContentEx::~CComboContentEx() {
  if (dropDown_) dropDown_->Close();
}

void CComboContentEx::SetCell(IHybridCell* cell) {
  if (!cell) {
    // A list left open would outlive the cell it belongs to.
    if (dropDown_) dropDown_->Close();
    dropped_ = false;
    // The parts are children of the old cell; they leave with it.
    edit_.reset();
    editCell_.reset();
    buttonCell_.reset();
  }
  CContentBase::SetCell(cell);
}

void CComboContentEx::Init() {
  IHybridCell* cell = Cell();
  if (!cell || !GetCtrl() || editCell_) return;
  GetCtrl()->Build("C(%p){E(%h%r%C){B(%C%B%S)}}", &cell, FreeLayoutSelector(),
                   edit_.put(), editCell_.put(), buttonCell_.put(),
                   kComboArrowBitmap, kComboArrowTransparent, 0u);
  if (edit_ && Style()) edit_->SetTextStyle(Style());
}

void CComboContentEx::SetTextStyle(ITextStyle* style) {
  CContentBase::SetTextStyle(style);
  if (edit_) edit_->SetTextStyle(style);
}

void CComboContentEx::OnLayout() {
  // Keep the button at the right edge of the edit part, inside its frame.
  if (!editCell_ || !buttonCell_ || !edit_) return;
  RefPtr<IHybridSubContent> parts;
  if (!editCell_->GetSubContent(parts.put())) return;
  RefPtr<IFreeHybridSubContent> free = parts.As<IFreeHybridSubContent>();
  if (!free) return;
  const Rect r = CellRect();
  const int height = edit_->GetHeightForWidth(r.Width());
  const Rect wanted{r.Width() - kComboButtonWidth - 2, 2, r.Width() - 2,
                    height - 2};
  Rect now;
  buttonCell_->GetRect(&now);
  Rect owner;
  editCell_->GetRect(&owner);
  if (now.Offset(-owner.left, -owner.top) == wanted) return;
  free->SetCellRect(buttonCell_.get(), wanted.left, wanted.top, wanted.right,
                    wanted.bottom);
}

int CComboContentEx::AddString(const char* text) {
  items_.emplace_back(text ? text : "");
  return static_cast<int>(items_.size()) - 1;
}

std::string CComboContentEx::GetString(int index) {
  if (index < 0 || index >= GetCount()) return {};
  return items_[index];
}

void CComboContentEx::SetCurSel(int index) {
  current_ = index >= 0 && index < GetCount() ? index : -1;
  if (edit_) edit_->SetText(current_ >= 0 ? items_[current_].c_str() : "");
}

void CComboContentEx::SetText(const char* text) {
  if (edit_) edit_->SetText(text);
  current_ = -1;
  const std::string value = text ? text : "";
  for (int i = 0; i < GetCount(); ++i)
    if (items_[i] == value) current_ = i;
}

std::string CComboContentEx::GetText() {
  return edit_ ? edit_->GetText() : std::string();
}

void CComboContentEx::SetButtonDown(bool down) {
  if (!buttonCell_) return;
  RefPtr<IHybridContent> content;
  if (buttonCell_->GetContent(content.put()))
    if (auto button = content.As<IHybridButton>()) button->SetDown(down);
}

void CComboContentEx::ShowDropDown(bool show) {
  if (show == dropped_) return;
  dropped_ = show;
  SetButtonDown(show);
  if (!show) {
    if (dropDown_) dropDown_->Close();
    return;
  }
  if (!dropDown_ && GetCtrl())
    dropDown_ = GetCtrl()->Platform().CreateComboDropDown();
  // Without a list (none on this platform, or nothing to list) the button
  // alone shows the state.
  if (dropDown_) dropDown_->Open(CellRect(), items_, current_, this);
}

void CComboContentEx::OnDropDownChoice(int index) {
  dropped_ = false;
  SetButtonDown(false);
  SetCurSel(index);
}

void CComboContentEx::OnDropDownClosed() {
  dropped_ = false;
  SetButtonDown(false);
}

bool CComboContentEx::OnKeyDown(int virtualKey, std::uint32_t) {
  const bool alt = GetCtrl() && GetCtrl()->Platform().IsKeyDown(kVkMenu);
  if ((virtualKey == kVkDown && alt) || virtualKey == 0x73 /* F4 */) {
    ShowDropDown(!dropped_);
    return true;
  }
  // While the list is open it takes the keys that move in it.
  if (IComboDropDown* list = DropDown()) {
    if (list->OnKey(virtualKey)) return true;
  }
  if (virtualKey == kVkEscape && dropped_) {
    ShowDropDown(false);
    return true;
  }
  if (virtualKey != kVkUp && virtualKey != kVkDown) return false;
  if (items_.empty()) return true;
  const int step = virtualKey == kVkUp ? -1 : 1;
  int next = current_ < 0 ? 0 : current_ + step;
  if (next < 0) next = 0;
  if (next >= GetCount()) next = GetCount() - 1;
  SetCurSel(next);
  return true;
}

NotifyResult CComboContentEx::OnNotify(int code, IHybridCell* source,
                                       bool* handled) {
  if (code == kNotifyButtonClicked && source && source == buttonCell_.get()) {
    ShowDropDown(!dropped_);
    if (handled) *handled = true;
  }
  return 0;
}

}  // namespace scalewright
