// A hosted Fretboard's settings as a board file holds them: read from the
// control through its settings interface and its extent, and written back
// through the same setters the property page uses, so that the control's
// own range rules apply. Texts cross between the control's ANSI code page
// and the file's UTF-8 here.
#pragma once

#include <windows.h>

#include <unknwn.h>

#include <optional>
#include <string>

#include "app/model/board_file.h"

namespace scalewright::app {

// Every setting of |control|; empty when it has no settings interface.
std::optional<SBoardSettings> ReadBoard(IUnknown* control);
// Sets what |board| holds and leaves the rest; false without a settings
// interface.
bool WriteBoard(IUnknown* control, const SBoardSettings& board);

// Tells |control| its size on the screen, |width| x |height| pixels, as its
// extent in 0.01 mm: a saved board keeps the size it was seen at, and a
// picture made without a width takes it.
void SetExtentFromPixels(IUnknown* control, int width, int height);

std::string AnsiToUtf8(const std::string& text);
std::string Utf8ToAnsi(const std::string& text);

}  // namespace scalewright::app
