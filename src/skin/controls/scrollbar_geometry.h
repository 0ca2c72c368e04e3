// Where the parts of a skinned scroll bar lie along its axis, which part a point hits,
// and how a dragged thumb maps to a position: portable, so both builds test it. All
// lengths are pixels along the bar's axis, from the bar's top or left end.
#pragma once

namespace velmora {

// The parts, numbered like the scroll codes a bar sends (SB_LINEUP ... SB_THUMBTRACK).
enum TScrollPart {
  spNone = -1,
  spFirstArrow = 0,
  spSecondArrow = 1,
  spPageBefore = 2,
  spPageAfter = 3,
  spThumb = 5,
};

struct TScrollRange {
  int Min = 0, Max = 0, Page = 0, Position = 0;
};

struct TThumbSpan {
  int Start = 0, End = 0;
  int Length() const { return End - Start; }
  bool operator==(const TThumbSpan&) const = default;
};

// The thumb of a scroll bar control (a bar with no system geometry to read), `arrow`
// pixels per arrow. A range of 0 counts as 9,999,999. With a page the thumb is the page's
// share of the track, at least 8 pixels when `minimumThumb`; without one it is an arrow
// long. At the lowest position it starts right after the first arrow.
TThumbSpan ControlThumb(int length, int arrow, const TScrollRange& range, bool minimumThumb);

// The part at `p`: the arrows at the ends, the thumb, the pages between.
TScrollPart ScrollPartAt(int p, int length, int arrow, TThumbSpan thumb);

// The arrow length drawn: the skin glyph's height, unless it is more than 2 pixels off
// the system's arrow size.
int ArrowExtent(int glyphHeight, int systemArrow);

// Each arrow's length: `extent`, or half the bar when the bar is shorter than two arrows.
int ArrowLength(int length, int extent);

// Whether a thumb is drawn: it lies inside the bar between the arrows and has length.
bool ThumbDrawn(TThumbSpan thumb, int length, int arrowLength);

// The thumb while it follows the mouse: moved by `moved` pixels from where it was at the
// press, kept between the arrows.
TThumbSpan DraggedThumb(TThumbSpan atPress, int moved, int length, int arrow);

// The position for a thumb dragged to `offset` pixels into a track `track` long, the thumb
// `thumb` long. The whole free track (track - thumb) spans every position, so the end of
// the track reaches the last one: max - page + 1 with a page, max without.
int DragPosition(int offset, int track, int thumb, const TScrollRange& range);

}  // namespace velmora
