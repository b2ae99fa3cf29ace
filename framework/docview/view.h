// CView: a document's window inside a child frame. It is the first target
// of command routing and the one that prints.
#pragma once

#include <windows.h>

#include <string>

#include "framework/docview/cmd_target.h"

namespace scalewright::docview {

class CDocument;

// Why the last view could not be created, in the user's words (empty when
// unknown); the template adds it to its standard message.
void SetViewCreationFailure(const std::string& reason);
std::string TakeViewCreationFailure();

class CView : public CCmdTarget {
 public:
  ~CView() override;
  virtual HWND ViewHwnd() const = 0;
  // Creates the view's window as a child of |frame|; false on failure.
  virtual bool CreateView(HWND frame) = 0;
  virtual void OnInitialUpdate() {}
  // Prints page 1 onto |dc|: |page| is the printable area in device units.
  virtual void OnPrint(HDC dc, const RECT& page);
  // True when the view has something to print at all.
  virtual bool CanPrint() const { return false; }

  CDocument* Document() const { return m_document; }
  // Binds the view to its document (and the document to the view).
  void Attach(CDocument* document);

  bool OnCmdMsg(UINT id, CCmdUI* ui) override;

 private:
  CDocument* m_document = nullptr;
};

}  // namespace scalewright::docview
