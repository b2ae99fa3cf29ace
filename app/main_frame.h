// CMainFrame: SW's top-level window with its toolbar and status bar.
#pragma once

#include "framework/docview/control_bars.h"
#include "framework/docview/mdi_frame.h"

namespace scalewright::app {

class CMainFrame final : public docview::CMDIFrameWnd {
 protected:
  LRESULT OnCreate() override;

 private:
  docview::CStatusBar m_wndStatusBar;
  docview::CToolBar m_wndToolBar;
};

}  // namespace scalewright::app
