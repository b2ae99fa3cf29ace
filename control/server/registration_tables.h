// The registry keys of the module's classes, below HKEY_CLASSES_ROOT:
// ProgIDs, then the class key, which registration replaces whole.
#pragma once

#include <span>

#include "framework/com/registry_table.h"

// Class identifiers as registry texts; they must match neckview.idl.
#define NECKVIEW_FRETBOARD_CLSID_TEXT L"{C271D575-553B-4ABF-A2B7-3B4F0DB1A4D3}"
#define NECKVIEW_FRETPROP_CLSID_TEXT L"{A3CB2081-B44E-4D6B-8270-D14777968389}"
#define NECKVIEW_HARMONY_PAGE_CLSID_TEXT L"{FA770360-1301-4DE5-9668-228CA70F73A4}"
#define NECKVIEW_LIBID_TEXT L"{952D6518-CA78-42EA-A1DB-E2811A5C07D3}"

namespace scalewright {

// The Fretboard control: creatable by ProgID, insertable, a control with
// a toolbox bitmap, described by the type library.
std::span<const com::RegistryKey> FretboardRegistryKeys();

// The FretProp property page.
std::span<const com::RegistryKey> FretPropRegistryKeys();
// The Harmony page's class.
std::span<const com::RegistryKey> HarmonyPageRegistryKeys();

}  // namespace scalewright
