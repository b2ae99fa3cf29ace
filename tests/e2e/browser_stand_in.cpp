#include "tests/e2e/browser_stand_in.h"

#include <fstream>
#include <utility>

#include "framework/com/reg_key.h"
#include "tests/e2e/sw_driver.h"

namespace scalewright::e2e {

namespace {

// Wine reads the classes from the machine's hive only (not the user's), so
// that is where the handler goes.
constexpr char kHttpOpenCommand[] = "Software\\Classes\\http\\shell\\open\\command";

bool OpenCommandKey(com::CRegKey& key) {
  return ::RegCreateKeyExA(HKEY_LOCAL_MACHINE, kHttpOpenCommand, 0, nullptr, 0,
                           KEY_READ | KEY_WRITE, nullptr, key.put(), nullptr) == ERROR_SUCCESS;
}

bool SetDefault(HKEY key, const std::string& value) {
  return ::RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                          static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
}

}  // namespace

CBrowserStandIn::CBrowserStandIn(std::string log) : m_log(std::move(log)) {
  ::DeleteFileA(m_log.c_str());
  com::CRegKey key;
  if (!OpenCommandKey(key)) return;
  char previous[1024] = {};
  DWORD size = sizeof previous - 1;
  DWORD type = 0;
  if (::RegQueryValueExA(key.get(), nullptr, nullptr, &type, reinterpret_cast<BYTE*>(previous),
                         &size) == ERROR_SUCCESS &&
      (type == REG_SZ || type == REG_EXPAND_SZ)) {
    m_hadPrevious = true;
    m_previous = previous;
  }
  const std::string command = "\"" + BinDir() + "url_recorder.exe\" \"" + m_log + "\" \"%1\"";
  m_registered = SetDefault(key.get(), command);
}

CBrowserStandIn::~CBrowserStandIn() {
  if (!m_registered) return;
  com::CRegKey key;
  if (!OpenCommandKey(key)) return;
  if (m_hadPrevious)
    SetDefault(key.get(), m_previous);
  else
    ::RegDeleteValueA(key.get(), nullptr);
}

std::vector<std::string> CBrowserStandIn::Opened() const {
  std::vector<std::string> lines;
  std::ifstream in(m_log, std::ios::binary);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

}  // namespace scalewright::e2e
