// Scroll bar geometry: the control thumb, hit test, arrows, the dragged thumb and the
// drag-to-position mapping.
#include "skin/controls/scrollbar_geometry.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

struct ThumbCase {
  const char* what;
  int length, arrow;
  TScrollRange range;
  bool minimum;
  int start, end;
};

TEST(ScrollbarGeometry, ControlThumb) {
  const ThumbCase cases[] = {
      // 200 long, 17 per arrow: a track of 166.
      {"page of a tenth, at the lowest", 200, 17, {0, 100, 11, 0}, true, 17, 17 + 17},
      {"page of a tenth, halfway", 200, 17, {0, 100, 11, 50}, true, 17 + 83, 17 + 83 + 17},
      {"tiny page: 8 pixels at least", 200, 17, {0, 1000, 2, 500}, true, 17 + 79, 17 + 79 + 8},
      {"tiny page without the minimum", 200, 17, {0, 1000, 2, 500}, false, 17 + 83, 17 + 83},
      {"no page: an arrow long", 200, 17, {0, 100, 0, 100}, true, 17 + 149, 17 + 149 + 17},
      {"range 0 counts as 9,999,999", 200, 17, {5, 5, 0, 5}, true, 17, 34},
      {"range 0, position past it", 200, 17, {0, 0, 0, 40}, true, 17, 34},
      {"lowest position starts after the arrow", 200, 17, {-50, 50, 0, -50}, true, 17, 34},
      {"negative minimum, middle", 200, 17, {-50, 50, 0, 0}, true, 17 + 75, 17 + 75 + 17},
  };
  for (const auto& c : cases) {
    const TThumbSpan thumb = ControlThumb(c.length, c.arrow, c.range, c.minimum);
    EXPECT_EQ(thumb.Start, c.start) << c.what;
    EXPECT_EQ(thumb.End, c.end) << c.what;
  }
}

TEST(ScrollbarGeometry, HitTest) {
  const TThumbSpan thumb{60, 90};
  const struct {
    int p;
    TScrollPart part;
  } cases[] = {{0, spFirstArrow},  {16, spFirstArrow}, {17, spPageBefore}, {59, spPageBefore},
               {60, spThumb},      {89, spThumb},      {90, spPageAfter},  {182, spPageAfter},
               {183, spSecondArrow}, {199, spSecondArrow}, {250, spSecondArrow}, {-3, spFirstArrow}};
  for (const auto& c : cases) EXPECT_EQ(ScrollPartAt(c.p, 200, 17, thumb), c.part) << c.p;
  // No thumb (a bar too short for one): the middle is all page, split at the empty thumb.
  EXPECT_EQ(ScrollPartAt(20, 40, 17, {17, 17}), spPageAfter);
  EXPECT_EQ(ScrollPartAt(30, 40, 17, {17, 17}), spSecondArrow);
}

TEST(ScrollbarGeometry, ArrowsAndThumbOnShortBars) {
  EXPECT_EQ(ArrowExtent(17, 17), 17);
  EXPECT_EQ(ArrowExtent(19, 17), 19);  // within 2 pixels: the glyph's own size
  EXPECT_EQ(ArrowExtent(15, 17), 15);
  EXPECT_EQ(ArrowExtent(20, 17), 17);  // too far off: the system's
  EXPECT_EQ(ArrowExtent(0, 16), 16);

  EXPECT_EQ(ArrowLength(200, 17), 17);
  EXPECT_EQ(ArrowLength(34, 17), 17);
  EXPECT_EQ(ArrowLength(30, 17), 15);  // shorter than two arrows: half each
  EXPECT_EQ(ArrowLength(1, 17), 0);
  EXPECT_EQ(ArrowLength(-5, 17), 0);

  EXPECT_TRUE(ThumbDrawn({17, 40}, 200, 17));
  EXPECT_FALSE(ThumbDrawn({17, 17}, 200, 17)) << "no length";
  EXPECT_FALSE(ThumbDrawn({10, 30}, 200, 17)) << "over the first arrow";
  EXPECT_FALSE(ThumbDrawn({170, 190}, 200, 17)) << "over the second arrow";
  EXPECT_FALSE(ThumbDrawn({15, 20}, 30, 15)) << "a short bar has no room";
}

TEST(ScrollbarGeometry, DraggedThumbStaysBetweenTheArrows) {
  const TThumbSpan atPress{50, 80};
  EXPECT_EQ(DraggedThumb(atPress, 10, 200, 17).Start, 60);
  EXPECT_EQ(DraggedThumb(atPress, 10, 200, 17).End, 90);
  EXPECT_EQ(DraggedThumb(atPress, -100, 200, 17).Start, 17);
  EXPECT_EQ(DraggedThumb(atPress, 500, 200, 17).Start, 200 - 17 - 30);
  EXPECT_EQ(DraggedThumb(atPress, 500, 200, 17).End, 200 - 17);
  // A thumb longer than the track: held at the first arrow, never flipped.
  EXPECT_EQ(DraggedThumb({17, 200}, 5, 100, 17).Start, 17);
}

TEST(ScrollbarGeometry, DragPositionReachesTheLastPosition) {
  // A list of 30 items, 8 shown: positions 0 to 22 (max 29, page 8).
  const TScrollRange list{0, 29, 8, 0};
  const int track = 120, thumb = 32;
  EXPECT_EQ(DragPosition(0, track, thumb, list), 0);
  EXPECT_EQ(DragPosition(track - thumb, track, thumb, list), 22);
  EXPECT_EQ(DragPosition(track, track, thumb, list), 22) << "past the end: held at the last";
  EXPECT_EQ(DragPosition(-40, track, thumb, list), 0);
  EXPECT_EQ(DragPosition((track - thumb) / 2, track, thumb, list), 11);
  // Every position is reachable, in order.
  int previous = 0, reached = 0;
  for (int offset = 0; offset <= track - thumb; ++offset) {
    const int position = DragPosition(offset, track, thumb, list);
    EXPECT_GE(position, previous);
    reached += position != previous;
    previous = position;
  }
  EXPECT_EQ(reached, 22);
  // Without a page the last position is the maximum.
  EXPECT_EQ(DragPosition(track - 17, track, 17, {10, 50, 0, 10}), 50);
  // Nothing to scroll, or no free track: the lowest position.
  EXPECT_EQ(DragPosition(30, track, thumb, {0, 5, 8, 0}), 0);
  EXPECT_EQ(DragPosition(30, 20, 32, list), 0);
}

}  // namespace
}  // namespace velmora
