#include "framework/com/com_server_module.h"

#include <new>
#include <string>

#include "framework/com/reg_key.h"
#include "framework/com/typelib_registration.h"

namespace scalewright::com {
namespace {

// Whether the other platform's view of the registry (the 32-bit one for a
// 64-bit module, and the other way round) has |clsid| with an in-process
// server of another module: a build of the other bitness installed beside
// this one. Where there is no other view (32-bit Windows), asking for it
// reads this module's own registration, which is no other build.
bool RegisteredForOtherPlatform(REFCLSID clsid, HMODULE module) {
  wchar_t guid[40] = {};
  if (!::StringFromGUID2(clsid, guid, 40)) return false;
  const std::wstring path = std::wstring(L"CLSID\\") + guid + L"\\InprocServer32";
  const REGSAM otherView = sizeof(void*) == 8 ? KEY_WOW64_32KEY : KEY_WOW64_64KEY;
  CRegKey key;
  if (key.Open(HKEY_CLASSES_ROOT, path.c_str(), KEY_READ | otherView) != ERROR_SUCCESS)
    return false;
  wchar_t server[MAX_PATH * 4] = {};
  DWORD bytes = sizeof server - sizeof(wchar_t);
  DWORD type = 0;
  if (::RegQueryValueExW(key.get(), nullptr, nullptr, &type, reinterpret_cast<BYTE*>(server),
                         &bytes) != ERROR_SUCCESS ||
      (type != REG_SZ && type != REG_EXPAND_SZ))
    return true;  // something is registered there, not by this module
  wchar_t own[MAX_PATH * 4] = {};
  const DWORD length = ::GetModuleFileNameW(module, own, MAX_PATH * 4);
  return length == 0 || ::CompareStringOrdinal(server, -1, own, -1, TRUE) != CSTR_EQUAL;
}

}  // namespace

HRESULT CComServerModule::Init(std::span<const ObjectEntry> objects, HMODULE module,
                               HKEY keysRoot) {
  if (objects.size() > kMaxObjects) return E_INVALIDARG;
  Term();
  m_objects = objects;
  m_module = module;
  m_keysRoot = keysRoot;
  return S_OK;
}

void CComServerModule::Term() {
  CCriticalSectionLock hold(m_cs);
  for (CClassFactory*& factory : m_factories) {
    if (factory) factory->Release();
    factory = nullptr;
  }
}

HRESULT CComServerModule::GetClassObject(REFCLSID clsid, REFIID riid, void** ppv) {
  if (!ppv) return E_POINTER;
  *ppv = nullptr;
  CClassFactory* factory = nullptr;
  {
    CCriticalSectionLock hold(m_cs);
    for (std::size_t i = 0; i < m_objects.size(); ++i) {
      if (*m_objects[i].clsid != clsid) continue;
      if (!m_factories[i]) {
        m_factories[i] = CClassFactory::CreateCached(m_objects[i].create);
        if (!m_factories[i]) return E_OUTOFMEMORY;
      }
      factory = m_factories[i];
      break;
    }
  }
  if (!factory) return CLASS_E_CLASSNOTAVAILABLE;
  // The cache keeps the factory alive for the module's life.
  return factory->QueryInterface(riid, ppv);
}

HRESULT CComServerModule::RegisterServer() {
  try {
    const std::wstring path = ModulePath(m_module);
    if (path.empty()) {
      const DWORD error = ::GetLastError();
      return error ? HRESULT_FROM_WIN32(error) : E_FAIL;
    }
    const Placeholder placeholders[] = {{L"%MODULE%", path.c_str()}};
    HRESULT hr = S_OK;
    std::size_t written = 0;
    for (; written < m_objects.size() && SUCCEEDED(hr); ++written) {
      hr = WriteRegistryTable(m_keysRoot, m_objects[written].keys, placeholders);
    }
    if (SUCCEEDED(hr)) hr = RegisterModuleTypeLib(m_module);
    if (FAILED(hr)) {
      // Half a registration would point clients at classes that cannot load.
      while (written > 0) DeleteRegistryTable(m_keysRoot, m_objects[--written].keys);
    }
    return hr;
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  }
}

HRESULT CComServerModule::InstallForUser(bool install) {
  CRegKey classes;
  LONG error = ::RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Classes", 0, nullptr, 0,
                                 KEY_ALL_ACCESS, nullptr, classes.put(), nullptr);
  if (error != ERROR_SUCCESS) return HRESULT_FROM_WIN32(error);
  // For the call, HKEY_CLASSES_ROOT is this user's classes: the tables and
  // the system's registration of the type library both land there.
  error = ::RegOverridePredefKey(HKEY_CLASSES_ROOT, classes.get());
  if (error != ERROR_SUCCESS) return HRESULT_FROM_WIN32(error);
  const HRESULT hr = install ? RegisterServer() : UnregisterServer();
  ::RegOverridePredefKey(HKEY_CLASSES_ROOT, nullptr);
  return hr;
}

HRESULT CComServerModule::UnregisterServer() {
  HRESULT first = S_OK;
  for (std::size_t i = m_objects.size(); i > 0; --i) {
    const ObjectEntry& object = m_objects[i - 1];
    const DeleteScope scope =
        m_keysRoot == HKEY_CLASSES_ROOT && RegisteredForOtherPlatform(*object.clsid, m_module)
            ? DeleteScope::kClassKeysOnly
            : DeleteScope::kAll;
    const HRESULT hr = DeleteRegistryTable(m_keysRoot, object.keys, scope);
    if (FAILED(hr) && SUCCEEDED(first)) first = hr;
  }
  const HRESULT hr = UnregisterModuleTypeLib(m_module);
  if (FAILED(hr) && SUCCEEDED(first)) first = hr;
  return first;
}

}  // namespace scalewright::com
