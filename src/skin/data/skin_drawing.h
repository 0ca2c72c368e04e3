// The skin's drawing services: one frame of a skin bitmap fitted to a rectangle (nine
// parts with fixed margins, three parts, stretched whole, centred), tiling, the copy
// that leaves magenta pixels out, the window region of a bitmap's opaque pixels, and the
// parent's background painted under a control. Stateless: every scratch bitmap, mask
// and DC is made and freed within the call.
#pragma once

#include <windows.h>

#include "framework/bitmap.h"
#include "framework/gdi_object.h"
#include "skin/data/skin_geometry.h"
#include "skin/data/skin_records.h"

namespace velmora {

// The transparent colour of every skin bitmap: pure magenta.
inline constexpr COLORREF SkinTransparentColor = RGB(255, 0, 255);

TMargins MarginsOf(const TDataSkinObject& element);

// Frame `frameIndex` (from 1) of `frameCount` fitted to `dest`'s size in nine parts: the
// corners unscaled, the edges stretched along their length, the centre stretched or,
// with `tile`, repeated. Margins that do not fit are dropped in pairs. The result is a
// new 24-bit bitmap of dest's size (empty for an empty or inverted `dest`; black when
// `bitmap` is empty or held selected by another DC, so nothing could be copied).
TBitmap SkinBitmapSizing(const RECT& dest, const TBitmap& bitmap, const TMargins& margins, int frameIndex,
                         int frameCount, bool tile, bool vertical);

// SkinBitmapSizing drawn into `dc` at dest, leaving magenta out when `trans`.
void DrawSkinBitmap(HDC dc, const RECT& dest, const TBitmap& bitmap, const TMargins& margins, int frameIndex,
                    int frameCount, bool trans, bool tile, bool vertical);

// Left and right parts stretched to dest's height, the middle repeated at its own width
// between them. Only the left and right margins count.
void DrawThreePartTiled(HDC dc, const RECT& dest, const TBitmap& bitmap, const TMargins& margins, int frameIndex,
                        int frameCount, bool trans, bool vertical);

// Left, middle and right parts stretched straight into `dc`; a frame wider than `dest`
// is stretched whole onto it. Only the left and right margins count.
void DrawThreePartStretched(HDC dc, const RECT& dest, const TBitmap& bitmap, const TMargins& margins, int frameIndex,
                            int frameCount, bool vertical);

// The whole frame (frames side by side) stretched onto dest.
void DrawFrameStretched(HDC dc, const RECT& dest, const TBitmap& bitmap, int frameIndex, int frameCount, bool trans);

// The frame (frames side by side) at its own size, centred in dest.
void DrawFrameCentred(HDC dc, const RECT& dest, const TBitmap& bitmap, int frameIndex, int frameCount, bool trans);

// `source` of `bitmap` repeated over dest from its top-left corner; the last column and
// row are drawn whole and may reach past dest.
void TileDraw(HDC dc, const RECT& dest, const TBitmap& bitmap, const RECT& source);

// The whole of `bitmap` copied to `dc` with its top-left corner at (x, y).
void CopyBitmap(HDC dc, int x, int y, const TBitmap& bitmap);

// `bitmap` (from its top-left corner, or from `sourceX`, `sourceY`) copied to dest's
// top-left corner, dest's size at most, except its pixels of colour `key`.
void TransparentCopy(HDC dc, const RECT& dest, const TBitmap& bitmap, COLORREF key);
void TransparentCopy(HDC dc, const RECT& dest, const TBitmap& bitmap, int sourceX, int sourceY, COLORREF key);
// The same copy made of three plain blits (source, mask, source) for DCs that cannot
// do AlphaBlend; TransparentCopy falls back on it when AlphaBlend fails.
void TransparentCopyByBlits(HDC dc, const RECT& dest, const TBitmap& bitmap, int sourceX, int sourceY,
                            COLORREF key);

// The region of every pixel whose colour is not within key .. key + tolerance in each
// channel, shifted by the offsets. Always a region (empty when nothing is opaque) unless
// the system refuses one.
GdiRegion CreateRegionFromBitmap(const TBitmap& bitmap, int offsetX, int offsetY, int tolBlue, int tolGreen,
                                 int tolRed, COLORREF key);

// Paints the control's parent (its erase and paint) into `dc` under the control, as if
// the control were not there: `dc` is the control's, with its client origin at (0, 0).
void PaintParentBackground(HWND control, HDC dc);

}  // namespace velmora
