// What the Windows benchmarks share: the folder they run from (SW.exe and
// Neckview.dll sit beside them), a millisecond clock, the control's
// registration as regsvr32 makes it, starting a program, and the figures
// that scripts/bench reads to compare two builds.
#pragma once

#include <windows.h>

#include <cstdio>
#include <cstdlib>
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

// Rounds to run: |usual|, unless SW_BENCH_ROUNDS asks for another number
// (scripts/bench runs each build several times with a few rounds each).
inline int RoundsOr(int usual) {
  const char* asked = std::getenv("SW_BENCH_ROUNDS");
  const int rounds = asked ? std::atoi(asked) : 0;
  return rounds > 0 ? rounds : usual;
}

// One line that scripts/bench reads: "figure: NAME MS", or "floor: NAME MS"
// for what another program (the platform's own) takes, which is shown but
// not judged when two builds are compared. Lower is better.
inline void PrintFigure(const char* name, double ms, bool floor = false) {
  std::printf("%s: %s %.4f\n", floor ? "floor" : "figure", name, ms);
  std::fflush(stdout);
}

}  // namespace scalewright::bench
