#include "app/sw_app.h"

#include <commctrl.h>

#include "app/about/about_box.h"
#include "app/fret_doc.h"
#include "app/fret_frame.h"
#include "app/fret_view.h"
#include "app/fretboard.h"
#include "app/main_frame.h"
#include "app/model/board_file.h"
#include "app/resource.h"
#include "framework/docview/doc_template.h"
#include "framework/ole_site/control_site_window.h"

namespace scalewright::app {

bool CSWApp::InitInstance() {
  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_BAR_CLASSES | ICC_WIN95_CLASSES};
  ::InitCommonControlsEx(&controls);
  // Control containment: form items of the Fretboard's class host it.
  if (!ole::RegisterControlSiteClass(Module(), CLSID_Fretboard)) return false;
  SetRegistryKey("Local AppWizard-Generated Applications");
  LoadStdProfileSettings(4);

  HINSTANCE module = Module();
  docview::CDocTemplate::Classes classes;
  classes.document = [] { return std::make_unique<CFretDoc>(); };
  classes.frame = []() -> docview::CMDIChildWnd* { return new CFretFrame(); };
  classes.view = [module] { return std::make_unique<CFretView>(module); };
  auto boards = std::make_unique<docview::CDocTemplate>(module, IDR_SWTYPE, std::move(classes));
  // The filter holds NULs of its own, so its length is given.
  static constexpr char kBoardFilter[] =
      "Scalewright boards (*.swb)\0*.swb\0All files (*.*)\0*.*\0";
  boards->SetFileTypes({std::string(kBoardFilter, sizeof kBoardFilter - 1), kBoardFileExtension});
  AddDocTemplate(std::move(boards));

  auto frame = std::make_unique<CMainFrame>();
  if (!frame->LoadFrame(module, IDR_MAINFRAME, WS_OVERLAPPEDWINDOW | 0x00008000 /* add to title */))
    return false;
  SetMainFrame(std::move(frame));

  if (!ProcessShellCommand(docview::ParseCommandLine(docview::ProcessArguments()))) return false;
  ::ShowWindow(MainHwnd(), ShowCommand());
  // Paint the whole window, the fretboard included, now: the property frame
  // that each new document posts for itself would otherwise open, with its
  // own message loop, before the board was ever drawn.
  ::RedrawWindow(MainHwnd(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  return true;
}

void CSWApp::OnAppAbout() {
  // A dialog without a parent of its own is owned by the main frame, which
  // waits while it is up, as for every dialog of SW.
  CVLAboutBox about;
  about.DoModal(Module(), MainHwnd());
}

}  // namespace scalewright::app
