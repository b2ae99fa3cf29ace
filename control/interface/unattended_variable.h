// The environment variable through which a host tells Neckview that it works
// for a batch job (SW.exe /export and /p, a scheduled script): set to 1
// before the module is first used, the modes file's warnings go to standard
// error and the file is only read.
#pragma once

namespace scalewright {

inline constexpr char kUnattendedVariable[] = "NECKVIEW_UNATTENDED";

}  // namespace scalewright
