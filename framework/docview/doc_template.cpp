#include "framework/docview/doc_template.h"

#include <algorithm>

#include "framework/docview/app.h"
#include "framework/docview/mdi_child.h"
#include "framework/docview/mdi_frame.h"
#include "framework/docview/std_messages.h"
#include "framework/docview/view.h"

namespace scalewright::docview {

namespace {

std::string LoadResourceString(HINSTANCE module, UINT id) {
  const char* text = nullptr;
  // With a zero buffer size LoadString hands out the resource itself.
  const int length = ::LoadStringA(module, id, reinterpret_cast<char*>(&text), 0);
  if (length > 0 && text) return std::string(text, static_cast<std::size_t>(length));
  char buffer[1024] = {};
  const int copied = ::LoadStringA(module, id, buffer, sizeof buffer);
  return std::string(buffer, copied > 0 ? static_cast<std::size_t>(copied) : 0);
}

}  // namespace

CDocTemplate::CDocTemplate(HINSTANCE module, UINT resourceId, Classes classes)
    : m_module(module),
      m_resourceId(resourceId),
      m_classes(std::move(classes)),
      m_menu(::LoadMenuA(module, MAKEINTRESOURCEA(resourceId))),
      m_docStrings(LoadResourceString(module, resourceId)) {}

CDocTemplate::~CDocTemplate() {
  m_documents.clear();
  if (m_menu) ::DestroyMenu(m_menu);
}

std::string CDocTemplate::DocString(int field) const {
  std::size_t begin = 0;
  for (int i = 0; i < field; ++i) {
    begin = m_docStrings.find('\n', begin);
    if (begin == std::string::npos) return {};
    ++begin;
  }
  const std::size_t end = m_docStrings.find('\n', begin);
  return m_docStrings.substr(begin, end == std::string::npos ? std::string::npos : end - begin);
}

HMENU CDocTemplate::WindowMenu() const {
  // The Window menu is the one before the last (Help) popup.
  const int count = m_menu ? ::GetMenuItemCount(m_menu) : 0;
  return count >= 2 ? ::GetSubMenu(m_menu, count - 2) : nullptr;
}

CDocument* CDocTemplate::OpenDocumentFile(const char* path, CMDIFrameWnd& mainFrame) {
  HWND owner = mainFrame.Hwnd();
  m_documents.push_back(m_classes.document());
  CDocument* document = m_documents.back().get();
  document->SetTemplate(this);
  auto forget = [this, document] {
    auto it = std::find_if(m_documents.begin(), m_documents.end(),
                           [&](const auto& d) { return d.get() == document; });
    if (it != m_documents.end()) m_documents.erase(it);
  };
  if (path) {
    // The file is read before any window appears; a refused file opens none.
    std::string error;
    if (!document->OnOpenDocument(path, error)) {
      forget();
      ShowFrameworkMessage(owner, error.empty() ? std::string(kFailedToOpenDoc) : error);
      return nullptr;
    }
    document->SetTitle(path);
  } else {
    document->SetTitle(DocString(1) + std::to_string(m_untitledCount + 1));
    if (!document->OnNewDocument()) {
      forget();
      ShowFrameworkMessage(owner, kFailedToCreateDoc);
      return nullptr;
    }
  }
  CMDIChildWnd* frame = CreateNewFrame(*document, mainFrame);
  if (!frame) {
    // The frame's failure may have left the document without views.
    forget();
    std::string message = path ? kFailedToOpenDoc : kFailedToCreateDoc;
    const std::string reason = TakeViewCreationFailure();
    if (!reason.empty()) message += "\n\n" + reason;
    ShowFrameworkMessage(owner, message);
    return nullptr;
  }
  if (path) {
    document->SetPathName(path);
  } else {
    ++m_untitledCount;
  }
  frame->InitialUpdateFrame();
  return document;
}

CMDIChildWnd* CDocTemplate::CreateNewFrame(CDocument& document, CMDIFrameWnd& mainFrame) {
  // A reason left by an earlier failure belongs to that one, not this.
  TakeViewCreationFailure();
  CMDIChildWnd* frame = m_classes.frame();
  if (!frame->Create(mainFrame, document, m_classes.view, m_module)) return nullptr;
  return frame;
}

void CDocTemplate::RemoveDocument(CDocument* document) {
  auto it = std::find_if(m_documents.begin(), m_documents.end(),
                         [&](const auto& d) { return d.get() == document; });
  if (it == m_documents.end()) return;
  auto owned = std::move(*it);
  m_documents.erase(it);
  if (CWinApp* app = CWinApp::Current()) app->UpdateFrameTitle();
}

void CDocTemplate::CloseAllDocuments() {
  while (!m_documents.empty()) {
    const std::size_t before = m_documents.size();
    CDocument* document = m_documents.back().get();
    if (document->Views().empty()) {
      m_documents.pop_back();
    } else {
      document->OnCloseDocument();
    }
    if (m_documents.size() == before) break;  // its windows refused to go
  }
}

}  // namespace scalewright::docview
