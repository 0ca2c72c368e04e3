// Combo box geometry: the button on either side, the text area left to the combo, and
// the face frame for each state.
#include "skin/controls/combo_geometry.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

struct PlacementCase {
  const char* name;
  int width, height, buttonWidth;
  bool onLeft;
  TComboPart button, text;
};

TEST(ComboGeometryTest, ButtonAndTextOnEitherSide) {
  const PlacementCase cases[] = {
      {"right", 120, 24, 17, false, {101, 2, 118, 22}, {2, 2, 99, 22}},
      {"left (right to left)", 120, 24, 17, true, {2, 2, 19, 22}, {21, 2, 118, 22}},
      {"exactly the button and the edges", 21, 24, 17, false, {2, 2, 19, 22}, {}},
      {"no room for the button", 20, 24, 17, false, {}, {}},
      {"no height", 120, 4, 17, false, {}, {}},
      {"no button", 120, 24, 0, false, {}, {2, 2, 118, 22}},
  };
  for (const auto& c : cases) {
    const TComboPart button = ComboButtonPart(c.width, c.height, c.buttonWidth, c.onLeft);
    const TComboPart text = ComboTextPart(c.width, c.height, c.buttonWidth, c.onLeft);
    EXPECT_EQ(button.Left, c.button.Left) << c.name;
    EXPECT_EQ(button.Top, c.button.Top) << c.name;
    EXPECT_EQ(button.Right, c.button.Right) << c.name;
    EXPECT_EQ(button.Bottom, c.button.Bottom) << c.name;
    EXPECT_EQ(text.Left, c.text.Left) << c.name;
    EXPECT_EQ(text.Right, c.text.Right) << c.name;
    EXPECT_EQ(text.Empty(), c.text.Empty()) << c.name;
    // The button never lies in the text area.
    if (!button.Empty() && !text.Empty()) {
      EXPECT_TRUE(button.Right <= text.Left || button.Left >= text.Right) << c.name;
    }
  }
}

TEST(ComboGeometryTest, FaceFrameByState) {
  struct Case {
    bool enabled, focused, pressed, hot;
    int frame;
  } const cases[] = {
      {true, false, false, false, 1}, {true, true, false, false, 4},  {true, false, false, true, 4},
      {true, false, true, false, 2},  {true, true, true, true, 2},    {false, true, true, true, 3},
      {false, false, false, false, 3},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ComboFaceFrame(c.enabled, c.focused, c.pressed, c.hot), c.frame)
        << c.enabled << c.focused << c.pressed << c.hot;
}

}  // namespace
}  // namespace velmora
