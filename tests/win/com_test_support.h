// Helpers of the COM tests: registry reads, GUID texts, a private copy of a
// server DLL loaded from a folder of its own, and counting fakes.
#pragma once

#include <windows.h>

#include <oaidl.h>

#include <cstdint>
#include <optional>
#include <string>

#include "framework/com/com_ptr.h"

namespace scalewright::test {

// Default value (name null) or named value of |path| below |root|, if the
// key exists and the value is a string.
std::optional<std::wstring> ReadString(HKEY root, const std::wstring& path,
                                       const wchar_t* name = nullptr);
bool KeyExists(HKEY root, const std::wstring& path);
// Number of subkeys and of values of |path|; -1 when it does not exist.
int CountSubkeys(HKEY root, const std::wstring& path);
int CountValues(HKEY root, const std::wstring& path);

std::wstring GuidText(REFGUID guid);

// The folder the test program runs from, ending in '\'.
std::wstring ProgramFolder();

// A new empty folder under the temporary folder, deleted with its files.
class CTempFolder {
 public:
  CTempFolder();
  ~CTempFolder();
  CTempFolder(const CTempFolder&) = delete;
  CTempFolder& operator=(const CTempFolder&) = delete;
  const std::wstring& Path() const { return m_path; }  // ends in '\'

 private:
  std::wstring m_path;
};

using DllCanUnloadNowFn = HRESULT(STDAPICALLTYPE*)();
using DllGetClassObjectFn = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**);
using DllRegisterServerFn = HRESULT(STDAPICALLTYPE*)();

// A server DLL of the build copied into its own folder and loaded from
// there, so that its modes file and registration are the test's own.
class CServerCopy {
 public:
  explicit CServerCopy(const wchar_t* dllName);
  ~CServerCopy();
  CServerCopy(const CServerCopy&) = delete;
  CServerCopy& operator=(const CServerCopy&) = delete;

  bool Loaded() const { return m_module != nullptr; }
  HMODULE Module() const { return m_module; }
  const std::wstring& Path() const { return m_path; }
  const std::wstring& Folder() const { return m_folder.Path(); }

  DllCanUnloadNowFn canUnloadNow = nullptr;
  DllGetClassObjectFn getClassObject = nullptr;
  DllRegisterServerFn registerServer = nullptr;
  DllRegisterServerFn unregisterServer = nullptr;

 private:
  CTempFolder m_folder;
  std::wstring m_path;
  HMODULE m_module = nullptr;
};

// IUnknown with a real count; QueryInterface answers IUnknown only. Used
// as an outer object and as a target of ComPtr.
class CCountingUnknown final : public IUnknown {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override;
  ULONG STDMETHODCALLTYPE AddRef() override { return ++refs; }
  ULONG STDMETHODCALLTYPE Release() override { return --refs; }

  ULONG refs = 1;  // the test's own reference; never deleted
  int queries = 0;
};

// What an out-parameter holds before a call that must clear it.
inline void* const kPoison = reinterpret_cast<void*>(static_cast<std::uintptr_t>(0xdeadbeef));
// The Neckview type library's key below HKEY_CLASSES_ROOT.
inline const std::wstring kLibKey = L"TypeLib\\{952D6518-CA78-42EA-A1DB-E2811A5C07D3}";

// The type library's registry key for this build's platform: a 64-bit
// module registers under win64, a 32-bit one under win32.
inline constexpr const wchar_t* kThisPlatform = sizeof(void*) == 8 ? L"win64" : L"win32";
inline constexpr SYSKIND kThisSyskind = sizeof(void*) == 8 ? SYS_WIN64 : SYS_WIN32;

// File contents, or nullopt when it cannot be read.
std::optional<std::string> ReadFileBytes(const std::wstring& path);
bool WriteFileBytes(const std::wstring& path, const std::string& bytes);

}  // namespace scalewright::test
