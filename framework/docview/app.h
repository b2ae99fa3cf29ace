// CWinApp: the application object. It owns the document template and the
// main frame, keeps the registry profile with the recent-file list and the
// printer choice, runs the message loop (with command-state updates when
// the queue goes idle) and carries out the command line.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "framework/docview/cmd_target.h"
#include "framework/docview/command_line.h"
#include "framework/docview/printer_settings.h"
#include "framework/docview/profile.h"
#include "framework/docview/recent_file_list.h"

namespace scalewright::docview {

class CDocTemplate;
class CDocument;
class CMDIFrameWnd;

// One line "<source>: <text>" on the standard error the caller gave (none
// for a program started from the desktop): a blank line in |text| becomes
// ": ", other line ends spaces.
void WriteErrorLine(const std::string& source, std::string text);

// The framework's message box: the application's name as caption. While the
// command line prints (/p, /pt) nobody is there to answer: the text goes to
// standard error as one line "<name>: ...", and IDOK comes back.
int ShowFrameworkMessage(HWND owner, const std::string& text,
                         UINT type = MB_OK | MB_ICONEXCLAMATION);

class CWinApp : public CCmdTarget {
 public:
  CWinApp();
  ~CWinApp() override;
  CWinApp(const CWinApp&) = delete;
  CWinApp& operator=(const CWinApp&) = delete;
  static CWinApp* Current();

  // WinMain's body: InitInstance, the message loop, ExitInstance.
  int Run(HINSTANCE module, int showCommand);

  HINSTANCE Module() const { return m_module; }
  int ShowCommand() const { return m_showCommand; }
  const std::string& AppName() const { return m_appName; }
  CMDIFrameWnd* MainFrame() const { return m_mainFrame.get(); }
  HWND MainHwnd() const;
  CProfile& Profile() { return m_profile; }
  CPrinterSettings& Printer() { return m_printer; }
  CDocTemplate* Template() const { return m_template.get(); }

  void AddToRecentFileList(const std::string& path);
  void UpdateRecentFileMenu(HMENU menu);
  void UpdateFrameTitle();
  void CloseAllDocuments();
  // Asks each changed document whether to save it; false once the user
  // cancels or a save fails.
  bool SaveAllModified();
  // Opens |path| as a document (null: a new one); null on failure.
  CDocument* OpenDocumentFile(const char* path);
  // While the command line prints: nothing may open on its own then.
  bool PrintingFromCommandLine() const { return m_printingFromCommandLine; }
  int PreviewPages() const { return m_previewPages; }
  void SetPreviewPages(int pages) { m_previewPages = pages; }

  bool OnCmdMsg(UINT id, CCmdUI* ui) override;

 protected:
  virtual bool InitInstance() = 0;
  virtual void OnAppAbout() {}

  void SetRegistryKey(const std::string& company);
  void LoadStdProfileSettings(std::size_t recentFiles);
  void AddDocTemplate(std::unique_ptr<CDocTemplate> docTemplate);
  void SetMainFrame(std::unique_ptr<CMDIFrameWnd> frame);
  bool ProcessShellCommand(const SCommandLineInfo& info);

 private:
  void SaveStdProfileSettings();
  void OnIdle();
  bool PrintFromCommandLine(const SCommandLineInfo& info);

  HINSTANCE m_module = nullptr;
  int m_showCommand = SW_SHOWDEFAULT;
  std::string m_appName;
  CProfile m_profile;
  bool m_profileLoaded = false;
  std::unique_ptr<CRecentFileList> m_recentFiles;
  int m_previewPages = 0;
  bool m_printingFromCommandLine = false;
  // What the program ends with when start-up stops it: a failure unless
  // the command line asked for a stop (0 after /unregister, or after a
  // command-line print that printed).
  int m_exitCode = 1;
  CPrinterSettings m_printer;
  std::unique_ptr<CDocTemplate> m_template;
  std::unique_ptr<CMDIFrameWnd> m_mainFrame;
};

}  // namespace scalewright::docview
