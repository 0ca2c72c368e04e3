// One skinned scroll bar drawn from the skin's strips: the arrows from the 23-frame
// "Scrollbar" glyph strip, the track between them, the thumb with its grip. The overlay
// windows and the combo list's own bar draw through here, so both look the same.
#pragma once

#include <windows.h>

#include "skin/controls/scrollbar_geometry.h"

namespace velmora {

class TSkinData;

struct TScrollBarLook {
  bool Horizontal = false;
  int ArrowSize = 0;      // the system's arrow size along the bar
  TThumbSpan Thumb;       // in bar coordinates
  bool Enabled = true;
  int HotPart = spNone;   // a TScrollPart
  bool Pressed = false;   // the hot part is held down
  bool Visible = true;    // false: only the background
};

// Draws the bar into `rect` of `dc` through a buffer (nothing at all for an empty rect).
void DrawSkinnedScrollBar(HDC dc, const RECT& rect, const TSkinData& data, const TScrollBarLook& look);

}  // namespace velmora
