// The progress fill: proportional from the low limit, never past the end, nothing for
// empty ranges, positions at the low limit or bars of no length.
#include "skin/controls/progress_geometry.h"

#include <gtest/gtest.h>

#include <climits>

namespace velmora {
namespace {

TEST(ProgressGeometryTest, FillLength) {
  struct Case {
    const char* What;
    int Length, Position, Low, High, Expected;
  };
  const Case cases[] = {
      {"half", 200, 50, 0, 100, 100},
      {"full", 200, 100, 0, 100, 200},
      {"empty", 200, 0, 0, 100, 0},
      {"from the low limit", 200, 60, 20, 100, 100},
      {"at the low limit", 200, 20, 20, 100, 0},
      {"below the low limit", 200, 10, 20, 100, 0},
      {"past the high limit stops at the end", 200, 150, 0, 100, 200},
      {"an empty range", 200, 5, 5, 5, 0},
      {"an inverted range", 200, 5, 10, 1, 0},
      {"a high limit below 1", 200, 0, -10, 0, 0},
      {"no length", 0, 50, 0, 100, 0},
      {"a negative length", -4, 50, 0, 100, 0},
      {"a huge range without overflow", 1000, INT_MAX / 2, 0, INT_MAX, 499},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ProgressFillLength(c.Length, c.Position, c.Low, c.High), c.Expected) << c.What;
}

}  // namespace
}  // namespace velmora
