// The skinned menu bar's layout: start margins, item widths, right-to-left order, the
// MDI buttons' limit, hidden and empty items, and which item a point is over.
#include "skin/forms/menu_bar_layout.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

TMenuBarLayoutInput bar(bool element, bool rightToLeft) {
  TMenuBarLayoutInput input;
  input.Bar = {4, 30, 304, 50};
  input.HasMenuBarElement = element;
  input.ElementLeftWidth = 3;
  input.ElementRightWidth = 5;
  input.RightToLeft = rightToLeft;
  input.Items = {{30, false, true}, {44, false, true}};
  return input;
}

TEST(MenuBarLayoutTest, StartMargins) {
  EXPECT_EQ(MenuBarStartMargin(bar(true, false)), 3 + 4);
  EXPECT_EQ(MenuBarStartMargin(bar(true, true)), 5 + 8);
  EXPECT_EQ(MenuBarStartMargin(bar(false, false)), 6);
  EXPECT_EQ(MenuBarStartMargin(bar(false, true)), 6);
  TMenuBarLayoutInput narrow = bar(true, false);
  narrow.Bar = {0, 0, 5, 20};
  EXPECT_EQ(MenuBarStartMargin(narrow), 12) << "a margin wider than the bar becomes 12";
}

TEST(MenuBarLayoutTest, ItemsLeftToRightAreTextPlusTenWide) {
  const std::vector<TSkinRect> items = MenuBarLayout(bar(true, false));
  ASSERT_EQ(items.size(), 2u);
  EXPECT_EQ(items[0], (TSkinRect{4 + 7, 30, 4 + 7 + 40, 49}));
  EXPECT_EQ(items[1], (TSkinRect{51, 30, 51 + 54, 49}));
}

TEST(MenuBarLayoutTest, RightToLeftItemsGoFromTheRightEdge) {
  const std::vector<TSkinRect> items = MenuBarLayout(bar(true, true));
  EXPECT_EQ(items[0], (TSkinRect{304 - 13 - 40, 30, 304 - 13, 49}));
  EXPECT_EQ(items[1], (TSkinRect{251 - 54, 30, 251, 49})) << "the second item left of the first";
}

TEST(MenuBarLayoutTest, MDIButtonsLimitTheRightToLeftStart) {
  TMenuBarLayoutInput input = bar(true, true);
  input.LimitedByMDIButtons = true;
  input.LeftmostMDIButton = 250;
  EXPECT_EQ(MenuBarLayout(input)[0].Right, 245);
  input.LeftmostMDIButton = 400;
  EXPECT_EQ(MenuBarLayout(input)[0].Right, 304 - 13) << "a limit beyond the start changes nothing";
  input.RightToLeft = false;
  EXPECT_EQ(MenuBarLayout(input)[0].Left, 4 + 7) << "left to right is not limited";
}

TEST(MenuBarLayoutTest, HiddenItemsAreEmptyAndEmptyTextsHaveNoWidth) {
  TMenuBarLayoutInput input = bar(false, false);
  input.Items = {{30, false, false}, {50, true, true}, {20, false, true}};
  const std::vector<TSkinRect> items = MenuBarLayout(input);
  EXPECT_EQ(items[0], TSkinRect{});
  EXPECT_EQ(items[1].Width(), 0);
  EXPECT_EQ(items[2], (TSkinRect{10, 30, 40, 49})) << "follows straight after the start margin";
}

TEST(MenuBarLayoutTest, ItemUnderAPoint) {
  const std::vector<TSkinRect> items = MenuBarLayout(bar(true, false));
  EXPECT_EQ(MenuBarItemAt(items, 12, 35), 0);
  EXPECT_EQ(MenuBarItemAt(items, 60, 35), 1);
  EXPECT_EQ(MenuBarItemAt(items, 8, 35), -1) << "in the start margin";
  EXPECT_EQ(MenuBarItemAt(items, 60, 49), -1) << "below the items";
  EXPECT_EQ(MenuBarItemAt({TSkinRect{5, 0, 5, 10}}, 5, 5), -1) << "an item of no width";
}

TEST(MenuBarLayoutTest, ArrowKeysWrapAndSkipItemsThatCannotOpen) {
  struct Case {
    std::vector<bool> canOpen;
    int index, step, expected;
    const char* what;
  };
  const Case cases[] = {
      {{true, true, true, true}, 3, 1, 0, "right on the last opens the first"},
      {{true, true, true, true}, 0, -1, 3, "left on the first opens the last"},
      {{true, true, true, true}, 1, 1, 2, "right opens the next"},
      {{true, false, true, true}, 0, 1, 2, "a hidden item is passed over"},
      {{true, true, false, false}, 1, 1, 0, "passing over hidden items wraps too"},
      {{false, true, false}, 1, -1, 1, "no other item: stays"},
      {{}, 0, 1, 0, "no items"},
  };
  for (const Case& c : cases) EXPECT_EQ(NeighbourMenuItem(c.canOpen, c.index, c.step), c.expected) << c.what;
}

}  // namespace
}  // namespace velmora
