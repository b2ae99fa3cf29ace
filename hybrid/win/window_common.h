// What the hybrid framework's windows share: the signed client point of a
// mouse message.
#pragma once

#include <windows.h>

#include "hybrid/interfaces/hybrid_bits.h"

namespace scalewright {

inline Point PointOf(LPARAM lParam) {
  return {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

}  // namespace scalewright
