#include "framework/com/reg_key.h"

namespace scalewright::com {

LSTATUS CRegKey::Create(HKEY parent, const wchar_t* path) {
  return ::RegCreateKeyExW(parent, path, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_READ | KEY_WRITE,
                           nullptr, put(), nullptr);
}

LSTATUS CRegKey::Open(HKEY parent, const wchar_t* path, REGSAM access) {
  return ::RegOpenKeyExW(parent, path, 0, access, put());
}

}  // namespace scalewright::com
