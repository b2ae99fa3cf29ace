// SW's commands given as a user gives them: the menu item chosen with the
// keyboard (Alt, the menu's access key, the item's), as a person at the
// keyboard does. Tests reach SW through these, not through messages.
#pragma once

#include <windows.h>

#include "tests/e2e/sw_driver.h"

namespace scalewright::e2e {

// Chooses the menu item of command |id| in SW's main window. The item must
// be on the menu SW shows now (with or without a document window).
void Choose(CSwProcess& sw, UINT id);
// Chooses entry |number| (1 for the first) of the Window menu's list.
void ChooseWindowListEntry(CSwProcess& sw, int number);
// Chooses entry |number| of the File menu's recent-file list.
void ChooseRecentFile(CSwProcess& sw, int number);

// Opens the View menu with the keyboard, waits until it shows and closes it
// again: SW takes keys in order, so every key pressed before has been
// handled once the menu shows. False when no menu showed.
bool OpenAndCloseAMenu(CSwProcess& sw);

}  // namespace scalewright::e2e
