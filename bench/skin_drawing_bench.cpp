// Cost of fitting a skin frame to a face: SkinBitmapSizing of one of four 40 x 30 frames
// with 8-pixel margins to 400 x 300, stretched and tiled, DrawSkinBitmap with and
// without transparency, the colour-keyed copy both ways, and the window region of a
// 400 x 300 face. Two baselines measured in the same run: one plain StretchBlt of the
// frame to 400 x 300 into a bitmap that exists already, and the same into a new
// 400 x 300 bitmap (the scratch bitmap every fitting needs, first touch included).
//   skin_drawing_bench [milliseconds per figure, default 400]
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "framework/bitmap.h"
#include "framework/gdi_object.h"
#include "skin/data/skin_drawing.h"

using namespace velmora;

namespace {

using Clock = std::chrono::steady_clock;
constexpr COLORREF Magenta = RGB(255, 0, 255);

// Four 40 x 30 frames of a rounded button face: shaded body, darker rim, magenta corners.
TBitmap buttonStrip() {
  TBitmap strip(160, 30);
  for (int frame = 0; frame < 4; ++frame)
    for (int y = 0; y < 30; ++y)
      for (int x = 0; x < 40; ++x) {
        const bool corner = (x + y < 3) || (39 - x + y < 3) || (x + 29 - y < 3) || (78 - x - y < 3);
        const bool rim = x == 0 || y == 0 || x == 39 || y == 29;
        const int shade = 140 + y * 3 + frame * 10;
        strip.SetPixel(frame * 40 + x, y,
                       corner ? Magenta : rim ? RGB(40, 60, 90) : RGB(shade, shade, std::min(255, shade + 20)));
      }
  return strip;
}

// A 400 x 300 face with rounded magenta corners and a few holes, for the region figure.
TBitmap formFace() {
  TBitmap face(400, 300);
  for (int y = 0; y < 300; ++y)
    for (int x = 0; x < 400; ++x) {
      const int dx = std::min(x, 399 - x), dy = std::min(y, 299 - y);
      const bool corner = dx < 12 && dy < 12 && (12 - dx) * (12 - dx) + (12 - dy) * (12 - dy) > 144;
      const bool hole = (x / 20 + y / 20) % 9 == 0 && x % 20 < 4;
      face.SetPixel(x, y, corner || hole ? Magenta : RGB(x % 256, y % 256, 128));
    }
  return face;
}

// Microseconds per call: the median of five runs of about `budget` / 5 each.
double microsPerCall(const std::function<void()>& call, std::chrono::milliseconds budget) {
  for (int i = 0; i < 20; ++i) call();  // warm up
  std::vector<double> runs;
  const auto slice = budget / 5;
  for (int run = 0; run < 5; ++run) {
    long calls = 0;
    const auto start = Clock::now();
    auto now = start;
    do {
      for (int i = 0; i < 10; ++i) call();
      calls += 10;
      now = Clock::now();
    } while (now - start < slice);
    runs.push_back(std::chrono::duration<double, std::micro>(now - start).count() / static_cast<double>(calls));
  }
  std::sort(runs.begin(), runs.end());
  return runs[runs.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  const std::chrono::milliseconds budget(argc > 1 ? std::max(50, std::atoi(argv[1])) : 400);
  const TBitmap strip = buttonStrip();
  const TBitmap face = formFace();
  const TMargins margins{8, 8, 8, 8};
  const RECT dest{0, 0, 400, 300};

  TBitmap target(400, 300);
  MemoryDC targetDC;
  SelectScope targetSelect(targetDC, target.Handle());
  SetStretchBltMode(targetDC, COLORONCOLOR);
  const TBitmap fitted = SkinBitmapSizing(dest, strip, margins, 3, 4, false, false);
  const int liveBefore = GdiCounters::LiveTotal();

  const double baseline = microsPerCall(
      [&] {
        // The least any fitting can cost: the frame's source selected, one stretch.
        MemoryDC sourceDC;
        SelectScope select(sourceDC, strip.Handle());
        StretchBlt(targetDC, 0, 0, 400, 300, sourceDC, 80, 0, 40, 30, SRCCOPY);
        GdiFlush();
      },
      budget);
  const double withScratch = microsPerCall(
      [&] {
        TBitmap scratch(400, 300);
        MemoryDC scratchDC;
        SelectScope scratchSelect(scratchDC, scratch.Handle());
        MemoryDC sourceDC;
        SelectScope select(sourceDC, strip.Handle());
        SetStretchBltMode(scratchDC, COLORONCOLOR);
        StretchBlt(scratchDC, 0, 0, 400, 300, sourceDC, 80, 0, 40, 30, SRCCOPY);
        GdiFlush();
      },
      budget);

  struct Figure {
    const char* name;
    std::function<void()> call;
  };
  const Figure figures[] = {
      {"SkinBitmapSizing, stretched", [&] { TBitmap b = SkinBitmapSizing(dest, strip, margins, 3, 4, false, false); }},
      {"SkinBitmapSizing, tiled", [&] { TBitmap b = SkinBitmapSizing(dest, strip, margins, 3, 4, true, false); }},
      {"DrawSkinBitmap, opaque", [&] { DrawSkinBitmap(targetDC, dest, strip, margins, 3, 4, false, false, false); }},
      {"DrawSkinBitmap, trans", [&] { DrawSkinBitmap(targetDC, dest, strip, margins, 3, 4, true, false, false); }},
      {"DrawSkinBitmap, trans, tiled", [&] { DrawSkinBitmap(targetDC, dest, strip, margins, 3, 4, true, true, false); }},
      {"TransparentCopy (AlphaBlend) 400x300", [&] { TransparentCopy(targetDC, dest, fitted, Magenta); }},
      {"TransparentCopyByBlits 400x300", [&] { TransparentCopyByBlits(targetDC, dest, fitted, 0, 0, Magenta); }},
      {"CreateRegionFromBitmap 400x300", [&] { GdiRegion r = CreateRegionFromBitmap(face, 0, 0, 0, 0, 0, Magenta); }},
  };

  std::printf("skin drawing, 4 frames of 40 x 30, margins 8, to 400 x 300 (%lld ms a figure)\n",
              static_cast<long long>(budget.count()));
  std::printf("%-36s %10s %12s %14s\n", "", "us/call", "x StretchBlt", "x new+Stretch");
  std::printf("%-36s %10.1f %12.2f %14.2f\n", "baseline: one StretchBlt", baseline, 1.0, baseline / withScratch);
  std::printf("%-36s %10.1f %12.2f %14.2f\n", "baseline: new 400x300 + StretchBlt", withScratch,
              withScratch / baseline, 1.0);
  for (const Figure& f : figures) {
    const double us = microsPerCall(f.call, budget);
    std::printf("%-36s %10.1f %12.2f %14.2f\n", f.name, us, us / baseline, us / withScratch);
  }
  std::printf("GDI objects left behind: %d\n", GdiCounters::LiveTotal() - liveBefore);
  return GdiCounters::LiveTotal() == liveBefore ? 0 : 1;
}
