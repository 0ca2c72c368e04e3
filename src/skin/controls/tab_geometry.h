// Where a skinned tab control's pieces go: the side its tabs sit on, the margins of a
// tab image turned to that side, the page body, a tab drawn selected, the close box of a
// tab and the place of an icon-and-caption pair. Portable, so both builds test it.
#pragma once

#include "skin/data/skin_geometry.h"

namespace velmora {

enum class TTabSide { Top, Bottom, Left, Right };

// The side from a tab control's style bits: TCS_VERTICAL (0x80) puts the tabs on the
// left, with TCS_BOTTOM (0x2) on the right; TCS_BOTTOM alone at the bottom.
TTabSide TabSideOfStyle(unsigned long style);

// A skin's tab images are drawn for tabs on top (open at the bottom, where they join the
// page). Turned for another side, flipped for the bottom, a quarter turn
// counter-clockwise for the left and clockwise for the right, their fixed margins move
// with them.
TMargins TurnTabMargins(const TMargins& margins, TTabSide side);

// The page body from the control's display rectangle (what TCM_ADJUSTRECT leaves of the
// client area): grown by 4 on every side, kept inside the client area, and moved one
// pixel toward the tabs so its edge runs under them.
TSkinRect TabPageArea(const TSkinRect& display, const TSkinRect& client, TTabSide side);

// The selected tab stands out: two pixels wider on each end and reaching two pixels
// further from the page, and it covers the page's edge by one pixel, so the tab and its
// page read as one piece. Other tabs only cover the edge.
TSkinRect TabDrawRect(const TSkinRect& tab, TTabSide side, bool selected);

// The 6 x 6 close box in a tab's corner: from (right - 8, top + 2) to (right - 2, top + 8).
TSkinRect TabCloseBox(const TSkinRect& tab);

// An icon followed by a caption inside `area` (a horizontal run): where the pair starts.
// Alignment 0 starts 3 pixels in, 1 centres the pair, 2 ends it 2 pixels before the
// right edge; never less than 1 pixel in.
int IconCaptionStart(const TSkinRect& area, int pairWidth, int alignment);

}  // namespace velmora
