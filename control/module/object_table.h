// The classes Neckview serves, in registration order: class identifier,
// registry keys and creator. A class joins the module with one entry.
#pragma once

#include <windows.h>

#include <span>

#include "framework/com/com_server_module.h"

namespace scalewright {

// Creates a Fretboard control, aggregated under |outer| when given (then
// only IID_IUnknown may be asked for). Defined with the control itself.
HRESULT CreateFretboard(IUnknown* outer, REFIID riid, void** ppv);

// The module's object table. Each DLL built from the module's entry points
// links exactly one definition of it.
std::span<const com::ObjectEntry> NeckviewObjects();

}  // namespace scalewright
