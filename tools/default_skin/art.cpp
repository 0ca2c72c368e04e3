// Faces, arrows and glyphs of the default skin.
#include "art.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace velmora::tools::art {

TRowColour Gradient(TColor top, TColor bottom, double y0, double y1) {
  return [=](int y) {
    const double t = y1 > y0 ? (y + 0.5 - y0) / (y1 - y0) : 0;
    return Mix(top, bottom, t);
  };
}

TShape Intersect(TShape a, TShape b) {
  return [a = std::move(a), b = std::move(b)](double x, double y) { return std::max(a(x, y), b(x, y)); };
}

TShape Above(double row) {
  return [row](double, double y) { return y - row; };
}

void DrawFace(TRaster& r, double x0, double y0, double x1, double y1, const TFace& face) {
  const TShape outer = RoundBox(x0, y0, x1, y1, face.Radius);
  const TShape inner = RoundBox(x0 + 1, y0 + 1, x1 - 1, y1 - 1, std::max(face.Radius - 1, 0.0));
  Paint(r, outer, Gradient(face.Top, face.Bottom, y0 + 1, y1 - 1));
  if (face.Gloss > 0) {
    const TShape glossRing =
        Minus(inner, RoundBox(x0 + 2, y0 + 2, x1 - 2, y1 - 2, std::max(face.Radius - 2, 0.0)));
    Paint(r, Intersect(glossRing, Above((y0 + y1) / 2)), Mix(face.Top, Rgb(255, 255, 255), face.Gloss));
  }
  Paint(r, Minus(outer, inner), face.Border);
}

TRaster Face(int w, int h, const TFace& face, TColor backdrop) {
  TRaster r(w, h);
  r.Backdrop = backdrop;
  DrawFace(r, 0, 0, w, h, face);
  return r;
}

namespace {

// (dx, dy) given for an arrow pointing down, turned to `direction`.
std::pair<double, double> turn(double dx, double dy, TDirection direction) {
  switch (direction) {
    case TDirection::Down: return {dx, dy};
    case TDirection::Up: return {dx, -dy};
    case TDirection::Right: return {dy, dx};
    case TDirection::Left: return {-dy, dx};
  }
  return {dx, dy};
}

}  // namespace

TShape Arrow(double cx, double cy, double size, TDirection direction) {
  std::vector<std::pair<double, double>> points;
  for (auto [dx, dy] : {std::pair{-size, -size / 2}, std::pair{size, -size / 2}, std::pair{0.0, size / 2}}) {
    const auto [tx, ty] = turn(dx, dy, direction);
    points.emplace_back(cx + tx, cy + ty);
  }
  return Polygon(std::move(points));
}

TShape Chevron(double cx, double cy, double size, TDirection direction, double width) {
  const auto [lx, ly] = turn(-size, -size / 2, direction);
  const auto [tx, ty] = turn(0, size / 2, direction);
  const auto [rx, ry] = turn(size, -size / 2, direction);
  return Union(Segment(cx + lx, cy + ly, cx + tx, cy + ty, width), Segment(cx + tx, cy + ty, cx + rx, cy + ry, width));
}

TShape CheckMark(double cx, double cy, double size, double width) {
  const double s = size / 2;
  return Union(Segment(cx - s, cy, cx - s * 0.3, cy + s * 0.65, width),
               Segment(cx - s * 0.3, cy + s * 0.65, cx + s, cy - s * 0.7, width));
}

TShape CloseGlyph(double cx, double cy, double size, double width) {
  const double s = size / 2;
  return Union(Segment(cx - s, cy - s, cx + s, cy + s, width), Segment(cx - s, cy + s, cx + s, cy - s, width));
}

namespace {

// A square outline with a heavier top edge, like a window with its title.
TShape windowOutline(double x0, double y0, double x1, double y1, double width) {
  const TShape outer = RoundBox(x0, y0, x1, y1, 1);
  const TShape inner = RoundBox(x0 + width, y0 + width * 1.8, x1 - width, y1 - width, 0.5);
  return Minus(outer, inner);
}

}  // namespace

TShape MaximizeGlyph(double cx, double cy, double size, double width) {
  const double s = size / 2;
  return windowOutline(cx - s, cy - s, cx + s, cy + s, width);
}

TShape RestoreGlyph(double cx, double cy, double size, double width) {
  const double s = size / 2, shift = size * 0.28;
  const TShape front = windowOutline(cx - s, cy - s + shift, cx + s - shift, cy + s, width);
  // The window behind shows only where the front one does not cover it.
  const TShape back = windowOutline(cx - s + shift, cy - s, cx + s, cy + s - shift, width);
  const TShape frontArea = RoundBox(cx - s - 0.5, cy - s + shift - 0.5, cx + s - shift + 0.5, cy + s + 0.5, 1);
  return Union(front, Minus(back, frontArea));
}

TShape MinimizeGlyph(double cx, double cy, double size, double width) {
  const double s = size / 2;
  return RoundBox(cx - s, cy + s - width * 1.6, cx + s, cy + s, 0.4);
}

TShape HelpGlyph(double cx, double cy, double size, double width) {
  const double s = size / 2;
  const double hookY = cy - s * 0.42, hookR = s * 0.52;
  // The hook: the ring's upper half and its lower right quarter, then the stem.
  const TShape ring = Minus(Circle(cx, hookY, hookR + width / 2), Circle(cx, hookY, hookR - width / 2));
  const TShape topHalf = Intersect(ring, Above(hookY + 0.2));
  const TShape hook = Intersect(ring, [=](double x, double y) { return std::max(hookY - y, cx + hookR * 0.35 - x); });
  const TShape stem = Segment(cx + hookR * 0.45, hookY + hookR * 0.85, cx, cy + s * 0.3, width);
  const TShape dot = Circle(cx, cy + s * 0.85, width * 0.75);
  return Union(Union(topHalf, hook), Union(stem, dot));
}

}  // namespace velmora::tools::art
