// The tunings dialog's presets, in display order.
#pragma once

#include <array>

namespace scalewright {

struct STuningPreset {
  const char* name;
  const char* tuning;  // first token: top line of the board
};

inline constexpr std::array<STuningPreset, 5> kTuningPresets = {{
    {"Classical/Traditional electric", "E B G D A E"},
    {"7-string electric", "E B G D A E B"},
    {"Russian 7-string", "D B G D B G D"},
    {"4-string bass", "G D A E"},
    {"5-string bass", "G D A E B"},
}};

}  // namespace scalewright
