#include "hybrid/contents/combo_content.h"

#include "hybrid/interfaces/ihybrid_sub_content.h"

namespace scalewright {

CComboContentEx::~CComboContentEx() {
  if (m_dropDown) m_dropDown->Close();
}

void CComboContentEx::SetCell(IHybridCell* cell) {
  if (!cell) {
    // A list left open would outlive the cell it belongs to; the list is
    // the control's platform's, which may go before this content does.
    if (m_dropDown) m_dropDown->Close();
    m_dropDown.reset();
    m_dropped = false;
    // The parts are children of the old cell; they leave with it.
    m_edit.reset();
    m_editCell.reset();
    m_buttonCell.reset();
  }
  CContentBase::SetCell(cell);
}

void CComboContentEx::Init() {
  IHybridCell* cell = Cell();
  if (!cell || !GetCtrl() || m_editCell) return;
  GetCtrl()->Build("C(%p){E(%h%r%C){B(%C%B%S)}}", &cell, FreeLayoutSelector(), m_edit.put(),
                   m_editCell.put(), m_buttonCell.put(), kComboArrowBitmap, kComboArrowTransparent,
                   0u);
  if (m_edit && Style()) m_edit->SetTextStyle(Style());
}

void CComboContentEx::SetTextStyle(ITextStyle* style) {
  CContentBase::SetTextStyle(style);
  if (m_edit) m_edit->SetTextStyle(style);
}

void CComboContentEx::OnLayout() {
  // Keep the button at the right edge of the edit part, inside its frame.
  if (!m_editCell || !m_buttonCell || !m_edit) return;
  RefPtr<IHybridSubContent> parts;
  if (!m_editCell->GetSubContent(parts.put())) return;
  RefPtr<IFreeHybridSubContent> free = parts.As<IFreeHybridSubContent>();
  if (!free) return;
  const Rect r = CellRect();
  const int height = m_edit->GetHeightForWidth(r.Width());
  const Rect wanted{r.Width() - kComboButtonWidth - 2, 2, r.Width() - 2, height - 2};
  Rect now;
  m_buttonCell->GetRect(&now);
  Rect owner;
  m_editCell->GetRect(&owner);
  if (now.Offset(-owner.left, -owner.top) == wanted) return;
  free->SetCellRect(m_buttonCell.get(), wanted.left, wanted.top, wanted.right, wanted.bottom);
}

int CComboContentEx::AddString(const char* text) {
  m_items.emplace_back(text ? text : "");
  return static_cast<int>(m_items.size()) - 1;
}

std::string CComboContentEx::GetString(int index) {
  if (index < 0 || index >= GetCount()) return {};
  return m_items[index];
}

void CComboContentEx::SetCurSel(int index) {
  m_current = index >= 0 && index < GetCount() ? index : -1;
  if (m_edit) m_edit->SetText(m_current >= 0 ? m_items[m_current].c_str() : "");
}

void CComboContentEx::SetText(const char* text) {
  if (m_edit) m_edit->SetText(text);
  m_current = -1;
  const std::string value = text ? text : "";
  for (int i = 0; i < GetCount(); ++i)
    if (m_items[i] == value) m_current = i;
}

std::string CComboContentEx::GetText() { return m_edit ? m_edit->GetText() : std::string(); }

void CComboContentEx::SetButtonDown(bool down) {
  if (!m_buttonCell) return;
  RefPtr<IHybridContent> content;
  if (m_buttonCell->GetContent(content.put()))
    if (auto button = content.As<IHybridButton>()) button->SetDown(down);
}

void CComboContentEx::ShowDropDown(bool show) {
  if (show == m_dropped) return;
  m_dropped = show;
  SetButtonDown(show);
  if (!show) {
    if (m_dropDown) m_dropDown->Close();
    return;
  }
  if (!m_dropDown && GetCtrl()) m_dropDown = GetCtrl()->Platform().CreateComboDropDown();
  // Without a list (none on this platform, or nothing to list) the button
  // alone shows the state.
  if (m_dropDown) m_dropDown->Open(CellRect(), m_items, m_current, this);
}

void CComboContentEx::OnDropDownChoice(int index) {
  m_dropped = false;
  SetButtonDown(false);
  SetCurSel(index);
}

void CComboContentEx::OnDropDownClosed() {
  m_dropped = false;
  SetButtonDown(false);
}

bool CComboContentEx::OnKeyDown(int virtualKey, std::uint32_t) {
  const bool alt = GetCtrl() && GetCtrl()->Platform().IsKeyDown(kVkMenu);
  if ((virtualKey == kVkDown && alt) || virtualKey == 0x73 /* F4 */) {
    ShowDropDown(!m_dropped);
    return true;
  }
  // While the list is open it takes the keys that move in it.
  if (IComboDropDown* list = DropDown()) {
    if (list->OnKey(virtualKey)) return true;
  }
  if (virtualKey == kVkEscape && m_dropped) {
    ShowDropDown(false);
    return true;
  }
  if (virtualKey != kVkUp && virtualKey != kVkDown) return false;
  if (m_items.empty()) return true;
  const int step = virtualKey == kVkUp ? -1 : 1;
  int next = m_current < 0 ? 0 : m_current + step;
  if (next < 0) next = 0;
  if (next >= GetCount()) next = GetCount() - 1;
  SetCurSel(next);
  return true;
}

NotifyResult CComboContentEx::OnNotify(int code, IHybridCell* source, bool* handled) {
  if (code == kNotifyButtonClicked && source && source == m_buttonCell.get()) {
    ShowDropDown(!m_dropped);
    if (handled) *handled = true;
  }
  return 0;
}

}  // namespace scalewright
