#include "framework/com/typelib_registration.h"

#include <oleauto.h>

#include <cwchar>
#include <new>

#include "framework/com/bstr.h"
#include "framework/com/com_ptr.h"
#include "framework/com/reg_key.h"

namespace scalewright::com {
namespace {

// A "\\?\" path can be this long; anything longer is not a module path.
constexpr DWORD kMaxModulePath = 32768;

// Releases the attributes handed out by ITypeLib::GetLibAttr.
class CLibAttr {
 public:
  explicit CLibAttr(ITypeLib* library) : m_library(library) {}
  ~CLibAttr() {
    if (m_attr) m_library->ReleaseTLibAttr(m_attr);
  }
  CLibAttr(const CLibAttr&) = delete;
  CLibAttr& operator=(const CLibAttr&) = delete;

  HRESULT Load() { return m_library->GetLibAttr(&m_attr); }
  const TLIBATTR& operator*() const { return *m_attr; }

 private:
  ITypeLib* m_library;
  TLIBATTR* m_attr = nullptr;
};

// Loads TYPELIB 1 of the module without touching the registry.
HRESULT LoadModuleTypeLib(const std::wstring& path, ComPtr<ITypeLib>& library) {
  if (path.empty()) return HRESULT_FROM_WIN32(ERROR_MOD_NOT_FOUND);
  return ::LoadTypeLibEx(path.c_str(), REGKIND_NONE, library.put());
}

// "TypeLib\{guid}\major.minor\lcid": the key under which each platform's
// registration of one version of the library sits (win32, win64).
std::wstring VersionLocaleKey(const TLIBATTR& attr, WORD minor) {
  wchar_t guid[40] = {};
  if (!::StringFromGUID2(attr.guid, guid, 40)) return {};
  wchar_t key[128] = {};
  ::swprintf(key, 128, L"TypeLib\\%ls\\%u.%u\\%lx", guid, attr.wMajorVerNum, minor, attr.lcid);
  return key;
}

const wchar_t* PlatformName(SYSKIND kind) {
  switch (kind) {
    case SYS_WIN16:
      return L"win16";
    case SYS_WIN32:
      return L"win32";
    case SYS_WIN64:
      return L"win64";
    default:
      return L"";
  }
}

// Whether this version of the library stays registered for a platform other
// than |attr|'s own: a 32-bit and a 64-bit build installed side by side.
bool RegisteredForAnotherPlatform(const TLIBATTR& attr, WORD minor) {
  for (SYSKIND other : {SYS_WIN32, SYS_WIN64}) {
    if (other == attr.syskind) continue;
    CRegKey key;
    const std::wstring path = VersionLocaleKey(attr, minor) + L"\\" + PlatformName(other);
    if (key.Open(HKEY_CLASSES_ROOT, path.c_str()) == ERROR_SUCCESS) return true;
  }
  return false;
}

// Takes this platform's registration of one version. While the other
// platform's build stays registered, only this platform's path key goes:
// UnRegisterTypeLib would also delete the interface keys, which Wine keeps
// in one view for both platforms, and the other build's clients would lose
// them.
HRESULT UnregisterVersion(const TLIBATTR& attr, WORD minor) {
  if (!RegisteredForAnotherPlatform(attr, minor))
    return ::UnRegisterTypeLib(attr.guid, attr.wMajorVerNum, minor, attr.lcid, attr.syskind);
  const std::wstring path = VersionLocaleKey(attr, minor) + L"\\" + PlatformName(attr.syskind);
  const LSTATUS status = ::RegDeleteKeyW(HKEY_CLASSES_ROOT, path.c_str());
  return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND ? S_OK
                                                                   : HRESULT_FROM_WIN32(status);
}

}  // namespace

std::wstring ModulePath(HMODULE module) {
  try {
    std::wstring path(MAX_PATH, L'\0');
    while (path.size() <= kMaxModulePath) {
      const DWORD size = static_cast<DWORD>(path.size());
      const DWORD length = ::GetModuleFileNameW(module, path.data(), size);
      if (length == 0) return {};
      // A full buffer means the path was cut short.
      if (length < size) {
        path.resize(length);
        return path;
      }
      path.resize(path.size() * 2);
    }
  } catch (const std::bad_alloc&) {
  }
  return {};
}

HRESULT RegisterModuleTypeLib(HMODULE module) {
  try {
    std::wstring path = ModulePath(module);
    ComPtr<ITypeLib> library;
    HRESULT hr = LoadModuleTypeLib(path, library);
    if (FAILED(hr)) return hr;
    // RegisterTypeLib wants writable strings in older headers.
    return ::RegisterTypeLib(library.get(), path.data(), nullptr);
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  }
}

HRESULT UnregisterModuleTypeLib(HMODULE module) {
  try {
    ComPtr<ITypeLib> library;
    HRESULT hr = LoadModuleTypeLib(ModulePath(module), library);
    if (FAILED(hr)) return hr;
    // The registered identity is the library's own, syskind included.
    CLibAttr attr(library.get());
    hr = attr.Load();
    if (FAILED(hr)) return hr;
    // Unregistering twice, or what was never registered, leaves the same
    // registry: nothing to report (UnRegisterTypeLib would fail).
    CBstr registered;
    if (SUCCEEDED(::QueryPathOfRegTypeLib((*attr).guid, (*attr).wMajorVerNum, (*attr).wMinorVerNum,
                                          (*attr).lcid, registered.put()))) {
      hr = UnregisterVersion(*attr, (*attr).wMinorVerNum);
      if (FAILED(hr)) return hr;
    }
    // Earlier minor versions registered from this very file (by the build
    // it replaced) would keep clients finding it: they go too.
    const std::wstring path = ModulePath(module);
    for (WORD minor = (*attr).wMinorVerNum; minor-- > 0;) {
      CBstr older;
      if (SUCCEEDED(::QueryPathOfRegTypeLib((*attr).guid, (*attr).wMajorVerNum, minor, (*attr).lcid,
                                            older.put())) &&
          _wcsicmp(older.get(), path.c_str()) == 0) {
        UnregisterVersion(*attr, minor);
      }
    }
    return S_OK;
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  }
}

}  // namespace scalewright::com
