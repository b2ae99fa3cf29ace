// A WAV file's bytes: RIFF, a PCM format chunk (16-bit mono at 44.1 kHz)
// and the samples, little-endian whatever the host.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace scalewright::sound {

std::string WavFileBytes(const std::vector<std::int16_t>& samples);

}  // namespace scalewright::sound
