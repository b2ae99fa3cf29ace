// export_bench: what SW.exe /export costs for the largest board there is
// (36 frets, 12 strings, every note shown, every marker labelled) as a
// 3000-pixel PNG and as an SVG of the same size, against the command's
// floor: the same command writing a 16-pixel PNG of the same board, which
// pays for everything but the picture (process start, COM, the control,
// the board file, the file write).
//
// Each side is a process of SW.exe (beside this program) started with
// CreateProcess and timed to its end. After one warm-up of each, the three
// run in turns for kUsualRounds rounds (or SW_BENCH_ROUNDS), so that the load of a shared machine
// falls on all alike. Prints each round, then the medians and the ratios
// to the floor, and the sizes of the files written.
// Exit status 0 when every run ended with 0; 1 otherwise.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "bench/win/bench_support.h"

namespace {

using scalewright::bench::BinDir;
using scalewright::bench::NowMs;
using scalewright::bench::RegisterNeckview;
using scalewright::bench::StartProgram;

constexpr int kUsualRounds = 7;

// 1200 x 400 pixels on a 96 dpi screen: a 3000-pixel picture is 1000 high.
constexpr char kLargestBoard[] =
    "Scalewright board 1\r\n"
    "tonality=0\r\n"
    "mode=Ionian\r\n"
    "notes=111111111111\r\n"
    "show_steps=\r\n"
    "highlight=1,3,5\r\n"
    "label_kind=2\r\n"
    "first_fret=0\r\n"
    "last_fret=36\r\n"
    "side_dots=1\r\n"
    "rectangles=0\r\n"
    "tuning=E B G D A E B G D A E B\r\n"
    "extent=31750,10583\r\n";

class CHandle {
 public:
  explicit CHandle(HANDLE handle = nullptr) : m_handle(handle) {}
  ~CHandle() {
    if (m_handle && m_handle != INVALID_HANDLE_VALUE) ::CloseHandle(m_handle);
  }
  CHandle(const CHandle&) = delete;
  CHandle& operator=(const CHandle&) = delete;
  HANDLE get() const { return m_handle; }

 private:
  HANDLE m_handle;
};

bool WriteWholeFile(const std::string& path, const std::string& bytes) {
  const CHandle file(::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                   FILE_ATTRIBUTE_NORMAL, nullptr));
  DWORD written = 0;
  return file.get() != INVALID_HANDLE_VALUE &&
         ::WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                     nullptr) &&
         written == bytes.size();
}

long long FileBytes(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data = {};
  if (!::GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return -1;
  return (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

// One SW.exe run to its end: milliseconds, or -1 when it failed.
double TimeExport(const std::string& sw, const std::string& arguments) {
  PROCESS_INFORMATION process;
  const double start = NowMs();
  if (!StartProgram(sw, " /export " + arguments, process)) return -1;
  const CHandle thread(process.hThread);
  const CHandle owned(process.hProcess);
  ::WaitForSingleObject(owned.get(), INFINITE);
  const double elapsed = NowMs() - start;
  DWORD code = 1;
  ::GetExitCodeProcess(owned.get(), &code);
  if (code != 0) {
    std::fprintf(stderr, "SW.exe /export %s ended with %lu\n", arguments.c_str(), code);
    return -1;
  }
  return elapsed;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main() {
  const std::string dir = BinDir();
  if (!RegisterNeckview(dir)) {
    std::fprintf(stderr, "cannot register %sNeckview.dll\n", dir.c_str());
    return 1;
  }
  char temp[MAX_PATH] = {};
  ::GetTempPathA(MAX_PATH, temp);
  const std::string work = temp;
  const std::string board = work + "export_bench.swb";
  if (!WriteWholeFile(board, kLargestBoard)) {
    std::fprintf(stderr, "cannot write %s\n", board.c_str());
    return 1;
  }
  const std::string sw = dir + "SW.exe";
  const std::string quoted = "\"" + board + "\" ";
  const std::pair<const char*, std::string> sides[] = {
      {"PNG 3000", quoted + "\"" + work + "export_bench.png\" 3000"},
      {"SVG 3000", quoted + "\"" + work + "export_bench.svg\" 3000"},
      {"floor (PNG 16)", quoted + "\"" + work + "export_bench_floor.png\" 16"},
  };
  for (const auto& side : sides) {
    if (TimeExport(sw, side.second) < 0) return 1;  // warm-up
  }
  std::vector<double> times[3];
  const int rounds = scalewright::bench::RoundsOr(kUsualRounds);
  for (int round = 1; round <= rounds; ++round) {
    std::printf("round %d:", round);
    for (int i = 0; i < 3; ++i) {
      const double ms = TimeExport(sw, sides[i].second);
      if (ms < 0) return 1;
      times[i].push_back(ms);
      std::printf("  %s %.0f ms", sides[i].first, ms);
    }
    std::printf("\n");
  }
  const double floor = Median(times[2]);
  std::printf(
      "medians: PNG 3000 x 1000 %.0f ms (%.2f x floor), SVG %.0f ms (%.2f x floor), "
      "floor %.0f ms\n",
      Median(times[0]), Median(times[0]) / floor, Median(times[1]), Median(times[1]) / floor,
      floor);
  std::printf("files: PNG %lld bytes, SVG %lld bytes\n", FileBytes(work + "export_bench.png"),
              FileBytes(work + "export_bench.svg"));
  using scalewright::bench::PrintFigure;
  PrintFigure("export.png_3000", Median(times[0]));
  PrintFigure("export.svg_3000", Median(times[1]));
  PrintFigure("export.png_16", floor);
  return 0;
}
