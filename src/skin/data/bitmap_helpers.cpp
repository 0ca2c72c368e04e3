// Bitmap transforms, colours and gradients.
#include "skin/data/bitmap_helpers.h"

#include <algorithm>
#include <array>

namespace velmora {

void ReplaceMagenta(TBitmap& bitmap, COLORREF color) {
  bitmap.SetPixelFormat(TPixelFormat::pf24bit);
  for (int y = 0; y < bitmap.Height(); ++y) {
    std::uint8_t* p = bitmap.ScanLine(y);
    for (int x = 0; x < bitmap.Width(); ++x, p += 3) {
      if (p[0] == 255 && p[1] == 0 && p[2] == 255) {
        p[0] = static_cast<std::uint8_t>(color >> 16);
        p[1] = static_cast<std::uint8_t>(color >> 8);
        p[2] = static_cast<std::uint8_t>(color);
      }
    }
  }
}

namespace {

// A new bitmap of `width` x `height` in the same format, each pixel taken from `source`
// at source(x, y), then assigned back.
template <class From>
void remap(TBitmap& bitmap, int width, int height, From from) {
  TBitmap result(width, height, bitmap.PixelFormat());
  const int bytes = bitmap.BytesPerPixel();
  for (int y = 0; y < height; ++y) {
    std::uint8_t* out = result.ScanLine(y);
    for (int x = 0; x < width; ++x, out += bytes) {
      const auto [sx, sy] = from(x, y);
      std::copy_n(bitmap.ScanLine(sy) + sx * bytes, bytes, out);
    }
  }
  bitmap = std::move(result);
}

}  // namespace

void MirrorHorizontal(TBitmap& bitmap) {
  const int w = bitmap.Width();
  remap(bitmap, w, bitmap.Height(), [w](int x, int y) { return std::pair{w - 1 - x, y}; });
}

void FlipVertical(TBitmap& bitmap) {
  const int h = bitmap.Height();
  remap(bitmap, bitmap.Width(), h, [h](int x, int y) { return std::pair{x, h - 1 - y}; });
}

void RotateLeft(TBitmap& bitmap) {
  const int w = bitmap.Width(), h = bitmap.Height();
  remap(bitmap, h, w, [w](int x, int y) { return std::pair{w - 1 - y, x}; });
}

void RotateRight(TBitmap& bitmap) {
  const int w = bitmap.Width(), h = bitmap.Height();
  remap(bitmap, h, w, [h](int x, int y) { return std::pair{y, h - 1 - x}; });
}

COLORREF BlendColor(COLORREF a, COLORREF b, int p) {
  a = ColorToRGB(a);
  b = ColorToRGB(b);
  const int s = p < 100 ? 100 : 1000;
  COLORREF result = 0;
  for (int shift = 0; shift < 24; shift += 8) {
    const int ca = static_cast<int>((a >> shift) & 0xFF), cb = static_cast<int>((b >> shift) & 0xFF);
    const int mixed = (cb * (s - p) + ca * p + s / 2) / s;
    result |= static_cast<COLORREF>(mixed & 0xFF) << shift;
  }
  return result;
}

int ColorSaturation(COLORREF color) {
  const int r = color & 0xFF, g = (color >> 8) & 0xFF, b = (color >> 16) & 0xFF;
  if (r < 160 && g < 160 && b < 160) return 200;
  const int high = std::max({r, g, b}), low = std::min({r, g, b});
  if (high == 0) return 0;
  // Rounded to the nearest, ties to even.
  const int num = 255 * (high - low);
  int q = num / high;
  const int twice = 2 * (num % high);
  if (twice > high || (twice == high && (q & 1))) ++q;
  return q;
}

namespace {

struct GradientCache {
  std::array<std::vector<COLORREF>, 16> Slots;
  int Next = 0;
};
GradientCache& gradientCache() {
  static GradientCache cache;
  return cache;
}

}  // namespace

int GradientTable(int n, COLORREF a, COLORREF b) {
  GradientCache& cache = gradientCache();
  for (int slot = 15; slot >= 0; --slot) {
    const auto& table = cache.Slots[static_cast<std::size_t>(slot)];
    if (static_cast<int>(table.size()) == std::max(n, 1) && table.front() == a && table.back() == b) return slot;
  }
  const int slot = cache.Next;
  cache.Next = (cache.Next + 1) % 16;
  auto& table = cache.Slots[static_cast<std::size_t>(slot)];
  table.clear();
  auto channel = [](COLORREF c, int shift) { return static_cast<int>((c >> shift) & 0xFF); };
  auto entry = [&](auto value) {
    COLORREF c = 0;
    for (int shift = 0; shift < 24; shift += 8) c |= static_cast<COLORREF>(value(shift) & 0xFF) << shift;
    return c;
  };
  if (n <= 1) {
    table.push_back(entry([&](int s) { return channel(a, s) + (channel(b, s) - channel(a, s)) / 2; }));
  } else {
    const int h = (n - 1) / 2;
    for (int i = 0; i < n; ++i)
      table.push_back(entry([&](int s) { return channel(a, s) + ((channel(b, s) - channel(a, s)) * i + h) / (n - 1); }));
  }
  return slot;
}

const std::vector<COLORREF>& GradientSlot(int slot) { return gradientCache().Slots[static_cast<std::size_t>(slot & 15)]; }

void GradientFill(HDC dc, const RECT& rect, COLORREF a, bool vertical, COLORREF b) {
  if (!RectVisible(dc, &rect)) return;
  a = ColorToRGB(a);
  b = ColorToRGB(b);
  const int n = vertical ? rect.bottom - rect.top : rect.right - rect.left;
  if (n < 1) return;
  const std::vector<COLORREF>& table = GradientSlot(GradientTable(n, a, b));
  RECT clip{};
  GetClipBox(dc, &clip);
  const int from = vertical ? std::max(rect.top, clip.top) : std::max(rect.left, clip.left);
  const int to = vertical ? std::min(rect.bottom, clip.bottom) : std::min(rect.right, clip.right);
  const int origin = vertical ? rect.top : rect.left;
  for (int line = from; line < to; ++line) {
    const RECT one = vertical ? RECT{rect.left, line, rect.right, line + 1} : RECT{line, rect.top, line + 1, rect.bottom};
    GdiBrush brush(CreateSolidBrush(table[static_cast<std::size_t>(line - origin)]));
    FillRect(dc, &one, brush);
  }
}

}  // namespace velmora
