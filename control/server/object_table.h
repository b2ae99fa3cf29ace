// The classes Neckview serves, in registration order: class identifier,
// registry keys and creator. A class joins the module with one entry.
#pragma once

#include <windows.h>

#include <span>

#include "framework/com/com_server_module.h"

namespace scalewright {

// The module's object table. Each DLL built from the module's entry points
// links exactly one definition of it.
std::span<const com::ObjectEntry> NeckviewObjects();

}  // namespace scalewright
