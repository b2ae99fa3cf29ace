#include "framework/docview/document.h"

#include <algorithm>

#include "framework/docview/app.h"
#include "framework/docview/doc_template.h"
#include "framework/docview/file_dialog.h"
#include "framework/docview/file_write.h"
#include "framework/docview/std_messages.h"
#include "framework/docview/view.h"
#include "framework/ui/utf8_text.h"

namespace scalewright::docview {

namespace {

std::string FileNameOf(const std::string& path) {
  const auto slash = path.find_last_of("\\/:");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string FullPath(const std::string& path) {
  const std::wstring wide = ui::Widen(path);
  const DWORD size = ::GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
  if (size == 0) return path;
  std::wstring full(size, L'\0');
  const DWORD length = ::GetFullPathNameW(wide.c_str(), size, full.data(), nullptr);
  if (length == 0 || length >= size) return path;
  full.resize(length);
  return ui::Narrow(full);
}

HWND FrameOf(CView* view) { return ::GetParent(view->ViewHwnd()); }

}  // namespace

void CDocument::SetTitle(const std::string& title) {
  m_title = title;
  UpdateFrameTitles();
}

void CDocument::SetPathName(const std::string& path) {
  // One spelling per file, so that the recent list holds no duplicates.
  m_pathName = FullPath(path);
  SetTitle(FileNameOf(path));
  if (CWinApp* app = CWinApp::Current()) app->AddToRecentFileList(m_pathName);
}

bool CDocument::OnOpenDocument(const std::string& path, std::string& error) {
  HANDLE file = ::CreateFileW(ui::Widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    error.clear();
    return false;
  }
  ::CloseHandle(file);
  return true;
}

bool CDocument::OnSaveDocument(const std::string& path, std::string& error) {
  return WriteFileReplacing(path, {}, error);
}

void CDocument::OnCloseDocument() {
  // Each destroyed frame removes its view; the last removal deletes this
  // object, so the list is copied and nothing of it is touched afterwards.
  std::vector<HWND> frames;
  for (CView* view : m_views) frames.push_back(FrameOf(view));
  for (HWND frame : frames) {
    if (::IsWindow(frame))
      ::SendMessageA(::GetParent(frame), WM_MDIDESTROY, reinterpret_cast<WPARAM>(frame), 0);
  }
}

void CDocument::AddView(CView* view) {
  m_views.push_back(view);
  UpdateFrameTitles();
}

void CDocument::RemoveView(CView* view) {
  m_views.erase(std::remove(m_views.begin(), m_views.end(), view), m_views.end());
  if (m_views.empty() && m_template) {
    m_template->RemoveDocument(this);  // deletes this
    return;
  }
  UpdateFrameTitles();
}

void CDocument::UpdateFrameTitles() {
  const bool numbered = m_views.size() > 1;
  int n = 0;
  for (CView* view : m_views) {
    HWND frame = FrameOf(view);
    if (!frame) continue;
    std::string text = m_title;
    if (numbered) text += ":" + std::to_string(++n);
    ::SetWindowTextW(frame, ui::Widen(text).c_str());
  }
  if (CWinApp* app = CWinApp::Current()) app->UpdateFrameTitle();
}

bool CDocument::OnCmdMsg(UINT id, CCmdUI* ui) {
  switch (id) {
    case ID_FILE_CLOSE:
      if (!ui && SaveModified()) OnCloseDocument();
      return true;
    case ID_FILE_SAVE:
    case ID_FILE_SAVE_AS:
      if (!ui) DoSave(id == ID_FILE_SAVE_AS || m_pathName.empty());
      return true;
    default:
      return false;
  }
}

bool CDocument::SaveModified() {
  if (!m_modified) return true;
  HWND owner = CWinApp::Current() ? CWinApp::Current()->MainHwnd() : nullptr;
  const std::string question = "Save changes to " + m_title + "?";
  switch (ShowFrameworkMessage(owner, question, MB_YESNOCANCEL | MB_ICONEXCLAMATION)) {
    case IDYES:
      return DoSave(m_pathName.empty());
    case IDNO:
      return true;
    default:
      return false;
  }
}

bool CDocument::DoSave(bool askForName) {
  std::string path = m_pathName;
  HWND owner = CWinApp::Current() ? CWinApp::Current()->MainHwnd() : nullptr;
  if (askForName) {
    const std::string suggested = m_pathName.empty() ? SuggestedFileName() : m_pathName;
    auto chosen =
        AskSaveFileName(owner, suggested, m_template ? m_template->FileTypes() : SFileTypes{});
    if (!chosen) return false;
    path = *chosen;
  }
  std::string error;
  if (!OnSaveDocument(path, error)) {
    // The old file, the title and the recent list stay as they were.
    std::string message = kFailedToSaveDoc;
    if (!error.empty()) message += "\n\n" + error;
    ShowFrameworkMessage(owner, message);
    return false;
  }
  SetPathName(path);
  m_modified = false;
  return true;
}

}  // namespace scalewright::docview
