// Menu item measuring for every kind of item, and the item's layout in both reading
// orders.
#include "skin/forms/menu_item_metrics.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

TEST(MenuItemMetricsTest, FrameworkDefaultSize) {
  struct Case {
    const char* What;
    bool Separator;
    TMenuTextExtents Text;
    int Line;
    TMenuItemSize Expected;
  };
  const Case cases[] = {
      {"caption only", false, {60, 0, 13}, 19, {16 + 60, 19}},
      {"caption and shortcut", false, {60, 30, 13}, 19, {16 + 60 + 16 + 30, 19}},
      {"a tall font", false, {60, 0, 20}, 19, {76, 24}},
      {"an empty caption", false, {0, 0, 13}, 19, {16, 19}},
      {"a separator", true, {60, 30, 13}, 19, {0, 9}},
      {"a separator of a tiny line", true, {0, 0, 0}, 2, {0, 4}},
      {"negative extents count as none", false, {-5, -5, -5}, -1, {16, 4}},
  };
  for (const Case& c : cases) EXPECT_EQ(DefaultMenuItemSize(c.Separator, c.Text, c.Line), c.Expected) << c.What;
}

TEST(MenuItemMetricsTest, FrameworkItemGetsTheSkinsRoom) {
  const TMenuItemSize measured{80, 19};
  const TSkinMenuMeasure element{true, 6, false};
  const TSkinMenuMeasure elementImages{true, 6, true};
  const TSkinMenuMeasure none{false, 6, false};
  EXPECT_EQ(SkinMeasureFrameworkItem(TSkinMenuItemKind::MenuItem, measured, element), (TMenuItemSize{80 + 6 + 35, 19}));
  EXPECT_EQ(SkinMeasureFrameworkItem(TSkinMenuItemKind::MenuItem, measured, elementImages),
            (TMenuItemSize{80 + 6 + 10, 19}));
  EXPECT_EQ(SkinMeasureFrameworkItem(TSkinMenuItemKind::MenuItem, measured, none), (TMenuItemSize{80 + 35, 19}))
      << "without the element its margin is not added";
}

TEST(MenuItemMetricsTest, PopupComponentItemGetsTwelveWithImages) {
  const TMenuItemSize measured{80, 19};
  EXPECT_EQ(SkinMeasureFrameworkItem(TSkinMenuItemKind::PopupComponentItem, measured, {true, 4, true}),
            (TMenuItemSize{80 + 4 + 12, 19}));
  EXPECT_EQ(SkinMeasureFrameworkItem(TSkinMenuItemKind::PopupComponentItem, measured, {true, 4, false}),
            (TMenuItemSize{80 + 4 + 35, 19}));
}

TEST(MenuItemMetricsTest, ForeignItemFromItsText) {
  EXPECT_EQ(SkinMeasureForeignItem(50, 13, false, {true, 5, false}), (TMenuItemSize{50 + 26 + 5, 17}));
  EXPECT_EQ(SkinMeasureForeignItem(50, 13, false, {false, 5, false}), (TMenuItemSize{50 + 26, 17}));
}

TEST(MenuItemMetricsTest, EmptyTextMeasuresAsASeparator) {
  EXPECT_EQ(SkinMeasureForeignItem(0, 13, true, {false, 0, false}).Height, 8);
  EXPECT_EQ(SkinMeasureForeignItem(0, 13, true, {true, 5, false}), (TMenuItemSize{31, 8}));
}

TEST(MenuItemMetricsTest, LayoutLeftToRight) {
  const TMenuItemParts parts = MenuItemLayout({0, 20, 150, 40}, 4, false);
  EXPECT_EQ(parts.GlyphCell, (TSkinRect{5, 21, 21, 39}));
  EXPECT_EQ(parts.Caption, (TSkinRect{24, 20, 140, 40}));
  EXPECT_EQ(parts.ShortCut.Right, 140) << "the shortcut ends 10 pixels before the right edge";
}

TEST(MenuItemMetricsTest, LayoutRightToLeftIsMirrored) {
  const TMenuItemParts parts = MenuItemLayout({0, 20, 150, 40}, 4, true);
  EXPECT_EQ(parts.GlyphCell, (TSkinRect{129, 21, 145, 39}));
  EXPECT_EQ(parts.Caption, (TSkinRect{10, 20, 126, 40}));
  EXPECT_EQ(parts.ShortCut.Left, 10) << "the shortcut starts 10 pixels after the left edge";
}

TEST(MenuItemMetricsTest, NarrowItemsNeverInvert) {
  const TMenuItemParts parts = MenuItemLayout({0, 0, 10, 1}, 50, false);
  EXPECT_FALSE(parts.GlyphCell.Inverted());
  EXPECT_FALSE(parts.Caption.Inverted());
  EXPECT_FALSE(MenuItemLayout({0, 0, 10, 1}, 50, true).Caption.Inverted());
}

}  // namespace
}  // namespace velmora
