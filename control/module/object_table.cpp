#include "control/server/object_table.h"

#include "control/win/fretboard_ctl.h"  // CreateFretboard

#include "control/interface/neckview_h.h"
#include "control/server/registration_tables.h"
#include "control/ui/fret_prop.h"     // CreateFretProp
#include "control/ui/harmony_page.h"  // CreateHarmonyPage

namespace scalewright {

std::span<const com::ObjectEntry> NeckviewObjects() {
  static const com::ObjectEntry kObjects[] = {
      {&CLSID_Fretboard, FretboardRegistryKeys(), &CreateFretboard},
      {&CLSID_FretProp, FretPropRegistryKeys(), &CreateFretProp},
      {&CLSID_HarmonyPage, HarmonyPageRegistryKeys(), &CreateHarmonyPage},
  };
  return kObjects;
}

}  // namespace scalewright
