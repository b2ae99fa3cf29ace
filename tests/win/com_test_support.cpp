#include "tests/win/com_test_support.h"

#include <objbase.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "framework/com/reg_key.h"

namespace scalewright::test {
namespace {

// An exported function by name, typed; through void(*)() as the platform's
// FARPROC is not the function's type.
template <class Function>
Function Export(HMODULE module, const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(::GetProcAddress(module, name)));
}

}  // namespace

std::optional<std::wstring> ReadString(HKEY root, const std::wstring& path, const wchar_t* name) {
  com::CRegKey key;
  if (key.Open(root, path.c_str()) != ERROR_SUCCESS) return std::nullopt;
  DWORD type = 0;
  DWORD bytes = 0;
  if (::RegQueryValueExW(key.get(), name, nullptr, &type, nullptr, &bytes) != ERROR_SUCCESS ||
      type != REG_SZ) {
    return std::nullopt;
  }
  std::vector<wchar_t> text(bytes / sizeof(wchar_t) + 1, L'\0');
  if (::RegQueryValueExW(key.get(), name, nullptr, &type, reinterpret_cast<BYTE*>(text.data()),
                         &bytes) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  return std::wstring(text.data());
}

bool KeyExists(HKEY root, const std::wstring& path) {
  com::CRegKey key;
  return key.Open(root, path.c_str()) == ERROR_SUCCESS;
}

int CountSubkeys(HKEY root, const std::wstring& path) {
  com::CRegKey key;
  if (key.Open(root, path.c_str()) != ERROR_SUCCESS) return -1;
  DWORD subkeys = 0;
  if (::RegQueryInfoKeyW(key.get(), nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, nullptr,
                         nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) {
    return -1;
  }
  return static_cast<int>(subkeys);
}

int CountValues(HKEY root, const std::wstring& path) {
  com::CRegKey key;
  if (key.Open(root, path.c_str()) != ERROR_SUCCESS) return -1;
  DWORD values = 0;
  if (::RegQueryInfoKeyW(key.get(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &values,
                         nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) {
    return -1;
  }
  return static_cast<int>(values);
}

std::wstring GuidText(REFGUID guid) {
  wchar_t text[40] = {};
  ::StringFromGUID2(guid, text, 40);
  return text;
}

std::wstring ProgramFolder() {
  wchar_t path[MAX_PATH * 4] = {};
  const DWORD length = ::GetModuleFileNameW(nullptr, path, MAX_PATH * 4);
  std::wstring folder(path, length);
  return folder.substr(0, folder.find_last_of(L"\\/") + 1);
}

CTempFolder::CTempFolder() {
  wchar_t base[MAX_PATH + 1] = {};
  ::GetTempPathW(MAX_PATH + 1, base);
  static LONG serial = 0;
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::wstring candidate = std::wstring(base) + L"sw-com-" +
                             std::to_wstring(::GetCurrentProcessId()) + L"-" +
                             std::to_wstring(::InterlockedIncrement(&serial));
    if (::CreateDirectoryW(candidate.c_str(), nullptr)) {
      m_path = candidate + L"\\";
      return;
    }
  }
}

CTempFolder::~CTempFolder() {
  if (m_path.empty()) return;
  WIN32_FIND_DATAW found;
  HANDLE search = ::FindFirstFileW((m_path + L"*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
        ::DeleteFileW((m_path + found.cFileName).c_str());
      }
    } while (::FindNextFileW(search, &found));
    ::FindClose(search);
  }
  ::RemoveDirectoryW(m_path.c_str());
}

CServerCopy::CServerCopy(const wchar_t* dllName) {
  if (m_folder.Path().empty()) return;
  m_path = m_folder.Path() + dllName;
  if (!::CopyFileW((ProgramFolder() + dllName).c_str(), m_path.c_str(), FALSE)) return;
  m_module = ::LoadLibraryW(m_path.c_str());
  if (!m_module) return;
  canUnloadNow = Export<DllCanUnloadNowFn>(m_module, "DllCanUnloadNow");
  getClassObject = Export<DllGetClassObjectFn>(m_module, "DllGetClassObject");
  registerServer = Export<DllRegisterServerFn>(m_module, "DllRegisterServer");
  unregisterServer = Export<DllRegisterServerFn>(m_module, "DllUnregisterServer");
}

CServerCopy::~CServerCopy() {
  if (m_module) ::FreeLibrary(m_module);
}

HRESULT CCountingUnknown::QueryInterface(REFIID riid, void** ppv) {
  ++queries;
  if (!ppv) return E_POINTER;
  *ppv = nullptr;
  if (riid != IID_IUnknown) return E_NOINTERFACE;
  AddRef();
  *ppv = this;
  return S_OK;
}

std::optional<std::string> ReadFileBytes(const std::wstring& path) {
  std::ifstream in(std::filesystem::path(path), std::ios::binary);
  if (!in) return std::nullopt;
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool WriteFileBytes(const std::wstring& path, const std::string& bytes) {
  std::ofstream out(std::filesystem::path(path), std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

}  // namespace scalewright::test
