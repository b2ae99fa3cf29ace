#include "framework/docview/app.h"

#include "framework/docview/doc_template.h"
#include "framework/docview/document.h"
#include "framework/docview/file_dialog.h"
#include "framework/docview/mdi_child.h"
#include "framework/docview/mdi_frame.h"
#include "framework/docview/printing.h"
#include "framework/docview/std_messages.h"
#include "framework/docview/view.h"
#include "framework/ui/utf8_text.h"

namespace scalewright::docview {

namespace {

CWinApp* g_app = nullptr;

constexpr char kSettingsSection[] = "Settings";
constexpr char kPreviewPagesEntry[] = "PreviewPages";

// Messages after which the command states may have changed.
bool CountsForIdle(const MSG& message) {
  return message.message != WM_TIMER && message.message != WM_PAINT &&
         message.message != 0x0118 /* WM_SYSTIMER: caret blink */;
}

}  // namespace

void WriteErrorLine(const std::string& source, std::string text) {
  for (std::size_t at; (at = text.find("\n\n")) != std::string::npos;) text.replace(at, 2, ": ");
  for (char& c : text)
    if (c == '\n' || c == '\r') c = ' ';
  const std::string line = source + ": " + text + "\r\n";
  const HANDLE error = ::GetStdHandle(STD_ERROR_HANDLE);
  if (!error || error == INVALID_HANDLE_VALUE) return;
  // A console shows any script through the wide call; a pipe or a file
  // gets the UTF-8 bytes.
  DWORD written = 0;
  DWORD mode = 0;
  if (::GetConsoleMode(error, &mode)) {
    const std::wstring wide = ui::Widen(line);
    ::WriteConsoleW(error, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
    return;
  }
  ::WriteFile(error, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
}

int ShowFrameworkMessage(HWND owner, const std::string& text, UINT type) {
  const char* caption = g_app && !g_app->AppName().empty() ? g_app->AppName().c_str() : nullptr;
  if (g_app && g_app->PrintingFromCommandLine()) {
    WriteErrorLine(caption ? caption : "Error", text);
    return IDOK;
  }
  return ::MessageBoxW(owner, ui::Widen(text).c_str(),
                       caption ? ui::Widen(caption).c_str() : nullptr, type);
}

CWinApp::CWinApp() { g_app = this; }

CWinApp::~CWinApp() {
  m_mainFrame.reset();
  m_template.reset();
  if (g_app == this) g_app = nullptr;
}

CWinApp* CWinApp::Current() { return g_app; }

HWND CWinApp::MainHwnd() const { return m_mainFrame ? m_mainFrame->Hwnd() : nullptr; }

int CWinApp::Run(HINSTANCE module, int showCommand) {
  m_module = module;
  m_showCommand = showCommand;
  char name[256] = {};
  ::LoadStringA(module, AFX_IDS_APP_TITLE, name, sizeof name);
  m_appName = name;

  bool started = false;
  try {
    started = InitInstance();
  } catch (...) {
    started = false;
  }
  if (!started) {
    // A frame left from a failed start goes without its documents first.
    if (MainHwnd()) ::SendMessageA(MainHwnd(), WM_CLOSE, 0, 0);
    SaveStdProfileSettings();
    return m_exitCode;
  }

  MSG message = {};
  bool idle = true;
  for (;;) {
    while (idle && !::PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE)) {
      OnIdle();
      idle = false;
    }
    const BOOL got = ::GetMessageA(&message, nullptr, 0, 0);
    if (got == 0 || got == -1) break;
    if (!(m_mainFrame && m_mainFrame->PreTranslateMessage(message))) {
      ::TranslateMessage(&message);
      ::DispatchMessageA(&message);
    }
    if (CountsForIdle(message)) idle = true;
  }
  SaveStdProfileSettings();
  return static_cast<int>(message.wParam);
}

void CWinApp::OnIdle() {
  if (m_mainFrame && m_mainFrame->Hwnd()) m_mainFrame->OnIdleUpdate();
}

void CWinApp::SetRegistryKey(const std::string& company) { m_profile.SetKey(company, m_appName); }

void CWinApp::LoadStdProfileSettings(std::size_t recentFiles) {
  m_profileLoaded = true;
  if (recentFiles > 0) {
    m_recentFiles = std::make_unique<CRecentFileList>(recentFiles);
    m_recentFiles->ReadList(m_profile);
  }
  m_previewPages = m_profile.GetInt(kSettingsSection, kPreviewPagesEntry, 0);
}

void CWinApp::SaveStdProfileSettings() {
  if (!m_profileLoaded || m_profile.KeyPath().empty()) return;
  if (m_recentFiles) m_recentFiles->WriteList(m_profile);
  if (m_previewPages != 0) m_profile.WriteInt(kSettingsSection, kPreviewPagesEntry, m_previewPages);
}

void CWinApp::AddDocTemplate(std::unique_ptr<CDocTemplate> docTemplate) {
  m_template = std::move(docTemplate);
}

void CWinApp::SetMainFrame(std::unique_ptr<CMDIFrameWnd> frame) { m_mainFrame = std::move(frame); }

void CWinApp::AddToRecentFileList(const std::string& path) {
  if (m_recentFiles) m_recentFiles->Add(path);
}

void CWinApp::UpdateRecentFileMenu(HMENU menu) {
  if (m_recentFiles) m_recentFiles->UpdateMenu(menu, ID_FILE_MRU_FIRST);
}

void CWinApp::UpdateFrameTitle() {
  if (m_mainFrame) m_mainFrame->PostUpdateFrameTitle();
}

void CWinApp::CloseAllDocuments() {
  if (m_template) m_template->CloseAllDocuments();
}

bool CWinApp::SaveAllModified() {
  if (!m_template) return true;
  for (const auto& document : m_template->Documents()) {
    if (!document->SaveModified()) return false;
  }
  return true;
}

CDocument* CWinApp::OpenDocumentFile(const char* path) {
  if (!m_template || !m_mainFrame) return nullptr;
  return m_template->OpenDocumentFile(path, *m_mainFrame);
}

bool CWinApp::ProcessShellCommand(const SCommandLineInfo& info) {
  switch (info.shell) {
    case SCommandLineInfo::Shell::FileNew:
      return OpenDocumentFile(nullptr) != nullptr;
    case SCommandLineInfo::Shell::FileOpen:
      return OpenDocumentFile(info.fileName.c_str()) != nullptr;
    case SCommandLineInfo::Shell::FilePrint:
    case SCommandLineInfo::Shell::FilePrintTo:
      // Printed or not, the program ends; its exit code tells which.
      m_exitCode = PrintFromCommandLine(info) ? 0 : 1;
      return false;
    case SCommandLineInfo::Shell::AppUnregister:
      m_profile.DeleteAll();
      m_profileLoaded = false;  // nothing goes back in at exit
      ShowFrameworkMessage(nullptr, kUnregisterDone);
      m_exitCode = 0;
      return false;
    case SCommandLineInfo::Shell::Nothing:
      return true;
  }
  return false;
}

bool CWinApp::PrintFromCommandLine(const SCommandLineInfo& info) {
  m_printingFromCommandLine = true;
  CDocument* document = OpenDocumentFile(info.fileName.c_str());
  if (!document || document->Views().empty()) return false;
  CView& view = *document->Views().front();
  if (info.shell == SCommandLineInfo::Shell::FilePrintTo) {
    CPrinterDc dc =
        CPrinterSettings::PrinterDcByName(info.printerName, info.driverName, info.portName);
    return PrintViewOn(view, dc.get());
  }
  return PrintView(view, false);
}

bool CWinApp::OnCmdMsg(UINT id, CCmdUI* ui) {
  if (id >= ID_FILE_MRU_FIRST && id <= ID_FILE_MRU_LAST) {
    const std::size_t index = id - ID_FILE_MRU_FIRST;
    if (!m_recentFiles || index >= m_recentFiles->Files().size()) return false;
    if (!ui) {
      const std::string path = m_recentFiles->Files()[index];
      // A file that no longer opens leaves the list, as users expect.
      if (!OpenDocumentFile(path.c_str())) m_recentFiles->Remove(index);
    }
    return true;
  }
  switch (id) {
    case ID_FILE_NEW:
      if (!ui) OpenDocumentFile(nullptr);
      return true;
    case ID_FILE_OPEN:
      if (!ui) {
        const SFileTypes types = m_template ? m_template->FileTypes() : SFileTypes{};
        if (auto path = AskOpenFileName(MainHwnd(), types)) OpenDocumentFile(path->c_str());
      }
      return true;
    case ID_FILE_PRINT_SETUP:
      if (!ui) m_printer.PrintSetup(MainHwnd());
      return true;
    case ID_APP_ABOUT:
      if (!ui) OnAppAbout();
      return true;
    case ID_APP_EXIT:
      if (!ui && MainHwnd()) ::PostMessageA(MainHwnd(), WM_CLOSE, 0, 0);
      return true;
    default:
      return false;
  }
}

}  // namespace scalewright::docview
