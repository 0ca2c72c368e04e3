// Progress fill.
#include "skin/controls/progress_geometry.h"

#include <algorithm>
#include <cstdint>

namespace velmora {

int ProgressFillLength(int length, int position, int low, int high) {
  if (length <= 0 || high < 1 || position < 1 || high <= low || position <= low) return 0;
  const std::int64_t done = static_cast<std::int64_t>(std::min(position, high)) - low;
  const std::int64_t range = static_cast<std::int64_t>(high) - low;
  return static_cast<int>(std::clamp<std::int64_t>(length * done / range, 0, length));
}

}  // namespace velmora
