// SW.exe: the multiple-document fretboard application.
#include <windows.h>

#include <ole2.h>

#include "app/export_command.h"
#include "app/sw_app.h"
#include "control/interface/unattended_variable.h"
#include "framework/docview/command_line.h"

int WINAPI WinMain(HINSTANCE module, HINSTANCE, LPSTR, int showCommand) {
  // Control containment and the property frame need OLE on this thread.
  if (FAILED(::OleInitialize(nullptr))) return 1;
  int result = 0;
  // A picture for a script or a batch file: no window at all.
  const std::vector<std::string> arguments = scalewright::docview::ProcessArguments();
  // A picture or a print from the command line is a batch job: nobody is
  // there to answer a message box, and it changes no file but its own.
  // Neckview reads this before its first use, when it seeds the modes file.
  const auto shell = scalewright::docview::ParseCommandLine(arguments).shell;
  if (scalewright::app::IsExportCommand(arguments) ||
      shell == scalewright::docview::SCommandLineInfo::Shell::FilePrint ||
      shell == scalewright::docview::SCommandLineInfo::Shell::FilePrintTo)
    ::SetEnvironmentVariableA(scalewright::kUnattendedVariable, "1");
  if (scalewright::app::IsExportCommand(arguments)) {
    result = scalewright::app::RunExportCommand(arguments);
  } else {
    scalewright::app::CSWApp app;
    result = app.Run(module, showCommand);
  }
  ::OleUninitialize();
  return result;
}
