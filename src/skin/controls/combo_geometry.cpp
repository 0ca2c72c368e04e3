// Combo box geometry.
#include "skin/controls/combo_geometry.h"

namespace velmora {
namespace {

constexpr int Edge = 2;

TComboPart orEmpty(TComboPart part) { return part.Empty() ? TComboPart{} : part; }

}  // namespace

TComboPart ComboButtonPart(int width, int height, int buttonWidth, bool onLeft) {
  if (buttonWidth <= 0 || width < buttonWidth + 2 * Edge) return {};
  if (onLeft) return orEmpty({Edge, Edge, Edge + buttonWidth, height - Edge});
  return orEmpty({width - Edge - buttonWidth, Edge, width - Edge, height - Edge});
}

TComboPart ComboTextPart(int width, int height, int buttonWidth, bool onLeft) {
  const int beside = buttonWidth > 0 ? buttonWidth + 4 : Edge;
  if (onLeft) return orEmpty({beside, Edge, width - Edge, height - Edge});
  return orEmpty({Edge, Edge, width - beside, height - Edge});
}

int ComboFaceFrame(bool enabled, bool focused, bool pressed, bool hot) {
  if (!enabled) return 3;
  if (pressed) return 2;
  if (hot || focused) return 4;
  return 1;
}

}  // namespace velmora
