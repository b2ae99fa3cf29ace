// The framework's command line: no argument (a new document), a path (open
// it), the print switches (/p path, /pt path printer driver port) and
// /Unregister or /Unregserver. Switches start with '/' or '-' and are not
// case-sensitive.
#pragma once

#include <string>
#include <string_view>
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
// Splits the process's command line the way the C runtime does, in UTF-8:
// a file name in any script comes through whatever the code page.
std::vector<std::string> ProcessArguments();
// Splits |commandLine| (program name first, which is left out) by the C
// runtime's rules: blanks separate, quotes group, and backslashes are
// literal unless a quote follows them (2n give n and the quote groups,
// 2n+1 give n and a literal quote).
std::vector<std::string> SplitCommandLine(std::wstring_view commandLine);

}  // namespace scalewright::docview
