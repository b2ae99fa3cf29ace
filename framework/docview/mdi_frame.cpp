#include "framework/docview/mdi_frame.h"

#include <commctrl.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "framework/docview/app.h"
#include "framework/docview/control_bars.h"
#include "framework/docview/doc_template.h"
#include "framework/docview/document.h"
#include "framework/docview/mdi_child.h"
#include "framework/docview/view.h"
#include "framework/ui/utf8_text.h"

namespace scalewright::docview {

namespace {

constexpr char kFrameClass[] = "Scalewright.MDIFrame";
constexpr UINT kUpdateTitleMessage = WM_APP + 0x100;
// What the MDI client posts itself to work out its scroll bars after its
// windows moved (WM_MDICALCCHILDSCROLL in the platform's sources).
constexpr UINT kClientScrollBarsMessage = 0x003F;

bool IsRecentFileCommand(UINT id) { return id >= ID_FILE_MRU_FIRST && id <= ID_FILE_MRU_LAST; }

}  // namespace

CMDIFrameWnd::~CMDIFrameWnd() {
  if (m_frameMenu && (!Hwnd() || ::GetMenu(Hwnd()) != m_frameMenu)) ::DestroyMenu(m_frameMenu);
}

bool CMDIFrameWnd::LoadFrame(HINSTANCE module, UINT id, DWORD style) {
  m_module = module;
  // What the frame shows of itself is the bars' band, in the button face
  // colour as every toolbar band; the client area paints the workspace.
  if (!CWnd::RegisterClass(module, kFrameClass, CS_DBLCLKS, id,
                           reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)))
    return false;
  char title[256] = {};
  ::LoadStringA(module, id, title, sizeof title);
  m_title = title;
  m_frameMenu = ::LoadMenuA(module, MAKEINTRESOURCEA(id));
  m_accelerators = ::LoadAcceleratorsA(module, MAKEINTRESOURCEA(id));
  // A frame without its menu or keys would start with commands the user
  // cannot reach: a build missing them fails to start instead.
  if (!m_frameMenu || !m_accelerators) return false;
  // WS_EX_ACCEPTFILES is what DragAcceptFiles sets, without loading the shell
  // at start-up.
  HWND window = ::CreateWindowExA(WS_EX_ACCEPTFILES, kFrameClass, title, style | WS_CLIPCHILDREN,
                                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                  nullptr, m_frameMenu, module, static_cast<CWnd*>(this));
  return window != nullptr;
}

void CMDIFrameWnd::SetControlBars(CToolBar* toolBar, CStatusBar* statusBar) {
  m_toolBar = toolBar;
  m_statusBar = statusBar;
}

CMDIChildWnd* CMDIFrameWnd::ActiveChild() const {
  if (!m_client) return nullptr;
  HWND active = reinterpret_cast<HWND>(::SendMessageA(m_client, WM_MDIGETACTIVE, 0, 0));
  return dynamic_cast<CMDIChildWnd*>(CWnd::FromHandle(active));
}

CView* CMDIFrameWnd::ActiveView() const {
  CMDIChildWnd* child = ActiveChild();
  return child ? child->View() : nullptr;
}

void CMDIFrameWnd::SetMdiMenu(HMENU menu, HMENU windowMenu) {
  if (!m_client) return;
  if (!menu) {
    menu = m_frameMenu;
    windowMenu = nullptr;
  }
  ::SendMessageA(m_client, WM_MDISETMENU, reinterpret_cast<WPARAM>(menu),
                 reinterpret_cast<LPARAM>(windowMenu));
  // A hidden frame draws its menu bar when it shows.
  if (::IsWindowVisible(Hwnd())) ::DrawMenuBar(Hwnd());
}

void CMDIFrameWnd::PostUpdateFrameTitle() {
  if (m_titlePending || !Hwnd()) return;
  m_titlePending = true;
  ::PostMessageA(Hwnd(), kUpdateTitleMessage, 0, 0);
}

void CMDIFrameWnd::UpdateFrameTitle() {
  m_titlePending = false;
  if (!Hwnd()) return;
  // A maximised child's title is added by the MDI machinery itself.
  std::string text = m_title;
  BOOL maximized = FALSE;
  HWND active = m_client ? reinterpret_cast<HWND>(::SendMessageA(
                               m_client, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&maximized)))
                         : nullptr;
  CView* view = ActiveView();
  if (active && !maximized && view && view->Document()) text += " - " + view->Document()->Title();
  const std::wstring wide = ui::Widen(text);
  wchar_t current[1024] = {};
  ::GetWindowTextW(Hwnd(), current, 1024);
  if (wide != current || maximized) ::SetWindowTextW(Hwnd(), wide.c_str());
}

void CMDIFrameWnd::RecalcLayout() {
  if (!Hwnd()) return;
  RECT area = {};
  ::GetClientRect(Hwnd(), &area);
  if (m_statusBar && BarShown(m_statusBar->Hwnd())) {
    m_statusBar->Resize();
    RECT bar = {};
    ::GetWindowRect(m_statusBar->Hwnd(), &bar);
    area.bottom -= bar.bottom - bar.top;
  }
  if (m_toolBar && BarShown(m_toolBar->Hwnd())) {
    const int thickness = m_toolBar->Thickness();
    RECT bar = area;
    switch (m_toolBar->DockSide()) {
      case CToolBar::Side::Top:
        bar.bottom = area.top += thickness;
        break;
      case CToolBar::Side::Bottom:
        bar.top = area.bottom -= thickness;
        break;
      case CToolBar::Side::Left:
        bar.right = area.left += thickness;
        break;
      case CToolBar::Side::Right:
        bar.left = area.right -= thickness;
        break;
    }
    ::MoveWindow(m_toolBar->Hwnd(), bar.left, bar.top, bar.right - bar.left, bar.bottom - bar.top,
                 TRUE);
  }
  if (m_client)
    ::MoveWindow(m_client, area.left, area.top, area.right - area.left, area.bottom - area.top,
                 TRUE);
}

bool CMDIFrameWnd::PreTranslateMessage(MSG& message) {
  if (!Hwnd()) return false;
  if (m_client && ::TranslateMDISysAccel(m_client, &message)) return true;
  if (m_accelerators && (message.hwnd == Hwnd() || ::IsChild(Hwnd(), message.hwnd)))
    return ::TranslateAcceleratorA(Hwnd(), m_accelerators, &message) != 0;
  return false;
}

void CMDIFrameWnd::OnIdleUpdate() {
  if (m_toolBar && m_toolBar->Hwnd()) {
    for (UINT id : m_toolBar->Commands()) {
      if (!id) continue;
      CCmdUI ui(id);
      const bool handled = OnCmdMsg(id, &ui);
      const bool enabled = handled && ui.Enabled();
      if ((::SendMessageA(m_toolBar->Hwnd(), TB_ISBUTTONENABLED, id, 0) != 0) != enabled)
        ::SendMessageA(m_toolBar->Hwnd(), TB_ENABLEBUTTON, id, MAKELPARAM(enabled, 0));
    }
  }
  if (m_statusBar && m_statusBar->Hwnd()) m_statusBar->UpdateIndicators();
}

void CMDIFrameWnd::SetMessageText(UINT id) {
  SetMessageText(CommandPrompt(m_module, id ? id : AFX_IDS_IDLEMESSAGE));
}

void CMDIFrameWnd::SetMessageText(const std::string& text) {
  if (m_statusBar && m_statusBar->Hwnd()) m_statusBar->SetText(text);
}

bool CMDIFrameWnd::OnCmdMsg(UINT id, CCmdUI* ui) {
  // The active document window (view, document, frame) first.
  if (CMDIChildWnd* child = ActiveChild()) {
    if (child->OnCmdMsg(id, ui)) return true;
  }
  switch (id) {
    case ID_VIEW_TOOLBAR:
    case ID_VIEW_STATUS_BAR: {
      HWND bar = id == ID_VIEW_TOOLBAR ? (m_toolBar ? m_toolBar->Hwnd() : nullptr)
                                       : (m_statusBar ? m_statusBar->Hwnd() : nullptr);
      if (!bar) return false;
      if (ui) {
        ui->SetCheck(::IsWindowVisible(bar) != 0);
      } else {
        ::ShowWindow(bar, ::IsWindowVisible(bar) ? SW_HIDE : SW_SHOW);
        RecalcLayout();
      }
      return true;
    }
    case ID_WINDOW_NEW:
    case ID_WINDOW_ARRANGE:
    case ID_WINDOW_CASCADE:
    case ID_WINDOW_TILE_HORZ: {
      CView* view = ActiveView();
      if (!view) return false;
      if (ui) return true;
      if (id == ID_WINDOW_NEW) {
        CDocument* document = view->Document();
        if (document && document->Template()) {
          if (CMDIChildWnd* frame = document->Template()->CreateNewFrame(*document, *this)) {
            frame->InitialUpdateFrame();
          } else {
            std::string message = "Could not open another window for " + document->Title() + ".";
            const std::string reason = TakeViewCreationFailure();
            if (!reason.empty()) message += "\n\n" + reason;
            ShowFrameworkMessage(Hwnd(), message);
          }
        }
      } else {
        const UINT message = id == ID_WINDOW_ARRANGE   ? WM_MDIICONARRANGE
                             : id == ID_WINDOW_CASCADE ? WM_MDICASCADE
                                                       : WM_MDITILE;
        ::SendMessageA(m_client, message, id == ID_WINDOW_TILE_HORZ ? MDITILE_HORIZONTAL : 0, 0);
      }
      return true;
    }
    default:
      break;
  }
  CWinApp* app = CWinApp::Current();
  return app && app->OnCmdMsg(id, ui);
}

LRESULT CMDIFrameWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE: {
      CLIENTCREATESTRUCT client = {};
      client.idFirstChild = AFX_IDM_FIRST_MDICHILD;
      m_client =
          ::CreateWindowExW(WS_EX_CLIENTEDGE, L"MDICLIENT", nullptr,
                            WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_VSCROLL | WS_HSCROLL, 0, 0,
                            0, 0, Hwnd(), nullptr, m_module, &client);
      if (!m_client) return -1;
      if (OnCreate() == -1) return -1;
      RecalcLayout();
      return 0;
    }
    case WM_SHOWWINDOW:
      // The client starts with both scroll bars and drops them in a
      // message it posts itself, which would come after the first picture:
      // painted, then taken away. Handled before the frame shows, the
      // first picture has the bars the client keeps.
      if (wParam && m_client) {
        MSG pending;
        while (::PeekMessageA(&pending, m_client, kClientScrollBarsMessage,
                              kClientScrollBarsMessage, PM_REMOVE))
          ::DispatchMessageA(&pending);
      }
      break;
    case WM_SIZE:
      // Not to DefFrameProc: it would give the whole client area to the MDI client.
      RecalcLayout();
      return 0;
    case WM_DPICHANGED: {
      // Moved to a screen of another DPI: the system's suggested rectangle
      // keeps the frame's physical size, and the bars take the images
      // drawn for the new DPI.
      if (m_toolBar) m_toolBar->ScaleTo(HIWORD(wParam));
      const auto* suggested = reinterpret_cast<const RECT*>(lParam);
      if (suggested) {
        ::SetWindowPos(Hwnd(), nullptr, suggested->left, suggested->top,
                       suggested->right - suggested->left, suggested->bottom - suggested->top,
                       SWP_NOZORDER | SWP_NOACTIVATE);
      }
      RecalcLayout();
      return 0;
    }
    case WM_COMMAND: {
      const UINT id = LOWORD(wParam);
      // Menus and accelerators send no window, a toolbar button its
      // toolbar: both are commands. Window-list entries and the maximised
      // child's system commands are the MDI client's.
      const bool fromToolBar =
          m_toolBar && lParam != 0 && reinterpret_cast<HWND>(lParam) == m_toolBar->Hwnd();
      if ((lParam == 0 || fromToolBar) && id < AFX_IDM_FIRST_MDICHILD) {
        CCmdUI ui(id);
        if (OnCmdMsg(id, &ui) && ui.Enabled()) {
          OnCmdMsg(id, nullptr);
          return 0;
        }
        if (HIWORD(wParam) <= 1) return 0;
      }
      break;
    }
    case WM_INITMENUPOPUP:
      if (!HIWORD(lParam)) OnInitMenuPopup(reinterpret_cast<HMENU>(wParam));
      break;
    case WM_MENUSELECT: {
      const UINT flags = HIWORD(wParam);
      const UINT id = LOWORD(wParam);
      if (flags == 0xFFFF && !lParam) {
        SetMessageText(0u);
      } else if (flags & (MF_POPUP | MF_SEPARATOR | MF_SYSMENU)) {
        SetMessageText(std::string());
      } else if (IsRecentFileCommand(id)) {
        SetMessageText(CommandPrompt(m_module, ID_FILE_MRU_FIRST));
      } else if (id >= AFX_IDM_FIRST_MDICHILD) {
        SetMessageText("Activate this window");
      } else {
        SetMessageText(id);
      }
      break;
    }
    case WM_NOTIFY:
      if (OnNotify(*reinterpret_cast<const NMHDR*>(lParam))) return 0;
      break;
    case WM_CLOSE:
      OnClose();
      return 0;
    case WM_DROPFILES:
      OnDropFiles(reinterpret_cast<HDROP>(wParam));
      return 0;
    case WM_QUERYENDSESSION: {
      CWinApp* app = CWinApp::Current();
      return !app || app->SaveAllModified();
    }
    case WM_DESTROY:
      // The frame's own menu is released by its owner, not by the window.
      ::SetMenu(Hwnd(), nullptr);
      ::PostQuitMessage(0);
      break;
    default:
      if (message == kUpdateTitleMessage) {
        UpdateFrameTitle();
        return 0;
      }
      break;
  }
  return DefProc(message, wParam, lParam);
}

bool CMDIFrameWnd::OnNotify(const NMHDR& header) {
  if (!m_toolBar) return false;
  if (header.code == TTN_GETDISPINFOA) {
    auto& info = const_cast<NMTTDISPINFOA&>(reinterpret_cast<const NMTTDISPINFOA&>(header));
    const std::string tip = CommandTip(m_module, static_cast<UINT>(header.idFrom));
    lstrcpynA(info.szText, tip.c_str(), sizeof info.szText);
    info.lpszText = info.szText;
    return true;
  }
  if (header.code == TTN_GETDISPINFOW) {
    auto& info = const_cast<NMTTDISPINFOW&>(reinterpret_cast<const NMTTDISPINFOW&>(header));
    const std::string tip = CommandTip(m_module, static_cast<UINT>(header.idFrom));
    ::MultiByteToWideChar(CP_ACP, 0, tip.c_str(), -1, info.szText, 80);
    info.lpszText = info.szText;
    return true;
  }
  if (header.hwndFrom == m_toolBar->Hwnd() && header.code == TBN_HOTITEMCHANGE) {
    const auto& hot = reinterpret_cast<const NMTBHOTITEM&>(header);
    SetMessageText((hot.dwFlags & HICF_LEAVING) ? 0u : static_cast<UINT>(hot.idNew));
    return false;
  }
  return false;
}

void CMDIFrameWnd::OnInitMenuPopup(HMENU menu) {
  if (CWinApp* app = CWinApp::Current()) app->UpdateRecentFileMenu(menu);
  const int count = ::GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    const UINT id = ::GetMenuItemID(menu, i);
    if (id == 0 || id == static_cast<UINT>(-1) || id >= AFX_IDM_FIRST_MDICHILD) continue;
    CCmdUI ui(id);
    const bool handled = OnCmdMsg(id, &ui);
    ::EnableMenuItem(menu, i, MF_BYPOSITION | (handled && ui.Enabled() ? MF_ENABLED : MF_GRAYED));
    ::CheckMenuItem(menu, i, MF_BYPOSITION | (ui.Checked() ? MF_CHECKED : MF_UNCHECKED));
    if (!ui.Text().empty()) {
      const std::wstring text = ui::Widen(ui.Text());
      MENUITEMINFOW item = {};
      item.cbSize = sizeof item;
      item.fMask = MIIM_STRING;
      item.dwTypeData = const_cast<wchar_t*>(text.c_str());
      ::SetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &item);
    }
  }
}

void CMDIFrameWnd::OnDropFiles(HDROP drop) {
  // Files dropped from the shell open as documents, as with Open.
  std::vector<std::string> paths;
  const UINT count = ::DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < count; ++i) {
    const UINT length = ::DragQueryFileW(drop, i, nullptr, 0);
    std::wstring path(length + 1, L'\0');
    if (::DragQueryFileW(drop, i, path.data(), length + 1) != length) continue;
    path.resize(length);
    paths.push_back(ui::Narrow(path));
  }
  ::DragFinish(drop);
  ::SetForegroundWindow(Hwnd());
  if (CWinApp* app = CWinApp::Current()) {
    for (const std::string& path : paths) app->OpenDocumentFile(path.c_str());
  }
}

void CMDIFrameWnd::OnClose() {
  CWinApp* app = CWinApp::Current();
  // Every changed document asks first; Cancel keeps everything open.
  if (app && !app->SaveAllModified()) return;
  // Document windows go first: Wine's MDI code faults when the frame goes
  // with children still open.
  if (app) app->CloseAllDocuments();
  if (m_client) {
    while (HWND child = ::GetWindow(m_client, GW_CHILD)) {
      ::SendMessageA(m_client, WM_MDIDESTROY, reinterpret_cast<WPARAM>(child), 0);
      if (::GetWindow(m_client, GW_CHILD) == child) break;
    }
  }
  ::DestroyWindow(Hwnd());
}

LRESULT CMDIFrameWnd::DefProc(UINT message, WPARAM wParam, LPARAM lParam) {
  return ::DefFrameProcW(Hwnd(), m_client, message, wParam, lParam);
}

}  // namespace scalewright::docview
