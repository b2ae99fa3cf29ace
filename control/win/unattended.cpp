#include "control/win/unattended.h"

#include <windows.h>

namespace scalewright {

bool ModuleUnattended() {
  char value[8] = {};
  const DWORD length = ::GetEnvironmentVariableA(kUnattendedVariable, value, sizeof value);
  return length > 0 && length < sizeof value && value[0] != '0';
}

void WriteWarningLine(const std::string& text) {
  std::string line = "Neckview: ";
  bool space = false;
  for (char c : text) {
    const bool lineEnd = c == '\r' || c == '\n';
    if (lineEnd && !space) line += ' ';
    if (!lineEnd) line += c;
    space = lineEnd || c == ' ';
  }
  while (line.back() == ' ') line.pop_back();
  line += "\r\n";
  const HANDLE error = ::GetStdHandle(STD_ERROR_HANDLE);
  DWORD written = 0;
  if (error && error != INVALID_HANDLE_VALUE)
    ::WriteFile(error, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
}

}  // namespace scalewright
