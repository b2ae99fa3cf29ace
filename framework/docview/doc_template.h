// CDocTemplate: one multiple-document template. It ties a document class,
// a child frame class and a view class to one resource identifier (the
// document strings, the document menu), owns the open documents and names
// the untitled ones after the template's document name with a running
// number that is never reused.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/docview/document.h"
#include "framework/docview/file_dialog.h"

namespace scalewright::docview {

class CMDIChildWnd;
class CMDIFrameWnd;
class CView;

class CDocTemplate {
 public:
  struct Classes {
    std::function<std::unique_ptr<CDocument>()> document;
    std::function<CMDIChildWnd*()> frame;  // the frame owns itself
    std::function<std::unique_ptr<CView>()> view;
  };
  CDocTemplate(HINSTANCE module, UINT resourceId, Classes classes);
  ~CDocTemplate();
  CDocTemplate(const CDocTemplate&) = delete;
  CDocTemplate& operator=(const CDocTemplate&) = delete;

  // Null path: a new untitled document. Reports failures to the user and
  // returns null.
  CDocument* OpenDocumentFile(const char* path, CMDIFrameWnd& mainFrame);
  // Another window on |document| (Window > New Window); null on failure.
  CMDIChildWnd* CreateNewFrame(CDocument& document, CMDIFrameWnd& mainFrame);
  // Deletes a document whose last view has gone.
  void RemoveDocument(CDocument* document);
  void CloseAllDocuments();
  const std::vector<std::unique_ptr<CDocument>>& Documents() const { return m_documents; }

  HMENU Menu() const { return m_menu; }
  HMENU WindowMenu() const;
  HINSTANCE Module() const { return m_module; }
  // Field of the document string: 0 window title, 1 document name, 2 New
  // dialog name, 3 filter name, 4 filter extension, 5 file type id, 6 type name.
  std::string DocString(int field) const;
  // The file types the Open and Save As dialogs offer.
  void SetFileTypes(SFileTypes types) { m_fileTypes = std::move(types); }
  const SFileTypes& FileTypes() const { return m_fileTypes; }

 private:
  HINSTANCE m_module;
  UINT m_resourceId;
  Classes m_classes;
  HMENU m_menu = nullptr;
  std::string m_docStrings;
  int m_untitledCount = 0;
  SFileTypes m_fileTypes;
  std::vector<std::unique_ptr<CDocument>> m_documents;
};

}  // namespace scalewright::docview
