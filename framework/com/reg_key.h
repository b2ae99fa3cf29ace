// Owner of one open registry key, closed with RegCloseKey. Move-only.
#pragma once

#include <windows.h>

#include <utility>

namespace scalewright::com {

class CRegKey {
 public:
  CRegKey() = default;
  CRegKey(CRegKey&& other) noexcept : key_(std::exchange(other.key_, nullptr)) {}
  CRegKey& operator=(CRegKey&& other) noexcept {
    if (this != &other) {
      reset();
      key_ = std::exchange(other.key_, nullptr);
    }
    return *this;
  }
  CRegKey(const CRegKey&) = delete;
  CRegKey& operator=(const CRegKey&) = delete;
  ~CRegKey() { reset(); }

  HKEY get() const { return key_; }
  explicit operator bool() const { return key_ != nullptr; }
  // For an out-parameter: closes the old key first.
  HKEY* put() {
    reset();
    return &key_;
  }
  void reset() {
    if (HKEY old = std::exchange(key_, nullptr)) ::RegCloseKey(old);
  }

  // Win32 error codes, as the registry gives them.
  LSTATUS Create(HKEY parent, const wchar_t* path);
  LSTATUS Open(HKEY parent, const wchar_t* path, REGSAM access = KEY_READ);

 private:
  HKEY key_ = nullptr;
};

}  // namespace scalewright::com
