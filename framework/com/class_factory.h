// The class object of one class: creates a new object on each request. The
// module caches one per class for its whole life; the cache's reference
// does not hold the module, any outside reference does (a client holding
// the factory must keep the code it calls loaded).
#pragma once

#include <windows.h>

#include <unknwn.h>

#include "framework/com/critical_section.h"

namespace scalewright::com {

// Makes a new object answering |riid|, aggregated under |outer| if given.
using CreatorFunction = HRESULT (*)(IUnknown* outer, REFIID riid, void** ppv);

class CClassFactory final : public IClassFactory {
 public:
  // A new factory with one reference, the cache's; null without memory.
  static CClassFactory* CreateCached(CreatorFunction create);

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID riid, void** ppv) override;
  HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override;

 private:
  explicit CClassFactory(CreatorFunction create) : m_create(create) {}
  ~CClassFactory() = default;

  const CreatorFunction m_create;
  // Factories are reached from any apartment.
  CCriticalSection m_cs;
  ULONG m_refs = 0;
};

}  // namespace scalewright::com
