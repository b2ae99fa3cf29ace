// Reference counting and table-driven QueryInterface shared by every object
// of the hybrid framework.
#pragma once

#include <atomic>

#include "hybrid/interfaces/unknown.h"

namespace scalewright {

// Answers IUnknown (through the first interface) and each listed interface;
// sets *ppv to null first and AddRefs what it hands out.
template <class First, class... Rest, class Self>
HRESULT QueryInterfaceTable(Self* self, REFIID riid, void** ppv) {
  if (!ppv) return E_POINTER;
  *ppv = nullptr;
  void* hit = nullptr;
  if (riid == IID_IUnknown) {
    hit = static_cast<IUnknown*>(static_cast<First*>(self));
  } else if (riid == IidOf<First>::Get()) {
    hit = static_cast<First*>(self);
  } else {
    ((hit == nullptr && riid == IidOf<Rest>::Get() ? void(hit = static_cast<Rest*>(self)) : void()),
     ...);
  }
  if (!hit) return E_NOINTERFACE;
  self->AddRef();
  *ppv = hit;
  return S_OK;
}

// The count itself. Repaint requests may hold cells from other threads, so it
// is atomic. Objects start at the count the framework's rule gives them.
class RefCount {
 public:
  explicit RefCount(ULONG initial) : m_count(initial) {}
  ULONG Add() { return ++m_count; }
  ULONG Drop() { return --m_count; }
  ULONG Value() const { return m_count; }

 private:
  std::atomic<ULONG> m_count;
};

}  // namespace scalewright

// AddRef/Release in one place for a class with a RefCount member m_refs; the
// class's destructor is private or protected, so only Release deletes.
#define HYBRID_IMPLEMENT_REFCOUNT()                                  \
  ULONG STDMETHODCALLTYPE AddRef() override { return m_refs.Add(); } \
  ULONG STDMETHODCALLTYPE Release() override {                       \
    const ULONG left = m_refs.Drop();                                \
    if (left == 0) delete this;                                      \
    return left;                                                     \
  }
