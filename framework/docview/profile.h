// The application's registry profile: the key <company>\<application> under
// HKEY_CURRENT_USER\Software, one subkey per section. Unavailable keys read as defaults
// and fail writes silently.
#pragma once

#include <windows.h>

#include <string>

namespace scalewright::docview {

class CProfile {
 public:
  void SetKey(const std::string& company, const std::string& application);
  const std::string& KeyPath() const { return m_path; }
  std::string GetString(const char* section, const char* entry) const;
  int GetInt(const char* section, const char* entry, int fallback) const;
  bool WriteString(const char* section, const char* entry, const std::string& value) const;
  bool WriteInt(const char* section, const char* entry, int value) const;
  // Removes the section with all its values.
  void DeleteSection(const char* section) const;
  // Removes the application's key (and the company key if it became empty).
  void DeleteAll() const;

 private:
  std::string m_company;
  std::string m_path;
};

}  // namespace scalewright::docview
