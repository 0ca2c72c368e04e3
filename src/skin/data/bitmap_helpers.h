// Pixel-exact bitmap transforms, a colour blend, a saturation measure and a cached
// gradient fill, for deriving skin images and turning element bitmaps for vertical or
// mirrored layouts.
#pragma once

#include <windows.h>

#include <vector>

#include "framework/bitmap.h"
#include "framework/control.h"

namespace velmora {

// 24 bits per pixel, and every pure magenta pixel takes `color` (its bytes as they
// are: red low, green, blue).
void ReplaceMagenta(TBitmap& bitmap, COLORREF color);
void MirrorHorizontal(TBitmap& bitmap);
void FlipVertical(TBitmap& bitmap);
// A quarter turn counter-clockwise: new (x, y) = old (width - 1 - y, x).
void RotateLeft(TBitmap& bitmap);
// A quarter turn clockwise: new (x, y) = old (y, height - 1 - x).
void RotateRight(TBitmap& bitmap);

// p % of A below 100, p per mille of A from 100 on; the rest is B.
COLORREF BlendColor(COLORREF a, COLORREF b, int p);
// 200 for colours whose channels are all below 160, else 255 * (max - min) / max.
int ColorSaturation(COLORREF color);

// The cache slot (0..15) holding n colours running from A to B.
int GradientTable(int n, COLORREF a, COLORREF b);
const std::vector<COLORREF>& GradientSlot(int slot);
// One line a colour, only the lines inside the DC's clip box.
void GradientFill(HDC dc, const RECT& rect, COLORREF a, bool vertical, COLORREF b);

}  // namespace velmora
