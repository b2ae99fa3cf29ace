// Whether the module works for a batch job in this process (the control's
// IFretboardUnattended): then the modes file's warnings go to standard
// error and the file is only read.
#pragma once

#include <string>

namespace scalewright {

void SetModuleUnattended();
bool ModuleUnattended();
// |text| as one line "Neckview: ..." on the process's standard error, line
// ends folded into spaces; nothing where there is no standard error.
void WriteWarningLine(const std::string& text);

}  // namespace scalewright
