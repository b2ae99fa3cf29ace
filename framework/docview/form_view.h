// CFormView: a view whose window is a child dialog made from a dialog
// template. The template's items, controls included, are created with it.
#pragma once

#include "framework/docview/view.h"
#include "framework/ui/dialog.h"

namespace scalewright::docview {

class CFormView : public CView, public ui::CDialog {
 public:
  CFormView(HINSTANCE module, int templateId) : m_module(module), m_templateId(templateId) {}
  HWND ViewHwnd() const override { return Hwnd(); }
  bool CreateView(HWND frame) override;
  int TemplateId() const { return m_templateId; }

 protected:
  // Size changes of the form; the default leaves the items where they are.
  virtual void OnSize(int /*width*/, int /*height*/) {}
  // The form takes no focus while it is made: its frame may not be shown
  // yet, and focus would activate that hidden frame only for it to be
  // activated again when it shows. The frame's activation gives the form
  // the focus, which goes to its first tab stop.
  bool OnInitDialog() override { return false; }
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  HINSTANCE m_module;
  int m_templateId;
};

}  // namespace scalewright::docview
