// The plucked-string voice against real time: a scale's worth of notes
// synthesised, reported as how many times faster than it plays (the
// counter "x_real_time"; the target is at least 100). And what a click and
// Play Scale do before their first sample is queued (the notes timed and
// every sample made; the player then hands the device the first 1024
// samples at once, with nothing queued ahead of them): the target is at
// most 30 ms.
#include <benchmark/benchmark.h>

#include <vector>

#include "sound/core/pluck_voice.h"
#include "sound/core/scale_melody.h"
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

// A clicked note (one) or C major up and down (fifteen, at the medium
// tempo) from the notes to the samples the player queues.
void BM_ToTheFirstSampleQueued(benchmark::State& state) {
  const std::vector<SPlayedNote> scale = {{4, 3, 48}, {4, 5, 50}, {3, 2, 52}, {3, 3, 53},
                                          {3, 5, 55}, {2, 2, 57}, {2, 4, 59}, {2, 5, 60},
                                          {2, 4, 59}, {2, 2, 57}, {3, 5, 55}, {3, 3, 53},
                                          {3, 2, 52}, {4, 5, 50}, {4, 3, 48}};
  const std::vector<SPlayedNote> notes =
      state.range(0) == 1 ? std::vector<SPlayedNote>{scale[0]} : scale;
  for (auto _ : state) {
    const std::vector<std::int16_t> samples = RenderNotes(Performance(notes, kDefaultTempo));
    benchmark::DoNotOptimize(samples.data());
  }
}
BENCHMARK(BM_ToTheFirstSampleQueued)->Arg(1)->Arg(15)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace scalewright::sound
BENCHMARK_MAIN();
