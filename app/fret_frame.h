// CFretFrame: the child frame of a fretboard window; it maximises itself
// once its creation has finished.
#pragma once

#include "framework/docview/mdi_child.h"

namespace scalewright::app {

class CFretFrame final : public docview::CMDIChildWnd {
 protected:
  LRESULT OnCreate(const CREATESTRUCTA& create) override;
};

}  // namespace scalewright::app
