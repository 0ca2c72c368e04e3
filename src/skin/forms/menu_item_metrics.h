// Sizes and places of skinned menu items: what the skin adds to a measured item, how a
// foreign item (one the framework does not know) is measured from its text, and where
// the glyph, caption and shortcut of an item go, mirrored for right-to-left menus.
// Plain numbers only, so every rule is tested without a window.
#pragma once

#include "framework/menu_metrics.h"
#include "skin/data/skin_geometry.h"

namespace velmora {

// Framework items: of a form's menu, or of a pop-up menu component.
enum class TSkinMenuItemKind { MenuItem, PopupComponentItem };

// What of the skin and the menu the measuring looks at.
struct TSkinMenuMeasure {
  bool HasMenuItemElement = false;
  int MenuItemLeftWidth = 0;  // the MenuItem element's left margin
  bool HasImages = false;     // the menu has an image list
};

// The framework's size of the item with the skin's room added: the element's left
// margin, then 10 with an image list or 35 without (12 / 35 for a pop-up component's).
TMenuItemSize SkinMeasureFrameworkItem(TSkinMenuItemKind kind, TMenuItemSize measured, const TSkinMenuMeasure& skin);

// A foreign item measured from its text: text width + 26 (+ the element's left
// margin); height the text's + 4, or 8 for an empty text, which is a separator.
TMenuItemSize SkinMeasureForeignItem(int textWidth, int textHeight, bool emptyText, const TSkinMenuMeasure& skin);

// The parts of one item, in the item's coordinates.
struct TMenuItemParts {
  TSkinRect GlyphCell;  // 16 wide, one pixel inside the item's top and bottom
  TSkinRect Caption;    // from 3 pixels after the glyph cell to the shortcut's end
  TSkinRect ShortCut;   // the caption's room, ending 10 pixels before the far edge
};

// Left to right: the glyph cell one pixel in from the left (after the element's left
// margin), the caption after it, the shortcut ending 10 pixels before the right edge.
// Right to left: the same mirrored within the item.
TMenuItemParts MenuItemLayout(const TSkinRect& item, int menuItemLeftWidth, bool rightToLeft);

}  // namespace velmora
