// Bare size grips (scroll bar windows with the size-grip style) take the skin's
// background colour over the system's grip, so they sit on the skinned form without a
// grey patch. A scroll bar that is not a size grip is never painted over.
#pragma once

#include "skin/controls/skin_control.h"

namespace velmora {

class TSkinSizer : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;
  static bool IsSizeGrip(HWND window);

 protected:
  void DrawSkin(HDC dc, const RECT& rect) override;
};

}  // namespace velmora
