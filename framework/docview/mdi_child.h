// CMDIChildWnd: a document window inside the MDI client. It owns its view,
// switches the frame's menu to the document menu while it is active and
// leaves its WM_SIZE and activation to DefMDIChildProc, which keeps the
// MDI client's bookkeeping (maximised state, window list) right.
#pragma once

#include <functional>
#include <memory>

#include "framework/docview/cmd_target.h"
#include "framework/docview/window.h"

namespace scalewright::docview {

class CDocument;
class CMDIFrameWnd;
class CView;

class CMDIChildWnd : public CWnd, public CCmdTarget {
 public:
  using ViewFactory = std::function<std::unique_ptr<CView>()>;
  CMDIChildWnd();
  ~CMDIChildWnd() override;

  // Creates the window, and in it the view on |document|; false (and the
  // object deleted) on failure.
  bool Create(CMDIFrameWnd& mainFrame, CDocument& document, const ViewFactory& newView,
              HINSTANCE module);
  // Runs the view's initial update once the window is complete.
  void InitialUpdateFrame();

  CView* View() const { return m_view.get(); }
  CMDIFrameWnd* MainFrame() const { return m_mainFrame; }
  bool OnCmdMsg(UINT id, CCmdUI* ui) override;

 protected:
  // Creates the view; a derived frame may add to it. -1 fails creation.
  virtual LRESULT OnCreate(const CREATESTRUCTA& create);
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  LRESULT DefProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnFinalDestroy() override;

 private:
  void OnMdiActivate(HWND activated);

  CMDIFrameWnd* m_mainFrame = nullptr;
  CDocument* m_document = nullptr;
  const ViewFactory* m_newView = nullptr;
  std::unique_ptr<CView> m_view;
};

}  // namespace scalewright::docview
