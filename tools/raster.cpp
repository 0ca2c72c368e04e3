// Pictures in memory and the soft-edged shapes the tools draw with.
#include "raster.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace velmora::tools {

TColor Mix(TColor a, TColor b, double t) {
  t = std::clamp(t, 0.0, 1.0);
  auto channel = [t](int x, int y) { return static_cast<int>(std::lround(x + (y - x) * t)); };
  return Rgb(channel(RedOf(a), RedOf(b)), channel(GreenOf(a), GreenOf(b)), channel(BlueOf(a), BlueOf(b)));
}

TRaster::TRaster(int width, int height, TColor fill)
    : FWidth(std::max(width, 0)), FHeight(std::max(height, 0)),
      FPixels(static_cast<std::size_t>(FWidth) * FHeight, fill) {}

void TRaster::FillRect(int x, int y, int w, int h, TColor c) {
  const int x0 = std::max(x, 0), y0 = std::max(y, 0);
  const int x1 = std::min(x + w, FWidth), y1 = std::min(y + h, FHeight);
  for (int yy = y0; yy < y1; ++yy)
    for (int xx = x0; xx < x1; ++xx) FPixels[Index(xx, yy)] = c;
}

void TRaster::Cover(int x, int y, TColor colour, double coverage) {
  if (!Contains(x, y) || coverage <= 0) return;
  TColor& pixel = FPixels[Index(x, y)];
  if (pixel == Magenta) {
    // Below this a pixel would show more of an unknown background than of the shape.
    if (coverage < 0.4) return;
    pixel = Mix(Backdrop, colour, coverage);
    if (pixel == Magenta) pixel = Rgb(254, 0, 255);
    return;
  }
  pixel = Mix(pixel, colour, coverage);
  if (pixel == Magenta) pixel = Rgb(254, 0, 255);  // never turn transparent by accident
}

TRaster TRaster::Crop(int x, int y, int w, int h) const {
  TRaster out(w, h);
  for (int yy = 0; yy < h; ++yy)
    for (int xx = 0; xx < w; ++xx)
      if (Contains(x + xx, y + yy)) out.Set(xx, yy, Get(x + xx, y + yy));
  return out;
}

void TRaster::Paste(const TRaster& src, int x, int y) {
  for (int yy = 0; yy < src.Height(); ++yy)
    for (int xx = 0; xx < src.Width(); ++xx) Set(x + xx, y + yy, src.Get(xx, yy));
}

TRaster TRaster::MirrorX() const {
  TRaster out(FWidth, FHeight);
  for (int y = 0; y < FHeight; ++y)
    for (int x = 0; x < FWidth; ++x) out.Set(FWidth - 1 - x, y, Get(x, y));
  return out;
}

TRaster TRaster::MirrorY() const {
  TRaster out(FWidth, FHeight);
  for (int y = 0; y < FHeight; ++y)
    for (int x = 0; x < FWidth; ++x) out.Set(x, FHeight - 1 - y, Get(x, y));
  return out;
}

TRaster TRaster::Transpose() const {
  TRaster out(FHeight, FWidth);
  for (int y = 0; y < FHeight; ++y)
    for (int x = 0; x < FWidth; ++x) out.Set(y, x, Get(x, y));
  return out;
}

namespace {

void requireEqualSizes(const std::vector<TRaster>& frames) {
  for (const TRaster& f : frames)
    if (f.Width() != frames.front().Width() || f.Height() != frames.front().Height())
      throw std::invalid_argument("frames of a strip differ in size");
}

}  // namespace

TRaster StripOf(const std::vector<TRaster>& frames) {
  if (frames.empty()) return {};
  requireEqualSizes(frames);
  const int w = frames.front().Width();
  TRaster strip(w * static_cast<int>(frames.size()), frames.front().Height());
  for (std::size_t i = 0; i < frames.size(); ++i) strip.Paste(frames[i], static_cast<int>(i) * w, 0);
  return strip;
}

TRaster StackOf(const std::vector<TRaster>& frames) {
  if (frames.empty()) return {};
  requireEqualSizes(frames);
  const int h = frames.front().Height();
  TRaster stack(frames.front().Width(), h * static_cast<int>(frames.size()));
  for (std::size_t i = 0; i < frames.size(); ++i) stack.Paste(frames[i], 0, static_cast<int>(i) * h);
  return stack;
}

TShape RoundBox(double x0, double y0, double x1, double y1, double radius) {
  return [=](double x, double y) {
    const double cx = (x0 + x1) / 2, cy = (y0 + y1) / 2;
    const double r = std::min({radius, (x1 - x0) / 2, (y1 - y0) / 2});
    const double dx = std::abs(x - cx) - ((x1 - x0) / 2 - r);
    const double dy = std::abs(y - cy) - ((y1 - y0) / 2 - r);
    const double outside = std::sqrt(std::max(dx, 0.0) * std::max(dx, 0.0) + std::max(dy, 0.0) * std::max(dy, 0.0));
    return outside + std::min(std::max(dx, dy), 0.0) - r;
  };
}

TShape Circle(double cx, double cy, double radius) {
  return [=](double x, double y) { return std::sqrt((x - cx) * (x - cx) + (y - cy) * (y - cy)) - radius; };
}

TShape Segment(double ax, double ay, double bx, double by, double width) {
  return [=](double x, double y) {
    const double vx = bx - ax, vy = by - ay;
    const double length2 = vx * vx + vy * vy;
    const double t = length2 == 0 ? 0 : std::clamp(((x - ax) * vx + (y - ay) * vy) / length2, 0.0, 1.0);
    const double px = ax + t * vx - x, py = ay + t * vy - y;
    return std::sqrt(px * px + py * py) - width / 2;
  };
}

TShape Polygon(std::vector<std::pair<double, double>> points) {
  double area = 0;
  for (std::size_t i = 0; i < points.size(); ++i) {
    const auto& [ax, ay] = points[i];
    const auto& [bx, by] = points[(i + 1) % points.size()];
    area += ax * by - bx * ay;
  }
  const double sign = area < 0 ? -1.0 : 1.0;
  return [points = std::move(points), sign](double x, double y) {
    double d = -1e9;
    for (std::size_t i = 0; i < points.size(); ++i) {
      const auto& [ax, ay] = points[i];
      const auto& [bx, by] = points[(i + 1) % points.size()];
      const double ex = bx - ax, ey = by - ay;
      const double length = std::sqrt(ex * ex + ey * ey);
      if (length == 0) continue;
      // Outward normal of the edge for either winding.
      const double nx = sign * ey / length, ny = -sign * ex / length;
      d = std::max(d, (x - ax) * nx + (y - ay) * ny);
    }
    return d;
  };
}

TShape Union(TShape a, TShape b) {
  return [a = std::move(a), b = std::move(b)](double x, double y) { return std::min(a(x, y), b(x, y)); };
}

TShape Minus(TShape outer, TShape inner) {
  return [outer = std::move(outer), inner = std::move(inner)](double x, double y) {
    return std::max(outer(x, y), -inner(x, y));
  };
}

double Coverage(const TShape& shape, int x, int y) {
  return std::clamp(0.5 - shape(x + 0.5, y + 0.5), 0.0, 1.0);
}

void Paint(TRaster& r, const TShape& shape, TColor colour) {
  Paint(r, shape, [colour](int) { return colour; });
}

void Paint(TRaster& r, const TShape& shape, const std::function<TColor(int y)>& colour) {
  for (int y = 0; y < r.Height(); ++y) {
    const TColor c = colour(y);
    for (int x = 0; x < r.Width(); ++x) r.Cover(x, y, c, Coverage(shape, x, y));
  }
}

}  // namespace velmora::tools
