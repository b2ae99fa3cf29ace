#include "framework/com/com_server_module.h"

#include <new>
#include <string>

#include "framework/com/typelib_registration.h"

namespace scalewright::com {

HRESULT CComServerModule::Init(std::span<const ObjectEntry> objects, HMODULE module,
                               HKEY keysRoot) {
  if (objects.size() > kMaxObjects) return E_INVALIDARG;
  Term();
  objects_ = objects;
  module_ = module;
  keysRoot_ = keysRoot;
  return S_OK;
}

void CComServerModule::Term() {
  CCriticalSectionLock hold(cs_);
  for (CClassFactory*& factory : factories_) {
    if (factory) factory->Release();
    factory = nullptr;
  }
}

HRESULT CComServerModule::GetClassObject(REFCLSID clsid, REFIID riid, void** ppv) {
  if (!ppv) return E_POINTER;
  *ppv = nullptr;
  CClassFactory* factory = nullptr;
  {
    CCriticalSectionLock hold(cs_);
    for (std::size_t i = 0; i < objects_.size(); ++i) {
      if (*objects_[i].clsid != clsid) continue;
      if (!factories_[i]) {
        factories_[i] = CClassFactory::CreateCached(objects_[i].create);
        if (!factories_[i]) return E_OUTOFMEMORY;
      }
      factory = factories_[i];
      break;
    }
  }
  if (!factory) return CLASS_E_CLASSNOTAVAILABLE;
  // The cache keeps the factory alive for the module's life.
  return factory->QueryInterface(riid, ppv);
}

HRESULT CComServerModule::RegisterServer() {
  try {
    const std::wstring path = ModulePath(module_);
    if (path.empty()) {
      const DWORD error = ::GetLastError();
      return error ? HRESULT_FROM_WIN32(error) : E_FAIL;
    }
    const Placeholder placeholders[] = {{L"%MODULE%", path.c_str()}};
    HRESULT hr = S_OK;
    std::size_t written = 0;
    for (; written < objects_.size() && SUCCEEDED(hr); ++written) {
      hr = WriteRegistryTable(keysRoot_, objects_[written].keys, placeholders);
    }
    if (SUCCEEDED(hr)) hr = RegisterModuleTypeLib(module_);
    if (FAILED(hr)) {
      // Half a registration would point clients at classes that cannot load.
      while (written > 0) DeleteRegistryTable(keysRoot_, objects_[--written].keys);
    }
    return hr;
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  }
}

HRESULT CComServerModule::UnregisterServer() {
  HRESULT first = S_OK;
  for (std::size_t i = objects_.size(); i > 0; --i) {
    const HRESULT hr = DeleteRegistryTable(keysRoot_, objects_[i - 1].keys);
    if (FAILED(hr) && SUCCEEDED(first)) first = hr;
  }
  const HRESULT hr = UnregisterModuleTypeLib(module_);
  if (FAILED(hr) && SUCCEEDED(first)) first = hr;
  return first;
}

}  // namespace scalewright::com
