// Up-down (spin) controls drawn wholly from the skin's "UpDown.Vert" or "UpDown.Horz"
// element (8 frames: the up or left half, then the down or right half, each normal,
// pressed, disabled, hot). The half under the cursor shows pressed while the button is
// down and hot otherwise.
#pragma once

#include "skin/controls/skin_control.h"

namespace velmora {

class TSkinUpDown : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;
  // The spin button sits inside a skinned edit: it keeps clear of the edit's border.
  bool InEdit = false;
  // Drawn as left and right halves even without the control's horizontal style.
  bool Horizontal = false;

  // The first spin button among `window`'s child windows (an up-down control, or a
  // window class naming a spin or up-down), or null.
  static HWND FindSpinChild(HWND window);

  // The frame (from 1, of 8) for half `half` (0: up or left, 1: down or right).
  static int HalfFrame(int half, int halfUnderCursor, bool pressed, bool enabled);

 protected:
  bool BeforeMessage(TMessage& message) override;
  void AfterMessage(TMessage& message) override;
  void DrawSkin(HDC dc, const RECT& rect) override;

 private:
  bool horizontal() const;
  // 0 or 1 for the half under the cursor, -1 when the cursor is elsewhere.
  int halfUnderCursor() const;
  int FLastHalf = -1;
};

}  // namespace velmora
