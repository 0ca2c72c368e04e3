// Skinned menu item sizes and layout.
#include "skin/forms/menu_item_metrics.h"

#include <algorithm>

namespace velmora {

namespace {

int leftMargin(const TSkinMenuMeasure& skin) {
  return skin.HasMenuItemElement ? std::max(skin.MenuItemLeftWidth, 0) : 0;
}

TSkinRect mirrored(const TSkinRect& part, const TSkinRect& item) {
  return {item.Left + (item.Right - part.Right), part.Top, item.Left + (item.Right - part.Left), part.Bottom};
}

}  // namespace

TMenuItemSize SkinMeasureFrameworkItem(TSkinMenuItemKind kind, TMenuItemSize measured, const TSkinMenuMeasure& skin) {
  const int withImages = kind == TSkinMenuItemKind::PopupComponentItem ? 12 : 10;
  const int room = skin.HasImages ? withImages : 35;
  return {std::max(measured.Width, 0) + leftMargin(skin) + room, std::max(measured.Height, 0)};
}

TMenuItemSize SkinMeasureForeignItem(int textWidth, int textHeight, bool emptyText, const TSkinMenuMeasure& skin) {
  if (emptyText) return {26 + leftMargin(skin), 8};
  return {std::max(textWidth, 0) + 26 + leftMargin(skin), std::max(textHeight, 0) + 4};
}

TMenuItemParts MenuItemLayout(const TSkinRect& item, int menuItemLeftWidth, bool rightToLeft) {
  TMenuItemParts parts;
  const int glyphLeft = item.Left + 1 + std::max(menuItemLeftWidth, 0);
  parts.GlyphCell = {glyphLeft, item.Top + 1, glyphLeft + MenuGlyphWidth, std::max(item.Top + 1, item.Bottom - 1)};
  const int textLeft = parts.GlyphCell.Right + 3;
  const int textRight = std::max(textLeft, item.Right - 10);
  parts.Caption = {textLeft, item.Top, textRight, item.Bottom};
  parts.ShortCut = parts.Caption;
  if (rightToLeft) {
    parts.GlyphCell = mirrored(parts.GlyphCell, item);
    parts.Caption = mirrored(parts.Caption, item);
    parts.ShortCut = mirrored(parts.ShortCut, item);
  }
  return parts;
}

}  // namespace velmora
