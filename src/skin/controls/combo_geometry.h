// Where a skinned combo box puts its drop-down button and which of its face is left to
// the combo's own text painting, and the face frame for its state: portable, so both
// builds test it. Rectangles are in window coordinates from the combo's top-left.
#pragma once

namespace velmora {

struct TComboPart {
  int Left = 0, Top = 0, Right = 0, Bottom = 0;
  bool Empty() const { return Right <= Left || Bottom <= Top; }
};

// The drop-down button: `buttonWidth` wide inside the 2-pixel edge, at the right, or at
// the left for a right-to-left combo. Empty when the combo has no room for it.
TComboPart ComboButtonPart(int width, int height, int buttonWidth, bool onLeft);
// The area the combo paints its text into: inside the edge and clear of the button
// (its width and 4 more on its side). Empty when nothing is left.
TComboPart ComboTextPart(int width, int height, int buttonWidth, bool onLeft);
// The frame of the combo's face (1 normal, 2 pressed, 3 disabled, 4 hot or focused).
int ComboFaceFrame(bool enabled, bool focused, bool pressed, bool hot);

}  // namespace velmora
