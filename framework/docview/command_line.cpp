#include "framework/docview/command_line.h"

#include <windows.h>

#include <cstdlib>

#include <algorithm>
#include <cctype>

namespace scalewright::docview {

namespace {

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

}  // namespace

SCommandLineInfo ParseCommandLine(const std::vector<std::string>& arguments) {
  SCommandLineInfo info;
  std::vector<std::string> parameters;  // after /pt: file, printer, driver, port
  bool printTo = false;
  for (const std::string& argument : arguments) {
    if (!argument.empty() && (argument[0] == '/' || argument[0] == '-')) {
      const std::string name = Lower(argument.substr(1));
      if (name == "p") {
        info.shell = SCommandLineInfo::Shell::FilePrint;
      } else if (name == "pt") {
        info.shell = SCommandLineInfo::Shell::FilePrintTo;
        printTo = true;
      } else if (name == "unregister" || name == "unregserver") {
        info.shell = SCommandLineInfo::Shell::AppUnregister;
      }
      continue;
    }
    parameters.push_back(argument);
  }
  if (!parameters.empty()) {
    info.fileName = parameters[0];
    if (info.shell == SCommandLineInfo::Shell::FileNew)
      info.shell = SCommandLineInfo::Shell::FileOpen;
  }
  if (printTo) {
    if (parameters.size() > 1) info.printerName = parameters[1];
    if (parameters.size() > 2) info.driverName = parameters[2];
    if (parameters.size() > 3) info.portName = parameters[3];
  }
  return info;
}

std::vector<std::string> ProcessArguments() {
  // The C runtime has already split the command line (with the same quoting
  // rules the shell's splitter follows); asking the shell to do it again
  // would load shell32 and its dependencies before the first window shows.
  std::vector<std::string> result;
  for (int i = 1; i < __argc && __argv; ++i)
    if (__argv[i]) result.emplace_back(__argv[i]);
  return result;
}

}  // namespace scalewright::docview
