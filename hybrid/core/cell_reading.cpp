#include "hybrid/core/cell_reading.h"

#include "hybrid/interfaces/content_interfaces.h"
#include "hybrid/interfaces/hybrid_bits.h"

namespace scalewright {

namespace {

// The text a content shows, for the kinds that show one.
std::string TextOf(const RefPtr<IHybridContent>& content) {
  if (const auto text = content.As<IHybridText>()) return text->GetText();
  if (const auto edit = content.As<IHybridEdit>()) return edit->GetText();
  if (const auto combo = content.As<IHybridCombo>()) return combo->GetText();
  if (const auto item = content.As<IHybridTreeItem>()) return item->GetText();
  return {};
}

}  // namespace

std::vector<SCellReading> ReadCells(IHybridCell* root) {
  std::vector<SCellReading> cells;
  if (!root) return cells;
  RefPtr<IHybridCell> cell;
  for (root->WalkTree(true, cell.put()); cell;) {
    RefPtr<IHybridContent> content;
    if (cell->GetContent(content.put()) && content && cell->IsShown()) {
      std::string text = TextOf(content);
      if (!text.empty()) {
        SCellReading reading;
        reading.text = std::move(text);
        cell->GetRect(&reading.place);
        reading.kind = content->GetKind();
        reading.link = reading.kind == 'T' && (cell->GetStyle() & kStyleContent1) != 0;
        reading.cell = cell;
        cells.push_back(std::move(reading));
      }
    }
    RefPtr<IHybridCell> next;
    cell->WalkTree(true, next.put());
    cell = std::move(next);
  }
  return cells;
}

}  // namespace scalewright
