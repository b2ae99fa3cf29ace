// Base of every COM object the module serves: the reference count in one
// place, QueryInterface from a table, one module lock per live object, and
// aggregation through an inner (non-delegating) unknown.
//
//   class CThing final : public CComObject<CThing, IThing, IOther> {
//    public:
//     static constexpr bool kAggregatable = true;  // optional, default false
//     static constexpr InterfaceEntry<CThing> kInterfaces[] = {  // lookup order
//         Entry<CThing, IThing>(IID_IThing),
//         Entry<CThing, IOther>(IID_IOther),
//     };
//     HRESULT FinalConstruct();  // optional, runs after the outer is known
//    private:
//     ~CThing() override;  // only the last Release destroys
//   };
//   creator (object tables, class factories): &CreateComInstance<CThing>
//
// Every interface's IUnknown methods go to the controlling unknown: the outer
// object when aggregated, the inner unknown otherwise. The inner unknown
// holds the count and answers the table.
#pragma once

#include <windows.h>

#include <unknwn.h>

#include <new>
#include <span>
#include <type_traits>

#include "framework/com/module_lock.h"

namespace scalewright::com {

// One row of an object's interface table: an IID and how to reach the
// interface that answers it (IID_IDispatch may answer with a dual interface).
template <class Self>
struct InterfaceEntry {
  const IID* iid;
  IUnknown* (*cast)(Self* self);
};

template <class Self, class Interface>
IUnknown* InterfaceCast(Self* self) {
  return static_cast<Interface*>(self);
}

// The table row for |Interface| answered by the base of the same type, or by
// |Base| for an IID that several bases share (IDispatch, IOleWindow...).
template <class Self, class Interface, class Base = Interface>
constexpr InterfaceEntry<Self> Entry(const IID& iid) {
  static_assert(std::is_base_of_v<Interface, Base>, "the base must be the interface");
  return {&iid, &InterfaceCast<Self, Base>};
}

template <class Derived, class... Interfaces>
class CComObject : public Interfaces... {
 public:
  static constexpr bool kAggregatable = false;

  CComObject(const CComObject&) = delete;
  CComObject& operator=(const CComObject&) = delete;

  // IUnknown of every interface: the controlling unknown decides.
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override {
    return m_outer->QueryInterface(riid, ppv);
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return m_outer->AddRef(); }
  ULONG STDMETHODCALLTYPE Release() override { return m_outer->Release(); }

  // The outer object when aggregated, else the object's own identity.
  IUnknown* ControllingUnknown() const { return m_outer; }
  bool IsAggregated() const { return m_outer != &m_inner; }

  // Runs after construction, before the first QueryInterface; a failure
  // destroys the object. Derived classes hide it with their own.
  HRESULT FinalConstruct() { return S_OK; }

 protected:
  CComObject() = default;
  // Virtual so that the inner Release can destroy the most derived object.
  virtual ~CComObject() = default;

 private:
  template <class T>
  friend HRESULT CreateComInstance(IUnknown* outer, REFIID riid, void** ppv);

  // The non-delegating unknown: identity, count and table.
  class CInnerUnknown final : public IUnknown {
   public:
    explicit CInnerUnknown(CComObject* owner) : m_owner(owner) {}
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override {
      return m_owner->InnerQueryInterface(riid, ppv);
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++m_owner->m_refs; }
    ULONG STDMETHODCALLTYPE Release() override { return m_owner->InnerRelease(); }

   private:
    CComObject* m_owner;
  };

  HRESULT InnerQueryInterface(REFIID riid, void** ppv) {
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    IUnknown* hit = nullptr;
    if (riid == IID_IUnknown) {
      hit = &m_inner;
    } else {
      for (const InterfaceEntry<Derived>& entry : std::span(Derived::kInterfaces)) {
        if (*entry.iid == riid) {
          hit = entry.cast(static_cast<Derived*>(this));
          break;
        }
      }
    }
    if (!hit) return E_NOINTERFACE;
    // Through the interface itself, so that an aggregated object's outer
    // counts the reference it hands out.
    hit->AddRef();
    *ppv = hit;
    return S_OK;
  }

  ULONG InnerRelease() {
    const ULONG left = --m_refs;
    if (left == 0) {
      // A destructor that AddRefs and Releases itself must not delete twice.
      m_refs = 1;
      delete this;
    }
    return left;
  }

  CModuleLockHolder m_moduleLock;
  CInnerUnknown m_inner{this};
  IUnknown* m_outer = &m_inner;
  // Objects live in one apartment and are called on one thread: a plain
  // count. It starts at 0; creation holds one while it asks for the IID.
  ULONG m_refs = 0;
};

// The creator of an object table or class factory: a new |T| answering
// |riid|. Made with one reference, queried, released: success and failure
// share one exit, and a failed query destroys the object.
template <class T>
HRESULT CreateComInstance(IUnknown* outer, REFIID riid, void** ppv) {
  if (!ppv) return E_POINTER;
  *ppv = nullptr;
  // COM's rule: an aggregated object's first interface is its inner unknown.
  if (outer && (!T::kAggregatable || riid != IID_IUnknown)) {
    return CLASS_E_NOAGGREGATION;
  }
  T* object = nullptr;
  try {
    object = new (std::nothrow) T();
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  } catch (...) {
    return E_UNEXPECTED;
  }
  if (!object) return E_OUTOFMEMORY;
  if (outer) object->m_outer = outer;
  IUnknown* inner = &object->m_inner;
  inner->AddRef();
  HRESULT hr = E_UNEXPECTED;
  try {
    hr = object->FinalConstruct();
  } catch (const std::bad_alloc&) {
    hr = E_OUTOFMEMORY;
  } catch (...) {
    hr = E_UNEXPECTED;
  }
  if (SUCCEEDED(hr)) hr = inner->QueryInterface(riid, ppv);
  inner->Release();
  return hr;
}

}  // namespace scalewright::com
