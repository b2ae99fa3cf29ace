#include "app/about/version_info.h"

#include <windows.h>

#include <winver.h>

#include <utility>

namespace scalewright::app {

namespace {

std::string OwnModulePath() {
  char path[MAX_PATH] = {};
  const DWORD length = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
  return std::string(path, length < MAX_PATH ? length : 0);
}

}  // namespace

CVersionInfo::CVersionInfo() : m_path(OwnModulePath()) { Read(); }

CVersionInfo::CVersionInfo(std::string path) : m_path(std::move(path)) { Read(); }

void CVersionInfo::Read() {
  if (m_path.empty()) return;
  DWORD handle = 0;
  const DWORD size = ::GetFileVersionInfoSizeA(m_path.c_str(), &handle);
  if (size == 0) return;
  auto data = std::make_unique<std::uint8_t[]>(size);
  if (!::GetFileVersionInfoA(m_path.c_str(), 0, size, data.get())) return;
  m_size = size;
  m_data = std::move(data);
}

std::string CVersionInfo::Value(const char* key) const {
  if (!m_data || !key) return {};
  const std::string query = std::string("\\StringFileInfo\\040904B0\\") + key;
  void* value = nullptr;
  UINT length = 0;
  if (!::VerQueryValueA(m_data.get(), query.c_str(), &value, &length) || !value || length == 0)
    return {};
  // |length| counts characters and may include the terminating zero; the
  // value never reaches past the block.
  const char* text = static_cast<const char*>(value);
  const auto* end = m_data.get() + m_size;
  std::string result;
  for (const char* p = text; p < reinterpret_cast<const char*>(end) && *p; ++p) result += *p;
  return result;
}

std::string CVersionInfo::GetComments() const { return Value("Comments"); }
std::string CVersionInfo::GetCompanyName() const { return Value("CompanyName"); }
std::string CVersionInfo::GetFileDescription() const { return Value("FileDescription"); }
std::string CVersionInfo::GetFileVersion() const { return Value("FileVersion"); }
std::string CVersionInfo::GetInternalName() const { return Value("InternalName"); }
std::string CVersionInfo::GetLegalCopyright() const { return Value("LegalCopyright"); }
std::string CVersionInfo::GetLegalTrademarks() const { return Value("LegalTrademarks"); }
std::string CVersionInfo::GetOriginalFilename() const { return Value("OriginalFilename"); }
std::string CVersionInfo::GetPrivateBuild() const { return Value("PrivateBuild"); }
std::string CVersionInfo::GetProductName() const { return Value("ProductName"); }
std::string CVersionInfo::GetProductVersion() const {
  return DottedVersion(Value("ProductVersion"));
}
std::string CVersionInfo::GetSpecialBuild() const { return Value("SpecialBuild"); }

std::string DottedVersion(const std::string& text) {
  std::string result;
  for (char c : text) {
    if (c == ' ') continue;
    result += c == ',' ? '.' : c;
  }
  return result;
}

}  // namespace scalewright::app
