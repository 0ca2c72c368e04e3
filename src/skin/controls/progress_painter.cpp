// Progress bars.
#include "skin/controls/progress_painter.h"

#include <commctrl.h>

#include <utility>

#include "skin/controls/progress_geometry.h"
#include "skin/data/bitmap_helpers.h"
#include "skin/data/skin_drawing.h"

namespace velmora {

bool TSkinProgress::hasBar() const {
  return FSkinData && FSkinData->Records.Progress && !FSkinData->Records.Progress->Map.Empty();
}

bool TSkinProgress::BeforeMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_PAINT:
    case WM_ERASEBKGND:
      return TakePaintAndErase(message, hasBar());
    default:
      return TSkinControl::BeforeMessage(message);
  }
}

void TSkinProgress::AfterMessage(TMessage& message) {
  switch (message.Msg) {
    // A new position, range or colour: the skinned face is brought up to date at once.
    case PBM_SETPOS:
    case PBM_DELTAPOS:
    case PBM_STEPIT:
    case PBM_SETRANGE:
    case PBM_SETRANGE32:
    case PBM_SETBARCOLOR:
    case PBM_SETBKCOLOR:
    case WM_ENABLE:
      if (hasBar()) Refresh();
      return;
    default:
      TSkinControl::AfterMessage(message);
  }
}

void TSkinProgress::DrawSkin(HDC dc, const RECT& rect) {
  if (!hasBar()) return;
  const bool vertical = WindowLong(GWL_STYLE) & PBS_VERTICAL;
  int width = rect.right - rect.left, height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) return;
  if (vertical) std::swap(width, height);
  const int position = static_cast<int>(SendMessageA(FHandle, PBM_GETPOS, 0, 0));
  const int low = static_cast<int>(SendMessageA(FHandle, PBM_GETRANGE, TRUE, 0));
  const int high = static_cast<int>(SendMessageA(FHandle, PBM_GETRANGE, FALSE, 0));
  const int fill = ProgressFillLength(width, position, low, high);

  TBitmap face(width, height);
  {
    MemoryDC composing;
    SelectScope select(composing, face.Handle());
    FillColor(composing, {0, 0, width, height}, SkinFaceColor());
    if (FSkinData->Records.Progress->Style == 1)
      drawChunks(composing, width, height, fill);
    else
      drawTrackAndBar(composing, width, height, fill);
  }
  if (vertical) RotateLeft(face);
  CopyBitmap(dc, rect.left, rect.top, face);
}

void TSkinProgress::drawTrackAndBar(HDC face, int width, int height, int fill) const {
  const TDataSkinBorder& bar = *FSkinData->Records.Progress;
  const TMargins margins = MarginsOf(bar);
  DrawSkinBitmap(face, {0, 0, width, height}, bar.Map, margins, 1, 2, true, bar.Tile != 0, false);
  if (fill > 0) DrawSkinBitmap(face, {0, 0, fill, height}, bar.Map, margins, 2, 2, true, bar.Tile != 0, false);
}

void TSkinProgress::drawChunks(HDC face, int width, int height, int fill) const {
  const TDataSkinObject* chunk = FSkinData->Records.ProgressChunk.get();
  if (!chunk || chunk->Map.Empty()) return;  // a chunked bar needs its chunk
  const TDataSkinBorder& bar = *FSkinData->Records.Progress;
  DrawSkinBitmap(face, {0, 0, width, height}, bar.Map, MarginsOf(bar), 1, 1, true, false, false);
  if (fill <= 0) return;
  const int chunkWidth = chunk->Map.Width(), chunkHeight = chunk->Map.Height();
  if (chunk->Tile == 1) {
    // Whole chunks side by side from the left, the last cut off.
    if (chunkWidth <= 0 || chunkHeight <= 0) return;
    TBitmap strip(fill, chunkHeight);
    {
      MemoryDC stripDC, chunkDC;
      SelectScope intoStrip(stripDC, strip.Handle());
      SelectScope fromChunk(chunkDC, chunk->Map.Handle());
      for (int x = 0; x < fill; x += chunkWidth) BitBlt(stripDC, x, 0, chunkWidth, chunkHeight, chunkDC, 0, 0, SRCCOPY);
    }
    MemoryDC stripDC;
    SelectScope fromStrip(stripDC, strip.Handle());
    BitBlt(face, chunk->LeftWidth + 2, (height - chunkHeight) / 2, fill, chunkHeight, stripDC, 0, 0, SRCCOPY);
    return;
  }
  // One chunk stretched over the filled part, 2 pixels in from the edges.
  const int inner = height - 4;
  if (inner <= 0) return;
  TBitmap stretched(fill, inner);
  {
    MemoryDC stretchedDC;
    SelectScope select(stretchedDC, stretched.Handle());
    DrawThreePartStretched(stretchedDC, {0, 0, fill, inner}, chunk->Map, MarginsOf(*chunk), 1, 1, false);
  }
  MemoryDC stretchedDC;
  SelectScope select(stretchedDC, stretched.Handle());
  BitBlt(face, 2, 2, fill, inner, stretchedDC, 0, 0, SRCCOPY);
}

}  // namespace velmora
