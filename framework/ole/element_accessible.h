// A window as assistive technology reads it (MSAA, which UI Automation
// wraps): the window's own element with a name, a description and a role,
// and a flat list of simple elements inside it, each with its name, role,
// state and place. A snapshot taken when the client asked, holding nothing
// of the window but its handle; a default action, where an element has one,
// goes back to the window through |act|.
#pragma once

#include <windows.h>

#include <oleacc.h>

#include <functional>
#include <string>
#include <vector>

namespace scalewright::ole {

struct SAccessibleElement {
  std::wstring name;
  long role = ROLE_SYSTEM_STATICTEXT;
  long state = STATE_SYSTEM_READONLY;
  RECT place = {};             // in the window's client coordinates
  std::wstring defaultAction;  // empty: the element has none
};

struct SAccessibleWindow {
  std::wstring name;
  std::wstring description;
  long role = ROLE_SYSTEM_CLIENT;
  std::vector<SAccessibleElement> elements;
  // Carries out element |index|'s (0-based) default action.
  std::function<void(std::size_t index)> act;
};

// A new object with one reference.
IAccessible* NewElementAccessible(HWND window, SAccessibleWindow snapshot);

}  // namespace scalewright::ole
