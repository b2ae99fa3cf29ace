#include "framework/docview/mdi_child.h"

#include "framework/docview/doc_template.h"
#include "framework/docview/document.h"
#include "framework/docview/mdi_frame.h"
#include "framework/docview/view.h"
#include "framework/ui/utf8_text.h"

namespace scalewright::docview {

namespace {
constexpr char kChildClass[] = "Scalewright.MDIChild";
}

CMDIChildWnd::CMDIChildWnd() = default;
CMDIChildWnd::~CMDIChildWnd() = default;

bool CMDIChildWnd::Create(CMDIFrameWnd& mainFrame, CDocument& document, const ViewFactory& newView,
                          HINSTANCE module) {
  if (!CWnd::RegisterClass(module, kChildClass, CS_DBLCLKS, 129,
                           reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1))) {
    delete this;
    return false;
  }
  m_mainFrame = &mainFrame;
  m_document = &document;
  m_newView = &newView;

  const std::wstring className = ui::Widen(kChildClass);
  const std::wstring title = ui::Widen(document.Title());
  MDICREATESTRUCTW create = {};
  create.szClass = className.c_str();
  create.szTitle = title.c_str();
  create.hOwner = module;
  create.x = create.y = create.cx = create.cy = CW_USEDEFAULT;
  create.style = WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW;
  create.lParam = reinterpret_cast<LPARAM>(static_cast<CWnd*>(this));
  // A failed creation has already deleted this object (OnFinalDestroy).
  HWND window = reinterpret_cast<HWND>(
      ::SendMessageW(mainFrame.MdiClient(), WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&create)));
  return window != nullptr;
}

LRESULT CMDIChildWnd::OnCreate(const CREATESTRUCTA&) {
  if (!m_newView) return -1;
  m_view = (*m_newView)();
  m_newView = nullptr;
  if (!m_view) return -1;
  m_view->Attach(m_document);
  if (!m_view->CreateView(Hwnd())) {
    m_view.reset();
    return -1;
  }
  RECT client = {};
  ::GetClientRect(Hwnd(), &client);
  ::MoveWindow(m_view->ViewHwnd(), 0, 0, client.right, client.bottom, TRUE);
  return 0;
}

void CMDIChildWnd::InitialUpdateFrame() {
  if (m_view) m_view->OnInitialUpdate();
  if (m_document) m_document->UpdateFrameTitles();
}

bool CMDIChildWnd::OnCmdMsg(UINT id, CCmdUI* ui) {
  // The view first, then its document, then this frame.
  if (m_view && m_view->OnCmdMsg(id, ui)) return true;
  CDocument* document = m_view ? m_view->Document() : nullptr;
  return document && document->OnCmdMsg(id, ui);
}

LRESULT CMDIChildWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE: {
      const LRESULT result = OnCreate(*reinterpret_cast<const CREATESTRUCTA*>(lParam));
      if (result == -1) return -1;
      break;
    }
    case WM_SIZE:
      if (m_view && wParam != SIZE_MINIMIZED)
        ::MoveWindow(m_view->ViewHwnd(), 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
      // Maximising or restoring changes how the frame shows the title.
      if (m_mainFrame) m_mainFrame->PostUpdateFrameTitle();
      break;  // on to DefMDIChildProc
    case WM_SETFOCUS:
      if (m_view) ::SetFocus(m_view->ViewHwnd());
      return 0;
    case WM_MDIACTIVATE:
      OnMdiActivate(reinterpret_cast<HWND>(lParam));
      break;
    case WM_CLOSE:
      // The document's last window asks before a changed document goes.
      if (m_document && m_document->Views().size() <= 1 && !m_document->SaveModified()) return 0;
      ::SendMessageA(::GetParent(Hwnd()), WM_MDIDESTROY, reinterpret_cast<WPARAM>(Hwnd()), 0);
      return 0;
    default:
      break;
  }
  return DefProc(message, wParam, lParam);
}

void CMDIChildWnd::OnMdiActivate(HWND activated) {
  if (!m_mainFrame) return;
  CDocTemplate* owner = m_document ? m_document->Template() : nullptr;
  if (activated == Hwnd()) {
    if (owner && owner->Menu()) m_mainFrame->SetMdiMenu(owner->Menu(), owner->WindowMenu());
  } else if (!activated) {
    m_mainFrame->SetMdiMenu(nullptr, nullptr);  // back to the frame's own menu
  }
  m_mainFrame->PostUpdateFrameTitle();
}

LRESULT CMDIChildWnd::DefProc(UINT message, WPARAM wParam, LPARAM lParam) {
  return ::DefMDIChildProcW(Hwnd(), message, wParam, lParam);
}

void CMDIChildWnd::OnFinalDestroy() {
  // The view goes with its window, and may take the document with it.
  m_view.reset();
  delete this;
}

}  // namespace scalewright::docview
