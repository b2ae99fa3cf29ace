// Counted COM interface pointer: every out-pointer we receive carries one
// reference, and this type makes sure it is released exactly once.
#pragma once

#include <windows.h>

#include <unknwn.h>

#include <cstddef>
#include <utility>

namespace scalewright::com {

template <class T>
class ComPtr {
 public:
  ComPtr() = default;
  ComPtr(std::nullptr_t) {}
  // Takes a reference of its own; the caller keeps whatever it held.
  explicit ComPtr(T* p) : m_p(p) {
    if (m_p) m_p->AddRef();
  }
  ComPtr(const ComPtr& other) : ComPtr(other.m_p) {}
  ComPtr(ComPtr&& other) noexcept : m_p(std::exchange(other.m_p, nullptr)) {}
  ~ComPtr() { reset(); }

  ComPtr& operator=(const ComPtr& other) {
    ComPtr(other).swap(*this);
    return *this;
  }
  ComPtr& operator=(ComPtr&& other) noexcept {
    ComPtr(std::move(other)).swap(*this);
    return *this;
  }
  ComPtr& operator=(std::nullptr_t) {
    reset();
    return *this;
  }

  // Adopts a reference the caller already owns (a returned pointer).
  static ComPtr Adopt(T* p) {
    ComPtr result;
    result.m_p = p;
    return result;
  }

  T* get() const { return m_p; }
  T* operator->() const { return m_p; }
  explicit operator bool() const { return m_p != nullptr; }

  // Hands the reference to the caller.
  [[nodiscard]] T* detach() { return std::exchange(m_p, nullptr); }

  // For an out-parameter: releases what is held first, so that filling the
  // pointer again cannot leak the old reference.
  T** put() {
    reset();
    return &m_p;
  }
  void** put_void() { return reinterpret_cast<void**>(put()); }

  void reset() {
    if (T* old = std::exchange(m_p, nullptr)) old->Release();
  }
  void swap(ComPtr& other) noexcept { std::swap(m_p, other.m_p); }

  // QueryInterface into another counted pointer; |out| is emptied first.
  template <class U>
  HRESULT As(REFIID iid, ComPtr<U>& out) const {
    if (!m_p) {
      out.reset();
      return E_POINTER;
    }
    return m_p->QueryInterface(iid, out.put_void());
  }

 private:
  T* m_p = nullptr;
};

template <class T, class U>
bool operator==(const ComPtr<T>& a, const ComPtr<U>& b) {
  return a.get() == b.get();
}
template <class T>
bool operator==(const ComPtr<T>& a, std::nullptr_t) {
  return a.get() == nullptr;
}

}  // namespace scalewright::com
