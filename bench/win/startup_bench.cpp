// startup_bench: how long SW takes from its launch to the first painted
// fretboard, against the platform's floor: a program that opens one window
// and paints one ellipse (ellipse_floor, beside this program).
//
// Each side is launched with CreateProcess and watched from here: the clock
// stops when its picture window first shows its picture — the floor's red
// ellipse, or the fretboard's black lines on white. Pixels are
// read from the screen (another process's window DC reads back black under
// Wine). The two programs are launched in turns, after one
// warm-up launch each, so that the load of a shared machine falls on both
// alike; each is ended once its picture is seen (start-up is all we time).
//
// Wine's desktop process ends a moment after its last window closes, and the
// next launch would start it again. The bench keeps a tiny window of its own
// open for the whole run, so that every launch finds the desktop running, as
// it is in a user's session.
//
// A second floor, imports_floor, is the same window importing every DLL
// that SW.exe imports: what loading those costs before WinMain is the
// platform's, and SW is measured against both floors.
//
// Prints one line per round and a summary with the medians and the ratios
// of SW to each floor. Given the path of another build's SW.exe
// (startup_bench OTHER\SW.exe), it launches that one too in every round;
// the control is this build's either way (scripts/bench compares whole
// builds instead). Exit status 0 when every launch painted, 1 otherwise.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/win/bench_support.h"
#include "framework/gdi/gdi.h"

namespace {

using scalewright::bench::BinDir;
using scalewright::bench::NowMs;
using scalewright::bench::RegisterNeckview;
using scalewright::bench::StartProgram;

using scalewright::ui::CGdiObject;
using scalewright::ui::CMemoryDc;
using scalewright::ui::CSelectObject;

constexpr int kRounds = 15;
constexpr DWORD kPictureTimeoutMs = 60000;

// Side of the square probed in a picture window. Both sides are probed
// alike, so that reading the screen costs each the same.
constexpr int kProbeSide = 160;

// What a picture window holds, counted over the probe centred at
// |across| of its client width and half its height.
struct SPixelCounts {
  size_t total = 0;
  size_t white = 0;     // every channel above 230
  size_t dark = 0;      // every channel below 60
  size_t coloured = 0;  // channels more than 60 apart
};

SPixelCounts CountPixels(HWND window, double across) {
  SPixelCounts counts;
  RECT client;
  if (!::GetClientRect(window, &client) || client.right <= 0 || client.bottom <= 0) return counts;
  const int width = std::min<int>(kProbeSide, client.right);
  const int height = std::min<int>(kProbeSide, client.bottom);
  POINT origin = {static_cast<LONG>(client.right * across) - width / 2,
                  (client.bottom - height) / 2};
  origin.x = std::clamp<LONG>(origin.x, 0, client.right - width);
  ::ClientToScreen(window, &origin);
  scalewright::ui::CWindowDc source(nullptr);
  if (!source.get()) return counts;
  CMemoryDc memory(source.get());
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  CGdiObject<HBITMAP> bitmap(
      ::CreateDIBSection(source.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap || !memory) return counts;
  CSelectObject selected(memory.get(), bitmap.get());
  ::BitBlt(memory.get(), 0, 0, width, height, source.get(), origin.x, origin.y, SRCCOPY);
  ::GdiFlush();
  const auto* pixels = static_cast<const DWORD*>(bits);
  counts.total = static_cast<size_t>(width) * static_cast<size_t>(height);
  for (size_t i = 0; i < counts.total; ++i) {
    const int red = (pixels[i] >> 16) & 0xFF, green = (pixels[i] >> 8) & 0xFF,
              blue = pixels[i] & 0xFF;
    const int high = std::max({red, green, blue}), low = std::min({red, green, blue});
    counts.white += low > 230;
    counts.dark += high < 60;
    counts.coloured += high - low > 60;
  }
  return counts;
}

// The floor's picture: a red ellipse, probed at its centre.
bool ShowsEllipse(HWND window) {
  const SPixelCounts counts = CountPixels(window, 0.5);
  return counts.total > 0 && counts.coloured * 50 >= counts.total;
}

// The fretboard: black strings, frets and labels on white. A surface that
// was never painted is not mostly white, and a white one has no lines yet.
// Probed towards the right, where the property frame, which opens at the
// desktop's top left, does not cover the board.
bool ShowsFretboard(HWND window) {
  const SPixelCounts counts = CountPixels(window, 0.85);
  return counts.total > 0 && counts.white * 4 >= counts.total && counts.dark * 400 >= counts.total;
}

struct SFindInProcess {
  DWORD processId;
  const char* className;
  HWND found;
};

BOOL CALLBACK FindChildOfClass(HWND window, LPARAM parameter) {
  auto* search = reinterpret_cast<SFindInProcess*>(parameter);
  char name[64] = {};
  ::GetClassNameA(window, name, sizeof name);
  if (lstrcmpA(name, search->className) == 0 && ::IsWindowVisible(window)) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

BOOL CALLBACK FindTopLevelOrChild(HWND window, LPARAM parameter) {
  auto* search = reinterpret_cast<SFindInProcess*>(parameter);
  DWORD owner = 0;
  ::GetWindowThreadProcessId(window, &owner);
  if (owner != search->processId) return TRUE;
  FindChildOfClass(window, parameter);
  if (!search->found) ::EnumChildWindows(window, FindChildOfClass, parameter);
  return search->found ? FALSE : TRUE;
}

HWND FindWindowOfClass(DWORD processId, const char* className) {
  SFindInProcess search = {processId, className, nullptr};
  ::EnumWindows(FindTopLevelOrChild, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

using PictureTest = bool (*)(HWND window);

// Launches |program| and returns the milliseconds until its window of
// |className| shows its picture, or -1 when it never does. The process is
// ended either way.
double TimeToFirstPicture(const std::string& program, const char* className,
                          PictureTest showsPicture) {
  PROCESS_INFORMATION process;
  const double start = NowMs();
  if (!StartProgram(program, "", process)) return -1;
  double elapsed = -1;
  while (NowMs() - start < kPictureTimeoutMs) {
    HWND picture = FindWindowOfClass(process.dwProcessId, className);
    if (picture && showsPicture(picture)) {
      elapsed = NowMs() - start;
      break;
    }
    if (::WaitForSingleObject(process.hProcess, 1) == WAIT_OBJECT_0) break;  // died early
  }
  if (elapsed < 0)
    std::fprintf(stderr, "%s: no picture in a window of class %s\n", program.c_str(), className);
  ::TerminateProcess(process.hProcess, 0);
  ::WaitForSingleObject(process.hProcess, 10000);
  ::CloseHandle(process.hThread);
  ::CloseHandle(process.hProcess);
  return elapsed;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const size_t middle = values.size() / 2;
  return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// A 1 x 1 window in the desktop's corner, away from the probed centres.
class CDesktopKeeper {
 public:
  CDesktopKeeper()
      : m_window(::CreateWindowExA(WS_EX_TOOLWINDOW, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 1,
                                   1, nullptr, nullptr, nullptr, nullptr)) {}
  ~CDesktopKeeper() {
    if (m_window) ::DestroyWindow(m_window);
  }
  CDesktopKeeper(const CDesktopKeeper&) = delete;
  CDesktopKeeper& operator=(const CDesktopKeeper&) = delete;

 private:
  HWND m_window;
};

}  // namespace

int main(int argc, char** argv) {
  const CDesktopKeeper keeper;
  const std::string dir = BinDir();
  if (!RegisterNeckview(dir)) {
    std::fprintf(stderr, "cannot register %sNeckview.dll\n", dir.c_str());
    return 1;
  }
  struct SSide {
    const char* name;
    std::string program;
    const char* className;
    PictureTest showsPicture;
    std::vector<double> times;
  };
  std::vector<SSide> sides = {
      {"floor", dir + "ellipse_floor.exe", "EllipseFloor", ShowsEllipse, {}},
      {"imports floor", dir + "imports_floor.exe", "EllipseFloor", ShowsEllipse, {}},
      {"SW", dir + "SW.exe", "ScalewrightOleControl", ShowsFretboard, {}},
  };
  if (argc > 1) sides.push_back({"other", argv[1], "ScalewrightOleControl", ShowsFretboard, {}});

  // Warm-up: the first launch of each loads its DLLs into the page cache.
  for (const SSide& side : sides) {
    if (TimeToFirstPicture(side.program, side.className, side.showsPicture) < 0) {
      std::fprintf(stderr, "a warm-up launch of %s never painted\n", side.program.c_str());
      return 1;
    }
  }
  const int rounds = scalewright::bench::RoundsOr(kRounds);
  for (int round = 0; round < rounds; ++round) {
    std::printf("round %2d:", round + 1);
    for (SSide& side : sides) {
      const double ms = TimeToFirstPicture(side.program, side.className, side.showsPicture);
      if (ms < 0) {
        std::fprintf(stderr, "round %d: %s never painted\n", round + 1, side.program.c_str());
        return 1;
      }
      side.times.push_back(ms);
      std::printf("  %s %7.1f ms", side.name, ms);
    }
    std::printf("\n");
  }
  const double floorMs = Median(sides[0].times), importsMs = Median(sides[1].times);
  const double swMs = Median(sides[2].times);
  std::printf(
      "start-up to first picture (median of %d): floor %.1f ms, imports floor %.1f ms "
      "(%.2f x floor), SW %.1f ms: %.2f x floor, %.2f x imports floor (target <= 1.1)\n",
      rounds, floorMs, importsMs, importsMs / floorMs, swMs, swMs / floorMs, swMs / importsMs);
  if (sides.size() > 3) {
    const double otherMs = Median(sides[3].times);
    std::printf("other build (%s): %.1f ms, %.2f x imports floor; this build / other %.2f\n",
                argv[1], otherMs, otherMs / importsMs, swMs / otherMs);
  }
  // The fastest launch of each is the least disturbed by other load.
  const double floorBest = *std::min_element(sides[0].times.begin(), sides[0].times.end());
  const double swBest = *std::min_element(sides[2].times.begin(), sides[2].times.end());
  std::printf("fastest launch of each: floor %.1f ms, SW %.1f ms, ratio %.2f\n", floorBest, swBest,
              swBest / floorBest);
  using scalewright::bench::PrintFigure;
  PrintFigure("startup.SW", swMs);
  PrintFigure("startup.floor", floorMs, true);
  PrintFigure("startup.imports_floor", importsMs, true);
  return 0;
}
