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
  CBstr(CBstr&& other) noexcept : m_b(std::exchange(other.m_b, nullptr)) {}
  CBstr& operator=(CBstr&& other) noexcept {
    if (this != &other) {
      ::SysFreeString(m_b);
      m_b = std::exchange(other.m_b, nullptr);
    }
    return *this;
  }
  CBstr(const CBstr&) = delete;
  CBstr& operator=(const CBstr&) = delete;
  ~CBstr() { ::SysFreeString(m_b); }

  // Adopts a string the caller owns.
  static CBstr Adopt(BSTR b) {
    CBstr result;
    result.m_b = b;
    return result;
  }
  // A new copy of |text|; a null text stays null.
  static HRESULT Copy(const wchar_t* text, CBstr& out);
  static HRESULT Copy(const wchar_t* text, UINT length, CBstr& out);

  BSTR get() const { return m_b; }
  explicit operator bool() const { return m_b != nullptr; }
  // Characters held; 0 for a null string, as COM treats null as empty.
  UINT Length() const { return ::SysStringLen(m_b); }

  [[nodiscard]] BSTR detach() { return std::exchange(m_b, nullptr); }
  // For an out-parameter: frees the old string first.
  BSTR* put() {
    reset();
    return &m_b;
  }
  void reset() { ::SysFreeString(std::exchange(m_b, nullptr)); }

  // Hands a new copy to a caller that will own it ([out, retval] BSTR*).
  HRESULT CopyTo(BSTR* out) const;

 private:
  BSTR m_b = nullptr;
};

}  // namespace scalewright::com
