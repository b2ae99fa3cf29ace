// Type information from the type library that the control's module carries
// as resource TYPELIB 1, read from the module file itself so that it works
// whether or not the library is registered.
#pragma once

#include <windows.h>

#include <oaidl.h>

namespace scalewright::ole {

// The description of |guid| (an interface or a class) in the library of
// the module that holds this code.
HRESULT LoadModuleTypeInfo(REFGUID guid, ITypeInfo** info);

}  // namespace scalewright::ole
