// Each string's octave from the tuning, and the voice's pitch measured in
// its samples against equal temperament.
#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "sound/core/pluck_voice.h"
#include "sound/core/string_pitches.h"

namespace scalewright::sound {
namespace {

TEST(StringNotes, GuitarsAndBassesGetTheirOctaves) {
  // Pitch classes C=0 .. B=11, first the top line; MIDI numbers from the
  // usual names (E2 = 40, A4 = 69, E1 = 28, B0 = 23).
  const struct {
    const char* name;
    std::vector<int> classes;
    std::vector<int> notes;
  } cases[] = {
      {"guitar E A D G B E", {4, 11, 7, 2, 9, 4}, {64, 59, 55, 50, 45, 40}},
      {"drop D", {4, 11, 7, 2, 9, 2}, {64, 59, 55, 50, 45, 38}},
      {"seven strings", {4, 11, 7, 2, 9, 4, 11}, {64, 59, 55, 50, 45, 40, 35}},
      {"bass E A D G", {7, 2, 9, 4}, {43, 38, 33, 28}},
      {"five-string bass", {7, 2, 9, 4, 11}, {43, 38, 33, 28, 23}},
      {"a course of two alike", {4, 4}, {40, 28}},
      {"an empty string passed over", {4, -1, 9}, {40, kNoString, 33}},
  };
  for (const auto& c : cases) EXPECT_EQ(StringNotes(c.classes), c.notes) << c.name;
}

// A player's octaves win over the rule; the strings above a given one follow
// it. A baritone guitar (B1 E2 A2 D3 F#3 B3) and a guitar an octave up.
TEST(StringNotes, OctavesAPlayerGaveAndTheirText) {
  const std::vector<int> baritone = {11, 6, 2, 9, 4, 11};  // B F# D A E B
  EXPECT_EQ(StringNotes(baritone, {-1, -1, -1, -1, -1, 1}),
            (std::vector<int>{59, 54, 50, 45, 40, 35}));
  const std::vector<int> guitar = {4, 11, 7, 2, 9, 4};
  EXPECT_EQ(StringNotes(guitar, {5, -1, -1, -1, -1, 3}),
            (std::vector<int>{76, 71, 67, 62, 57, 52}));
  EXPECT_EQ(ParseOctaves("4 3 - 3 2 2"), (std::vector<int>{4, 3, -1, 3, 2, 2}));
  EXPECT_EQ(ParseOctaves(""), std::vector<int>{});
  for (const char* bad : {"4 33", "E2", "4,3", "-1"}) EXPECT_FALSE(ParseOctaves(bad)) << bad;
}

TEST(StringNotes, FrequenciesOfEqualTemperamentFromA440) {
  // A standard table of note frequencies.
  const struct {
    int note;
    double hertz;
  } table[] = {{69, 440.0},   {40, 82.407},  {45, 110.0},  {50, 146.832}, {55, 195.998},
               {59, 246.942}, {64, 329.628}, {28, 41.203}, {60, 261.626}, {88, 1318.51}};
  for (const auto& t : table) EXPECT_NEAR(FrequencyOf(t.note), t.hertz, 0.01) << t.note;
}

// The pitch of |samples| over a steady stretch, read from their own
// autocorrelation: the peak near as many periods as fill 2,000 samples,
// placed between samples by a parabola, divided by their number.
double MeasuredFrequency(const std::vector<std::int16_t>& samples, double nearHz) {
  const int from = kSampleRate / 10, span = kSampleRate * 3 / 10;
  const double period = kSampleRate / nearHz;
  const int periods = std::max(1, static_cast<int>(std::lround(2000.0 / period)));
  const auto correlation = [&](int lag) {
    double product = 0, a = 0, b = 0;
    for (int i = from; i < from + span; ++i) {
      const double x = samples[i], y = samples[i + lag];
      product += x * y, a += x * x, b += y * y;
    }
    return product / std::sqrt(a * b);
  };
  const int centre = static_cast<int>(std::lround(periods * period));
  const int reach = std::max(1, static_cast<int>(0.4 * period));
  int best = centre;
  for (int lag = centre - reach; lag <= centre + reach; ++lag)
    if (correlation(lag) > correlation(best)) best = lag;
  const double left = correlation(best - 1), mid = correlation(best), right = correlation(best + 1);
  const double offset = 0.5 * (left - right) / (left - 2 * mid + right);
  return kSampleRate * periods / (best + offset);
}

TEST(PluckVoice, EveryFretOfAGuitarIsWithinThreeCents) {
  const std::vector<int> open = {64, 59, 55, 50, 45, 40};  // E4 B3 G3 D3 A2 E2
  for (std::size_t string = 0; string < open.size(); ++string) {
    for (int fret = 0; fret <= 24; ++fret) {
      const int note = open[string] + fret;
      const double expected = 440.0 * std::pow(2.0, (note - 69) / 12.0);
      const std::vector<std::int16_t> samples = RenderNotes({{expected, 0, kSampleRate / 2}});
      const double cents = 1200.0 * std::log2(MeasuredFrequency(samples, expected) / expected);
      EXPECT_LT(std::abs(cents), 3.0) << "string " << string + 1 << " fret " << fret;
    }
  }
}

TEST(PluckVoice, NotesDecayAndOverlapWithoutClipping) {
  const std::vector<std::int16_t> samples =
      RenderNotes({{110.0, 0, kSampleRate * 2}, {165.0, kSampleRate / 4, kSampleRate}});
  ASSERT_EQ(samples.size(), static_cast<std::size_t>(kSampleRate * 2));
  const auto peak = [&](int from, int to) {
    int most = 0;
    for (int i = from; i < to; ++i) most = std::max(most, std::abs(int(samples[i])));
    return most;
  };
  const int early = peak(kSampleRate / 4, kSampleRate / 2);
  EXPECT_GT(early, 3000);
  EXPECT_LT(early, 32767);
  EXPECT_LT(peak(kSampleRate * 3 / 2, kSampleRate * 2), early / 3);
  // The same notes give the same samples.
  EXPECT_EQ(RenderNotes({{110.0, 0, kSampleRate * 2}, {165.0, kSampleRate / 4, kSampleRate}}),
            samples);
}

}  // namespace
}  // namespace scalewright::sound
