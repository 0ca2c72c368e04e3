// The skin drawing services pixel by pixel in real memory DCs: nine-part fitting,
// frame choice, three-part and whole-frame drawing, tiling, the colour-keyed copy (both
// ways), regions from bitmaps, the parent's background, bad input, and GDI objects left
// behind by none of them.
#include "skin/data/skin_drawing.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace velmora {
namespace {

constexpr COLORREF Magenta = RGB(255, 0, 255);
constexpr COLORREF Backdrop = RGB(1, 2, 3);

// A bitmap whose pixel (x, y) is RGB(x, y, blue): every pixel tells where it came from.
TBitmap numbered(int w, int h, int blue = 200, TPixelFormat format = TPixelFormat::pf24bit) {
  TBitmap b(w, h, format);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) b.SetPixel(x, y, RGB(x, y, blue));
  return b;
}

COLORREF numberedPixel(int x, int y, int blue = 200) { return RGB(x, y, blue); }

// A memory DC drawing into a 24-bit bitmap that the test reads back.
class Canvas {
 public:
  Canvas(int w, int h, COLORREF fill = Backdrop) : FBits(w, h), FSelect(FDC, FBits.Handle()) {
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) FBits.SetPixel(x, y, fill);
  }
  HDC DC() const { return FDC; }
  COLORREF At(int x, int y) const {
    GdiFlush();
    return FBits.Pixel(x, y);
  }
  int Width() const { return FBits.Width(); }
  int Height() const { return FBits.Height(); }
  TBitmap& Bits() { return FBits; }

 private:
  TBitmap FBits;
  MemoryDC FDC;
  SelectScope FSelect;
};

// Every pixel of the canvas as the test expects it; reports the first few that differ.
void expectCanvas(const Canvas& canvas, const std::function<COLORREF(int, int)>& expected, const std::string& what) {
  int wrong = 0;
  for (int y = 0; y < canvas.Height(); ++y)
    for (int x = 0; x < canvas.Width(); ++x)
      if (canvas.At(x, y) != expected(x, y) && ++wrong <= 5)
        ADD_FAILURE() << what << ": pixel (" << x << ", " << y << ") is " << std::hex << canvas.At(x, y)
                      << ", expected " << expected(x, y);
  EXPECT_EQ(wrong, 0) << what;
}

void expectBitmap(const TBitmap& bitmap, const std::function<COLORREF(int, int)>& expected, const std::string& what) {
  int wrong = 0;
  for (int y = 0; y < bitmap.Height(); ++y)
    for (int x = 0; x < bitmap.Width(); ++x)
      if (bitmap.Pixel(x, y) != expected(x, y) && ++wrong <= 5)
        ADD_FAILURE() << what << ": pixel (" << x << ", " << y << ") is " << std::hex << bitmap.Pixel(x, y)
                      << ", expected " << expected(x, y);
  EXPECT_EQ(wrong, 0) << what;
}

TEST(SkinBitmapSizingTest, NineByThreeFrameToThirtyByThree) {
  // Frames of 9 x 3: two side by side, or two stacked. The second one is drawn.
  struct Case {
    bool tile, vertical;
  };
  for (const Case c : {Case{false, false}, Case{true, false}, Case{false, true}, Case{true, true}}) {
    const TBitmap strip = c.vertical ? numbered(9, 6) : numbered(18, 3);
    const int sx = c.vertical ? 0 : 9, sy = c.vertical ? 3 : 0;
    const TBitmap fitted = SkinBitmapSizing({5, 7, 35, 10}, strip, {3, 1, 3, 1}, 2, 2, c.tile, c.vertical);
    ASSERT_EQ(fitted.Width(), 30);
    ASSERT_EQ(fitted.Height(), 3);
    const std::string what = std::string(c.tile ? "tiled" : "stretched") + (c.vertical ? ", vertical" : "");
    expectBitmap(
        fitted,
        [&](int x, int y) {
          int column;
          if (x < 3) column = x;                        // corners and left edge, 1:1
          else if (x >= 27) column = x - 21;            // right side, 1:1
          else if (y == 1 && c.tile) column = 3 + (x - 3) % 3;  // centre repeated
          else column = 3 + (x - 3) / 8;                // top and bottom edges (and a stretched
                                                        // centre): 3 columns to 24
          return numberedPixel(sx + column, sy + y);
        },
        what);
  }
}

TEST(SkinBitmapSizingTest, MarginsWiderThanTheDestinationAreDroppedPairwise) {
  const TBitmap frame = numbered(5, 3);
  for (const bool tile : {false, true}) {
    const TBitmap fitted = SkinBitmapSizing({0, 0, 15, 3}, frame, {10, 0, 10, 0}, 1, 1, tile, false);
    ASSERT_EQ(fitted.Width(), 15);
    // Stretched: the whole frame 5 to 15; tiled: the whole frame is the centre.
    expectBitmap(fitted, [&](int x, int y) { return numberedPixel(tile ? x % 5 : x / 3, y); },
                 tile ? "tiled" : "stretched");
  }
  // Top and bottom go the same way: 2 + 2 rows do not fit in 3.
  const TBitmap tall = SkinBitmapSizing({0, 0, 5, 3}, numbered(5, 3), {0, 2, 0, 2}, 1, 1, false, false);
  expectBitmap(tall, [](int x, int y) { return numberedPixel(x, y); }, "rows");
}

TEST(SkinBitmapSizingTest, FrameChoiceAcrossAndDownTheStrip) {
  struct Case {
    int index, count;
    bool vertical;
    int firstColumn, firstRow;
  };
  // Strips of 4 frames of 16 x 8 (64 x 8 side by side, 16 x 32 stacked).
  const Case cases[] = {
      {3, 4, false, 32, 0},  // columns 32..47
      {1, 4, false, 0, 0},   {4, 4, false, 48, 0},
      {3, 4, true, 0, 16},   // rows 16..23
      {9, 4, false, 48, 0},  // an index past the strip draws its last frame
      {0, 4, false, 0, 0},   {-2, 4, true, 0, 0},
  };
  for (const Case& c : cases) {
    const TBitmap strip = c.vertical ? numbered(16, 32) : numbered(64, 8);
    const TBitmap fitted = SkinBitmapSizing({0, 0, 16, 8}, strip, {}, c.index, c.count, false, c.vertical);
    expectBitmap(fitted, [&](int x, int y) { return numberedPixel(c.firstColumn + x, c.firstRow + y); },
                 "frame " + std::to_string(c.index) + (c.vertical ? " down" : " across"));
  }
  // No frame count: the whole strip is one frame.
  const TBitmap whole = SkinBitmapSizing({0, 0, 64, 8}, numbered(64, 8), {}, 1, 0, false, false);
  expectBitmap(whole, [](int x, int y) { return numberedPixel(x, y); }, "count 0");
}

TEST(SkinBitmapSizingTest, EmptyAndInvertedDestinationsGiveAnEmptyBitmap) {
  const TBitmap frame = numbered(9, 3);
  for (const RECT r : {RECT{0, 0, 0, 5}, RECT{0, 0, 5, 0}, RECT{10, 0, 5, 5}, RECT{0, 10, 5, 5}})
    EXPECT_TRUE(SkinBitmapSizing(r, frame, {3, 1, 3, 1}, 1, 1, false, false).Empty());
  const TBitmap fromNothing = SkinBitmapSizing({0, 0, 4, 2}, TBitmap(), {}, 1, 1, false, false);
  EXPECT_EQ(fromNothing.Width(), 4);
}

TEST(DrawSkinBitmapTest, DrawsAtTheRectangleAndLeavesMagentaOut) {
  TBitmap frame = numbered(9, 3);
  frame.SetPixel(0, 0, Magenta);  // the top-left corner pixel
  frame.SetPixel(8, 2, Magenta);  // the bottom-right one
  for (const bool trans : {false, true}) {
    Canvas canvas(40, 10);
    DrawSkinBitmap(canvas.DC(), {4, 5, 34, 8}, frame, {3, 1, 3, 1}, 1, 1, trans, false, false);
    expectCanvas(
        canvas,
        [&](int x, int y) {
          if (x < 4 || x >= 34 || y < 5 || y >= 8) return Backdrop;
          const int dx = x - 4, dy = y - 5;
          const int column = dx < 3 ? dx : dx >= 27 ? dx - 21 : 3 + (dx - 3) / 8;
          const COLORREF source = frame.Pixel(column, dy);
          return trans && source == Magenta ? Backdrop : source;
        },
        trans ? "transparent" : "opaque");
  }
}

TEST(DrawThreePartTest, TiledMiddleBetweenStretchedEnds) {
  // Frame 2 of two 7 x 2 frames, margins 2 and 2: a middle of 3 repeated across 20.
  TBitmap strip = numbered(14, 2);
  strip.SetPixel(10, 0, Magenta);
  for (const bool trans : {false, true}) {
    Canvas canvas(24, 6);
    DrawThreePartTiled(canvas.DC(), {2, 1, 22, 5}, strip, {2, 0, 2, 0}, 2, 2, trans, false);
    expectCanvas(
        canvas,
        [&](int x, int y) {
          if (x < 2 || x >= 22 || y < 1 || y >= 5) return Backdrop;
          const int dx = x - 2, row = (y - 1) / 2;  // 2 rows stretched to 4
          const int column = dx < 2 ? dx : dx >= 18 ? 5 + (dx - 18) : 2 + (dx - 2) % 3;
          const COLORREF source = strip.Pixel(7 + column, row);
          return trans && source == Magenta ? Backdrop : source;
        },
        trans ? "transparent" : "opaque");
  }
}

TEST(DrawThreePartTest, MiddleOfNoWidthDrawsOnlyTheEnds) {
  // Margins 5 and 5 of an 8-wide frame leave a middle of -2: no middle, and no endless loop.
  for (const TMargins m : {TMargins{5, 0, 5, 0}, TMargins{4, 0, 4, 0}}) {
    Canvas canvas(30, 2);
    DrawThreePartTiled(canvas.DC(), {0, 0, 30, 2}, numbered(8, 2), m, 1, 1, false, false);
    expectCanvas(
        canvas,
        [&](int x, int y) {
          if (x < m.Left) return numberedPixel(x, y);
          if (x >= 30 - m.Right) return numberedPixel(8 - m.Right + x - (30 - m.Right), y);
          return RGB(0, 0, 0);  // the scratch bitmap where no middle was drawn
        },
        "margins " + std::to_string(m.Left));
  }
}

TEST(DrawThreePartTest, StretchedPartsAndAFrameWiderThanTheRectangle) {
  // Three frames of 20 x 4 whose columns come in equal pairs, so that halving them
  // cannot depend on which column of a pair the stretch keeps.
  TBitmap strip(60, 4);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 60; ++x) strip.SetPixel(x, y, RGB(x / 2, y, 150));
  Canvas narrow(20, 12);
  DrawThreePartStretched(narrow.DC(), {5, 5, 15, 9}, strip, {2, 0, 2, 0}, 2, 3, false);
  expectCanvas(
      narrow,
      [](int x, int y) {
        if (x < 5 || x >= 15 || y < 5 || y >= 9) return Backdrop;
        return RGB((20 + 2 * (x - 5)) / 2, y - 5, 150);  // exactly frame 2, halved
      },
      "frame wider than the rectangle");

  // A 6-wide frame into 18: 2 columns, the middle 2 stretched to 14, 2 columns.
  Canvas wide(24, 8);
  DrawThreePartStretched(wide.DC(), {3, 2, 21, 6}, numbered(12, 2), {2, 0, 2, 0}, 2, 2, false);
  expectCanvas(
      wide,
      [](int x, int y) {
        if (x < 3 || x >= 21 || y < 2 || y >= 6) return Backdrop;
        const int dx = x - 3;
        const int column = dx < 2 ? dx : dx >= 16 ? 4 + (dx - 16) : 2 + (dx - 2) / 7;
        return numberedPixel(6 + column, (y - 2) / 2);
      },
      "three parts");
}

TEST(DrawFrameTest, StretchedWholeFrame) {
  TBitmap strip = numbered(8, 2);
  strip.SetPixel(5, 1, Magenta);
  for (const bool trans : {false, true}) {
    Canvas canvas(12, 6);
    DrawFrameStretched(canvas.DC(), {2, 1, 10, 5}, strip, 2, 2, trans);
    expectCanvas(
        canvas,
        [&](int x, int y) {
          if (x < 2 || x >= 10 || y < 1 || y >= 5) return Backdrop;
          const COLORREF source = strip.Pixel(4 + (x - 2) / 2, (y - 1) / 2);
          return trans && source == Magenta ? Backdrop : source;
        },
        trans ? "transparent" : "opaque");
  }
}

TEST(DrawFrameTest, CentredFrameLandsAtTheTruncatedHalves) {
  // Frame 2 of two 16 x 16 frames.
  TBitmap strip = numbered(32, 16);
  strip.SetPixel(16, 0, Magenta);
  struct Case {
    RECT rect;
    int x, y;
    bool trans;
  };
  const Case cases[] = {
      {{0, 0, 21, 21}, 2, 2, false},
      {{0, 0, 21, 21}, 2, 2, true},
      {{10, 10, 21, 21}, 8, 8, false},  // larger than the rectangle: overhangs it evenly
      {{4, 3, 20, 19}, 4, 3, true},
  };
  for (const Case& c : cases) {
    Canvas canvas(30, 30);
    DrawFrameCentred(canvas.DC(), c.rect, strip, 2, 2, c.trans);
    expectCanvas(
        canvas,
        [&](int x, int y) {
          if (x < c.x || x >= c.x + 16 || y < c.y || y >= c.y + 16) return Backdrop;
          const COLORREF source = strip.Pixel(16 + x - c.x, y - c.y);
          return c.trans && source == Magenta ? Backdrop : source;
        },
        "centred at " + std::to_string(c.x));
  }
}

TEST(TileDrawTest, RepeatsTheSourceAndDrawsTheLastTilesWhole) {
  Canvas canvas(10, 8);
  TileDraw(canvas.DC(), {2, 2, 7, 5}, numbered(4, 3), {1, 1, 3, 2});
  expectCanvas(
      canvas,
      [](int x, int y) {
        // Tiles of 2 x 1 at x = 2, 4, 6 (the last reaching column 7), rows 2..4.
        if (x < 2 || x >= 8 || y < 2 || y >= 5) return Backdrop;
        return numberedPixel(1 + (x - 2) % 2, 1);
      },
      "tiles");

  for (const RECT source : {RECT{1, 1, 1, 3}, RECT{1, 1, 3, 1}, RECT{3, 1, 1, 2}, RECT{1, 2, 3, 1}}) {
    Canvas untouched(10, 8);
    TileDraw(untouched.DC(), {0, 0, 10, 8}, numbered(4, 3), source);
    expectCanvas(untouched, [](int, int) { return Backdrop; }, "source without area");
  }
}

// The colour-keyed copy, through AlphaBlend and through the three-blit fallback.
using TransparentCopier = void (*)(HDC, const RECT&, const TBitmap&, int, int, COLORREF);
void copyThroughAlphaBlend(HDC dc, const RECT& r, const TBitmap& b, int sx, int sy, COLORREF key) {
  TransparentCopy(dc, r, b, sx, sy, key);
}

TEST(TransparentCopyTest, PixelsUnderTheKeyStayUntouched) {
  struct Case {
    const char* name;
    TransparentCopier copy;
    TPixelFormat format;
  };
  const Case cases[] = {
      {"AlphaBlend, 24 bits", copyThroughAlphaBlend, TPixelFormat::pf24bit},
      {"AlphaBlend, 32 bits", copyThroughAlphaBlend, TPixelFormat::pf32bit},
      {"three blits, 24 bits", TransparentCopyByBlits, TPixelFormat::pf24bit},
      {"three blits, 32 bits", TransparentCopyByBlits, TPixelFormat::pf32bit},
  };
  for (const Case& c : cases) {
    // Magenta in a checker pattern, and colours one step away from it that must be copied.
    TBitmap source = numbered(8, 8, 77, c.format);
    for (int y = 0; y < 8; ++y)
      for (int x = 0; x < 8; ++x) {
        if ((x + y) % 2 == 0) source.SetPixel(x, y, Magenta);
        else if (x == 1) source.SetPixel(x, y, RGB(255, 1, 255));
        else if (x == 3) source.SetPixel(x, y, RGB(254, 0, 255));
      }
    // A canvas whose every pixel differs, so that a moved or smeared pixel shows.
    Canvas canvas(16, 14);
    for (int y = 0; y < 14; ++y)
      for (int x = 0; x < 16; ++x) canvas.Bits().SetPixel(x, y, RGB(100 + x, 50 + y, 9));
    c.copy(canvas.DC(), {3, 2, 11, 10}, source, 0, 0, Magenta);
    expectCanvas(
        canvas,
        [&](int x, int y) {
          const COLORREF under = RGB(100 + x, 50 + y, 9);
          if (x < 3 || x >= 11 || y < 2 || y >= 10) return under;
          const COLORREF pixel = source.Pixel(x - 3, y - 2);
          return pixel == Magenta ? under : pixel;
        },
        c.name);

    // From a point of the source, into a rectangle larger than what is left of it.
    Canvas offset(16, 14, RGB(9, 9, 9));
    c.copy(offset.DC(), {1, 1, 15, 13}, source, 5, 4, Magenta);
    expectCanvas(
        offset,
        [&](int x, int y) {
          if (x < 1 || x >= 4 || y < 1 || y >= 5) return RGB(9, 9, 9);  // 3 x 4 are left
          const COLORREF pixel = source.Pixel(5 + x - 1, 4 + y - 1);
          return pixel == Magenta ? RGB(9, 9, 9) : pixel;
        },
        std::string(c.name) + ", from (5, 4)");
  }
}

TEST(TransparentCopyTest, BadRectanglesAndSourcesCopyNothing) {
  const TBitmap source = numbered(8, 8);
  const struct {
    RECT rect;
    int sx, sy;
  } cases[] = {{{5, 5, 2, 9}, 0, 0}, {{5, 5, 9, 2}, 0, 0}, {{0, 0, 0, 8}, 0, 0},
               {{0, 0, 8, 8}, 8, 0}, {{0, 0, 8, 8}, 0, -1}, {{0, 0, 8, 8}, -3, 2}};
  for (const auto& c : cases) {
    Canvas canvas(10, 10);
    TransparentCopy(canvas.DC(), c.rect, source, c.sx, c.sy, Magenta);
    TransparentCopyByBlits(canvas.DC(), c.rect, source, c.sx, c.sy, Magenta);
    TransparentCopy(canvas.DC(), c.rect, TBitmap(), Magenta);
    expectCanvas(canvas, [](int, int) { return Backdrop; }, "bad copy");
  }
}

TEST(TransparentCopyTest, LeavesTheColoursOfTheDCAsTheyWere) {
  Canvas canvas(8, 8);
  SetBkColor(canvas.DC(), RGB(1, 2, 3));
  SetTextColor(canvas.DC(), RGB(4, 5, 6));
  TransparentCopyByBlits(canvas.DC(), {0, 0, 8, 8}, numbered(8, 8), 0, 0, Magenta);
  TransparentCopy(canvas.DC(), {0, 0, 8, 8}, numbered(8, 8), Magenta);
  EXPECT_EQ(GetBkColor(canvas.DC()), RGB(1, 2, 3));
  EXPECT_EQ(GetTextColor(canvas.DC()), RGB(4, 5, 6));
}

// Every pixel of `bitmap` that the region must hold (shifted by the offsets), and none other.
void expectRegion(HRGN region, int w, int h, int dx, int dy, const std::function<bool(int, int)>& inside,
                  const std::string& what) {
  ASSERT_NE(region, nullptr) << what;
  int wrong = 0;
  for (int y = -1; y <= h; ++y)
    for (int x = -1; x <= w; ++x) {
      const bool expected = x >= 0 && y >= 0 && x < w && y < h && inside(x, y);
      if (bool(PtInRegion(region, x + dx, y + dy)) != expected && ++wrong <= 5)
        ADD_FAILURE() << what << ": pixel (" << x << ", " << y << ") " << (expected ? "missing" : "extra");
    }
  EXPECT_EQ(wrong, 0) << what;
}

TEST(CreateRegionFromBitmapTest, CutsAwayTheKeyAndColoursWithinTolerance) {
  // 12 x 9: a magenta border, and inside it a few pixels one step away from magenta.
  TBitmap bitmap = numbered(12, 9, 40);
  for (int y = 0; y < 9; ++y)
    for (int x = 0; x < 12; ++x)
      if (x == 0 || y == 0 || x == 11 || y == 8) bitmap.SetPixel(x, y, Magenta);
  bitmap.SetPixel(3, 3, RGB(255, 1, 255));
  bitmap.SetPixel(4, 4, RGB(255, 1, 255));
  bitmap.SetPixel(5, 5, RGB(255, 2, 255));
  bitmap.SetPixel(6, 6, RGB(254, 0, 255));
  auto border = [](int x, int y) { return x == 0 || y == 0 || x == 11 || y == 8; };
  auto greenOne = [](int x, int y) { return (x == 3 && y == 3) || (x == 4 && y == 4); };

  struct Case {
    const char* name;
    int tolBlue, tolGreen, tolRed, dx, dy;
    TPixelFormat format;
    std::function<bool(int, int)> inside;
  };
  const Case cases[] = {
      {"exact key", 0, 0, 0, 0, 0, TPixelFormat::pf24bit, [&](int x, int y) { return !border(x, y); }},
      {"green tolerance 1", 0, 1, 0, 0, 0, TPixelFormat::pf24bit,
       [&](int x, int y) { return !border(x, y) && !greenOne(x, y); }},
      {"offsets", 0, 1, 0, 100, -30, TPixelFormat::pf24bit,
       [&](int x, int y) { return !border(x, y) && !greenOne(x, y); }},
      {"32 bits", 0, 1, 0, 7, 7, TPixelFormat::pf32bit,
       [&](int x, int y) { return !border(x, y) && !greenOne(x, y); }},
      {"negative tolerance is none", -5, -5, -5, 0, 0, TPixelFormat::pf24bit,
       [&](int x, int y) { return !border(x, y); }},
      // Red cannot go above 255: the pixel 254,0,255 stays.
      {"red tolerance", 0, 0, 9, 0, 0, TPixelFormat::pf24bit, [&](int x, int y) { return !border(x, y); }},
  };
  for (const Case& c : cases) {
    TBitmap source;
    source.Assign(bitmap);
    source.SetPixelFormat(c.format);
    const int before = GdiCounters::LiveTotal();
    {
      GdiRegion region = CreateRegionFromBitmap(source, c.dx, c.dy, c.tolBlue, c.tolGreen, c.tolRed, Magenta);
      expectRegion(region, 12, 9, c.dx, c.dy, c.inside, c.name);
      RECT box{};
      EXPECT_NE(GetRgnBox(region, &box), NULLREGION) << c.name;
      EXPECT_EQ(box.left, 1 + c.dx);
      EXPECT_EQ(box.top, 1 + c.dy);
      EXPECT_EQ(box.right, 11 + c.dx);
      EXPECT_EQ(box.bottom, 8 + c.dy);
    }
    EXPECT_EQ(GdiCounters::LiveTotal(), before) << c.name;
  }
}

TEST(CreateRegionFromBitmapTest, ManyRectanglesAreBuiltInBatches) {
  // A checkerboard of 150 x 120 has 75 runs a row: 9,000 rectangles, five batches.
  TBitmap board(150, 120);
  for (int y = 0; y < 120; ++y)
    for (int x = 0; x < 150; ++x) board.SetPixel(x, y, (x + y) % 2 ? RGB(0, 128, 0) : Magenta);
  const int before = GdiCounters::LiveTotal();
  {
    GdiRegion region = CreateRegionFromBitmap(board, 20, 10, 0, 0, 0, Magenta);
    expectRegion(region, 150, 120, 20, 10, [](int x, int y) { return (x + y) % 2 == 1; }, "checkerboard");
    const DWORD bytes = GetRegionData(region, 0, nullptr);
    EXPECT_EQ((bytes - sizeof(RGNDATAHEADER)) / sizeof(RECT), 9000u);
  }
  EXPECT_EQ(GdiCounters::LiveTotal(), before);

  // Exactly one full batch: 2,000 single-pixel runs.
  TBitmap exact(80, 50);
  for (int y = 0; y < 50; ++y)
    for (int x = 0; x < 80; ++x) exact.SetPixel(x, y, x % 2 ? RGB(7, 7, 7) : Magenta);
  GdiRegion one = CreateRegionFromBitmap(exact, 0, 0, 0, 0, 0, Magenta);
  expectRegion(one, 80, 50, 0, 0, [](int x, int) { return x % 2 == 1; }, "one batch");
}

TEST(CreateRegionFromBitmapTest, NothingOpaqueGivesAnEmptyRegion) {
  TBitmap allKey(6, 4);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 6; ++x) allKey.SetPixel(x, y, Magenta);
  const TBitmap empty;
  for (const TBitmap* b : std::vector<const TBitmap*>{&allKey, &empty}) {
    GdiRegion region = CreateRegionFromBitmap(*b, 3, 3, 0, 0, 0, Magenta);
    ASSERT_TRUE(region);
    RECT box{};
    EXPECT_EQ(GetRgnBox(region, &box), NULLREGION);
  }
}

TEST(SkinDrawingTest, InvertedRectanglesDrawNothing) {
  const TBitmap strip = numbered(18, 6);
  const RECT inverted[] = {{10, 2, 4, 8}, {2, 10, 8, 4}, {10, 10, 2, 2}};
  using Service = std::function<void(HDC, const RECT&)>;
  const std::pair<const char*, Service> services[] = {
      {"DrawSkinBitmap", [&](HDC dc, const RECT& r) { DrawSkinBitmap(dc, r, strip, {3, 1, 3, 1}, 1, 2, false, false, false); }},
      {"DrawSkinBitmap trans", [&](HDC dc, const RECT& r) { DrawSkinBitmap(dc, r, strip, {}, 1, 2, true, true, false); }},
      {"DrawThreePartTiled", [&](HDC dc, const RECT& r) { DrawThreePartTiled(dc, r, strip, {2, 0, 2, 0}, 1, 2, false, false); }},
      {"DrawThreePartStretched", [&](HDC dc, const RECT& r) { DrawThreePartStretched(dc, r, strip, {2, 0, 2, 0}, 1, 2, false); }},
      {"DrawFrameStretched", [&](HDC dc, const RECT& r) { DrawFrameStretched(dc, r, strip, 1, 2, false); }},
      {"DrawFrameCentred", [&](HDC dc, const RECT& r) { DrawFrameCentred(dc, r, strip, 1, 2, false); }},
      {"TileDraw", [&](HDC dc, const RECT& r) { TileDraw(dc, r, strip, {0, 0, 3, 3}); }},
      {"TransparentCopy", [&](HDC dc, const RECT& r) { TransparentCopy(dc, r, strip, Magenta); }},
  };
  for (const auto& [name, draw] : services)
    for (const RECT& r : inverted) {
      Canvas canvas(20, 20);
      draw(canvas.DC(), r);
      expectCanvas(canvas, [](int, int) { return Backdrop; }, name);
    }
}

TEST(SkinDrawingTest, EmptyBitmapsAndBitmapsHeldElsewhereDrawNothing) {
  TBitmap held = numbered(18, 6);
  MemoryDC holder;
  SelectScope holding(holder, held.Handle());  // a bitmap can be in one DC at a time
  const TBitmap none;
  for (const TBitmap* bitmap : std::vector<const TBitmap*>{&none, &held}) {
    const TBitmap& b = *bitmap;
    Canvas canvas(20, 20);
    const RECT r{0, 0, 20, 20};
    DrawSkinBitmap(canvas.DC(), r, b, {}, 1, 1, false, false, false);
    DrawThreePartTiled(canvas.DC(), r, b, {2, 0, 2, 0}, 1, 1, false, false);
    DrawThreePartStretched(canvas.DC(), r, b, {2, 0, 2, 0}, 1, 1, false);
    DrawFrameStretched(canvas.DC(), r, b, 1, 1, false);
    DrawFrameCentred(canvas.DC(), r, b, 1, 1, true);
    TileDraw(canvas.DC(), r, b, {0, 0, 3, 3});
    if (bitmap == &none) TransparentCopy(canvas.DC(), r, b, Magenta);
    expectCanvas(canvas, [](int, int) { return Backdrop; }, bitmap == &held ? "held elsewhere" : "empty");
  }
  // The colour-keyed copy reads the pixels themselves, so a bitmap held by another DC
  // is copied all the same.
  Canvas canvas(20, 20);
  TransparentCopy(canvas.DC(), {1, 2, 20, 20}, held, Magenta);
  const TBitmap& copied = held;
  expectCanvas(
      canvas,
      [&](int x, int y) {
        const bool inside = x >= 1 && x < 1 + copied.Width() && y >= 2 && y < 2 + copied.Height();
        return inside ? copied.Pixel(x - 1, y - 2) : Backdrop;
      },
      "held elsewhere, keyed copy");
}

TEST(SkinDrawingTest, NoServiceLeavesAGdiObjectBehind) {
  TBitmap strip = numbered(40, 10);
  strip.SetPixel(3, 3, Magenta);
  const RECT r{1, 1, 33, 9};
  using Service = std::function<void(HDC)>;
  const std::pair<const char*, Service> services[] = {
      {"SkinBitmapSizing", [&](HDC) { TBitmap b = SkinBitmapSizing(r, strip, {3, 2, 3, 2}, 2, 2, true, false); }},
      {"DrawSkinBitmap", [&](HDC dc) { DrawSkinBitmap(dc, r, strip, {3, 2, 3, 2}, 2, 2, true, false, false); }},
      {"DrawThreePartTiled", [&](HDC dc) { DrawThreePartTiled(dc, r, strip, {3, 0, 3, 0}, 1, 2, true, false); }},
      {"DrawThreePartTiled, no middle", [&](HDC dc) { DrawThreePartTiled(dc, r, strip, {15, 0, 15, 0}, 1, 2, true, false); }},
      {"DrawThreePartStretched", [&](HDC dc) { DrawThreePartStretched(dc, r, strip, {3, 0, 3, 0}, 1, 2, false); }},
      {"DrawFrameStretched", [&](HDC dc) { DrawFrameStretched(dc, r, strip, 1, 2, true); }},
      {"DrawFrameCentred", [&](HDC dc) { DrawFrameCentred(dc, r, strip, 1, 2, true); }},
      {"TileDraw", [&](HDC dc) { TileDraw(dc, r, strip, {0, 0, 7, 3}); }},
      {"TransparentCopy", [&](HDC dc) { TransparentCopy(dc, r, strip, Magenta); }},
      {"TransparentCopyByBlits", [&](HDC dc) { TransparentCopyByBlits(dc, r, strip, 2, 1, Magenta); }},
      {"CreateRegionFromBitmap", [&](HDC) { GdiRegion g = CreateRegionFromBitmap(strip, 0, 0, 0, 0, 0, Magenta); }},
      {"inverted", [&](HDC dc) { DrawSkinBitmap(dc, {9, 9, 1, 1}, strip, {}, 1, 1, true, false, false); }},
  };
  Canvas canvas(40, 12);
  for (const auto& [name, draw] : services) {
    const int before = GdiCounters::LiveTotal();
    for (int i = 0; i < 3; ++i) draw(canvas.DC());
    EXPECT_EQ(GdiCounters::LiveTotal(), before) << name;
  }
}

// A parent window whose erase fills with one colour and whose paint draws a pattern in
// parent coordinates: pixel (x, y) is RGB(x * 2, y * 3, 50). It records what it got.
struct ParentRecord {
  std::vector<UINT> Messages;
  std::vector<HDC> DCs;
};

LRESULT CALLBACK patternParentProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* record = reinterpret_cast<ParentRecord*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (record && (msg == WM_ERASEBKGND || msg == WM_PAINT)) {
    record->Messages.push_back(msg);
    record->DCs.push_back(reinterpret_cast<HDC>(wParam));
  }
  if (msg == WM_ERASEBKGND && wParam) {
    const RECT all{0, 0, 100, 80};
    GdiBrush brush(CreateSolidBrush(RGB(250, 250, 250)));
    FillRect(reinterpret_cast<HDC>(wParam), &all, brush);
    return 1;
  }
  if (msg == WM_PAINT && wParam) {
    HDC dc = reinterpret_cast<HDC>(wParam);
    for (int y = 0; y < 80; ++y)
      for (int x = 0; x < 100; ++x)
        if ((x + y) % 7) SetPixelV(dc, x, y, RGB(x * 2, y * 3, 50));  // every 7th left as erased
    return 0;
  }
  return DefWindowProcA(window, msg, wParam, lParam);
}

class Windows {
 public:
  Windows() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = patternParentProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "VelmoraPatternParent";
    RegisterClassA(&wc);
    FParent = CreateWindowExA(0, "VelmoraPatternParent", "parent", WS_OVERLAPPEDWINDOW, 50, 60, 160, 140, nullptr,
                              nullptr, wc.hInstance, nullptr);
    SetWindowLongPtrA(FParent, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&Record));
    FChild = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 10, 20, 30, 25, FParent, nullptr, wc.hInstance,
                             nullptr);
    FPopup = CreateWindowExA(0, "STATIC", "", WS_POPUP, 10, 20, 30, 25, FParent, nullptr, wc.hInstance, nullptr);
  }
  ~Windows() {
    DestroyWindow(FPopup);
    DestroyWindow(FParent);
  }
  HWND Parent() const { return FParent; }
  HWND Child() const { return FChild; }
  HWND Popup() const { return FPopup; }
  ParentRecord Record;

 private:
  HWND FParent = nullptr, FChild = nullptr, FPopup = nullptr;
};

TEST(PaintParentBackgroundTest, ChildGetsTheParentsPixelsAtItsPosition) {
  Windows windows;
  ASSERT_NE(windows.Child(), nullptr);
  // The DC is larger than the child (30 x 25): what lies beyond the child stays as it was.
  Canvas canvas(40, 40);
  const int before = GdiCounters::LiveTotal();
  PaintParentBackground(windows.Child(), canvas.DC());
  EXPECT_EQ(GdiCounters::LiveTotal(), before);
  expectCanvas(
      canvas,
      [](int x, int y) {
        if (x >= 30 || y >= 25) return Backdrop;
        const int px = x + 10, py = y + 20;  // where the child sits in the parent
        return (px + py) % 7 ? RGB(px * 2, py * 3, 50) : RGB(250, 250, 250);
      },
      "parent under the child");
  ASSERT_EQ(windows.Record.Messages, (std::vector<UINT>{WM_ERASEBKGND, WM_PAINT}));
  EXPECT_EQ(windows.Record.DCs, (std::vector<HDC>{canvas.DC(), canvas.DC()}));

  // The DC is given back as it was: origin, clipping.
  POINT origin{-1, -1};
  GetViewportOrgEx(canvas.DC(), &origin);
  EXPECT_EQ(origin.x, 0);
  EXPECT_EQ(origin.y, 0);
  RECT clip{};
  GetClipBox(canvas.DC(), &clip);
  EXPECT_EQ(clip.right, 40);
  EXPECT_EQ(clip.bottom, 40);
}

TEST(PaintParentBackgroundTest, NothingWithoutAParent) {
  Windows windows;
  Canvas canvas(10, 10);
  PaintParentBackground(windows.Parent(), canvas.DC());  // top-level
  PaintParentBackground(windows.Popup(), canvas.DC());   // owned, not a child
  PaintParentBackground(nullptr, canvas.DC());
  PaintParentBackground(windows.Child(), nullptr);
  EXPECT_TRUE(windows.Record.Messages.empty());
  expectCanvas(canvas, [](int, int) { return Backdrop; }, "no parent");
}

}  // namespace
}  // namespace velmora
