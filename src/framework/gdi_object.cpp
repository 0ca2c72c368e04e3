// Live counts of the program's GDI objects.
#include "framework/gdi_object.h"

#include <vector>

namespace velmora {

std::array<std::atomic<int>, static_cast<int>(TGdiKind::Count)>& GdiCounters::counts() {
  static std::array<std::atomic<int>, static_cast<int>(TGdiKind::Count)> live{};
  return live;
}

int GdiCounters::LiveTotal() {
  int total = 0;
  for (int kind = 0; kind < static_cast<int>(TGdiKind::Count); ++kind)
    if (kind != static_cast<int>(TGdiKind::IdleMemoryDC)) total += counts()[kind].load();
  return total;
}

namespace {

bool compatibleWithDisplay(HDC reference) {
  return !reference || GetDeviceCaps(reference, TECHNOLOGY) == DT_RASDISPLAY;
}

// The memory DCs one thread has given back, in their fresh state, freed with the thread.
class IdleMemoryDCs {
 public:
  IdleMemoryDCs() = default;
  IdleMemoryDCs(const IdleMemoryDCs&) = delete;
  IdleMemoryDCs& operator=(const IdleMemoryDCs&) = delete;
  ~IdleMemoryDCs() {
    for (HDC dc : FDCs) free(dc);
  }

  // An idle DC, or a new one (null when the system has none to give).
  HDC Take() {
    if (FDCs.empty()) return CreateCompatibleDC(nullptr);
    const HDC dc = FDCs.back();
    FDCs.pop_back();
    GdiCounters::Deleted(TGdiKind::IdleMemoryDC);
    return dc;
  }
  void Keep(HDC dc) {
    if (FDCs.size() >= MemoryDC::MaxIdleMemoryDCs) {
      DeleteDC(dc);
      return;
    }
    FDCs.push_back(dc);
    GdiCounters::Created(TGdiKind::IdleMemoryDC);
  }

 private:
  static void free(HDC dc) {
    DeleteDC(dc);
    GdiCounters::Deleted(TGdiKind::IdleMemoryDC);
  }
  std::vector<HDC> FDCs;
};

IdleMemoryDCs& idleMemoryDCs() {
  thread_local IdleMemoryDCs idle;
  return idle;
}

}  // namespace

MemoryDC::MemoryDC(HDC reference) {
  if (compatibleWithDisplay(reference)) {
    FDC = idleMemoryDCs().Take();
    FLentAtLevel = FDC ? SaveDC(FDC) : 0;
    if (FDC && FLentAtLevel <= 0) {  // a DC whose state cannot be kept is not lent
      DeleteDC(FDC);
      FDC = nullptr;
    }
  } else {
    FDC = CreateCompatibleDC(reference);
  }
  if (FDC) GdiCounters::Created(TGdiKind::MemoryDC);
}

MemoryDC::~MemoryDC() {
  if (!FDC) return;
  GdiCounters::Deleted(TGdiKind::MemoryDC);
  // Given back only when its fresh state is back: a caller that restored past the lent
  // level leaves a DC whose state is unknown.
  if (FLentAtLevel > 0 && RestoreDC(FDC, FLentAtLevel)) {
    idleMemoryDCs().Keep(FDC);
    return;
  }
  DeleteDC(FDC);
}

}  // namespace velmora
