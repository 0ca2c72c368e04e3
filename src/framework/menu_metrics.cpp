// The framework's own measuring of owner-drawn menu items.
#include "framework/menu_metrics.h"

#include <algorithm>

namespace velmora {

TMenuItemSize DefaultMenuItemSize(bool separator, const TMenuTextExtents& text, int menuLineHeight) {
  const int line = std::max(menuLineHeight, 0);
  if (separator) return {0, std::max(line / 2, 4)};
  const int caption = std::max(text.CaptionWidth, 0);
  const int shortCut = std::max(text.ShortCutWidth, 0);
  const int width = MenuGlyphWidth + caption + (shortCut > 0 ? MenuShortCutGap + shortCut : 0);
  return {width, std::max(std::max(text.TextHeight, 0) + 4, line)};
}

}  // namespace velmora
