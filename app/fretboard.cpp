#include "app/fretboard.h"

#include "framework/ole_site/control_site_window.h"

namespace scalewright::app {

com::ComPtr<IUnknown> CFretboard::ControlUnknown() const {
  return ::IsWindow(m_hwnd) ? ole::ControlOfSite(m_hwnd) : nullptr;
}

}  // namespace scalewright::app
