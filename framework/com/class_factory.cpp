#include "framework/com/class_factory.h"

#include <new>

#include "framework/com/module_lock.h"

namespace scalewright::com {

CClassFactory* CClassFactory::CreateCached(CreatorFunction create) {
  if (!create) return nullptr;
  CClassFactory* factory = new (std::nothrow) CClassFactory(create);
  if (factory) factory->m_refs = 1;
  return factory;
}

HRESULT CClassFactory::QueryInterface(REFIID riid, void** ppv) {
  if (!ppv) return E_POINTER;
  *ppv = nullptr;
  if (riid != IID_IUnknown && riid != IID_IClassFactory) return E_NOINTERFACE;
  AddRef();
  *ppv = static_cast<IClassFactory*>(this);
  return S_OK;
}

ULONG CClassFactory::AddRef() {
  CCriticalSectionLock hold(m_cs);
  // The first reference past the cache's is the first one outside.
  if (++m_refs == 2) LockModule();
  return m_refs;
}

ULONG CClassFactory::Release() {
  ULONG left = 0;
  {
    CCriticalSectionLock hold(m_cs);
    left = --m_refs;
    if (left == 1) UnlockModule();
  }
  // Only the cache's own release reaches 0, when the module ends.
  if (left == 0) delete this;
  return left;
}

HRESULT CClassFactory::CreateInstance(IUnknown* outer, REFIID riid, void** ppv) {
  if (!ppv) return E_POINTER;
  *ppv = nullptr;
  return m_create(outer, riid, ppv);
}

HRESULT CClassFactory::LockServer(BOOL lock) {
  if (lock) {
    LockModule();
  } else {
    UnlockModule();
  }
  return S_OK;
}

}  // namespace scalewright::com
