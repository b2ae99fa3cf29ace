// Whether the module works for a batch job in this process
// (kUnattendedVariable): then the modes file's warnings go to standard
// error and the file is only read, from the first use on (the module's
// start seeds the file).
#pragma once

#include <string>

#include "control/interface/unattended_variable.h"

namespace scalewright {

bool ModuleUnattended();
// |text| as one line "Neckview: ..." on the process's standard error, line
// ends folded into spaces; nothing where there is no standard error.
void WriteWarningLine(const std::string& text);

}  // namespace scalewright
