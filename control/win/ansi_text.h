// The control keeps its texts in the system's ANSI code page; automation
// hands out and takes wide strings. These convert between the two.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "framework/com/bstr.h"

namespace scalewright {

// |text| as a new wide string; null when empty or not convertible.
com::CBstr WidenAnsi(const std::string& text);
// |text| in the ANSI code page (characters it lacks become its default
// character); nullopt for a null string or one that holds a NUL.
std::optional<std::string> NarrowToAnsi(BSTR text);

}  // namespace scalewright
