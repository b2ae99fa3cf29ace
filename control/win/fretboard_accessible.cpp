#include "control/win/fretboard_accessible.h"

#include <utility>

#include "control/win/ansi_text.h"
#include "framework/ole/element_accessible.h"

namespace scalewright {

namespace {

std::wstring Wide(const std::string& ansi) {
  const com::CBstr text = WidenAnsi(ansi);
  return text.get() ? std::wstring(text.get(), ::SysStringLen(text.get())) : std::wstring();
}

}  // namespace

IAccessible* NewBoardAccessible(HWND window, SBoardReading reading) {
  ole::SAccessibleWindow board;
  board.name = Wide(reading.name);
  board.description = Wide(reading.description);
  board.role = ROLE_SYSTEM_GRAPHIC;
  for (const SMarkerReading& marker : reading.markers) {
    ole::SAccessibleElement element;
    element.name = Wide(marker.name);
    element.role = ROLE_SYSTEM_CELL;
    element.place = {marker.place.left, marker.place.top, marker.place.right, marker.place.bottom};
    board.elements.push_back(std::move(element));
  }
  return ole::NewElementAccessible(window, std::move(board));
}

}  // namespace scalewright
