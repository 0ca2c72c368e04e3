// Where the pieces of a skin frame go: which frame of a strip is drawn, which margins
// survive a small destination, and the source and destination rectangle of every piece
// of a nine-part or three-part fitting. Plain values in, plain values out, so the
// drawing code only copies what these functions list.
#pragma once

#include <vector>

namespace velmora {

// The fixed parts of a frame that are never scaled: left, top, right, bottom.
struct TMargins {
  int Left = 0, Top = 0, Right = 0, Bottom = 0;
  bool operator==(const TMargins&) const = default;
};

// Left, top, right, bottom in pixels (the layout of a Win32 RECT).
struct TSkinRect {
  int Left = 0, Top = 0, Right = 0, Bottom = 0;
  int Width() const { return Right - Left; }
  int Height() const { return Bottom - Top; }
  // Right before left or bottom above top: such a rectangle draws nothing.
  bool Inverted() const { return Right < Left || Bottom < Top; }
  bool operator==(const TSkinRect&) const = default;
};

// One frame of a skin bitmap: its top-left corner in the bitmap and its size.
struct TFrame {
  int X = 0, Y = 0, Width = 0, Height = 0;
  bool operator==(const TFrame&) const = default;
};

// Frame `frameIndex` (from 1) of `frameCount` equal frames laid side by side, or stacked
// when `vertical`. A count below 1 is taken as 1 and the index is kept inside 1..count.
TFrame SelectFrame(int bitmapWidth, int bitmapHeight, int frameIndex, int frameCount, bool vertical);

// The margins a nine-part fitting keeps for a width x height destination: a negative
// margin counts as 0, and a pair that does not fit (left + right > width, top + bottom >
// height) is dropped as a pair.
TMargins FitMargins(const TMargins& margins, int width, int height);

// One copy: Source (a rectangle of the bitmap) onto Dest. A tiled piece repeats Source
// over Dest at its own size instead of stretching it.
struct TStretchPiece {
  TSkinRect Source, Dest;
  bool Tiled = false;
  bool operator==(const TStretchPiece&) const = default;
};

// The pieces of a nine-part fitting of `frame` into a width x height bitmap, in drawing
// order: top-left, bottom-left, top-right corners, left and top edges, centre,
// bottom-right corner, right and bottom edges. `margins` are already fitted. Edges are
// always stretched; only the centre tiles, and the pieces after it cover tiles that run
// past its end.
std::vector<TStretchPiece> NinePartPieces(const TFrame& frame, const TMargins& margins, int width, int height,
                                          bool tileCentre);

// Three horizontal parts into a width x height bitmap: the left part, the middle part
// repeated at its own width from the left margin while it starts before the right part,
// then the right part, each stretched to the full height. A middle of no width is not
// drawn (it would never advance).
std::vector<TStretchPiece> ThreePartTiledPieces(const TFrame& frame, const TMargins& margins, int width, int height);

// Three horizontal parts all stretched onto `dest`; a frame wider than `dest` is drawn
// whole, stretched onto it.
std::vector<TStretchPiece> ThreePartStretchedPieces(const TFrame& frame, const TMargins& margins,
                                                    const TSkinRect& dest);

// Top-left corner of a width x height frame centred in `dest`; the halves are truncated
// toward zero, so a frame larger than `dest` overhangs it equally, rounding toward the
// top-left.
struct TPoint {
  int X = 0, Y = 0;
  bool operator==(const TPoint&) const = default;
};
TPoint CentredOrigin(const TSkinRect& dest, int width, int height);

}  // namespace velmora
