#include "framework/com/registry_table.h"

#include <cwchar>
#include <new>

#include "framework/com/reg_key.h"

namespace scalewright::com {
namespace {

// Keys shared by every COM server on the machine.
constexpr const wchar_t* kSharedRoots[] = {L"CLSID", L"Interface", L"TypeLib", L"AppID"};

bool IsSharedRoot(const wchar_t* path) {
  // "CLSID\" names the same key as "CLSID".
  std::wstring trimmed(path);
  while (!trimmed.empty() && trimmed.back() == L'\\') trimmed.pop_back();
  if (trimmed.empty()) return true;
  for (const wchar_t* root : kSharedRoots) {
    if (::CompareStringOrdinal(trimmed.c_str(), -1, root, -1, TRUE) == CSTR_EQUAL) {
      return true;
    }
  }
  return false;
}

LSTATUS SetString(HKEY key, const wchar_t* name, const std::wstring& text) {
  const DWORD bytes = static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));
  return ::RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()), bytes);
}

HRESULT WriteKey(HKEY root, const RegistryKey& entry, std::span<const Placeholder> placeholders) {
  if (!entry.path) return E_INVALIDARG;
  if (entry.rule == KeyRule::kReplace) {
    const HRESULT hr = DeleteKeyTree(root, entry.path);
    if (FAILED(hr)) return hr;
  }
  CRegKey key;
  LSTATUS status = key.Create(root, entry.path);
  if (status != ERROR_SUCCESS) return HRESULT_FROM_WIN32(status);
  if (entry.defaultValue) {
    status = SetString(key.get(), nullptr, ExpandPlaceholders(entry.defaultValue, placeholders));
    if (status != ERROR_SUCCESS) return HRESULT_FROM_WIN32(status);
  }
  if (entry.valueName && entry.value) {
    status = SetString(key.get(), entry.valueName, ExpandPlaceholders(entry.value, placeholders));
    if (status != ERROR_SUCCESS) return HRESULT_FROM_WIN32(status);
  }
  return S_OK;
}

}  // namespace

std::wstring ExpandPlaceholders(const wchar_t* text, std::span<const Placeholder> placeholders) {
  std::wstring result(text ? text : L"");
  for (const Placeholder& placeholder : placeholders) {
    const std::wstring name(placeholder.name);
    const std::wstring replacement(placeholder.text ? placeholder.text : L"");
    if (name.empty()) continue;
    for (std::size_t at = result.find(name); at != std::wstring::npos;
         at = result.find(name, at + replacement.size())) {
      result.replace(at, name.size(), replacement);
    }
  }
  return result;
}

HRESULT WriteRegistryTable(HKEY root, std::span<const RegistryKey> keys,
                           std::span<const Placeholder> placeholders) {
  try {
    for (const RegistryKey& entry : keys) {
      const HRESULT hr = WriteKey(root, entry, placeholders);
      if (FAILED(hr)) return hr;
    }
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  }
  return S_OK;
}

HRESULT DeleteRegistryTable(HKEY root, std::span<const RegistryKey> keys, DeleteScope scope) {
  HRESULT first = S_OK;
  for (auto entry = keys.rbegin(); entry != keys.rend(); ++entry) {
    if (entry->rule == KeyRule::kPart || !entry->path) continue;
    if (scope == DeleteScope::kClassKeysOnly && ::_wcsnicmp(entry->path, L"CLSID\\", 6) != 0)
      continue;
    const HRESULT hr = DeleteKeyTree(root, entry->path);
    if (FAILED(hr) && SUCCEEDED(first)) first = hr;
  }
  return first;
}

HRESULT DeleteKeyTree(HKEY root, const wchar_t* path) {
  if (!path) return E_POINTER;
  try {
    if (IsSharedRoot(path)) return E_INVALIDARG;
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  }
  CRegKey key;
  LSTATUS status = key.Open(root, path, KEY_READ | KEY_WRITE | DELETE);
  if (status == ERROR_FILE_NOT_FOUND) return S_OK;
  if (status != ERROR_SUCCESS) return HRESULT_FROM_WIN32(status);
  // Everything below first, then the key itself through its parent.
  status = ::RegDeleteTreeW(key.get(), nullptr);
  key.reset();
  if (status == ERROR_SUCCESS) status = ::RegDeleteKeyW(root, path);
  if (status == ERROR_FILE_NOT_FOUND) return S_OK;
  return status == ERROR_SUCCESS ? S_OK : HRESULT_FROM_WIN32(status);
}

}  // namespace scalewright::com
