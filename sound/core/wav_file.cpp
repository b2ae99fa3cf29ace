#include "sound/core/wav_file.h"

#include "sound/core/pluck_voice.h"

namespace scalewright::sound {

namespace {

void Put16(std::string& out, std::uint32_t value) {
  out += static_cast<char>(value & 0xFF);
  out += static_cast<char>((value >> 8) & 0xFF);
}
void Put32(std::string& out, std::uint32_t value) {
  Put16(out, value & 0xFFFF);
  Put16(out, value >> 16);
}

}  // namespace

std::string WavFileBytes(const std::vector<std::int16_t>& samples) {
  constexpr std::uint32_t kChannels = 1, kBits = 16, kBlock = kChannels * kBits / 8;
  const auto data = static_cast<std::uint32_t>(samples.size() * kBlock);
  std::string out;
  out.reserve(44 + data);
  out += "RIFF";
  Put32(out, 36 + data);
  out += "WAVEfmt ";
  Put32(out, 16);  // the PCM format chunk's size
  Put16(out, 1);   // PCM
  Put16(out, kChannels);
  Put32(out, kSampleRate);
  Put32(out, kSampleRate * kBlock);
  Put16(out, kBlock);
  Put16(out, kBits);
  out += "data";
  Put32(out, data);
  for (std::int16_t sample : samples) Put16(out, static_cast<std::uint16_t>(sample));
  return out;
}

}  // namespace scalewright::sound
