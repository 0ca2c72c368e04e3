// The skinned menu bar's layout.
#include "skin/forms/menu_bar_layout.h"

#include <algorithm>

namespace velmora {

int MenuBarStartMargin(const TMenuBarLayoutInput& input) {
  if (!input.HasMenuBarElement) return 6;
  const int margin = input.RightToLeft ? std::max(input.ElementRightWidth, 0) + 8 : std::max(input.ElementLeftWidth, 0) + 4;
  return margin > input.Bar.Width() ? 12 : margin;
}

std::vector<TSkinRect> MenuBarLayout(const TMenuBarLayoutInput& input) {
  std::vector<TSkinRect> rects;
  rects.reserve(input.Items.size());
  const int margin = MenuBarStartMargin(input);
  const int top = input.Bar.Top, bottom = std::max(input.Bar.Top, input.Bar.Bottom - 1);
  int x = input.RightToLeft ? input.Bar.Right - margin : input.Bar.Left + margin;
  if (input.RightToLeft && input.LimitedByMDIButtons) x = std::min(x, input.LeftmostMDIButton - 5);
  for (const TMenuBarItemInput& item : input.Items) {
    if (!item.Visible) {
      rects.push_back({});
      continue;
    }
    const int width = item.EmptyText ? 0 : std::max(item.TextWidth, 0) + 10;
    if (input.RightToLeft) {
      rects.push_back({x - width, top, x, bottom});
      x -= width;
    } else {
      rects.push_back({x, top, x + width, bottom});
      x += width;
    }
  }
  return rects;
}

int MenuBarItemAt(const std::vector<TSkinRect>& items, int x, int y) {
  for (std::size_t i = 0; i < items.size(); ++i) {
    const TSkinRect& r = items[i];
    if (r.Width() > 0 && x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom) return static_cast<int>(i);
  }
  return -1;
}

int NeighbourMenuItem(const std::vector<bool>& canOpen, int index, int step) {
  const int count = static_cast<int>(canOpen.size());
  if (count == 0) return index;
  const int move = step < 0 ? count - 1 : 1;
  int candidate = ((index % count) + count) % count;
  for (int tried = 1; tried < count; ++tried) {
    candidate = (candidate + move) % count;
    if (canOpen[static_cast<std::size_t>(candidate)]) return candidate;
  }
  return index;
}

}  // namespace velmora
