// Owner of one open registry key, closed with RegCloseKey. Move-only.
#pragma once

#include <windows.h>

#include <utility>

namespace scalewright::com {

class CRegKey {
 public:
  CRegKey() = default;
  CRegKey(CRegKey&& other) noexcept : m_key(std::exchange(other.m_key, nullptr)) {}
  CRegKey& operator=(CRegKey&& other) noexcept {
    if (this != &other) {
      reset();
      m_key = std::exchange(other.m_key, nullptr);
    }
    return *this;
  }
  CRegKey(const CRegKey&) = delete;
  CRegKey& operator=(const CRegKey&) = delete;
  ~CRegKey() { reset(); }

  HKEY get() const { return m_key; }
  explicit operator bool() const { return m_key != nullptr; }
  // For an out-parameter: closes the old key first.
  HKEY* put() {
    reset();
    return &m_key;
  }
  void reset() {
    if (HKEY old = std::exchange(m_key, nullptr)) ::RegCloseKey(old);
  }

  // Win32 error codes, as the registry gives them.
  LSTATUS Create(HKEY parent, const wchar_t* path);
  LSTATUS Open(HKEY parent, const wchar_t* path, REGSAM access = KEY_READ);

 private:
  HKEY m_key = nullptr;
};

}  // namespace scalewright::com
