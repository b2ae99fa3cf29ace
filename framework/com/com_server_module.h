// The bookkeeping of an in-process server: its object table, one cached
// class factory per class, registration of every class and of the type
// library. The four exported Dll* functions are thin calls into this.
#pragma once

#include <windows.h>

#include <cstddef>
#include <span>

#include "framework/com/class_factory.h"
#include "framework/com/registry_table.h"

namespace scalewright::com {

// One class the module serves, in registration order.
struct ObjectEntry {
  const CLSID* clsid;
  std::span<const RegistryKey> keys;  // below HKEY_CLASSES_ROOT
  CreatorFunction create;
};

class CComServerModule {
 public:
  // More classes than any module of ours serves; a longer table is refused.
  static constexpr std::size_t kMaxObjects = 8;

  CComServerModule() = default;
  CComServerModule(const CComServerModule&) = delete;
  CComServerModule& operator=(const CComServerModule&) = delete;
  ~CComServerModule() { Term(); }

  // |module| is the file whose path is registered and whose TYPELIB 1 is
  // the type library; |keysRoot| is where the tables go (HKEY_CLASSES_ROOT).
  HRESULT Init(std::span<const ObjectEntry> objects, HMODULE module,
               HKEY keysRoot = HKEY_CLASSES_ROOT);
  // Drops the cached class factories; the module is being unloaded.
  void Term();

  // DllGetClassObject.
  HRESULT GetClassObject(REFCLSID clsid, REFIID riid, void** ppv);
  // DllRegisterServer: every table in order, then the type library. A
  // failure removes what this call wrote and is returned.
  HRESULT RegisterServer();
  // DllUnregisterServer: every table, last first, and the type library.
  HRESULT UnregisterServer();
  // DllInstall(..., L"user"): the same keys and type library under
  // HKCU\Software\Classes, for this user alone and without administrator
  // rights (regsvr32 /n /i:user); |install| false removes them.
  HRESULT InstallForUser(bool install);

 private:
  std::span<const ObjectEntry> m_objects;
  HMODULE m_module = nullptr;
  HKEY m_keysRoot = HKEY_CLASSES_ROOT;
  // Guards creating the cached factories: any apartment may ask first.
  CCriticalSection m_cs;
  CClassFactory* m_factories[kMaxObjects] = {};
};

}  // namespace scalewright::com
