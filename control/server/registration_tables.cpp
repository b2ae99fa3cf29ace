#include "control/server/registration_tables.h"

namespace scalewright {
namespace {

using com::KeyRule;
using com::RegistryKey;

#define FRETBOARD_KEY L"CLSID\\" NECKVIEW_FRETBOARD_CLSID_TEXT
#define FRETPROP_KEY L"CLSID\\" NECKVIEW_FRETPROP_CLSID_TEXT
#define HARMONY_PAGE_KEY L"CLSID\\" NECKVIEW_HARMONY_PAGE_CLSID_TEXT

// OLEMISC_SETCLIENTSITEFIRST | OLEMISC_ACTIVATEWHENVISIBLE | OLEMISC_INSIDEOUT
// | OLEMISC_CANTLINKINSIDE | OLEMISC_RECOMPOSEONRESIZE, content aspect.
#define FRETBOARD_MISC_STATUS L"131473"

constexpr RegistryKey kFretboardKeys[] = {
    {L"Neckview.Fretboard.1", L"Fretboard Class", nullptr, nullptr, KeyRule::kRemove},
    {L"Neckview.Fretboard.1\\CLSID", NECKVIEW_FRETBOARD_CLSID_TEXT},
    {L"Neckview.Fretboard.1\\Insertable"},
    {L"Neckview.Fretboard", L"Fretboard Class", nullptr, nullptr, KeyRule::kRemove},
    {L"Neckview.Fretboard\\CLSID", NECKVIEW_FRETBOARD_CLSID_TEXT},
    {L"Neckview.Fretboard\\CurVer", L"Neckview.Fretboard.1"},
    {FRETBOARD_KEY, L"Fretboard Class", nullptr, nullptr, KeyRule::kReplace},
    {FRETBOARD_KEY L"\\ProgID", L"Neckview.Fretboard.1"},
    {FRETBOARD_KEY L"\\VersionIndependentProgID", L"Neckview.Fretboard"},
    {FRETBOARD_KEY L"\\Programmable"},
    {FRETBOARD_KEY L"\\InprocServer32", L"%MODULE%", L"ThreadingModel", L"Apartment"},
    {FRETBOARD_KEY L"\\Control"},
    {FRETBOARD_KEY L"\\Insertable"},
    {FRETBOARD_KEY L"\\ToolboxBitmap32", L"%MODULE%, 102"},
    {FRETBOARD_KEY L"\\MiscStatus", L"0"},
    {FRETBOARD_KEY L"\\MiscStatus\\1", FRETBOARD_MISC_STATUS},
    {FRETBOARD_KEY L"\\TypeLib", NECKVIEW_LIBID_TEXT},
    {FRETBOARD_KEY L"\\Version", L"1.0"},
};

constexpr RegistryKey kFretPropKeys[] = {
    {L"Neckview.FretProp.1", L"FretProp Class", nullptr, nullptr, KeyRule::kRemove},
    {L"Neckview.FretProp.1\\CLSID", NECKVIEW_FRETPROP_CLSID_TEXT},
    {L"Neckview.FretProp", L"FretProp Class", nullptr, nullptr, KeyRule::kRemove},
    {L"Neckview.FretProp\\CLSID", NECKVIEW_FRETPROP_CLSID_TEXT},
    {L"Neckview.FretProp\\CurVer", L"Neckview.FretProp.1"},
    {FRETPROP_KEY, L"FretProp Class", nullptr, nullptr, KeyRule::kReplace},
    {FRETPROP_KEY L"\\Programmable"},
    {FRETPROP_KEY L"\\InprocServer32", L"%MODULE%", L"ThreadingModel", L"Apartment"},
};

constexpr RegistryKey kHarmonyPageKeys[] = {
    {HARMONY_PAGE_KEY, L"Harmony Page Class", nullptr, nullptr, KeyRule::kReplace},
    {HARMONY_PAGE_KEY L"\\InprocServer32", L"%MODULE%", L"ThreadingModel", L"Apartment"},
};

}  // namespace

std::span<const com::RegistryKey> FretboardRegistryKeys() { return kFretboardKeys; }

std::span<const com::RegistryKey> FretPropRegistryKeys() { return kFretPropKeys; }

std::span<const com::RegistryKey> HarmonyPageRegistryKeys() { return kHarmonyPageKeys; }

}  // namespace scalewright
