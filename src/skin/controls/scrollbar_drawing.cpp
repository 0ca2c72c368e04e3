// Skinned scroll bar drawing.
#include "skin/controls/scrollbar_drawing.h"

#include <algorithm>

#include "framework/bitmap.h"
#include "framework/control.h"
#include "framework/gdi_object.h"
#include "skin/data/skin_colors.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_drawing.h"

namespace velmora {
namespace {

void fill(HDC dc, const RECT& rect, COLORREF color) {
  GdiBrush brush(CreateSolidBrush(ColorToRGB(color)));
  FillRect(dc, &rect, brush);
}

// The rectangle `from`..`to` along the axis, across the whole thickness.
RECT span(bool horizontal, int from, int to, int thickness) {
  return horizontal ? RECT{from, 0, to, thickness} : RECT{0, from, thickness, to};
}

void compose(HDC dc, int width, int height, const TSkinData& data, const TScrollBarLook& look) {
  const TSkinRecords& records = data.Records;
  fill(dc, {0, 0, width, height}, data.Colors.Colors[scButtonFace]);
  const TDataSkinObject* glyphs = records.Scrollbar.get();
  if (!look.Visible || !glyphs || glyphs->Map.Empty()) return;
  const bool horizontal = look.Horizontal;
  const int length = horizontal ? width : height, thickness = horizontal ? height : width;
  const int arrow = ArrowLength(length, ArrowExtent(glyphs->Map.Height(), look.ArrowSize));

  // The track between the arrows: frame 1, or 3 when the bar is disabled.
  const TDataSkinObject* track = horizontal ? records.HorzScroll.get() : records.VertScroll.get();
  if (track && !track->Map.Empty() && length > 2 * arrow)
    DrawSkinBitmap(dc, span(horizontal, arrow, length - arrow, thickness), track->Map, MarginsOf(*track),
                   look.Enabled ? 1 : 3, std::max(track->Frame, 1), track->Trans != 0, false, false);

  // The arrows: pressed or hot while their part is the hot one.
  const bool trans = glyphs->Trans != 0;
  const int first = horizontal ? 1 : 9, second = horizontal ? 5 : 13;
  auto arrowFrame = [&](int base, int part) {
    if (look.HotPart != part || !look.Enabled) return base;
    return base + (look.Pressed ? 1 : 3);
  };
  DrawFrameStretched(dc, span(horizontal, 0, arrow, thickness), glyphs->Map, arrowFrame(first, spFirstArrow), 23,
                     trans);
  DrawFrameStretched(dc, span(horizontal, length - arrow, length, thickness), glyphs->Map,
                     arrowFrame(second, spSecondArrow), 23, trans);

  const TDataSkinObject* thumbElement = horizontal ? records.HorzScrollThumb.get() : records.VertScrollThumb.get();
  // The vertical thumb is cut with the horizontal one's frame count when there is one.
  const TDataSkinObject* counted = records.HorzScrollThumb ? records.HorzScrollThumb.get() : thumbElement;
  if (!thumbElement || thumbElement->Map.Empty() || !ThumbDrawn(look.Thumb, length, arrow)) return;
  const bool thumbHot = look.HotPart == spThumb && look.Enabled;
  const int frame = thumbHot ? (look.Pressed ? 2 : 3) : 1;
  const RECT thumbRect = span(horizontal, look.Thumb.Start, look.Thumb.End, thickness);
  DrawSkinBitmap(dc, thumbRect, thumbElement->Map, MarginsOf(*thumbElement), frame, std::max(counted->Frame, 1),
                 thumbElement->Trans != 0, false, false);
  // The grip, centred, when it fits.
  const int gripLength = glyphs->Map.Width() / 23;
  if (gripLength <= look.Thumb.Length() + 1) {
    const int grip = (horizontal ? 17 : 20) + (thumbHot ? (look.Pressed ? 1 : 2) : 0);
    DrawFrameCentred(dc, thumbRect, glyphs->Map, grip, 23, trans);
  }
}

// The bar composed into a bitmap of its own (empty when it could not be made).
TBitmap composed(int width, int height, const TSkinData& data, const TScrollBarLook& look) {
  TBitmap buffer(width, height);
  if (buffer.Empty()) return buffer;
  MemoryDC composing;
  SelectScope select(composing, buffer.Handle());
  SetStretchBltMode(composing, COLORONCOLOR);
  compose(composing, width, height, data, look);
  return buffer;
}

HBITMAP mapOf(const std::unique_ptr<TDataSkinObject>& element) { return element ? element->Map.Handle() : nullptr; }

}  // namespace

void DrawSkinnedScrollBar(HDC dc, const RECT& rect, const TSkinData& data, const TScrollBarLook& look) {
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) return;
  CopyBitmap(dc, rect.left, rect.top, composed(width, height, data, look));
}

TScrollBarPicture::TKey TScrollBarPicture::keyOf(int width, int height, const TSkinData& data,
                                                 const TScrollBarLook& look) {
  const TSkinRecords& records = data.Records;
  return {width,
          height,
          look,
          data.Colors.Colors[scButtonFace],
          mapOf(records.Scrollbar),
          mapOf(records.HorzScroll),
          mapOf(records.VertScroll),
          mapOf(records.HorzScrollThumb),
          mapOf(records.VertScrollThumb)};
}

void TScrollBarPicture::Draw(HDC dc, const RECT& rect, const TSkinData& data, const TScrollBarLook& look) {
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) return;
  const TKey key = keyOf(width, height, data, look);
  if (FPicture.Empty() || !(key == FKey)) {
    FPicture = composed(width, height, data, look);
    FKey = key;
  }
  CopyBitmap(dc, rect.left, rect.top, FPicture);
}

}  // namespace velmora
