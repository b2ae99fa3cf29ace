#include "hybrid/contents/tree_item_content.h"

namespace scalewright {

void CTreeItemContent::SetCell(IHybridCell* cell) {
  if (!cell) {
    heading_.reset();
    button_.reset();
    buttonCell_.reset();
    picture_.reset();
    textCell_.reset();
    text_.reset();
    container_.reset();
  }
  CContentBase::SetCell(cell);
}

void CTreeItemContent::Init() {
  IHybridCell* cell = Cell();
  if (!cell || !GetCtrl() || heading_) return;
  IHybridHeading* heading = nullptr;
  IHybridCell* inner = nullptr;
  // The row's first column keeps its pixel width, the second takes the rest.
  const unsigned rowStyle = kStylePercentColumns | kStyleFixedFirst1;
  GetCtrl()->Build(
      "H(%w%w%r)C(%p){C(%h%S){B(%S%r%C)C(%S%h%C){P(%r)C(%C)}}C(%C%L%S)}",
      kButtonColumn, 100, &heading, &cell, &heading, rowStyle,
      static_cast<unsigned>(kStyleAlignCenter), button_.put(),
      buttonCell_.put(), 0u, FlowLayoutSelector(), &inner, picture_.put(),
      textCell_.put(), container_.put(), kIndent, 0u);
  heading_ = RefPtr<IHybridHeading>::Adopt(heading);
  if (inner) inner->Release();
  IHybridCell* textCell = textCell_.get();
  if (textCell) GetCtrl()->Build("C(%p){T(%r)}", &textCell, text_.put());
  if (container_) container_->SetExpanded(false, true);
  if (button_) button_->SetText("+");
}

void CTreeItemContent::SetText(const char* text) {
  if (text_) text_->SetText(text);
}

std::string CTreeItemContent::GetText() {
  return text_ ? text_->GetText() : std::string();
}

bool CTreeItemContent::IsExpanded() {
  return container_ && !(container_->GetState() & kStateCollapsed);
}

void CTreeItemContent::Expand(bool expand, bool immediate) {
  if (!container_) return;
  container_->SetExpanded(expand, immediate);
  if (button_) button_->SetText(expand ? "-" : "+");
}

NotifyResult CTreeItemContent::OnNotify(int code, IHybridCell* source,
                                        bool* handled) {
  if (code == kNotifyButtonClicked && source && source == buttonCell_.get()) {
    Expand(!IsExpanded(), false);
    if (handled) *handled = true;
  }
  return 0;
}

}  // namespace scalewright
