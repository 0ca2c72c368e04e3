// Skinned tab geometry: the side from the style, margins turned with the tab image, the
// page body, the selected tab standing out, close boxes and icon-with-caption placing.
#include "skin/controls/tab_geometry.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

TEST(TabGeometryTest, SideFromStyleBits) {
  EXPECT_EQ(TabSideOfStyle(0), TTabSide::Top);
  EXPECT_EQ(TabSideOfStyle(0x2), TTabSide::Bottom);
  EXPECT_EQ(TabSideOfStyle(0x80 | 0x200), TTabSide::Left);  // vertical, multi-line
  EXPECT_EQ(TabSideOfStyle(0x80 | 0x2 | 0x200), TTabSide::Right);
  EXPECT_EQ(TabSideOfStyle(0x100), TTabSide::Top) << "button style alone leaves the tabs on top";
}

TEST(TabGeometryTest, MarginsTurnWithTheImage) {
  // A tab on top: 1 on the left, 2 on top, 3 on the right, 4 at the bottom (its open side).
  const TMargins top{1, 2, 3, 4};
  struct Case {
    TTabSide Side;
    TMargins Expected;
  } cases[] = {
      {TTabSide::Top, {1, 2, 3, 4}},
      // Flipped: top and bottom change places, the open side faces up.
      {TTabSide::Bottom, {1, 4, 3, 2}},
      // Counter-clockwise: the top goes left, the right up, the bottom right, the left down.
      {TTabSide::Left, {2, 3, 4, 1}},
      // Clockwise: the top goes right, the left up, the bottom left, the right down.
      {TTabSide::Right, {4, 1, 2, 3}},
  };
  for (const Case& c : cases) EXPECT_EQ(TurnTabMargins(top, c.Side), c.Expected) << static_cast<int>(c.Side);
}

TEST(TabGeometryTest, PageAreaGrowsByFourAndRunsUnderTheTabs) {
  const TSkinRect client{0, 0, 200, 100};
  const TSkinRect display{4, 26, 196, 96};
  EXPECT_EQ(TabPageArea(display, client, TTabSide::Top), (TSkinRect{0, 21, 200, 100}));
  EXPECT_EQ(TabPageArea({4, 4, 196, 74}, client, TTabSide::Bottom), (TSkinRect{0, 0, 200, 79}));
  EXPECT_EQ(TabPageArea({30, 4, 196, 96}, client, TTabSide::Left), (TSkinRect{25, 0, 200, 100}));
  EXPECT_EQ(TabPageArea({4, 4, 170, 96}, client, TTabSide::Right), (TSkinRect{0, 0, 175, 100}));
  // A control too small for its tabs: the area is kept inside the client and may be
  // empty or inverted (then nothing is drawn), never grown out of the control.
  const TSkinRect tiny = TabPageArea({4, 26, 2, 20}, {0, 0, 6, 24}, TTabSide::Top);
  EXPECT_GE(tiny.Left, 0);
  EXPECT_LE(tiny.Right, 6);
  EXPECT_LE(tiny.Bottom, 24);
}

TEST(TabGeometryTest, SelectedTabStandsOutOthersOnlyCoverTheEdge) {
  const TSkinRect tab{10, 2, 60, 22};
  EXPECT_EQ(TabDrawRect(tab, TTabSide::Top, false), (TSkinRect{10, 2, 60, 23}));
  EXPECT_EQ(TabDrawRect(tab, TTabSide::Top, true), (TSkinRect{8, 0, 62, 23}));
  EXPECT_EQ(TabDrawRect(tab, TTabSide::Bottom, true), (TSkinRect{8, 1, 62, 24}));
  const TSkinRect side{2, 10, 22, 60};
  EXPECT_EQ(TabDrawRect(side, TTabSide::Left, true), (TSkinRect{0, 8, 23, 62}));
  EXPECT_EQ(TabDrawRect(side, TTabSide::Right, false), (TSkinRect{1, 10, 22, 60}));
}

TEST(TabGeometryTest, CloseBoxSitsInTheTopRightCorner) {
  EXPECT_EQ(TabCloseBox({10, 2, 60, 22}), (TSkinRect{52, 4, 58, 10}));
  EXPECT_EQ(TabCloseBox({10, 2, 60, 22}).Width(), 6);
}

TEST(TabGeometryTest, IconCaptionStartByAlignment) {
  const TSkinRect area{10, 0, 110, 20};
  EXPECT_EQ(IconCaptionStart(area, 40, 0), 13);
  EXPECT_EQ(IconCaptionStart(area, 40, 1), 40);
  EXPECT_EQ(IconCaptionStart(area, 40, 2), 68);
  // Wider than the area: never before the first pixel in.
  EXPECT_EQ(IconCaptionStart(area, 140, 1), 11);
  EXPECT_EQ(IconCaptionStart(area, 140, 2), 11);
}

}  // namespace
}  // namespace velmora
