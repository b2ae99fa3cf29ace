#include "framework/docview/command_line.h"

#include <windows.h>

#include <algorithm>
#include <cctype>

#include "framework/ui/utf8_text.h"

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

std::vector<std::string> SplitCommandLine(std::wstring_view line) {
  auto blank = [](wchar_t c) { return c == L' ' || c == L'\t'; };
  std::size_t at = 0;
  // The program's name ends at the next blank, or at its closing quote;
  // backslashes in it are literal.
  if (at < line.size() && line[at] == L'"') {
    const std::size_t close = line.find(L'"', 1);
    at = close == std::wstring_view::npos ? line.size() : close + 1;
  }
  while (at < line.size() && !blank(line[at])) ++at;
  std::vector<std::string> arguments;
  while (true) {
    while (at < line.size() && blank(line[at])) ++at;
    if (at >= line.size()) break;
    std::wstring argument;
    bool quoted = false;
    while (at < line.size() && (quoted || !blank(line[at]))) {
      std::size_t backslashes = 0;
      while (at < line.size() && line[at] == L'\\') ++backslashes, ++at;
      if (at < line.size() && line[at] == L'"') {
        argument.append(backslashes / 2, L'\\');
        if (backslashes % 2 == 1) {
          argument += L'"';
        } else if (quoted && at + 1 < line.size() && line[at + 1] == L'"') {
          argument += L'"';  // "" inside quotes is one quote
          ++at;
        } else {
          quoted = !quoted;
        }
        ++at;
      } else {
        argument.append(backslashes, L'\\');
        if (backslashes == 0 && at < line.size()) argument += line[at++];
      }
    }
    arguments.push_back(ui::Narrow(argument));
  }
  return arguments;
}

std::vector<std::string> ProcessArguments() {
  // Split here rather than by the shell's CommandLineToArgvW, which would
  // load shell32 and its dependencies before the first window shows.
  const wchar_t* line = ::GetCommandLineW();
  return SplitCommandLine(line ? line : L"");
}

}  // namespace scalewright::docview
