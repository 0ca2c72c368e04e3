// The generator's drawing pieces: colour mixing, soft-edged shapes, covering a
// transparent pixel, strips of frames.
#include "raster.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace velmora::tools {
namespace {

TEST(Mix, EndsAndRounding) {
  EXPECT_EQ(Mix(Rgb(0, 0, 0), Rgb(255, 255, 255), 0), Rgb(0, 0, 0));
  EXPECT_EQ(Mix(Rgb(0, 0, 0), Rgb(255, 255, 255), 1), Rgb(255, 255, 255));
  EXPECT_EQ(Mix(Rgb(0, 10, 200), Rgb(100, 11, 100), 0.5), Rgb(50, 11, 150));
  EXPECT_EQ(Mix(Rgb(0, 0, 0), Rgb(255, 255, 255), 7), Rgb(255, 255, 255));  // held to the ends
}

TEST(Shapes, BoxesOnWholePixelsHaveCrispEdges) {
  const TShape box = RoundBox(2, 3, 8, 9, 0);
  for (int y = 0; y < 12; ++y)
    for (int x = 0; x < 12; ++x) {
      const bool inside = x >= 2 && x < 8 && y >= 3 && y < 9;
      EXPECT_EQ(Coverage(box, x, y), inside ? 1.0 : 0.0) << x << "," << y;
    }
}

TEST(Shapes, RoundedCornersAreSoftAndSymmetric) {
  const TShape box = RoundBox(0, 0, 10, 10, 4);
  EXPECT_EQ(Coverage(box, 0, 0), 0.0);
  EXPECT_EQ(Coverage(box, 5, 5), 1.0);
  const double corner = Coverage(box, 1, 1);
  EXPECT_GT(corner, 0.0);
  EXPECT_LT(corner, 1.0);
  EXPECT_DOUBLE_EQ(Coverage(box, 8, 1), corner);
  EXPECT_DOUBLE_EQ(Coverage(box, 1, 8), corner);
  EXPECT_DOUBLE_EQ(Coverage(box, 8, 8), corner);
}

TEST(Shapes, PolygonWindingDoesNotMatter) {
  const TShape clockwise = Polygon({{1, 1}, {9, 1}, {5, 8}});
  const TShape anticlockwise = Polygon({{5, 8}, {9, 1}, {1, 1}});
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 10; ++x) EXPECT_NEAR(Coverage(clockwise, x, y), Coverage(anticlockwise, x, y), 1e-9);
  EXPECT_EQ(Coverage(clockwise, 5, 3), 1.0);
  EXPECT_EQ(Coverage(clockwise, 0, 9), 0.0);
}

TEST(Shapes, RingsAndStrokes) {
  const TShape ring = Minus(RoundBox(0, 0, 10, 10, 0), RoundBox(1, 1, 9, 9, 0));
  EXPECT_EQ(Coverage(ring, 0, 5), 1.0);
  EXPECT_EQ(Coverage(ring, 5, 5), 0.0);
  const TShape stroke = Segment(0, 5.5, 10, 5.5, 1);
  EXPECT_EQ(Coverage(stroke, 4, 5), 1.0);
  EXPECT_EQ(Coverage(stroke, 4, 3), 0.0);
  EXPECT_EQ(Coverage(Union(ring, stroke), 5, 5), 1.0);
}

TEST(Cover, TransparentPixelsTakeTheBackdropOrStayTransparent) {
  TRaster r(3, 1);
  r.Backdrop = Rgb(0, 0, 0);
  r.Cover(0, 0, Rgb(200, 100, 0), 0.3);
  EXPECT_EQ(r.Get(0, 0), Magenta);  // too thin for an opaque pixel
  r.Cover(1, 0, Rgb(200, 100, 0), 0.5);
  EXPECT_EQ(r.Get(1, 0), Rgb(100, 50, 0));
  // Mixing never lands on the transparent colour by accident.
  r.Set(2, 0, Rgb(255, 0, 255 - 2));
  r.Cover(2, 0, Rgb(255, 0, 255), 1);
  EXPECT_NE(r.Get(2, 0), Magenta);
  r.Cover(5, 5, Rgb(1, 1, 1), 1);  // outside: nothing, no fault
}

TEST(Strips, FramesSideBySideOrStacked) {
  const TRaster a(3, 2, Rgb(1, 1, 1)), b(3, 2, Rgb(2, 2, 2));
  const TRaster strip = StripOf({a, b});
  EXPECT_EQ(strip.Width(), 6);
  EXPECT_EQ(strip.Height(), 2);
  EXPECT_EQ(strip.Get(2, 1), Rgb(1, 1, 1));
  EXPECT_EQ(strip.Get(3, 0), Rgb(2, 2, 2));
  const TRaster stack = StackOf({a, b});
  EXPECT_EQ(stack.Width(), 3);
  EXPECT_EQ(stack.Height(), 4);
  EXPECT_EQ(stack.Get(0, 2), Rgb(2, 2, 2));
  EXPECT_THROW(StripOf({a, TRaster(4, 2)}), std::invalid_argument);
}

TEST(Strips, TurnsAndMirrors) {
  TRaster r(3, 2, Rgb(0, 0, 0));
  r.Set(2, 0, Rgb(9, 9, 9));
  EXPECT_EQ(r.Transpose().Get(0, 2), Rgb(9, 9, 9));
  EXPECT_EQ(r.MirrorX().Get(0, 0), Rgb(9, 9, 9));
  EXPECT_EQ(r.MirrorY().Get(2, 1), Rgb(9, 9, 9));
  EXPECT_EQ(r.Crop(1, 0, 4, 1).Get(1, 0), Rgb(9, 9, 9));
  EXPECT_EQ(r.Crop(1, 0, 4, 1).Get(3, 0), Magenta);  // outside the source
}

}  // namespace
}  // namespace velmora::tools
