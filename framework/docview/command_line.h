// The framework's command line: no argument (a new document), a path (open
// it), the print switches (/p path, /pt path printer driver port) and
// /Unregister or /Unregserver. Switches start with '/' or '-' and are not
// case-sensitive.
#pragma once

#include <string>
#include <vector>

namespace scalewright::docview {

struct SCommandLineInfo {
  enum class Shell { FileNew, FileOpen, FilePrint, FilePrintTo, AppUnregister, Nothing };
  Shell shell = Shell::FileNew;
  std::string fileName;
  std::string printerName;
  std::string driverName;
  std::string portName;
};

// |arguments| without the program's own name.
SCommandLineInfo ParseCommandLine(const std::vector<std::string>& arguments);
// Splits the process's command line the way the C runtime does.
std::vector<std::string> ProcessArguments();

}  // namespace scalewright::docview
