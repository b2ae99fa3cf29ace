#include "framework/docview/profile.h"

#include <utility>

#include "framework/com/reg_key.h"
#include "framework/ui/utf8_text.h"

namespace scalewright::docview {

using com::CRegKey;

void CProfile::SetKey(const std::string& company, const std::string& application) {
  m_company = "Software\\" + company;
  m_path = m_company + "\\" + application;
}

// Strings are stored through the wide API: a path in any script survives.
std::string CProfile::GetString(const char* section, const char* entry) const {
  CRegKey key;
  if (::RegOpenKeyExW(HKEY_CURRENT_USER, ui::Widen(m_path + "\\" + section).c_str(), 0, KEY_READ,
                      key.put()) != ERROR_SUCCESS)
    return {};
  const std::wstring name = ui::Widen(entry);
  DWORD type = 0;
  DWORD size = 0;
  if (::RegQueryValueExW(key.get(), name.c_str(), nullptr, &type, nullptr, &size) !=
          ERROR_SUCCESS ||
      type != REG_SZ)
    return {};
  std::wstring value(size / sizeof(wchar_t) + 1, L'\0');
  size = static_cast<DWORD>(value.size() * sizeof(wchar_t));
  if (::RegQueryValueExW(key.get(), name.c_str(), nullptr, &type,
                         reinterpret_cast<BYTE*>(value.data()), &size) != ERROR_SUCCESS)
    return {};
  value.resize(value.find(L'\0') == std::wstring::npos ? value.size() : value.find(L'\0'));
  return ui::Narrow(value);
}

int CProfile::GetInt(const char* section, const char* entry, int fallback) const {
  CRegKey key;
  if (::RegOpenKeyExA(HKEY_CURRENT_USER, (m_path + "\\" + section).c_str(), 0, KEY_READ,
                      key.put()) != ERROR_SUCCESS)
    return fallback;
  DWORD type = 0;
  DWORD value = 0;
  DWORD size = sizeof value;
  if (::RegQueryValueExA(key.get(), entry, nullptr, &type, reinterpret_cast<BYTE*>(&value),
                         &size) != ERROR_SUCCESS ||
      type != REG_DWORD)
    return fallback;
  return static_cast<int>(value);
}

bool CProfile::WriteString(const char* section, const char* entry, const std::string& value) const {
  CRegKey key;
  if (::RegCreateKeyExW(HKEY_CURRENT_USER, ui::Widen(m_path + "\\" + section).c_str(), 0, nullptr,
                        0, KEY_WRITE, nullptr, key.put(), nullptr) != ERROR_SUCCESS)
    return false;
  const std::wstring data = ui::Widen(value);
  return ::RegSetValueExW(key.get(), ui::Widen(entry).c_str(), 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(data.c_str()),
                          static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
}

bool CProfile::WriteInt(const char* section, const char* entry, int value) const {
  CRegKey key;
  if (::RegCreateKeyExA(HKEY_CURRENT_USER, (m_path + "\\" + section).c_str(), 0, nullptr, 0,
                        KEY_WRITE, nullptr, key.put(), nullptr) != ERROR_SUCCESS)
    return false;
  const DWORD data = static_cast<DWORD>(value);
  return ::RegSetValueExA(key.get(), entry, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data),
                          sizeof data) == ERROR_SUCCESS;
}

void CProfile::DeleteSection(const char* section) const {
  ::RegDeleteTreeA(HKEY_CURRENT_USER, (m_path + "\\" + section).c_str());
}

void CProfile::DeleteAll() const {
  ::RegDeleteTreeA(HKEY_CURRENT_USER, m_path.c_str());
  // RegDeleteKey refuses a key that still has subkeys: the company key goes only when empty.
  ::RegDeleteKeyA(HKEY_CURRENT_USER, m_company.c_str());
}

}  // namespace scalewright::docview
