// Whether the module works for a batch job in this process: a host with
// nobody to answer a message box (SW.exe /export and /p, a scheduled
// script) sets NECKVIEW_UNATTENDED=1 in its environment before it loads the
// module. Then the modes file's warnings go to standard error and the file
// is only read, from the first use on (the module's start seeds the file).
#pragma once

#include <string>

namespace scalewright {

inline constexpr char kUnattendedVariable[] = "NECKVIEW_UNATTENDED";

bool ModuleUnattended();
// |text| as one line "Neckview: ..." on the process's standard error, line
// ends folded into spaces; nothing where there is no standard error.
void WriteWarningLine(const std::string& text);

}  // namespace scalewright
