// regcapture: prints, as Windows Installer SQL, the registry keys that a COM
// server's DllRegisterServer writes. The package's registration is thus the
// server's own, captured from the very code that regsvr32 runs, never a
// second list kept by hand.
//
//   regcapture.exe SERVER.dll COMPONENT [--win32] [--interfaces-too COMPONENT32]
//
// HKEY_CLASSES_ROOT is redirected to a scratch key for the call, so nothing
// of the machine's registration changes. Each key becomes a row of the
// Registry table with root 0 (HKEY_CLASSES_ROOT: HKCU\Software\Classes for
// a per-user install, HKLM\Software\Classes for a per-machine one) and
// |COMPONENT|: a value as it was written, with the server's path as
// [#COMPONENT] and its folder as [INSTALLDIR]; a key without values as a
// "+" row; and each key that unregistration removes whole (a top key of
// the capture that the server owns alone) as a "-" row, so that an
// uninstall leaves nothing. --win32 names the type library's platform for
// a 32-bit package built from the 64-bit capture (this host may not run
// 32-bit programs; the keys are otherwise the same). --interfaces-too
// writes the "Interface" keys once more for a 32-bit component of a 64-bit
// package: on 64-bit Windows RegisterTypeLib writes them in both views, so
// that 32-bit clients marshal the interfaces too, and the capture, through
// one redirected root, sees them once.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

struct SRow {
  std::wstring key;
  std::wstring name;  // "+" for a key without values
  std::wstring value;
  bool hasValue = false;
  bool number = false;  // a DWORD, written "#n"
};

std::string Utf8(const std::wstring& text) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  std::string out(text.size() * 3, '\0');
  out.resize(static_cast<std::size_t>(::WideCharToMultiByte(
      CP_UTF8, 0, text.data(), size, out.data(), static_cast<int>(out.size()), nullptr, nullptr)));
  return out;
}

std::wstring ReplaceAll(std::wstring text, const std::wstring& from, const std::wstring& to) {
  if (from.empty()) return text;
  for (std::size_t at = 0; (at = text.find(from, at)) != std::wstring::npos; at += to.size())
    text.replace(at, from.size(), to);
  return text;
}

// Brackets are the installer's formatting; written ones are escaped. (Braces
// around text without brackets, a GUID's, stay as they are.)
std::wstring Formatted(const std::wstring& text) {
  std::wstring out;
  for (wchar_t c : text) {
    if (c == L'[' || c == L']') {
      out += L"[\\";
      out += c;
      out += L']';
    } else {
      out += c;
    }
  }
  return out;
}

// Reads |key| and everything below it into |rows|, in the order regedit shows.
bool Capture(HKEY key, const std::wstring& path, std::vector<SRow>& rows) {
  DWORD subkeys = 0, values = 0;
  if (::RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, &values,
                         nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
    return false;
  if (values == 0 && subkeys == 0) rows.push_back({path, L"+", L"", false});
  for (DWORD i = 0; i < values; ++i) {
    wchar_t name[16384];
    DWORD nameLength = 16384, type = 0, size = 0;
    if (::RegEnumValueW(key, i, name, &nameLength, nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
      return false;
    std::vector<BYTE> data(size + sizeof(wchar_t));
    nameLength = 16384;
    if (::RegEnumValueW(key, i, name, &nameLength, nullptr, &type, data.data(), &size) !=
        ERROR_SUCCESS)
      return false;
    SRow row{path, name, L"", true};
    if (type == REG_SZ) {
      row.value = reinterpret_cast<const wchar_t*>(data.data());
    } else if (type == REG_DWORD) {
      row.value = std::to_wstring(*reinterpret_cast<const DWORD*>(data.data()));
      row.number = true;
    } else {
      std::fprintf(stderr, "regcapture: %s\\%s has a type this tool does not write (%lu)\n",
                   Utf8(path).c_str(), Utf8(name).c_str(), static_cast<unsigned long>(type));
      return false;
    }
    rows.push_back(row);
  }
  for (DWORD i = 0; i < subkeys; ++i) {
    wchar_t name[256];
    DWORD length = 256;
    if (::RegEnumKeyExW(key, i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
      return false;
    HKEY child = nullptr;
    if (::RegOpenKeyExW(key, name, 0, KEY_READ, &child) != ERROR_SUCCESS) return false;
    const bool read = Capture(child, path.empty() ? name : path + L"\\" + name, rows);
    ::RegCloseKey(child);
    if (!read) return false;
  }
  return true;
}

// The key a server owns whole that holds |key|: below the shared roots,
// the key of its own class, library or interface; elsewhere (a ProgID) the
// top key.
std::wstring OwnedKeyOf(const std::wstring& key) {
  const std::size_t slash = key.find(L'\\');
  if (slash == std::wstring::npos) return key;
  const std::wstring top = key.substr(0, slash);
  const bool shared =
      ::lstrcmpiW(top.c_str(), L"CLSID") == 0 || ::lstrcmpiW(top.c_str(), L"Interface") == 0 ||
      ::lstrcmpiW(top.c_str(), L"TypeLib") == 0 || ::lstrcmpiW(top.c_str(), L"AppID") == 0;
  if (!shared) return top;
  return key.substr(0, key.find(L'\\', slash + 1));
}

std::string Sql(const std::wstring& text) {
  std::string out = Utf8(text);
  if (out.find('\'') != std::string::npos) {
    std::fprintf(stderr, "regcapture: a quote in \"%s\" cannot be written\n", out.c_str());
    std::exit(2);
  }
  return "'" + out + "'";
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 3) {
    std::fprintf(stderr,
                 "usage: regcapture SERVER.dll COMPONENT [--win32] [--interfaces-too COMPONENT]\n");
    return 2;
  }
  bool win32 = false;
  std::wstring interfacesComponent;
  for (int i = 3; i < argc; ++i) {
    const std::wstring option = argv[i];
    if (option == L"--win32") {
      win32 = true;
    } else if (option == L"--interfaces-too" && i + 1 < argc) {
      interfacesComponent = argv[++i];
    } else {
      std::fprintf(stderr, "regcapture: unknown option %ls\n", argv[i]);
      return 2;
    }
  }
  // A batch run: the server writes no user file while it registers.
  ::SetEnvironmentVariableW(L"NECKVIEW_UNATTENDED", L"1");
  wchar_t full[MAX_PATH];
  if (!::GetFullPathNameW(argv[1], MAX_PATH, full, nullptr)) return 2;
  const std::wstring server = full;
  const std::wstring folder = server.substr(0, server.find_last_of(L"\\/") + 1);
  const std::wstring scratchPath =
      L"Software\\Scalewright\\regcapture-" + std::to_wstring(::GetCurrentProcessId());
  HKEY scratch = nullptr;
  if (::RegCreateKeyExW(HKEY_CURRENT_USER, scratchPath.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                        nullptr, &scratch, nullptr) != ERROR_SUCCESS)
    return 1;
  int result = 1;
  std::vector<SRow> rows;
  if (::RegOverridePredefKey(HKEY_CLASSES_ROOT, scratch) == ERROR_SUCCESS) {
    HMODULE module = ::LoadLibraryW(server.c_str());
    auto registerServer =
        module ? reinterpret_cast<HRESULT(STDAPICALLTYPE*)()>(
                     reinterpret_cast<void*>(::GetProcAddress(module, "DllRegisterServer")))
               : nullptr;
    const HRESULT hr = registerServer ? registerServer() : E_FAIL;
    ::RegOverridePredefKey(HKEY_CLASSES_ROOT, nullptr);
    if (FAILED(hr)) {
      std::fprintf(stderr, "regcapture: DllRegisterServer failed (0x%08lX)\n",
                   static_cast<unsigned long>(hr));
    } else if (Capture(scratch, L"", rows)) {
      result = 0;
    }
  }
  ::RegCloseKey(scratch);
  ::RegDeleteTreeW(HKEY_CURRENT_USER, scratchPath.c_str());
  if (result != 0) return result;

  int number = 0;
  auto insertFor = [&](const std::string& component, const std::wstring& key,
                       const std::wstring& name, const std::wstring* value) {
    std::printf(
        "INSERT INTO `Registry` (`Registry`, `Root`, `Key`, `Name`%s, `Component_`) "
        "VALUES ('reg_%s_%d', 0, %s, %s%s, '%s')\n",
        value ? ", `Value`" : "", component.c_str(), ++number, Sql(key).c_str(), Sql(name).c_str(),
        value ? (", " + Sql(*value)).c_str() : "", component.c_str());
  };
  const std::string component = Utf8(argv[2]);
  const std::string component32 = Utf8(interfacesComponent);
  auto insert = [&](const std::wstring& key, const std::wstring& name, const std::wstring* value) {
    insertFor(component, key, name, value);
    if (!component32.empty() && key.compare(0, 10, L"Interface\\") == 0)
      insertFor(component32, key, name, value);
  };
  std::vector<std::wstring> owned;
  for (const SRow& row : rows) {
    std::wstring key = row.key;
    if (win32) key = ReplaceAll(key, L"\\win64", L"\\win32");
    const std::wstring whole = OwnedKeyOf(key);
    if (owned.empty() || owned.back() != whole) {
      owned.push_back(whole);
      const std::wstring remove = L"-";
      insert(whole, remove, nullptr);
    }
    if (!row.hasValue) {
      insert(key, row.name, nullptr);
      continue;
    }
    std::wstring value = Formatted(row.value);
    value = ReplaceAll(value, Formatted(server), L"[#" + std::wstring(argv[2]) + L"]");
    value = ReplaceAll(value, Formatted(folder), L"[INSTALLDIR]");
    // The type library's help folder is written without the final "\".
    if (value == Formatted(folder.substr(0, folder.size() - 1))) value = L"[INSTALLDIR]";
    // "#" starts a number; a text that starts with one doubles it.
    if (row.number) {
      value.insert(0, L"#");
    } else if (!value.empty() && value[0] == L'#') {
      value.insert(0, L"#");
    }
    insert(key, row.name, &value);
  }
  return 0;
}
