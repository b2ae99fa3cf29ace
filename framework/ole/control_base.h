// The base of an in-place OLE control: the shared state and every standard
// control interface group. A control derives from it (through CComObject,
// which supplies IUnknown for all of them), lists its interfaces in its
// table and supplies OnDraw and its identities.
//
//   class CThing final : public com::CComObject<CThing, ole::CControlBase, IThing> {
//    public:
//     ~CThing() override { ReleaseAll(); }   // before the bases go
//     void OnDraw(HDC, const RECT&) override;
//     IUnknown* ControlUnknown() override { return ControllingUnknown(); }
//     ...
//   };
#pragma once

#include "framework/ole/class_info.h"
#include "framework/ole/connection_points.h"
#include "framework/ole/control_core.h"
#include "framework/ole/data_object.h"
#include "framework/ole/in_place_object.h"
#include "framework/ole/ole_object.h"
#include "framework/ole/persist.h"
#include "framework/ole/quick_activate.h"
#include "framework/ole/view_object.h"

namespace scalewright::ole {

class CControlBase : public CControlCore,
                     public CViewObject,
                     public CInPlaceObject,
                     public CInPlaceActiveObject,
                     public COleControl,
                     public COleObject,
                     public CPersistStreamInit,
                     public CSupportErrorInfo,
                     public CConnectionPointContainer,
                     public CSpecifyPropertyPages,
                     public CQuickActivate,
                     public CPersistStorage,
                     public CDataObject,
                     public CProvideClassInfo {
 protected:
  CControlBase() = default;
  ~CControlBase() override = default;

  CControlCore& Core() final { return *this; }
  CPropertyNotifyPoint& PropertyNotifyPoint() final { return m_propertyNotifyPoint; }

 private:
  CPropertyNotifyPoint m_propertyNotifyPoint{*this};
};

}  // namespace scalewright::ole
