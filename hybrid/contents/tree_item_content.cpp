#include "hybrid/contents/tree_item_content.h"

namespace scalewright {

void CTreeItemContent::SetCell(IHybridCell* cell) {
  if (!cell) {
    m_heading.reset();
    m_button.reset();
    m_buttonCell.reset();
    m_picture.reset();
    m_textCell.reset();
    m_text.reset();
    m_container.reset();
  }
  CContentBase::SetCell(cell);
}

void CTreeItemContent::Init() {
  IHybridCell* cell = Cell();
  if (!cell || !GetCtrl() || m_heading) return;
  IHybridHeading* heading = nullptr;
  IHybridCell* inner = nullptr;
  // The row's first column keeps its pixel width, the second takes the rest.
  const unsigned rowStyle = kStylePercentColumns | kStyleFixedFirst1;
  GetCtrl()->Build("H(%w%w%r)C(%p){C(%h%S){B(%S%r%C)C(%S%h%C){P(%r)C(%C)}}C(%C%L%S)}",
                   kButtonColumn, 100, &heading, &cell, &heading, rowStyle,
                   static_cast<unsigned>(kStyleAlignCenter), m_button.put(), m_buttonCell.put(), 0u,
                   FlowLayoutSelector(), &inner, m_picture.put(), m_textCell.put(),
                   m_container.put(), kIndent, 0u);
  m_heading = RefPtr<IHybridHeading>::Adopt(heading);
  if (inner) inner->Release();
  IHybridCell* textCell = m_textCell.get();
  if (textCell) GetCtrl()->Build("C(%p){T(%r)}", &textCell, m_text.put());
  if (m_container) m_container->SetExpanded(false, true);
  if (m_button) m_button->SetText("+");
}

void CTreeItemContent::SetText(const char* text) {
  if (m_text) m_text->SetText(text);
}

std::string CTreeItemContent::GetText() { return m_text ? m_text->GetText() : std::string(); }

bool CTreeItemContent::IsExpanded() {
  return m_container && !(m_container->GetState() & kStateCollapsed);
}

void CTreeItemContent::Expand(bool expand, bool immediate) {
  if (!m_container) return;
  m_container->SetExpanded(expand, immediate);
  if (m_button) m_button->SetText(expand ? "-" : "+");
}

NotifyResult CTreeItemContent::OnNotify(int code, IHybridCell* source, bool* handled) {
  if (code == kNotifyButtonClicked && source && source == m_buttonCell.get()) {
    Expand(!IsExpanded(), false);
    if (handled) *handled = true;
  }
  return 0;
}

}  // namespace scalewright
