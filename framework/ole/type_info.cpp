#include "framework/ole/type_info.h"

#include <oleauto.h>

#include <new>
#include <string>

#include "framework/com/com_ptr.h"
#include "framework/com/typelib_registration.h"
#include "framework/ole/control_window.h"
#include "framework/ui/this_module.h"

namespace scalewright::ole {

HRESULT LoadModuleTypeInfo(REFGUID guid, ITypeInfo** info) {
  if (!info) return E_POINTER;
  *info = nullptr;
  try {
    const std::wstring path = com::ModulePath(ui::ThisModule());
    if (path.empty()) return HRESULT_FROM_WIN32(ERROR_MOD_NOT_FOUND);
    com::ComPtr<ITypeLib> library;
    // The system keeps loaded libraries, so a second load is cheap.
    HRESULT hr = ::LoadTypeLibEx(path.c_str(), REGKIND_NONE, library.put());
    if (FAILED(hr)) return hr;
    return library->GetTypeInfoOfGuid(guid, info);
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  }
}

}  // namespace scalewright::ole
