#include "framework/docview/view.h"

#include <utility>

#include "framework/docview/document.h"
#include "framework/docview/printing.h"

namespace scalewright::docview {

namespace {
thread_local std::string t_creationFailure;
}

void SetViewCreationFailure(const std::string& reason) { t_creationFailure = reason; }

std::string TakeViewCreationFailure() { return std::exchange(t_creationFailure, std::string()); }

CView::~CView() {
  // The document may go with its last view: nothing of it afterwards.
  if (CDocument* document = m_document) {
    m_document = nullptr;
    document->RemoveView(this);
  }
}

void CView::Attach(CDocument* document) {
  m_document = document;
  if (document) document->AddView(this);
}

void CView::OnPrint(HDC, const RECT&) {}

bool CView::OnCmdMsg(UINT id, CCmdUI* ui) {
  if (!CanPrint()) return false;
  switch (id) {
    case ID_FILE_PRINT:
    case ID_FILE_PRINT_DIRECT:
      if (!ui) PrintView(*this, id == ID_FILE_PRINT);
      return true;
    case ID_FILE_PRINT_PREVIEW:
      if (!ui) ShowPrintPreview(*this);
      return true;
    default:
      return false;
  }
}

}  // namespace scalewright::docview
