#include "sound/core/pluck_voice.h"

#include <algorithm>
#include <cmath>

namespace scalewright::sound {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kLevel = 0.35;  // a note's peak, leaving room for overlaps

// The string's loop: a delay line of whole samples, the two-point average
// (half a sample of delay) and the allpass for the rest.
class CPluckedString {
 public:
  CPluckedString(double frequency, std::uint32_t seed) {
    const double period = kSampleRate / std::max(frequency, 20.0);
    // Whole samples leave 0.1 to 1.1 of a sample to the allpass, where its
    // delay is smooth.
    const int whole = std::max(2, static_cast<int>(std::floor(period - 0.5 - 0.1)));
    const double fraction = period - 0.5 - whole;
    // The coefficient whose phase delay at the note's own frequency is
    // exactly |fraction| (not just near 0 Hz).
    const double w = 2.0 * kPi * frequency / kSampleRate;
    m_allpass = std::sin((1.0 - fraction) * w / 2.0) / std::sin((1.0 + fraction) * w / 2.0);
    // Loop gain per period for a 60 dB decay over |ring| seconds; low notes
    // ring longer.
    const double ring = std::clamp(3.0 * std::sqrt(110.0 / frequency), 0.8, 6.0);
    m_gain = std::pow(10.0, -3.0 / (ring * frequency));
    // The pluck: noise, softened once, as a finger's pluck is.
    m_line.resize(static_cast<std::size_t>(whole));
    std::uint32_t state = seed * 2654435761u + 1u;
    double previous = 0.0;
    for (double& sample : m_line) {
      state = state * 1664525u + 1013904223u;
      const double noise = static_cast<double>(state >> 8) / 8388608.0 - 1.0;
      sample = 0.5 * (noise + previous);
      previous = noise;
    }
    double mean = 0.0;
    for (double sample : m_line) mean += sample;
    mean /= static_cast<double>(m_line.size());
    for (double& sample : m_line) sample -= mean;  // no offset to thump
  }

  double Next() {
    const double out = m_line[m_at];
    const double averaged = m_gain * 0.5 * (out + m_lastOut);
    m_lastOut = out;
    const double tuned = m_allpass * averaged + m_allpassIn - m_allpass * m_allpassOut;
    m_allpassIn = averaged;
    m_allpassOut = tuned;
    m_line[m_at] = tuned;
    m_at = m_at + 1 == m_line.size() ? 0 : m_at + 1;
    return out;
  }

 private:
  std::vector<double> m_line;
  std::size_t m_at = 0;
  double m_lastOut = 0.0;
  double m_allpass = 0.0;
  double m_allpassIn = 0.0;
  double m_allpassOut = 0.0;
  double m_gain = 1.0;
};

}  // namespace

std::vector<std::int16_t> RenderNotes(const std::vector<SNote>& notes) {
  int end = 0;
  for (const SNote& note : notes) end = std::max(end, note.start + std::max(note.length, 0));
  std::vector<double> mix(static_cast<std::size_t>(end), 0.0);
  std::uint32_t seed = 1;
  for (const SNote& note : notes) {
    if (note.start < 0 || note.length <= 0) continue;
    CPluckedString string(note.frequency, seed++);
    // A short fade at the end, so that a note cut off does not click.
    const int fade = std::min(note.length, kSampleRate / 100);
    for (int i = 0; i < note.length; ++i) {
      const double envelope = i < note.length - fade ? 1.0 : double(note.length - i) / fade;
      mix[static_cast<std::size_t>(note.start + i)] += kLevel * envelope * string.Next();
    }
  }
  std::vector<std::int16_t> samples(mix.size());
  for (std::size_t i = 0; i < mix.size(); ++i) {
    samples[i] = static_cast<std::int16_t>(std::lround(std::clamp(mix[i], -1.0, 1.0) * 32767.0));
  }
  return samples;
}

}  // namespace scalewright::sound
