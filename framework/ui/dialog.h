// CDialog: a dialog from a template in a given module, modal or modeless,
// with its messages dispatched to typed virtual handlers. The object is
// bound to its window from WM_INITDIALOG to WM_NCDESTROY; no exception
// leaves the dialog procedure.
//
//   class CAbout final : public ui::CDialog {
//     bool OnInitDialog() override;
//     bool OnCommand(int id, int code, HWND control) override;
//   };
//   CAbout about;  about.DoModal(module, IDD_ABOUT, owner);
#pragma once

#include <windows.h>

namespace scalewright::ui {

class CDialog {
 public:
  CDialog() = default;
  CDialog(const CDialog&) = delete;
  CDialog& operator=(const CDialog&) = delete;
  // A modeless window still open goes with its object.
  virtual ~CDialog();

  // Runs the dialog modally; the result of EndDialog, or -1 when the
  // template could not be loaded.
  INT_PTR DoModal(HINSTANCE module, int templateId, HWND owner);
  // Creates the dialog modeless (a child when the template says so); null
  // on failure.
  HWND Create(HINSTANCE module, int templateId, HWND parent);
  void DestroyWindow();

  HWND Hwnd() const { return m_hwnd; }
  HWND Item(int id) const { return ::GetDlgItem(m_hwnd, id); }
  bool IsModal() const { return m_modal; }
  HINSTANCE Module() const { return m_module; }
  void EndDialog(INT_PTR result);

 protected:
  // Runs after the resource's initial list items are in place. True lets
  // the system set the focus to the first tab stop.
  virtual bool OnInitDialog() { return true; }
  // Return true when handled. Unhandled IDOK and IDCANCEL end a modal dialog.
  virtual bool OnCommand(int id, int code, HWND control);
  // Return true when handled, with |result| as the notification's answer.
  virtual bool OnNotify(const NMHDR& header, LRESULT& result);
  // Any other message; return true when handled.
  virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
  // The window is about to go; m_hwnd is still valid.
  virtual void OnDestroy() {}

 private:
  static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);

  HWND m_hwnd = nullptr;
  bool m_modal = false;
  HINSTANCE m_module = nullptr;
  int m_templateId = 0;
};

}  // namespace scalewright::ui
