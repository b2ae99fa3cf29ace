// The module's type library (resource TYPELIB 1) in the registry.
#pragma once

#include <windows.h>

#include <string>

namespace scalewright::com {

// Full path of |module|, however long; empty when it cannot be read.
std::wstring ModulePath(HMODULE module);

// Registers the library embedded in |module| under its LIBID, version and
// locale, for the platform it was built for (its own syskind: win64 for a
// 64-bit module, which is where 64-bit clients look), with the module's path.
HRESULT RegisterModuleTypeLib(HMODULE module);

// Removes what RegisterModuleTypeLib wrote (the library's version key and
// the interface keys of its dual interfaces); while a build for the other
// platform stays registered, only this platform's path. A library that is
// not registered is no failure.
HRESULT UnregisterModuleTypeLib(HMODULE module);

}  // namespace scalewright::com
