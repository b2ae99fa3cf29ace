// The window that stands in a dialog template for an OLE control item. Its
// window class is named after the control's class identifier in braces,
// so that a template item of that class creates a site; the site looks up
// the item's initial data (the dialog-initialisation entry that loads the
// control from a stream) in the template being created, and creation of
// the item, hence of the dialog, fails when the control cannot be made.
#pragma once

#include <windows.h>

#include "framework/com/com_ptr.h"

namespace scalewright::ole {

// Makes items of class "{clsid}" in dialog templates host that control.
bool RegisterControlSiteClass(HINSTANCE module, const CLSID& clsid);

// While alive, dialogs created on this thread take their items' initial
// data from template |templateId| of |module|.
class CControlInitScope {
 public:
  CControlInitScope(HINSTANCE module, int templateId);
  ~CControlInitScope();
  CControlInitScope(const CControlInitScope&) = delete;
  CControlInitScope& operator=(const CControlInitScope&) = delete;

 private:
  HINSTANCE m_previousModule;
  int m_previousTemplate;
};

// The hosted control of a site window (null if |site| is none or empty).
com::ComPtr<IUnknown> ControlOfSite(HWND site);
// Why the last site of this thread could not create its control (S_OK if
// it could).
HRESULT LastControlSiteError();

}  // namespace scalewright::ole
