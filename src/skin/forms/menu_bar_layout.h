// Where the items of a skinned menu bar go: the start margin, each item's width from its
// text, left to right or from the right edge for a right-to-left bar, and the limit an
// MDI child's buttons set. Plain numbers only.
#pragma once

#include <vector>

#include "skin/data/skin_geometry.h"

namespace velmora {

struct TMenuBarItemInput {
  int TextWidth = 0;  // measured in the menu font
  bool EmptyText = false;
  bool Visible = true;
};

struct TMenuBarLayoutInput {
  TSkinRect Bar;  // the bar in window coordinates
  bool HasMenuBarElement = false;
  int ElementLeftWidth = 0, ElementRightWidth = 0;
  bool RightToLeft = false;
  // An MDI main form whose active child is maximised: the leftmost of the child's
  // buttons drawn in the bar.
  bool LimitedByMDIButtons = false;
  int LeftmostMDIButton = 0;
  std::vector<TMenuBarItemInput> Items;
};

// The start margin: the element's left margin + 4 (right-to-left: its right margin +
// 8), 12 when that is more than the bar is wide; 6 without the element.
int MenuBarStartMargin(const TMenuBarLayoutInput& input);

// One rectangle per item: text width + 10 wide (0 for an empty text), from the bar's
// top to one pixel above its bottom; invisible items get an empty rectangle.
std::vector<TSkinRect> MenuBarLayout(const TMenuBarLayoutInput& input);

// The item under a point, or -1 (items of no width are never hit).
int MenuBarItemAt(const std::vector<TSkinRect>& items, int x, int y);

// The item an arrow key moves to from `index`: the next (`step` 1) or previous (-1)
// one that can open, wrapping from the last to the first and back; `index` itself when
// no other can.
int NeighbourMenuItem(const std::vector<bool>& canOpen, int index, int step);

}  // namespace velmora
