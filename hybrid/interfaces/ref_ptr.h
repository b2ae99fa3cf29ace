// Counted pointer to a reference-counted framework object: every member that
// keeps an object holds one of these, so that ownership is in the type.
//
// A raw pointer never turns into one by itself: objects start at different
// counts (cells, layouts, contents and headings at 0, styles and handlers at
// 1), so the caller says which it means. RefPtr<T>(p) shares an object that
// someone else owns (it adds a reference); RefPtr<T>::Adopt(p) takes over
// the reference the caller holds (a fresh object that starts at 1, or an
// out-parameter).
#pragma once

#include <cstddef>
#include <utility>

#include "hybrid/interfaces/unknown.h"

namespace scalewright {

template <class T>
class RefPtr {
 public:
  RefPtr() = default;
  RefPtr(std::nullptr_t) {}
  // Shares: takes a reference of its own.
  explicit RefPtr(T* p) : m_p(p) {
    if (m_p) m_p->AddRef();
  }
  RefPtr(const RefPtr& other) : RefPtr(other.m_p) {}
  RefPtr(RefPtr&& other) noexcept : m_p(std::exchange(other.m_p, nullptr)) {}
  template <class U>
  RefPtr(const RefPtr<U>& other) : RefPtr(static_cast<T*>(other.get())) {}
  ~RefPtr() { reset(); }

  RefPtr& operator=(const RefPtr& other) {
    RefPtr(other).swap(*this);
    return *this;
  }
  RefPtr& operator=(RefPtr&& other) noexcept {
    RefPtr(std::move(other)).swap(*this);
    return *this;
  }

  // Takes over a reference that the caller already owns (an object that
  // starts with a count of 1, or an out-parameter).
  static RefPtr Adopt(T* p) {
    RefPtr r;
    r.m_p = p;
    return r;
  }

  T* get() const { return m_p; }
  T* operator->() const { return m_p; }
  T& operator*() const { return *m_p; }
  explicit operator bool() const { return m_p != nullptr; }

  // Hands the reference to the caller.
  T* detach() { return std::exchange(m_p, nullptr); }
  // For out-parameters: releases what is held first.
  T** put() {
    reset();
    return &m_p;
  }
  void reset() {
    if (T* p = std::exchange(m_p, nullptr)) p->Release();
  }
  void swap(RefPtr& other) noexcept { std::swap(m_p, other.m_p); }

  // Copies the pointer into an out-parameter with one reference for the
  // receiver; false (and null) when there is nothing.
  bool CopyTo(T** out) const {
    if (!out) return false;
    *out = m_p;
    if (m_p) m_p->AddRef();
    return m_p != nullptr;
  }

  // QueryInterface into another interface; empty when not answered.
  template <class U>
  RefPtr<U> As() const {
    RefPtr<U> r;
    if (m_p) m_p->QueryInterface(IidOf<U>::Get(), reinterpret_cast<void**>(r.put()));
    return r;
  }

 private:
  T* m_p = nullptr;
};

template <class T, class U>
bool operator==(const RefPtr<T>& a, const U* b) {
  return a.get() == b;
}
template <class T, class U>
bool operator==(const RefPtr<T>& a, const RefPtr<U>& b) {
  return a.get() == b.get();
}

// Copies a borrowed pointer into an out-parameter with one reference.
template <class T>
bool HandOut(T* p, T** out) {
  if (!out) return false;
  *out = p;
  if (p) p->AddRef();
  return p != nullptr;
}

}  // namespace scalewright
