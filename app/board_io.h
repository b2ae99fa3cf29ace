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
#include <string_view>
#include <vector>

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
// |text| in the control's code page. A character the code page lacks becomes
// its default character ("?"), never a look-alike, and clears |held|.
std::string Utf8ToAnsi(const std::string& text, bool* held = nullptr);
// |text| as the control shows it: through its code page and back.
std::string AsControlShows(const std::string& text);

// A board file's bytes read as UTF-8. Bytes that are not UTF-8 come from an
// editor that saved in the system's code page ("\xC4olisch" in Western
// Windows), and are read in it, so that no letter becomes "?".
SBoardFileRead ReadBoardBytes(std::string_view bytes);
// The names of |board|'s text settings ("mode", "tuning") that the control
// cannot show as written.
std::vector<std::string> TextsTheControlCannotHold(const SBoardSettings& board);

}  // namespace scalewright::app
