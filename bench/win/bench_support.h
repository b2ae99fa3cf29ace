// What the Windows benchmarks that start SW share: the folder they run
// from (SW.exe and Neckview.dll sit beside them), a millisecond clock, the
// control's registration as regsvr32 makes it, and starting a program.
#pragma once

#include <windows.h>

#include <cstdio>
#include <string>

namespace scalewright::bench {

// The program's folder, ending in a separator.
inline std::string BinDir() {
  char path[MAX_PATH * 4] = {};
  const DWORD length = ::GetModuleFileNameA(nullptr, path, sizeof path);
  std::string dir(path, length);
  return dir.substr(0, dir.find_last_of("\\/") + 1);
}

inline double NowMs() {
  LARGE_INTEGER frequency, counter;
  ::QueryPerformanceFrequency(&frequency);
  ::QueryPerformanceCounter(&counter);
  return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Registers the Neckview.dll of |dir|; false when it cannot be loaded or
// refuses.
inline bool RegisterNeckview(const std::string& dir) {
  HMODULE module = ::LoadLibraryA((dir + "Neckview.dll").c_str());
  if (!module) return false;
  using Entry = HRESULT(STDAPICALLTYPE*)();
  auto entry = reinterpret_cast<Entry>(
      reinterpret_cast<void*>(::GetProcAddress(module, "DllRegisterServer")));
  const bool ok = entry && SUCCEEDED(entry());
  ::FreeLibrary(module);
  return ok;
}

// Starts |program| with its quoted name and |arguments| as its command line;
// false, with a line on standard error, when it cannot start. The caller
// closes the handles in |process|.
inline bool StartProgram(const std::string& program, const std::string& arguments,
                         PROCESS_INFORMATION& process) {
  std::string commandLine = "\"" + program + "\"" + arguments;
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  process = {};
  if (::CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                       nullptr, &startup, &process))
    return true;
  std::fprintf(stderr, "cannot start %s (error %lu)\n", program.c_str(), ::GetLastError());
  return false;
}

}  // namespace scalewright::bench
