#include "framework/docview/command_line.h"

#include <windows.h>

#include <shellapi.h>

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
  std::vector<std::string> result;
  int count = 0;
  LPWSTR* words = ::CommandLineToArgvW(::GetCommandLineW(), &count);
  if (!words) return result;
  for (int i = 1; i < count; ++i) {
    const int size = ::WideCharToMultiByte(CP_ACP, 0, words[i], -1, nullptr, 0, nullptr, nullptr);
    std::string text(size > 0 ? static_cast<std::size_t>(size) : 1, '\0');
    ::WideCharToMultiByte(CP_ACP, 0, words[i], -1, text.data(), size, nullptr, nullptr);
    text.resize(text.size() - 1);
    result.push_back(text);
  }
  ::LocalFree(words);
  return result;
}

}  // namespace scalewright::docview
