// A plain RGB picture in memory for the host tools: the default skin's generator draws
// into it and the skin preview composes its sheet in it. Pixels are 0xRRGGBB.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace velmora::tools {

using TColor = std::uint32_t;  // 0xRRGGBB

constexpr TColor Rgb(int r, int g, int b) {
  return static_cast<TColor>((r & 0xFF) << 16 | (g & 0xFF) << 8 | (b & 0xFF));
}
constexpr int RedOf(TColor c) { return static_cast<int>(c >> 16 & 0xFF); }
constexpr int GreenOf(TColor c) { return static_cast<int>(c >> 8 & 0xFF); }
constexpr int BlueOf(TColor c) { return static_cast<int>(c & 0xFF); }

// The one transparent colour of every skin bitmap.
constexpr TColor Magenta = Rgb(255, 0, 255);

// `a` moved toward `b` by `t` (0 gives a, 1 gives b), each channel rounded.
TColor Mix(TColor a, TColor b, double t);

class TRaster {
 public:
  TRaster() = default;
  TRaster(int width, int height, TColor fill = Magenta);

  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < FWidth && y < FHeight; }
  TColor Get(int x, int y) const { return FPixels[Index(x, y)]; }
  void Set(int x, int y, TColor c) {
    if (Contains(x, y)) FPixels[Index(x, y)] = c;
  }
  void FillRect(int x, int y, int w, int h, TColor c);

  // Lays `colour` over the pixel with the given coverage (0..1). A transparent
  // (magenta) pixel has nothing to mix with: it takes the colour over `Backdrop`, the
  // colour the picture is expected to be drawn on, and stays transparent when the
  // coverage is too thin to be worth an opaque pixel.
  void Cover(int x, int y, TColor colour, double coverage);
  TColor Backdrop = Rgb(128, 128, 128);

  // A copy of the rectangle (clipped to the picture; outside pixels are magenta).
  TRaster Crop(int x, int y, int w, int h) const;
  // Copies `src` with its top-left corner at (x, y), clipped.
  void Paste(const TRaster& src, int x, int y);
  // A picture mirrored left to right, or top to bottom.
  TRaster MirrorX() const;
  TRaster MirrorY() const;
  // Rows become columns: (x, y) goes to (y, x).
  TRaster Transpose() const;

 private:
  std::size_t Index(int x, int y) const { return static_cast<std::size_t>(y) * FWidth + x; }
  int FWidth = 0, FHeight = 0;
  std::vector<TColor> FPixels;
};

// Frames of equal size side by side (or one above the other) in one strip.
TRaster StripOf(const std::vector<TRaster>& frames);
TRaster StackOf(const std::vector<TRaster>& frames);

// Shapes as signed distances (negative inside, in pixels); a pixel's coverage is taken
// at its centre, which gives edges a one-pixel soft ramp.
using TShape = std::function<double(double x, double y)>;

TShape RoundBox(double x0, double y0, double x1, double y1, double radius);
TShape Circle(double cx, double cy, double radius);
// A stroke along a segment with round caps.
TShape Segment(double ax, double ay, double bx, double by, double width);
// A convex polygon given clockwise on screen (y down) or anticlockwise; either works.
TShape Polygon(std::vector<std::pair<double, double>> points);
TShape Union(TShape a, TShape b);
// `outer` without `inner`: a ring when `inner` is `outer` shrunk.
TShape Minus(TShape outer, TShape inner);

double Coverage(const TShape& shape, int x, int y);
// Covers every pixel of the picture that the shape touches.
void Paint(TRaster& r, const TShape& shape, TColor colour);
// The same with a colour per row (a vertical gradient or bands).
void Paint(TRaster& r, const TShape& shape, const std::function<TColor(int y)>& colour);

}  // namespace velmora::tools
