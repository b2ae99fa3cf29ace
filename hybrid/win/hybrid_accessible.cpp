#include "hybrid/win/hybrid_accessible.h"

#include <utility>

#include "framework/ole/element_accessible.h"
#include "framework/ui/utf8_text.h"
#include "framework/ui/window_text.h"
#include "hybrid/core/cell_reading.h"
#include "hybrid/interfaces/hybrid_bits.h"

namespace scalewright {

namespace {

long RoleOf(const SCellReading& cell) {
  if (cell.link) return ROLE_SYSTEM_LINK;
  switch (cell.kind) {
    case 'E':
      return ROLE_SYSTEM_TEXT;
    case 'c':
      return ROLE_SYSTEM_COMBOBOX;
    case 't':
      return ROLE_SYSTEM_OUTLINEITEM;
    default:
      return ROLE_SYSTEM_STATICTEXT;
  }
}

}  // namespace

IAccessible* NewHybridAccessible(HWND window, IHybridCell* root, IHybridCell* focus) {
  try {
    ole::SAccessibleWindow snapshot;
    snapshot.name = ui::Widen(ui::AnsiToUtf8(ui::GetWindowTextString(window)));
    for (const SCellReading& cell : ReadCells(root)) {
      ole::SAccessibleElement element;
      element.name = ui::Widen(ui::AnsiToUtf8(cell.text));
      element.role = RoleOf(cell);
      element.place = {cell.place.left, cell.place.top, cell.place.right, cell.place.bottom};
      element.state = cell.link ? STATE_SYSTEM_LINKED | STATE_SYSTEM_FOCUSABLE : 0;
      if (cell.kind == 'T' && !cell.link) element.state |= STATE_SYSTEM_READONLY;
      if (cell.cell.get() == focus) element.state |= STATE_SYSTEM_FOCUSED;
      if (cell.link) element.defaultAction = L"Jump";
      snapshot.elements.push_back(std::move(element));
    }
    // Carried out on the control's own thread, after the client's call.
    snapshot.act = [window](std::size_t index) {
      ::PostMessageW(window, WM_HYBRIDACCESSIBLEACTION, index, 0);
    };
    return ole::NewElementAccessible(window, std::move(snapshot));
  } catch (...) {
    return nullptr;
  }
}

void FollowReadableLink(IHybridCell* root, std::size_t index) {
  const std::vector<SCellReading> cells = ReadCells(root);
  if (index >= cells.size() || !cells[index].link) return;
  IHybridCell* cell = cells[index].cell.get();
  cell->Notify(kNotifyLinkActivated, cell);
}

}  // namespace scalewright
