// Registration data as tables of keys, written and removed in code (the
// keys a registry script would give, without the script interpreter).
#pragma once

#include <windows.h>

#include <span>
#include <string>

namespace scalewright::com {

// What unregistration does with a key.
enum class KeyRule {
  // Goes with the key above it.
  kPart,
  // Deleted with everything below it on unregistration.
  kRemove,
  // Also deleted whole before it is written, so that registering replaces
  // whatever an older registration left below it.
  kReplace,
};

// One key below the table's root, with an optional default value and an
// optional named value; all values are strings. Values may hold
// placeholders such as "%MODULE%".
struct RegistryKey {
  const wchar_t* path;
  const wchar_t* defaultValue = nullptr;  // null: the key only
  const wchar_t* valueName = nullptr;
  const wchar_t* value = nullptr;
  KeyRule rule = KeyRule::kPart;
};

struct Placeholder {
  const wchar_t* name;  // "%MODULE%"
  const wchar_t* text;
};

// |text| with every placeholder replaced by its text.
std::wstring ExpandPlaceholders(const wchar_t* text, std::span<const Placeholder> placeholders);

// Writes the keys in table order. Returns the first failure as an HRESULT;
// keys written before it stay (the caller decides whether to remove them).
HRESULT WriteRegistryTable(HKEY root, std::span<const RegistryKey> keys,
                           std::span<const Placeholder> placeholders);

// Which of a table's keys unregistration deletes.
enum class DeleteScope {
  kAll,
  // Only the keys below "CLSID\": the class's own, in this platform's view
  // of the registry. The others (ProgIDs) are one for 32- and 64-bit
  // programs alike, and stay while the other platform's build is registered.
  kClassKeysOnly,
};

// Deletes the table's kRemove and kReplace keys with everything below them,
// last first. Keys already gone are no failure; the first other failure is
// returned after the rest have been tried.
HRESULT DeleteRegistryTable(HKEY root, std::span<const RegistryKey> keys,
                            DeleteScope scope = DeleteScope::kAll);

// Deletes |path| and everything below it. Refuses (E_INVALIDARG) an empty
// path and the shared roots that hold every server's entries ("CLSID",
// "Interface", "TypeLib", "AppID"), whatever the table says.
HRESULT DeleteKeyTree(HKEY root, const wchar_t* path);

}  // namespace scalewright::com
