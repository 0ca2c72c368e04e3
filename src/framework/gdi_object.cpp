// Live counts of the program's GDI objects.
#include "framework/gdi_object.h"

namespace velmora {

std::array<std::atomic<int>, static_cast<int>(TGdiKind::Count)>& GdiCounters::counts() {
  static std::array<std::atomic<int>, static_cast<int>(TGdiKind::Count)> live{};
  return live;
}

int GdiCounters::LiveTotal() {
  int total = 0;
  for (auto& c : counts()) total += c.load();
  return total;
}

}  // namespace velmora
