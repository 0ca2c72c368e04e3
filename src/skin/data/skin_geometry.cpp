// Frame choice and the piece lists of nine-part and three-part fittings.
#include "skin/data/skin_geometry.h"

#include <algorithm>
#include <cstdint>

namespace velmora {

TFrame SelectFrame(int bitmapWidth, int bitmapHeight, int frameIndex, int frameCount, bool vertical) {
  const int count = std::max(frameCount, 1);
  const int index = std::clamp(frameIndex, 1, count);
  const int width = std::max(bitmapWidth, 0), height = std::max(bitmapHeight, 0);
  if (vertical) {
    const int fh = height / count;
    return {0, (index - 1) * fh, width, fh};
  }
  const int fw = width / count;
  return {(index - 1) * fw, 0, fw, height};
}

TMargins FitMargins(const TMargins& margins, int width, int height) {
  TMargins m{std::max(margins.Left, 0), std::max(margins.Top, 0), std::max(margins.Right, 0),
             std::max(margins.Bottom, 0)};
  if (std::int64_t{m.Left} + m.Right > width) m.Left = m.Right = 0;
  if (std::int64_t{m.Top} + m.Bottom > height) m.Top = m.Bottom = 0;
  return m;
}

std::vector<TStretchPiece> NinePartPieces(const TFrame& f, const TMargins& m, int w, int h, bool tileCentre) {
  const int sx = f.X, sy = f.Y, fw = f.Width, fh = f.Height;
  const int l = m.Left, t = m.Top, r = m.Right, b = m.Bottom;
  std::vector<TStretchPiece> pieces;
  pieces.reserve(9);
  auto add = [&](bool when, TSkinRect source, TSkinRect dest, bool tiled = false) {
    if (when) pieces.push_back({source, dest, tiled});
  };
  const bool hasTopLeft = std::int64_t{l} * t > 0, hasBottomLeft = std::int64_t{l} * b > 0;
  const bool hasTopRight = std::int64_t{r} * t > 0, hasBottomRight = std::int64_t{r} * b > 0;
  add(hasTopLeft, {sx, sy, sx + l, sy + t}, {0, 0, l, t});
  add(hasBottomLeft, {sx, sy + fh - b, sx + l, sy + fh}, {0, h - b, l, h});
  add(hasTopRight, {sx + fw - r, sy, sx + fw, sy + t}, {w - r, 0, w, t});
  add(l > 0, {sx, sy + t, sx + l, sy + fh - b}, {0, t, l, h - b});
  add(t > 0, {sx + l, sy, sx + fw - r, sy + t}, {l, 0, w - r, t});
  add(true, {sx + l, sy + t, sx + fw - r, sy + fh - b}, {l, t, w - r, h - b}, tileCentre);
  add(hasBottomRight, {sx + fw - r, sy + fh - b, sx + fw, sy + fh}, {w - r, h - b, w, h});
  add(r > 0, {sx + fw - r, sy + t, sx + fw, sy + fh - b}, {w - r, t, w, h - b});
  add(b > 0, {sx + l, sy + fh - b, sx + fw - r, sy + fh}, {l, h - b, w - r, h});
  return pieces;
}

std::vector<TStretchPiece> ThreePartTiledPieces(const TFrame& f, const TMargins& margins, int w, int h) {
  const int sx = f.X, sy = f.Y, fw = f.Width, fh = f.Height;
  const int l = std::max(margins.Left, 0), r = std::max(margins.Right, 0);
  std::vector<TStretchPiece> pieces;
  pieces.push_back({{sx, sy, sx + l, sy + fh}, {0, 0, l, h}});
  const int m = fw - l - r;
  if (m > 0) {
    for (std::int64_t x = l; x < std::int64_t{w} - r; x += m) {
      const int at = static_cast<int>(x);
      pieces.push_back({{sx + l, sy, sx + l + m, sy + fh}, {at, 0, at + m, h}});
    }
  }
  pieces.push_back({{sx + fw - r, sy, sx + fw, sy + fh}, {w - r, 0, w, h}});
  return pieces;
}

std::vector<TStretchPiece> ThreePartStretchedPieces(const TFrame& f, const TMargins& margins, const TSkinRect& d) {
  const int sx = f.X, sy = f.Y, fw = f.Width, fh = f.Height;
  const int l = std::max(margins.Left, 0), r = std::max(margins.Right, 0);
  if (fw > d.Width()) return {{{sx, sy, sx + fw, sy + fh}, d}};
  return {
      {{sx, sy, sx + l, sy + fh}, {d.Left, d.Top, d.Left + l, d.Bottom}},
      {{sx + l, sy, sx + fw - r, sy + fh}, {d.Left + l, d.Top, d.Right - r, d.Bottom}},
      {{sx + fw - r, sy, sx + fw, sy + fh}, {d.Right - r, d.Top, d.Right, d.Bottom}},
  };
}

TPoint CentredOrigin(const TSkinRect& dest, int width, int height) {
  // Integer division truncates toward zero in both directions, as the placement wants.
  const std::int64_t x = dest.Left + (std::int64_t{dest.Right} - dest.Left - width) / 2;
  const std::int64_t y = dest.Top + (std::int64_t{dest.Bottom} - dest.Top - height) / 2;
  return {static_cast<int>(x), static_cast<int>(y)};
}

}  // namespace velmora
