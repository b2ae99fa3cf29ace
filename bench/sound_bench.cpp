// The plucked-string voice against real time: a scale's worth of notes
// synthesised, reported as how many times faster than it plays (the
// counter "x_real_time"; the target is at least 100).
#include <benchmark/benchmark.h>

#include <vector>

#include "sound/core/pluck_voice.h"
#include "sound/core/string_pitches.h"

namespace scalewright::sound {
namespace {

// Fifteen notes a scale plays, each ringing 0.75 s, one every 0.375 s: 6 s.
std::vector<SNote> ScaleNotes() {
  const int notes[] = {45, 47, 48, 50, 52, 53, 55, 57, 55, 53, 52, 50, 48, 47, 45};
  std::vector<SNote> timed;
  for (int i = 0; i < 15; ++i)
    timed.push_back({FrequencyOf(notes[i]), i * kSampleRate * 3 / 8, kSampleRate * 3 / 4});
  return timed;
}

void BM_SynthesiseAScale(benchmark::State& state) {
  const std::vector<SNote> notes = ScaleNotes();
  std::size_t samples = 0;
  for (auto _ : state) {
    const std::vector<std::int16_t> rendered = RenderNotes(notes);
    benchmark::DoNotOptimize(rendered.data());
    samples += rendered.size();
  }
  // Seconds of sound made per second spent.
  state.counters["x_real_time"] =
      benchmark::Counter(static_cast<double>(samples) / kSampleRate, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_SynthesiseAScale)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace scalewright::sound
BENCHMARK_MAIN();
