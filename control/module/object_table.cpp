#include "control/module/object_table.h"

#include "control/module/neckview_h.h"
#include "control/module/registration_tables.h"
#include "control/ui/fret_prop.h"  // CreateFretProp

namespace scalewright {

#ifdef NECKVIEW_HAS_FRETBOARD
std::span<const com::ObjectEntry> NeckviewObjects() {
  static const com::ObjectEntry kObjects[] = {
      {&CLSID_Fretboard, FretboardRegistryKeys(), &CreateFretboard},
      {&CLSID_FretProp, FretPropRegistryKeys(), &CreateFretProp},
  };
  return kObjects;
}
#else
// Built before the control exists: the module registers its type library
// and serves no class yet.
std::span<const com::ObjectEntry> NeckviewObjects() { return {}; }
#endif

}  // namespace scalewright
