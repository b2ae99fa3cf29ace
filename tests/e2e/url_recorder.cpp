// Stands in for the user's web browser in the end-to-end tests: a test
// registers it as the program that opens http addresses, and it appends
// what it was asked to open, one line per start, to the log file named
// first on its command line. A windows program, so that no console opens.
#include <windows.h>

#include <cstdlib>
#include <fstream>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  if (__argc < 2) return 2;
  std::ofstream log(__argv[1], std::ios::app | std::ios::binary);
  for (int i = 2; i < __argc; ++i) log << (i > 2 ? " " : "") << __argv[i];
  log << "\n";
  return log ? 0 : 1;
}
