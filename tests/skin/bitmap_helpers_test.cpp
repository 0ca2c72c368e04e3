// Bitmap transforms pixel by pixel, blends, saturation, the gradient cache, and a
// gradient fill clipped in a real memory DC.
#include "skin/data/bitmap_helpers.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

// A 3 x 2 bitmap whose pixel (x, y) is RGB(x, y, 9).
TBitmap numbered(int w = 3, int h = 2, TPixelFormat format = TPixelFormat::pf24bit) {
  TBitmap b(w, h, format);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) b.SetPixel(x, y, RGB(x, y, 9));
  return b;
}

TEST(BitmapTest, LoadsBmpBytesAndKeepsRows) {
  // 2 x 1, 24 bits, bottom-up: blue pixel then red pixel, padded to 8 bytes.
  const std::vector<std::uint8_t> bmp = {'B', 'M', 62, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, 40, 0, 0, 0, 2, 0, 0, 0, 1,
                                         0, 0, 0, 1, 0, 24, 0, 0, 0, 0, 0, 8, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                                         0, 0, 0, 0, 0, 0, 0, 0, 255, 0, 0, 0, 0, 255, 0, 0};
  TBitmap b;
  ASSERT_TRUE(b.LoadFromBytes(bmp));
  EXPECT_EQ(b.Width(), 2);
  EXPECT_EQ(b.Pixel(0, 0), RGB(0, 0, 255));
  EXPECT_EQ(b.Pixel(1, 0), RGB(255, 0, 0));
  EXPECT_FALSE(b.LoadFromBytes(std::vector<std::uint8_t>(bmp.begin(), bmp.begin() + 40)));
  EXPECT_TRUE(b.Empty());
}

TEST(BitmapHelpersTest, ReplaceMagentaOnlyTouchesPureMagenta) {
  TBitmap b(3, 1, TPixelFormat::pf32bit);
  b.SetPixel(0, 0, RGB(255, 0, 255));
  b.SetPixel(1, 0, RGB(255, 1, 255));
  b.SetPixel(2, 0, RGB(254, 0, 255));
  ReplaceMagenta(b, RGB(10, 20, 30));
  EXPECT_EQ(b.PixelFormat(), TPixelFormat::pf24bit);
  EXPECT_EQ(b.Pixel(0, 0), RGB(10, 20, 30));
  EXPECT_EQ(b.Pixel(1, 0), RGB(255, 1, 255));
  EXPECT_EQ(b.Pixel(2, 0), RGB(254, 0, 255));
}

TEST(BitmapHelpersTest, MirrorFlipAndRotatePixelExactly) {
  TBitmap m = numbered();
  MirrorHorizontal(m);
  EXPECT_EQ(m.Pixel(0, 0), RGB(2, 0, 9));
  EXPECT_EQ(m.Pixel(2, 1), RGB(0, 1, 9));
  MirrorHorizontal(m);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) EXPECT_EQ(m.Pixel(x, y), RGB(x, y, 9));

  TBitmap f = numbered();
  FlipVertical(f);
  EXPECT_EQ(f.Pixel(1, 0), RGB(1, 1, 9));

  TBitmap l = numbered();
  RotateLeft(l);
  ASSERT_EQ(l.Width(), 2);
  ASSERT_EQ(l.Height(), 3);
  EXPECT_EQ(l.Pixel(0, 0), RGB(2, 0, 9));  // the old top-right pixel
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 2; ++x) EXPECT_EQ(l.Pixel(x, y), RGB(3 - 1 - y, x, 9));

  TBitmap r = numbered();
  RotateRight(r);
  EXPECT_EQ(r.Pixel(0, 0), RGB(0, 1, 9));  // the old bottom-left pixel
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 2; ++x) EXPECT_EQ(r.Pixel(x, y), RGB(y, 2 - 1 - x, 9));
}

TEST(BitmapHelpersTest, BlendWeights) {
  const COLORREF a = RGB(200, 100, 0), b = RGB(0, 100, 200);
  EXPECT_EQ(BlendColor(a, b, 0), b);
  EXPECT_EQ(BlendColor(a, b, 99), RGB(198, 100, 2));   // 99 % of A
  EXPECT_EQ(BlendColor(a, b, 100), RGB(20, 100, 180));  // 10 % of A
  EXPECT_EQ(BlendColor(a, b, 150), RGB(30, 100, 170));  // 15 % of A
  EXPECT_EQ(BlendColor(a, b, 1000), a);
  for (int p : {0, 1, 50, 99, 100, 555, 1000}) EXPECT_EQ(BlendColor(a, a, p), a) << p;
  // A system colour is blended as its current value.
  EXPECT_EQ(BlendColor(0x80000000u | COLOR_BTNFACE, b, 1000), GetSysColor(COLOR_BTNFACE));
}

TEST(BitmapHelpersTest, Saturation) {
  EXPECT_EQ(ColorSaturation(RGB(255, 0, 0)), 255);
  EXPECT_EQ(ColorSaturation(RGB(200, 200, 200)), 0);
  EXPECT_EQ(ColorSaturation(RGB(0, 0, 128)), 200);
  EXPECT_EQ(ColorSaturation(RGB(170, 0, 0)), 255);
  EXPECT_EQ(ColorSaturation(RGB(200, 100, 100)), 128);  // 127.5: ties go to even
}

TEST(BitmapHelpersTest, GradientTablesAreCachedAndRunFromAToB) {
  const COLORREF a = RGB(0, 0, 0), b = RGB(100, 50, 10);
  const int slot = GradientTable(11, a, b);
  const auto& table = GradientSlot(slot);
  ASSERT_EQ(table.size(), 11u);
  EXPECT_EQ(table.front(), a);
  EXPECT_EQ(table.back(), b);
  EXPECT_EQ(table[5], RGB(50, 25, 5));
  EXPECT_EQ(GradientTable(11, a, b), slot);  // found again, not recomputed
  const int mid = GradientTable(1, RGB(0, 0, 0), RGB(100, 51, 201));
  EXPECT_EQ(GradientSlot(mid).front(), RGB(50, 25, 100));
}

TEST(BitmapHelpersTest, GradientFillPaintsOnlyInsideTheClipBox) {
  MemoryDC dc;
  TBitmap target(20, 10);
  SelectScope select(dc, target.Handle());
  HRGN clip = CreateRectRgn(5, 0, 10, 10);
  SelectClipRgn(dc, clip);
  DeleteObject(clip);
  const int brushes = GdiCounters::Live(TGdiKind::Brush);
  GradientFill(dc, RECT{0, 0, 20, 10}, RGB(0, 0, 0), false, RGB(190, 0, 0));
  EXPECT_EQ(GdiCounters::Live(TGdiKind::Brush), brushes);
  GdiFlush();
  EXPECT_EQ(target.Pixel(4, 5), RGB(0, 0, 0));  // outside the clip: untouched
  EXPECT_EQ(target.Pixel(5, 5), RGB(50, 0, 0));
  EXPECT_EQ(target.Pixel(9, 0), RGB(90, 0, 0));
  EXPECT_EQ(target.Pixel(10, 5), RGB(0, 0, 0));
}

}  // namespace
}  // namespace velmora
