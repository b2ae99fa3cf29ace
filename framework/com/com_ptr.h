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
  explicit ComPtr(T* p) : p_(p) {
    if (p_) p_->AddRef();
  }
  ComPtr(const ComPtr& other) : ComPtr(other.p_) {}
  ComPtr(ComPtr&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
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
  static ComPtr Attach(T* p) {
    ComPtr result;
    result.p_ = p;
    return result;
  }

  T* get() const { return p_; }
  T* operator->() const { return p_; }
  explicit operator bool() const { return p_ != nullptr; }

  // Hands the reference to the caller.
  [[nodiscard]] T* detach() { return std::exchange(p_, nullptr); }

  // For an out-parameter: releases what is held first, so that filling the
  // pointer again cannot leak the old reference.
  T** put() {
    reset();
    return &p_;
  }
  void** put_void() { return reinterpret_cast<void**>(put()); }

  void reset() {
    if (T* old = std::exchange(p_, nullptr)) old->Release();
  }
  void swap(ComPtr& other) noexcept { std::swap(p_, other.p_); }

  // QueryInterface into another counted pointer; |out| is emptied first.
  template <class U>
  HRESULT As(REFIID iid, ComPtr<U>& out) const {
    if (!p_) {
      out.reset();
      return E_POINTER;
    }
    return p_->QueryInterface(iid, out.put_void());
  }

 private:
  T* p_ = nullptr;
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
