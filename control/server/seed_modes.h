// The user's modes file on first use of the module: created with the seven
// default modes when it holds none, and normalised otherwise.
#pragma once

#include <windows.h>

namespace scalewright {

// |module| decides where "DerazeModes.txt" lives and holds the default
// modes (string 111). Never shows the digit message; never throws.
void SeedModesFile(HMODULE module);

}  // namespace scalewright
