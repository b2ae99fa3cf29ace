// CMDIFrameWnd: the application's top-level window around the MDI client.
// Everything it does not handle goes to DefFrameProc with the MDI client,
// so that the Window menu, maximised children and their system menus
// behave as the platform defines. It lays out its control bars around the
// client, routes commands to the active document window first, shows the
// document menu while a document window is active, and destroys its
// document windows before itself.
#pragma once

#include <windows.h>

#include <shellapi.h>

#include <string>

#include "framework/docview/cmd_target.h"
#include "framework/docview/window.h"

namespace scalewright::docview {

class CMDIChildWnd;
class CToolBar;
class CStatusBar;
class CView;

class CMDIFrameWnd : public CWnd, public CCmdTarget {
 public:
  ~CMDIFrameWnd() override;
  // Menu, accelerators, icon and title from resource |id|.
  bool LoadFrame(HINSTANCE module, UINT id, DWORD style);

  HWND MdiClient() const { return m_client; }
  CMDIChildWnd* ActiveChild() const;
  CView* ActiveView() const;
  // Null menu: the frame's own menu (no document window active).
  void SetMdiMenu(HMENU menu, HMENU windowMenu);
  void PostUpdateFrameTitle();
  void UpdateFrameTitle();
  void RecalcLayout();
  // Accelerators, MDI system keys; true when the message was consumed.
  bool PreTranslateMessage(MSG& message);
  // Toolbar buttons and status indicators follow the command handlers.
  void OnIdleUpdate();
  // Shows the prompt of command |id| (0: the idle text) in the status bar.
  void SetMessageText(UINT id);
  void SetMessageText(const std::string& text);

  bool OnCmdMsg(UINT id, CCmdUI* ui) override;

 protected:
  // Derived frames create their bars here (after the MDI client exists).
  virtual LRESULT OnCreate() { return 0; }
  void SetControlBars(CToolBar* toolBar, CStatusBar* statusBar);
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  LRESULT DefProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void OnInitMenuPopup(HMENU menu);
  void OnClose();
  void OnDropFiles(HDROP drop);
  bool OnNotify(const NMHDR& header);

  HINSTANCE m_module = nullptr;
  HWND m_client = nullptr;
  HMENU m_frameMenu = nullptr;
  HACCEL m_accelerators = nullptr;
  std::string m_title;
  CToolBar* m_toolBar = nullptr;
  CStatusBar* m_statusBar = nullptr;
  bool m_titlePending = false;
};

}  // namespace scalewright::docview
