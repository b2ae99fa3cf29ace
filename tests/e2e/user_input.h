// Input as a user gives it: the mouse moved to a point of the screen and
// clicked, keys pressed, through SendInput, so that the system routes it
// to whatever window is there, exactly as for a person.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <string>

namespace scalewright::e2e {

// Returns once the thread of |window| has handled |messages| more of what
// was queued for it before the call, proven by round trips of WM_NULL;
// false when the thread does not answer within 10 s (it hangs).
bool WaitUntilHandled(HWND window, int messages);
// Moves the mouse to |screen| and clicks the left button there.
void ClickAt(POINT screen);
// Moves the mouse to |screen| without pressing a button.
void MoveMouseTo(POINT screen);
// Presses the left button at |from|, moves to |to| in steps, lets go there.
void DragFromTo(POINT from, POINT to);
// Brings |dialog| to the front and clicks its button |id|, which closes it.
// False when the dialog has no such button showing or stays open: a lost
// click is a finding, not something to try again.
bool ClickToClose(HWND dialog, int id);
// Clicks the middle of |window|'s client area.
void ClickCenterOf(HWND window);
// Clicks the toolbar button of |command| in |toolBar|; false when the
// toolbar has no such button.
bool ClickToolBarButton(HWND toolBar, UINT command);
// Clicks tab |index| of the tab control |tabs|; false when it has none.
bool ClickTab(HWND tabs, int index);
// Clicks the row of the list view |list| whose first column reads |name|,
// scrolled into view first; false when there is none.
bool ClickListRowNamed(HWND list, const std::string& name);
// Presses |keys| together (modifiers first) and lets go in reverse order.
void PressKeys(std::initializer_list<WORD> keys);
// Types |text| as key presses (letters, digits and punctuation of a US
// keyboard).
void TypeText(const std::string& text);
// Brings |window| to the front so that keys go to it.
void BringToFront(HWND window);
// Opens the popup of |frame|'s menu bar whose access key is |popupKey|, as
// a person does: Alt, the key, and a look that the menu is showing (once
// more if not: a window just started may not yet have been in front).
void OpenMenu(HWND frame, char popupKey);
// Chooses an item of |frame|'s menu bar with the keyboard: Alt, the
// popup's access key, then the item's access key.
void ChooseMenuItem(HWND frame, char popupKey, char itemKey);

}  // namespace scalewright::e2e
