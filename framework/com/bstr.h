// Owner of one BSTR: freed with SysFreeString, moved but never copied by
// accident (a copy is a new allocation and is asked for by name).
#pragma once

#include <windows.h>

#include <oleauto.h>

#include <utility>

namespace scalewright::com {

class CBstr {
 public:
  CBstr() = default;
  CBstr(CBstr&& other) noexcept : b_(std::exchange(other.b_, nullptr)) {}
  CBstr& operator=(CBstr&& other) noexcept {
    if (this != &other) {
      ::SysFreeString(b_);
      b_ = std::exchange(other.b_, nullptr);
    }
    return *this;
  }
  CBstr(const CBstr&) = delete;
  CBstr& operator=(const CBstr&) = delete;
  ~CBstr() { ::SysFreeString(b_); }

  // Adopts a string the caller owns.
  static CBstr Attach(BSTR b) {
    CBstr result;
    result.b_ = b;
    return result;
  }
  // A new copy of |text|; a null text stays null.
  static HRESULT Copy(const wchar_t* text, CBstr& out);
  static HRESULT Copy(const wchar_t* text, UINT length, CBstr& out);

  BSTR get() const { return b_; }
  explicit operator bool() const { return b_ != nullptr; }
  // Characters held; 0 for a null string, as COM treats null as empty.
  UINT Length() const { return ::SysStringLen(b_); }

  [[nodiscard]] BSTR detach() { return std::exchange(b_, nullptr); }
  // For an out-parameter: frees the old string first.
  BSTR* put() {
    reset();
    return &b_;
  }
  void reset() { ::SysFreeString(std::exchange(b_, nullptr)); }

  // Hands a new copy to a caller that will own it ([out, retval] BSTR*).
  HRESULT CopyTo(BSTR* out) const;

 private:
  BSTR b_ = nullptr;
};

}  // namespace scalewright::com
