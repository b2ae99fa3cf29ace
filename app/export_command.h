// SW.exe /export board.swb picture.png|picture.svg [width]: writes the
// board file's picture without showing a window. The picture is the board's
// saved size on this screen, or |width| pixels wide with the height in the
// board's proportions. SW.exe /export board.swb sound.wav writes the board's
// scale played up and down instead. Ends with 0, or with 1 (the picture or
// sound could not be made) or 2 (the command line is wrong) and one line on
// standard error.
#pragma once

#include <string>
#include <vector>

namespace scalewright::app {

// The program's arguments, without its own name, start with /export
// (or -export, in any case).
bool IsExportCommand(const std::vector<std::string>& arguments);
// Carries the command out on a thread where COM is initialised; the exit
// code.
int RunExportCommand(const std::vector<std::string>& arguments);

}  // namespace scalewright::app
