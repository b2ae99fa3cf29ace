#include "app/main_frame.h"

#include <commctrl.h>

#include "app/resource.h"
#include "framework/docview/cmd_target.h"

namespace scalewright::app {

LRESULT CMainFrame::OnCreate() {
  HINSTANCE module = reinterpret_cast<HINSTANCE>(::GetWindowLongPtrA(Hwnd(), GWLP_HINSTANCE));
  // Visible child, docked at the top, tool tips and fly-by prompts.
  if (!m_wndToolBar.CreateEx(Hwnd(), TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE,
                             docview::ID_VIEW_TOOLBAR) ||
      !m_wndToolBar.LoadToolBar(module, IDR_MAINFRAME,
                                {{29, IDB_TOOLBAR_150}, {38, IDB_TOOLBAR_200}}))
    return -1;
  if (!m_wndStatusBar.Create(Hwnd(), WS_CHILD | WS_VISIBLE | CCS_BOTTOM,
                             docview::ID_VIEW_STATUS_BAR) ||
      !m_wndStatusBar.SetIndicators(
          module,
          {0, docview::ID_INDICATOR_CAPS, docview::ID_INDICATOR_NUM, docview::ID_INDICATOR_SCRL}))
    return -1;
  SetControlBars(&m_wndToolBar, &m_wndStatusBar);
  m_wndToolBar.DockTo(docview::CToolBar::Side::Top);
  SetMessageText(0u);
  return 0;
}

}  // namespace scalewright::app
