// Object table of NeckviewTestServer.dll: the module's real entry points and
// registration data, with small stand-in classes where the control and the
// page will be. Tests load it to check the module surface end to end.
#include <ocidl.h>

#include "control/interface/neckview_h.h"
#include "control/server/object_table.h"
#include "control/server/registration_tables.h"
#include "framework/com/com_object.h"

namespace scalewright {
namespace {

using com::CComObject;
using com::Entry;
using com::InterfaceEntry;

// Answers IPersist with its class, so a test sees which class it made.
template <const CLSID* kClsid>
class CStandIn final : public CComObject<CStandIn<kClsid>, IPersist> {
 public:
  static constexpr bool kAggregatable = true;
  static constexpr InterfaceEntry<CStandIn> kInterfaces[] = {
      Entry<CStandIn, IPersist>(IID_IPersist),
  };

  HRESULT STDMETHODCALLTYPE GetClassID(CLSID* clsid) override {
    if (!clsid) return E_POINTER;
    *clsid = *kClsid;
    return S_OK;
  }

 private:
  ~CStandIn() override = default;
};

HRESULT CreateFretPropStandIn(IUnknown* outer, REFIID riid, void** ppv) {
  return com::CreateComInstance<CStandIn<&CLSID_FretProp>>(outer, riid, ppv);
}

HRESULT CreateFretboardStandIn(IUnknown* outer, REFIID riid, void** ppv) {
  return com::CreateComInstance<CStandIn<&CLSID_Fretboard>>(outer, riid, ppv);
}

}  // namespace

std::span<const com::ObjectEntry> NeckviewObjects() {
  static const com::ObjectEntry kObjects[] = {
      {&CLSID_Fretboard, FretboardRegistryKeys(), &CreateFretboardStandIn},
      {&CLSID_FretProp, FretPropRegistryKeys(), &CreateFretPropStandIn},
  };
  return kObjects;
}

}  // namespace scalewright
