// Frame choice, margin fitting and the piece lists of nine-part and three-part fittings.
#include "skin/data/skin_geometry.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

TEST(SkinGeometryTest, SelectsFramesOfAStrip) {
  struct Case {
    int width, height, index, count;
    bool vertical;
    TFrame expected;
  };
  const Case cases[] = {
      {64, 10, 3, 4, false, {32, 0, 16, 10}},   // frame 3 of 4 takes columns 32..47
      {64, 10, 1, 4, false, {0, 0, 16, 10}},
      {10, 64, 3, 4, true, {0, 32, 10, 16}},    // stacked: rows 32..47
      {65, 10, 4, 4, false, {48, 0, 16, 10}},   // the width is divided down
      {64, 10, 1, 0, false, {0, 0, 64, 10}},    // no count: one frame
      {64, 10, 2, -3, false, {0, 0, 64, 10}},
      {64, 10, 9, 4, false, {48, 0, 16, 10}},   // past the end: the last frame
      {64, 10, 0, 4, false, {0, 0, 16, 10}},    // before the start: the first frame
      {64, 10, -7, 4, true, {0, 0, 64, 2}},
      {3, 2, 2, 4, false, {0, 0, 0, 2}},        // more frames than columns: no width
      {0, 0, 1, 1, false, {0, 0, 0, 0}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(SelectFrame(c.width, c.height, c.index, c.count, c.vertical), c.expected)
        << c.width << "x" << c.height << " frame " << c.index << "/" << c.count;
}

TEST(SkinGeometryTest, MarginsThatDoNotFitAreDroppedInPairs) {
  struct Case {
    TMargins margins;
    int width, height;
    TMargins expected;
  };
  const Case cases[] = {
      {{3, 1, 3, 1}, 30, 3, {3, 1, 3, 1}},
      {{10, 0, 10, 0}, 15, 3, {0, 0, 0, 0}},
      {{10, 0, 10, 0}, 20, 3, {10, 0, 10, 0}},  // exactly fitting stays
      {{2, 2, 2, 2}, 10, 3, {2, 0, 2, 0}},      // only the pair that does not fit goes
      {{-4, 1, 3, -1}, 30, 3, {0, 1, 3, 0}},    // negative margins count as none
      {{0x7FFFFFFF, 0, 0x7FFFFFFF, 0}, 100, 3, {0, 0, 0, 0}},  // no overflow in the sum
  };
  for (const Case& c : cases) EXPECT_EQ(FitMargins(c.margins, c.width, c.height), c.expected);
}

TEST(SkinGeometryTest, NinePartPiecesComeInDrawingOrder) {
  // A 9 x 3 frame at (18, 0) with margins 3, 1, 3, 1 into 30 x 3.
  const TFrame frame{18, 0, 9, 3};
  const std::vector<TStretchPiece> expected = {
      {{18, 0, 21, 1}, {0, 0, 3, 1}},         // top-left
      {{18, 2, 21, 3}, {0, 2, 3, 3}},         // bottom-left
      {{24, 0, 27, 1}, {27, 0, 30, 1}},       // top-right
      {{18, 1, 21, 2}, {0, 1, 3, 2}},         // left edge
      {{21, 0, 24, 1}, {3, 0, 27, 1}},        // top edge
      {{21, 1, 24, 2}, {3, 1, 27, 2}, true},  // centre, tiled
      {{24, 2, 27, 3}, {27, 2, 30, 3}},       // bottom-right
      {{24, 1, 27, 2}, {27, 1, 30, 2}},       // right edge
      {{21, 2, 24, 3}, {3, 2, 27, 3}},        // bottom edge
  };
  EXPECT_EQ(NinePartPieces(frame, {3, 1, 3, 1}, 30, 3, true), expected);
  // Without margins only the centre is left: the whole frame.
  const std::vector<TStretchPiece> centre = {{{18, 0, 27, 3}, {0, 0, 15, 3}}};
  EXPECT_EQ(NinePartPieces(frame, {}, 15, 3, false), centre);
  // A margin pair with one side 0 keeps its edges but not the corners that need both.
  const auto sides = NinePartPieces(frame, {3, 0, 3, 0}, 30, 3, false);
  ASSERT_EQ(sides.size(), 3u);
  EXPECT_EQ(sides[0].Dest, (TSkinRect{0, 0, 3, 3}));
  EXPECT_EQ(sides[1].Dest, (TSkinRect{3, 0, 27, 3}));
  EXPECT_EQ(sides[2].Dest, (TSkinRect{27, 0, 30, 3}));
}

TEST(SkinGeometryTest, ThreePartTiledRepeatsTheMiddleAndNeverLoopsOnAnEmptyOne) {
  // Frame 7 wide (middle 3) into 20: tiles at 2, 5, 8, 11, 14, 17, then the right part.
  const auto pieces = ThreePartTiledPieces({7, 0, 7, 4}, {2, 0, 2, 0}, 20, 6);
  ASSERT_EQ(pieces.size(), 8u);
  EXPECT_EQ(pieces.front(), (TStretchPiece{{7, 0, 9, 4}, {0, 0, 2, 6}}));
  for (int i = 0; i < 6; ++i)
    EXPECT_EQ(pieces[1 + i], (TStretchPiece{{9, 0, 12, 4}, {2 + 3 * i, 0, 5 + 3 * i, 6}})) << i;
  EXPECT_EQ(pieces.back(), (TStretchPiece{{12, 0, 14, 4}, {18, 0, 20, 6}}));

  for (const TMargins m : {TMargins{4, 0, 4, 0}, TMargins{5, 0, 5, 0}, TMargins{8, 0, 0, 0}}) {
    const auto ends = ThreePartTiledPieces({0, 0, 8, 4}, m, 50, 4);
    EXPECT_EQ(ends.size(), 2u) << m.Left;  // left and right only
  }
}

TEST(SkinGeometryTest, ThreePartStretchedFitsOrStretchesTheWholeFrame) {
  const TSkinRect dest{5, 5, 23, 9};
  const std::vector<TStretchPiece> three = {
      {{6, 0, 8, 4}, {5, 5, 7, 9}},
      {{8, 0, 10, 4}, {7, 5, 21, 9}},
      {{10, 0, 12, 4}, {21, 5, 23, 9}},
  };
  EXPECT_EQ(ThreePartStretchedPieces({6, 0, 6, 4}, {2, 0, 2, 0}, dest), three);
  const std::vector<TStretchPiece> whole = {{{20, 0, 40, 4}, {5, 5, 15, 9}}};
  EXPECT_EQ(ThreePartStretchedPieces({20, 0, 20, 4}, {2, 0, 2, 0}, {5, 5, 15, 9}), whole);
}

TEST(SkinGeometryTest, CentringTruncatesTowardZero) {
  EXPECT_EQ(CentredOrigin({0, 0, 21, 21}, 16, 16), (TPoint{2, 2}));
  EXPECT_EQ(CentredOrigin({10, 10, 21, 21}, 16, 16), (TPoint{8, 8}));  // -5 / 2 is -2
  EXPECT_EQ(CentredOrigin({0, 0, 16, 17}, 16, 16), (TPoint{0, 0}));
  EXPECT_EQ(CentredOrigin({3, 4, 3, 4}, 1, 2), (TPoint{3, 3}));
}

}  // namespace
}  // namespace velmora
