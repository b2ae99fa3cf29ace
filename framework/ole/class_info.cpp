#include "framework/ole/class_info.h"

#include "framework/ole/control_core.h"
#include "framework/ole/type_info.h"

namespace scalewright::ole {

HRESULT CProvideClassInfo::GetClassInfo(ITypeInfo** info) {
  return LoadModuleTypeInfo(Core().ControlClassId(), info);
}

HRESULT CProvideClassInfo::GetGUID(DWORD kind, GUID* guid) {
  if (!guid) return E_POINTER;
  if (kind != GUIDKIND_DEFAULT_SOURCE_DISP_IID) {
    *guid = GUID_NULL;
    return E_FAIL;
  }
  *guid = Core().EventsInterface();
  return S_OK;
}

HRESULT CSupportErrorInfo::InterfaceSupportsErrorInfo(REFIID iid) {
  return Core().SupportsErrorInfo(iid) ? S_OK : S_FALSE;
}

HRESULT CSpecifyPropertyPages::GetPages(CAUUID* pages) {
  if (!pages) return E_POINTER;
  pages->cElems = 0;
  pages->pElems = nullptr;
  const std::span<const CLSID> ids = Core().PropertyPages();
  if (ids.empty()) return S_OK;
  auto* copy = static_cast<GUID*>(::CoTaskMemAlloc(ids.size() * sizeof(GUID)));
  if (!copy) return E_OUTOFMEMORY;
  for (std::size_t i = 0; i < ids.size(); ++i) copy[i] = ids[i];
  pages->cElems = static_cast<ULONG>(ids.size());
  pages->pElems = copy;
  return S_OK;
}

}  // namespace scalewright::ole
