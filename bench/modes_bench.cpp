// The mode list against a real file, and the marker computation of a large
// board: both run on every paint of a fretboard.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "control/model/marker_plan.h"
#include "control/model/mode_list.h"
#include "control/model/mode_strings.h"
#include "control/posix/posix_mode_platform.h"

namespace scalewright {
namespace {

std::string MakeScratchFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "modes-bench-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) std::abort();
  return pattern;
}

// A user's file: the seven defaults plus |extra| modes of their own.
std::string ModesFileText(int extra) {
  std::string text = IDS_DEFAULT_MODES_TEXT "\r\n";
  for (int i = 0; i < extra; ++i) {
    text += "Custom " + std::to_string(i) + "-2212221\r\n";
  }
  return text;
}

// Load and destroy, as a paint does: the file is read and, being unchanged,
// not rewritten.
void BM_LoadUnchangedModesFile(benchmark::State& state) {
  const std::string folder = MakeScratchFolder();
  CPosixModePlatform platform(folder);
  platform.ReplaceWholeFile(platform.ModesFilePath(),
                            ModesFileText(static_cast<int>(state.range(0))));
  for (auto _ : state) {
    CModeList modes(platform);
    benchmark::DoNotOptimize(modes.GetCount());
  }
  std::filesystem::remove_all(folder);
}
BENCHMARK(BM_LoadUnchangedModesFile)->Arg(0)->Arg(100)->Arg(10000);

// Load, change and save: the editor's OK, a full atomic rewrite each time.
void BM_LoadChangeSaveModesFile(benchmark::State& state) {
  const std::string folder = MakeScratchFolder();
  CPosixModePlatform platform(folder);
  const std::string text = ModesFileText(static_cast<int>(state.range(0)));
  platform.ReplaceWholeFile(platform.ModesFilePath(), text);
  bool toggle = false;
  for (auto _ : state) {
    CModeList modes(platform);
    // Alternate between two contents so that every save really writes.
    modes.ParseText(toggle ? text : text + "Extra-66\r\n", false);
    toggle = !toggle;
  }
  std::filesystem::remove_all(folder);
}
BENCHMARK(BM_LoadChangeSaveModesFile)->Arg(0)->Arg(100)->Arg(10000);

// Every marker of a 36-fret, 12-string board with all notes shown.
void BM_PlanMarkersLargeBoard(benchmark::State& state) {
  const std::string folder = MakeScratchFolder();
  CPosixModePlatform platform(folder);
  platform.ReplaceWholeFile(platform.ModesFilePath(), ModesFileText(0));
  CModeList modes(platform);

  std::vector<int> strings = ParseTuning("E B G D A E B F# C# G# D# A#");
  SMarkerSettings settings;
  settings.firstFret = 0;
  settings.lastFret = kMaxFret;
  settings.mode = "Locrian";
  settings.labelKind = static_cast<int>(state.range(0));
  settings.noteShown.fill(true);
  settings.stringPitches = &strings;
  for (auto _ : state) {
    std::vector<SMarker> markers = PlanMarkers(settings, modes);
    benchmark::DoNotOptimize(markers.data());
  }
  state.counters["markers"] = 12 * (kMaxFret + 1);
  std::filesystem::remove_all(folder);
}
BENCHMARK(BM_PlanMarkersLargeBoard)
    ->Arg(kLabelNoteLetters)
    ->Arg(kLabelStepNumber)
    ->Arg(kLabelModeIndex);

}  // namespace
}  // namespace scalewright

BENCHMARK_MAIN();
