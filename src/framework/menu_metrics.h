// The size of an owner-drawn menu item that the framework measures itself (an item
// without a measuring handler): plain numbers in, plain numbers out.
#pragma once

namespace velmora {

struct TMenuItemSize {
  int Width = 0, Height = 0;
  bool operator==(const TMenuItemSize&) const = default;
};

// What the item's texts measure in the menu font.
struct TMenuTextExtents {
  int CaptionWidth = 0, ShortCutWidth = 0, TextHeight = 0;
};

// Room for the check mark or image before the caption.
inline constexpr int MenuGlyphWidth = 16;
// Space between the caption and its shortcut.
inline constexpr int MenuShortCutGap = 16;

// A separator is half a menu line high and has no width of its own; a text item is the
// glyph room, the caption and the shortcut (with its gap) wide, and as high as the text
// with two pixels above and below, at least a menu line. Negative sizes count as 0.
TMenuItemSize DefaultMenuItemSize(bool separator, const TMenuTextExtents& text, int menuLineHeight);

}  // namespace velmora
