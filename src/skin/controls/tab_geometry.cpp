// Skinned tab geometry.
#include "skin/controls/tab_geometry.h"

#include <algorithm>

namespace velmora {

TTabSide TabSideOfStyle(unsigned long style) {
  constexpr unsigned long kBottom = 0x2, kVertical = 0x80;
  if (style & kVertical) return (style & kBottom) ? TTabSide::Right : TTabSide::Left;
  return (style & kBottom) ? TTabSide::Bottom : TTabSide::Top;
}

TMargins TurnTabMargins(const TMargins& m, TTabSide side) {
  switch (side) {
    case TTabSide::Bottom: return {m.Left, m.Bottom, m.Right, m.Top};
    // Counter-clockwise: the top goes left, the right goes up.
    case TTabSide::Left: return {m.Top, m.Right, m.Bottom, m.Left};
    // Clockwise: the top goes right, the left goes up.
    case TTabSide::Right: return {m.Bottom, m.Left, m.Top, m.Right};
    case TTabSide::Top: break;
  }
  return m;
}

TSkinRect TabPageArea(const TSkinRect& display, const TSkinRect& client, TTabSide side) {
  TSkinRect area{display.Left - 4, display.Top - 4, display.Right + 4, display.Bottom + 4};
  area.Left = std::max(area.Left, client.Left);
  area.Top = std::max(area.Top, client.Top);
  area.Right = std::min(area.Right, client.Right);
  area.Bottom = std::min(area.Bottom, client.Bottom);
  switch (side) {
    case TTabSide::Top: area.Top -= 1; break;
    case TTabSide::Bottom: area.Bottom += 1; break;
    case TTabSide::Left: area.Left -= 1; break;
    case TTabSide::Right: area.Right += 1; break;
  }
  return area;
}

TSkinRect TabDrawRect(const TSkinRect& tab, TTabSide side, bool selected) {
  TSkinRect r = tab;
  const int grow = selected ? 2 : 0, reach = selected ? 2 : 0;
  switch (side) {
    case TTabSide::Top:
      r.Left -= grow, r.Right += grow, r.Top -= reach, r.Bottom += 1;
      break;
    case TTabSide::Bottom:
      r.Left -= grow, r.Right += grow, r.Bottom += reach, r.Top -= 1;
      break;
    case TTabSide::Left:
      r.Top -= grow, r.Bottom += grow, r.Left -= reach, r.Right += 1;
      break;
    case TTabSide::Right:
      r.Top -= grow, r.Bottom += grow, r.Right += reach, r.Left -= 1;
      break;
  }
  return r;
}

TSkinRect TabCloseBox(const TSkinRect& tab) { return {tab.Right - 8, tab.Top + 2, tab.Right - 2, tab.Top + 8}; }

int IconCaptionStart(const TSkinRect& area, int pairWidth, int alignment) {
  int start = area.Left + 3;
  if (alignment == 1) start = area.Left + (area.Width() - pairWidth) / 2;
  if (alignment == 2) start = area.Right - 2 - pairWidth;
  return std::max(start, area.Left + 1);
}

}  // namespace velmora
