// Fitting skin frames to rectangles, tiling, colour-keyed copies, regions from bitmaps
// and parent backgrounds.
//
// Choices made here:
// - Scratch bitmaps are 24-bit DIB sections (TBitmap) rather than device-dependent
//   bitmaps: their pixels are the same on every display depth and can be read back
//   directly, and a blit to any DC converts them as a DDB would be.
// - The colour-keyed copy is one AlphaBlend of a 32-bit copy whose key pixels have
//   alpha 0 and every other pixel alpha 255: with only those two values the blend is an
//   exact copy-or-keep, and it is one pass over the pixels. MaskBlt gives the same
//   result but Wine builds it from several raster operations through scratch bitmaps,
//   some forty times slower. The three-blit copy of the old 9x systems is kept only as
//   the fallback for a DC that refuses AlphaBlend (a printer or metafile DC may).
// - Every bad input draws nothing rather than something wrong: an empty or inverted
//   destination, an empty bitmap, copies whose source or destination has no area (a
//   negative extent would mirror the copy), negative margins (taken as 0), frame counts
//   below 1 (taken as 1) and frame indexes outside the strip (kept at its ends).
#include "skin/data/skin_drawing.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <vector>

namespace velmora {

namespace {

int clampToInt(std::int64_t value) {
  return static_cast<int>(
      std::clamp<std::int64_t>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

TSkinRect toSkinRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

int extent(LONG from, LONG to) { return clampToInt(std::int64_t{to} - from); }

bool inverted(const RECT& r) { return r.right < r.left || r.bottom < r.top; }

// A bitmap selected into a memory DC of its own for one scope. A bitmap that is
// selected into another DC already cannot be selected again: the DC is then null.
// Giving the memory DC back puts its fresh state back, so the bitmap is let go then
// without a selection of its own.
class BitmapDC {
 public:
  explicit BitmapDC(HBITMAP bitmap) {
    FReady = FDC.Get() && bitmap && SelectObject(FDC, bitmap) && GetCurrentObject(FDC, OBJ_BITMAP) == bitmap;
  }
  HDC Get() const { return FReady ? FDC.Get() : nullptr; }
  explicit operator bool() const { return FReady; }

 private:
  MemoryDC FDC;
  bool FReady = false;
};

bool hasArea(const TSkinRect& r) { return r.Width() > 0 && r.Height() > 0; }

// `source` of the source DC repeated over `dest` at its own size, from dest's top-left;
// with `clip` the last column and row are cut at dest's edge, otherwise drawn whole.
void tileFromDC(HDC dc, const TSkinRect& dest, HDC source, const TSkinRect& from, bool clip) {
  const int w = from.Width(), h = from.Height();
  if (w <= 0 || h <= 0) return;
  for (std::int64_t x = dest.Left; x < dest.Right; x += w)
    for (std::int64_t y = dest.Top; y < dest.Bottom; y += h) {
      const int cw = clip ? static_cast<int>(std::min<std::int64_t>(w, dest.Right - x)) : w;
      const int ch = clip ? static_cast<int>(std::min<std::int64_t>(h, dest.Bottom - y)) : h;
      BitBlt(dc, static_cast<int>(x), static_cast<int>(y), cw, ch, source, from.Left, from.Top, SRCCOPY);
    }
}

// A tiled piece's last tiles are cut at its edge: a scratch would have cut them at its
// own edge or covered them with the right and bottom pieces drawn after, and drawn
// straight into a DC they must not reach past the box.
void drawPiece(HDC dc, HDC source, const TStretchPiece& piece, int offsetX = 0, int offsetY = 0) {
  if (!hasArea(piece.Source) || !hasArea(piece.Dest)) return;
  const TSkinRect to{piece.Dest.Left + offsetX, piece.Dest.Top + offsetY, piece.Dest.Right + offsetX,
                     piece.Dest.Bottom + offsetY};
  if (piece.Tiled) {
    tileFromDC(dc, to, source, piece.Source, true);
    return;
  }
  StretchBlt(dc, to.Left, to.Top, to.Width(), to.Height(), source, piece.Source.Left, piece.Source.Top,
             piece.Source.Width(), piece.Source.Height(), SRCCOPY);
}

// The pieces drawn from the source DC into dc, offset by (x, y), with COLORONCOLOR
// stretching; dc's own stretch mode is put back afterwards.
void stretchPieces(HDC dc, HDC source, const std::vector<TStretchPiece>& pieces, int x = 0, int y = 0) {
  const int previousMode = SetStretchBltMode(dc, COLORONCOLOR);
  for (const TStretchPiece& piece : pieces) drawPiece(dc, source, piece, x, y);
  if (previousMode) SetStretchBltMode(dc, previousMode);
}

// The pieces of `bitmap` stretched into `scratch`. False when nothing could be read:
// an empty bitmap, or one that another DC holds selected.
bool fillScratch(TBitmap& scratch, const TBitmap& bitmap, const std::vector<TStretchPiece>& pieces) {
  if (scratch.Empty() || bitmap.Empty()) return false;
  {
    BitmapDC target(scratch.Handle());
    BitmapDC source(bitmap.Handle());
    if (!target || !source) return false;
    stretchPieces(target.Get(), source.Get(), pieces);
  }
  GdiFlush();  // the pixels may be read directly from here on
  return true;
}

// A scratch bitmap of width x height holding the pieces, or an empty one when there was
// nothing to draw.
TBitmap composeScratch(int width, int height, const TBitmap& bitmap, const std::vector<TStretchPiece>& pieces) {
  TBitmap scratch(width, height);
  if (!fillScratch(scratch, bitmap, pieces)) return TBitmap();
  return scratch;
}

std::vector<TStretchPiece> ninePartPieces(const TBitmap& bitmap, const TMargins& margins, int frameIndex,
                                          int frameCount, bool tile, bool vertical, int w, int h) {
  const TFrame frame = SelectFrame(bitmap.Width(), bitmap.Height(), frameIndex, frameCount, vertical);
  return NinePartPieces(frame, FitMargins(margins, w, h), w, h, tile);
}

// The whole of `scratch` at (x, y) in `dc`.
void putOpaque(HDC dc, int x, int y, const TBitmap& scratch) {
  if (scratch.Empty()) return;
  BitmapDC source(scratch.Handle());
  if (source) BitBlt(dc, x, y, scratch.Width(), scratch.Height(), source.Get(), 0, 0, SRCCOPY);
}

// Whether a pixel (blue first) is `key`.
bool isKey(const std::uint8_t* p, COLORREF key) {
  return p[0] == GetBValue(key) && p[1] == GetGValue(key) && p[2] == GetRValue(key);
}

// A 32-bit pixel made ready for a premultiplied blend: all zero (transparent) for the
// key, fully opaque otherwise.
void keyOutPixel(std::uint8_t* q, COLORREF key) {
  if (isKey(q, key)) {
    q[0] = q[1] = q[2] = q[3] = 0;
    return;
  }
  q[3] = 255;
}

// The pieces of `bitmap`, laid out in a width x height box, drawn into dc with the box's
// top-left at (x, y). Opaque pieces go straight into dc. With `trans` they are composed
// first, so that the key is left out after stretching, and the composition is blended.
void drawFitted(HDC dc, int x, int y, int width, int height, const TBitmap& bitmap,
                const std::vector<TStretchPiece>& pieces, bool trans) {
  if (!trans) {
    BitmapDC source(bitmap.Handle());
    if (source) stretchPieces(dc, source.Get(), pieces, x, y);
    return;
  }
  TBitmap composed(width, height, TPixelFormat::pf32bit);
  if (composed.Empty()) return;
  bool blended = false;
  {
    BitmapDC target(composed.Handle());
    BitmapDC source(bitmap.Handle());
    if (!target || !source) return;
    stretchPieces(target.Get(), source.Get(), pieces);
    GdiFlush();  // the pixels are read directly
    for (int row = 0; row < height; ++row) {
      std::uint8_t* q = composed.ScanLine(row);
      for (int column = 0; column < width; ++column, q += 4) keyOutPixel(q, SkinTransparentColor);
    }
    const BLENDFUNCTION overKeepingKey{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    blended = AlphaBlend(dc, x, y, width, height, target.Get(), 0, 0, width, height, overKeepingKey);
  }
  if (blended) return;
  // A DC that cannot blend gets the three-blit copy, with the key put back.
  for (int row = 0; row < height; ++row) {
    std::uint8_t* q = composed.ScanLine(row);
    for (int column = 0; column < width; ++column, q += 4)
      if (q[3] == 0) composed.SetPixel(column, row, SkinTransparentColor);
  }
  const RECT at{x, y, clampToInt(std::int64_t{x} + width), clampToInt(std::int64_t{y} + height)};
  TransparentCopyByBlits(dc, at, composed, 0, 0, SkinTransparentColor);
}

// A monochrome mask of width x height from (sourceX, sourceY) of `bitmap`: 1 (white)
// where the pixel is `key`, 0 elsewhere. Built from the pixels themselves, so the
// match is exact whatever the bitmap's format.
GdiBitmap makeMask(const TBitmap& bitmap, int sourceX, int sourceY, int width, int height, COLORREF key) {
  const int stride = ((width + 15) / 16) * 2;  // monochrome rows are word-aligned
  std::vector<std::uint8_t> bits(static_cast<std::size_t>(stride) * static_cast<std::size_t>(height), 0);
  const int bytes = bitmap.BytesPerPixel();
  for (int y = 0; y < height; ++y) {
    const std::uint8_t* p = bitmap.ScanLine(sourceY + y) + static_cast<std::size_t>(sourceX) * bytes;
    std::uint8_t* row = bits.data() + static_cast<std::size_t>(y) * stride;
    for (int x = 0; x < width; ++x, p += bytes)
      if (isKey(p, key)) row[x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
  }
  return GdiBitmap(CreateBitmap(width, height, 1, 1, bits.data()));
}

// A 32-bit premultiplied copy of width x height from (sourceX, sourceY) of `bitmap`:
// fully transparent (all zero) where the pixel is `key`, the pixel fully opaque elsewhere.
TBitmap makeKeyedAlpha(const TBitmap& bitmap, int sourceX, int sourceY, int width, int height, COLORREF key) {
  TBitmap keyed(width, height, TPixelFormat::pf32bit);
  if (keyed.Empty()) return keyed;
  const int bytes = bitmap.BytesPerPixel();
  for (int y = 0; y < height; ++y) {
    const std::uint8_t* p = bitmap.ScanLine(sourceY + y) + static_cast<std::size_t>(sourceX) * bytes;
    std::uint8_t* q = keyed.ScanLine(y);
    for (int x = 0; x < width; ++x, p += bytes, q += 4) {
      q[0] = p[0];
      q[1] = p[1];
      q[2] = p[2];
      keyOutPixel(q, key);
    }
  }
  return keyed;
}

// The part of a transparent copy that lands: dest's size, but no more than the bitmap
// holds from the source point. False when nothing lands.
bool copyExtent(const RECT& dest, const TBitmap& bitmap, int sourceX, int sourceY, int& width, int& height) {
  if (inverted(dest) || bitmap.Empty()) return false;
  if (sourceX < 0 || sourceY < 0 || sourceX >= bitmap.Width() || sourceY >= bitmap.Height()) return false;
  width = std::min(extent(dest.left, dest.right), bitmap.Width() - sourceX);
  height = std::min(extent(dest.top, dest.bottom), bitmap.Height() - sourceY);
  return width > 0 && height > 0;
}

}  // namespace

TMargins MarginsOf(const TDataSkinObject& element) {
  return {element.LeftWidth, element.TopHeight, element.RightWidth, element.BottomHeight};
}

TBitmap SkinBitmapSizing(const RECT& dest, const TBitmap& bitmap, const TMargins& margins, int frameIndex,
                         int frameCount, bool tile, bool vertical) {
  const int w = extent(dest.left, dest.right), h = extent(dest.top, dest.bottom);
  if (w <= 0 || h <= 0) return TBitmap();
  TBitmap result(w, h);
  fillScratch(result, bitmap, ninePartPieces(bitmap, margins, frameIndex, frameCount, tile, vertical, w, h));
  return result;  // black when nothing could be read
}

void DrawSkinBitmap(HDC dc, const RECT& dest, const TBitmap& bitmap, const TMargins& margins, int frameIndex,
                    int frameCount, bool trans, bool tile, bool vertical) {
  const RECT at = dest;  // the caller's rectangle may live in something the drawing changes
  if (inverted(at) || bitmap.Empty()) return;
  const int w = extent(at.left, at.right), h = extent(at.top, at.bottom);
  if (w <= 0 || h <= 0) return;
  drawFitted(dc, at.left, at.top, w, h, bitmap, ninePartPieces(bitmap, margins, frameIndex, frameCount, tile, vertical, w, h),
             trans);
}

void DrawThreePartTiled(HDC dc, const RECT& dest, const TBitmap& bitmap, const TMargins& margins, int frameIndex,
                        int frameCount, bool trans, bool vertical) {
  if (inverted(dest) || bitmap.Empty()) return;
  const int w = extent(dest.left, dest.right), h = extent(dest.top, dest.bottom);
  if (w <= 0 || h <= 0) return;
  const TFrame frame = SelectFrame(bitmap.Width(), bitmap.Height(), frameIndex, frameCount, vertical);
  const std::vector<TStretchPiece> pieces = ThreePartTiledPieces(frame, margins, w, h);
  // The last middle piece may reach past the box, so even the opaque drawing is composed.
  if (trans) drawFitted(dc, dest.left, dest.top, w, h, bitmap, pieces, true);
  else putOpaque(dc, dest.left, dest.top, composeScratch(w, h, bitmap, pieces));
}

void DrawThreePartStretched(HDC dc, const RECT& dest, const TBitmap& bitmap, const TMargins& margins, int frameIndex,
                            int frameCount, bool vertical) {
  // An inverted rectangle would stretch the frame mirrored; it draws nothing instead.
  if (inverted(dest) || bitmap.Empty()) return;
  const TFrame frame = SelectFrame(bitmap.Width(), bitmap.Height(), frameIndex, frameCount, vertical);
  BitmapDC source(bitmap.Handle());
  if (source) stretchPieces(dc, source.Get(), ThreePartStretchedPieces(frame, margins, toSkinRect(dest)));
}

void DrawFrameStretched(HDC dc, const RECT& dest, const TBitmap& bitmap, int frameIndex, int frameCount, bool trans) {
  if (inverted(dest) || bitmap.Empty()) return;
  const int w = extent(dest.left, dest.right), h = extent(dest.top, dest.bottom);
  if (w <= 0 || h <= 0) return;
  const TFrame f = SelectFrame(bitmap.Width(), bitmap.Height(), frameIndex, frameCount, false);
  const TStretchPiece whole{{f.X, f.Y, f.X + f.Width, f.Y + f.Height}, {0, 0, w, h}};
  drawFitted(dc, dest.left, dest.top, w, h, bitmap, {whole}, trans);
}

void DrawFrameCentred(HDC dc, const RECT& dest, const TBitmap& bitmap, int frameIndex, int frameCount, bool trans) {
  if (inverted(dest) || bitmap.Empty()) return;
  const TFrame f = SelectFrame(bitmap.Width(), bitmap.Height(), frameIndex, frameCount, false);
  if (f.Width <= 0 || f.Height <= 0) return;
  const TStretchPiece unscaled{{f.X, f.Y, f.X + f.Width, f.Y + f.Height}, {0, 0, f.Width, f.Height}};
  const TPoint at = CentredOrigin(toSkinRect(dest), f.Width, f.Height);
  drawFitted(dc, at.X, at.Y, f.Width, f.Height, bitmap, {unscaled}, trans);
}

void TileDraw(HDC dc, const RECT& dest, const TBitmap& bitmap, const RECT& source) {
  if (bitmap.Empty()) return;
  const TSkinRect from = toSkinRect(source);
  if (!hasArea(from)) return;
  BitmapDC sourceDC(bitmap.Handle());
  if (sourceDC) tileFromDC(dc, toSkinRect(dest), sourceDC.Get(), from, false);
}

void CopyBitmap(HDC dc, int x, int y, const TBitmap& bitmap) {
  if (bitmap.Empty()) return;
  MemoryDC source;
  SelectScope select(source, bitmap.Handle());
  BitBlt(dc, x, y, bitmap.Width(), bitmap.Height(), source, 0, 0, SRCCOPY);
}

void TransparentCopy(HDC dc, const RECT& dest, const TBitmap& bitmap, COLORREF key) {
  TransparentCopy(dc, dest, bitmap, 0, 0, key);
}

void TransparentCopy(HDC dc, const RECT& dest, const TBitmap& bitmap, int sourceX, int sourceY, COLORREF key) {
  int w = 0, h = 0;
  if (!copyExtent(dest, bitmap, sourceX, sourceY, w, h)) return;
  GdiFlush();  // the source's pixels are read directly
  const TBitmap keyed = makeKeyedAlpha(bitmap, sourceX, sourceY, w, h, key);
  if (keyed.Empty()) return;
  bool done = false;
  {
    BitmapDC source(keyed.Handle());
    if (!source) return;
    const BLENDFUNCTION overKeepingKey{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    done = AlphaBlend(dc, dest.left, dest.top, w, h, source.Get(), 0, 0, w, h, overKeepingKey);
  }
  if (!done) TransparentCopyByBlits(dc, dest, bitmap, sourceX, sourceY, key);
}

void TransparentCopyByBlits(HDC dc, const RECT& dest, const TBitmap& bitmap, int sourceX, int sourceY,
                            COLORREF key) {
  int w = 0, h = 0;
  if (!copyExtent(dest, bitmap, sourceX, sourceY, w, h)) return;
  GdiBitmap mask = makeMask(bitmap, sourceX, sourceY, w, h, key);
  if (!mask) return;
  BitmapDC source(bitmap.Handle());
  BitmapDC maskDC(mask.Get());
  if (!source || !maskDC) return;
  // destination ^ source, cleared where the mask is 0 (black as text colour), kept where
  // it is 1 (white as background); ^ source again gives the destination back under the
  // key and the source elsewhere.
  const COLORREF background = SetBkColor(dc, RGB(255, 255, 255));
  const COLORREF text = SetTextColor(dc, RGB(0, 0, 0));
  BitBlt(dc, dest.left, dest.top, w, h, source.Get(), sourceX, sourceY, SRCINVERT);
  BitBlt(dc, dest.left, dest.top, w, h, maskDC.Get(), 0, 0, SRCAND);
  BitBlt(dc, dest.left, dest.top, w, h, source.Get(), sourceX, sourceY, SRCINVERT);
  if (background != CLR_INVALID) SetBkColor(dc, background);
  if (text != CLR_INVALID) SetTextColor(dc, text);
}

}  // namespace velmora
