// Scroll bar geometry.
#include "skin/controls/scrollbar_geometry.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace velmora {
namespace {

// a * b / c rounded to the nearest, like the system's MulDiv; 0 for c = 0.
int mulDiv(int a, int b, int c) {
  if (c == 0) return 0;
  const std::int64_t product = static_cast<std::int64_t>(a) * b;
  const std::int64_t half = (c > 0 ? c : -c) / 2;
  const std::int64_t rounded = ((product < 0) != (c < 0)) ? (product - half) / c : (product + half) / c;
  return static_cast<int>(rounded);
}

}  // namespace

TThumbSpan ControlThumb(int length, int arrow, const TScrollRange& range, bool minimumThumb) {
  const int span = range.Max - range.Min == 0 ? 9999999 : range.Max - range.Min;
  const int offset = range.Position - range.Min;
  int thumb = 0, start = 0;
  if (range.Page > 0) {
    thumb = mulDiv(length - 2 * arrow, range.Page - 1, span);
    if (minimumThumb && thumb < 8) {
      thumb = 8;
      start = arrow + mulDiv(length - 2 * arrow - 8, offset, span);
    } else {
      start = arrow + mulDiv(length - 2 * arrow, offset, span);
    }
  } else {
    thumb = arrow;
    start = arrow + mulDiv(length - 3 * arrow, offset, span);
  }
  if (range.Position == range.Min) start = arrow;
  return {start, start + thumb};
}

TScrollPart ScrollPartAt(int p, int length, int arrow, TThumbSpan thumb) {
  if (p < arrow) return spFirstArrow;
  if (p < thumb.Start) return spPageBefore;
  if (p < thumb.End) return spThumb;
  if (p < length - arrow) return spPageAfter;
  return spSecondArrow;
}

int ArrowExtent(int glyphHeight, int systemArrow) {
  return std::abs(glyphHeight - systemArrow) > 2 ? systemArrow : glyphHeight;
}

int ArrowLength(int length, int extent) { return length < 2 * extent ? std::max(length / 2, 0) : extent; }

bool ThumbDrawn(TThumbSpan thumb, int length, int arrowLength) {
  return thumb.Length() > 0 && thumb.Start >= arrowLength && thumb.End <= length - arrowLength;
}

TThumbSpan DraggedThumb(TThumbSpan atPress, int moved, int length, int arrow) {
  const int size = atPress.Length();
  const int highest = std::max(arrow, length - arrow - size);
  const int start = std::clamp(atPress.Start + moved, arrow, highest);
  return {start, start + size};
}

int DragPosition(int offset, int track, int thumb, const TScrollRange& range) {
  const int last = range.Page > 0 ? range.Max - range.Page + 1 : range.Max;
  const int free = track - thumb;
  if (last <= range.Min || free <= 0) return range.Min;
  const int clamped = std::clamp(offset, 0, free);
  return std::clamp(range.Min + mulDiv(clamped, last - range.Min, free), range.Min, last);
}

}  // namespace velmora
