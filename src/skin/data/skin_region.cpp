// The window region of a skin bitmap: every pixel outside the transparent colour range,
// one rectangle per run of such pixels in a row, made into regions a batch at a time.
#include <algorithm>
#include <cstdint>
#include <limits>
#include <vector>

#include "skin/data/skin_drawing.h"

namespace velmora {

namespace {

// Rectangles handed to ExtCreateRegion at once, and the steps the buffer grows by.
constexpr int RegionBatch = 2000;
constexpr int RegionGrowth = 500;

// The inclusive range of one channel that counts as transparent.
struct TChannelRange {
  int Low, High;
  bool Holds(int value) const { return value >= Low && value <= High; }
};

TChannelRange channelRange(int key, int tolerance) {
  // A tolerance below 0 means none: the key itself stays transparent.
  const std::int64_t high = std::int64_t{key} + std::max(tolerance, 0);
  return {key, static_cast<int>(std::min<std::int64_t>(255, high))};
}

int shifted(int value, int offset) {
  return static_cast<int>(std::clamp<std::int64_t>(std::int64_t{value} + offset, std::numeric_limits<int>::min(),
                                                   std::numeric_limits<int>::max()));
}

// Region data: the 32-byte header followed by the rectangles, kept in one RECT array
// whose first two entries hold the header.
class TRegionBuilder {
 public:
  TRegionBuilder() { restart(); }

  void Add(const RECT& r) {
    if (FRects.size() == FRects.capacity()) FRects.reserve(FRects.size() + RegionGrowth);
    FRects.push_back(r);
    FBound.left = std::min(FBound.left, r.left);
    FBound.top = std::min(FBound.top, r.top);
    FBound.right = std::max(FBound.right, r.right);
    FBound.bottom = std::max(FBound.bottom, r.bottom);
    if (count() == RegionBatch) Flush();
  }

  // The collected rectangles made into a region and OR-combined into the result.
  void Flush() {
    if (count() == 0 && FResult) return;  // nothing left to add
    auto* header = reinterpret_cast<RGNDATAHEADER*>(FRects.data());
    header->dwSize = sizeof(RGNDATAHEADER);
    header->iType = RDH_RECTANGLES;
    header->nCount = static_cast<DWORD>(count());
    header->nRgnSize = static_cast<DWORD>(count() * sizeof(RECT));
    header->rcBound = count() ? FBound : RECT{0, 0, 0, 0};
    const DWORD bytes = static_cast<DWORD>(FRects.size() * sizeof(RECT));
    GdiRegion batch(ExtCreateRegion(nullptr, bytes, reinterpret_cast<const RGNDATA*>(FRects.data())));
    if (!FResult) {
      FResult = std::move(batch);
    } else if (batch) {
      CombineRgn(FResult, FResult, batch, RGN_OR);
    }
    restart();
  }

  GdiRegion Take() { return std::move(FResult); }

 private:
  static_assert(sizeof(RGNDATAHEADER) == 2 * sizeof(RECT), "the header takes two rectangles' room");

  int count() const { return static_cast<int>(FRects.size()) - 2; }
  void restart() {
    FRects.clear();
    FRects.reserve(2 + RegionGrowth);
    FRects.resize(2);
    FBound = {std::numeric_limits<LONG>::max(), std::numeric_limits<LONG>::max(), 0, 0};
  }

  std::vector<RECT> FRects;
  RECT FBound{};
  GdiRegion FResult;
};

}  // namespace

GdiRegion CreateRegionFromBitmap(const TBitmap& bitmap, int offsetX, int offsetY, int tolBlue, int tolGreen,
                                 int tolRed, COLORREF key) {
  const TChannelRange red = channelRange(GetRValue(key), tolRed);
  const TChannelRange green = channelRange(GetGValue(key), tolGreen);
  const TChannelRange blue = channelRange(GetBValue(key), tolBlue);
  auto transparent = [&](const std::uint8_t* p) { return blue.Holds(p[0]) && green.Holds(p[1]) && red.Holds(p[2]); };

  TRegionBuilder builder;
  const int bytes = bitmap.BytesPerPixel();
  for (int y = 0; y < bitmap.Height(); ++y) {
    const std::uint8_t* line = bitmap.ScanLine(y);
    int x = 0;
    while (x < bitmap.Width()) {
      while (x < bitmap.Width() && transparent(line + static_cast<std::size_t>(x) * bytes)) ++x;
      const int start = x;
      while (x < bitmap.Width() && !transparent(line + static_cast<std::size_t>(x) * bytes)) ++x;
      if (x > start)
        builder.Add({shifted(start, offsetX), shifted(y, offsetY), shifted(x, offsetX), shifted(y + 1, offsetY)});
    }
  }
  builder.Flush();
  return builder.Take();
}

}  // namespace velmora
