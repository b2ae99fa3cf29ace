// Snapshot enumerators for the connection point container: every item is
// counted while the enumerator holds it, and Next hands out one reference
// per item it returns.
#pragma once

#include <windows.h>

#include <ocidl.h>

#include <new>
#include <vector>

#include "framework/com/com_object.h"

namespace scalewright::ole {

inline void AddRefItem(IConnectionPoint* item) { item->AddRef(); }
inline void ReleaseItem(IConnectionPoint* item) { item->Release(); }
inline void AddRefItem(const CONNECTDATA& item) { item.pUnk->AddRef(); }
inline void ReleaseItem(const CONNECTDATA& item) { item.pUnk->Release(); }

template <class IEnum, class Item, const IID* kIid>
class CEnumerator final : public com::CComObject<CEnumerator<IEnum, Item, kIid>, IEnum> {
 public:
  static constexpr com::InterfaceEntry<CEnumerator> kInterfaces[] = {
      com::Entry<CEnumerator, IEnum>(*kIid),
  };

  // A new enumerator over copies of |items|, starting at |position|.
  static HRESULT Create(const std::vector<Item>& items, ULONG position, IEnum** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    IEnum* created = nullptr;
    HRESULT hr =
        com::CreateComInstance<CEnumerator>(nullptr, *kIid, reinterpret_cast<void**>(&created));
    if (FAILED(hr)) return hr;
    auto* self = static_cast<CEnumerator*>(created);
    try {
      self->m_items.reserve(items.size());
    } catch (const std::bad_alloc&) {
      created->Release();
      return E_OUTOFMEMORY;
    }
    for (const Item& item : items) {
      AddRefItem(item);
      self->m_items.push_back(item);
    }
    self->m_position = position;
    *out = created;
    return S_OK;
  }

  HRESULT STDMETHODCALLTYPE Next(ULONG count, Item* items, ULONG* fetched) override {
    if (!items) return E_POINTER;
    // Several items need somewhere to say how many came.
    if (count != 1 && !fetched) return E_INVALIDARG;
    ULONG done = 0;
    while (done < count && m_position < m_items.size()) {
      items[done] = m_items[m_position++];
      AddRefItem(items[done]);
      ++done;
    }
    if (fetched) *fetched = done;
    return done == count ? S_OK : S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE Skip(ULONG count) override {
    const ULONG left = static_cast<ULONG>(m_items.size()) - m_position;
    const ULONG skipped = count < left ? count : left;
    m_position += skipped;
    return skipped == count ? S_OK : S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE Reset() override {
    m_position = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Clone(IEnum** clone) override {
    return Create(m_items, m_position, clone);
  }

 private:
  ~CEnumerator() override {
    for (const Item& item : m_items) ReleaseItem(item);
  }

  std::vector<Item> m_items;
  ULONG m_position = 0;
};

using CEnumConnectionPoints =
    CEnumerator<IEnumConnectionPoints, IConnectionPoint*, &IID_IEnumConnectionPoints>;
using CEnumConnections = CEnumerator<IEnumConnections, CONNECTDATA, &IID_IEnumConnections>;

}  // namespace scalewright::ole
