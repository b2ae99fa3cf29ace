// window_probe: waits until a visible window whose title holds a text shows
// (a top-level window or one inside it, an MDI child's say), for the
// installer test to see that SW started and opened a board.
//   window_probe.exe TEXT [SECONDS]    exit 0 when it showed, 1 otherwise
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

struct SSearch {
  const wchar_t* text;
  std::wstring found;
};

BOOL CALLBACK Check(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<SSearch*>(data);
  wchar_t title[512] = {};
  if (::IsWindowVisible(window) && ::GetWindowTextW(window, title, 512) > 0 &&
      std::wcsstr(title, search->text)) {
    search->found = title;
    return FALSE;
  }
  return TRUE;
}

BOOL CALLBACK CheckTopLevel(HWND window, LPARAM data) {
  if (!Check(window, data)) return FALSE;
  ::EnumChildWindows(window, Check, data);
  return reinterpret_cast<SSearch*>(data)->found.empty();
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) return 2;
  const int seconds = argc > 2 ? _wtoi(argv[2]) : 30;
  SSearch search{argv[1], {}};
  for (int waited = 0; waited <= seconds * 10; ++waited) {
    ::EnumWindows(CheckTopLevel, reinterpret_cast<LPARAM>(&search));
    if (!search.found.empty()) {
      std::printf("shows: %ls\n", search.found.c_str());
      return 0;
    }
    ::Sleep(100);
  }
  std::printf("no window with \"%ls\" in its title after %d s\n", argv[1], seconds);
  return 1;
}
