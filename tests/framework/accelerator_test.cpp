// Accelerator letters: the last single ampersand names the key, a doubled one is text,
// letters match either case and virtual-key codes.
#include "framework/accelerator.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

TEST(AcceleratorTest, HotKeyOfCaptions) {
  struct Case {
    const char* caption;
    char key;
  };
  const Case cases[] = {
      {"&File", 'F'},        {"E&xit", 'X'},     {"Save && close", 0}, {"Save &&&close", 'C'},
      {"&One &Two", 'T'},    {"No key", 0},      {"Trailing &", 0},    {"", 0},
      {"立即备份(&B)", 'B'}, {"Sub-item &1", '1'},
  };
  for (const Case& c : cases) EXPECT_EQ(HotKeyOf(c.caption), c.key) << c.caption;
}

TEST(AcceleratorTest, KeysMatchEitherCase) {
  EXPECT_TRUE(IsAccel('f', "&File"));
  EXPECT_TRUE(IsAccel('F', "&File"));
  EXPECT_TRUE(IsAccel('x', "E&xit"));
  EXPECT_FALSE(IsAccel('e', "E&xit"));
  EXPECT_FALSE(IsAccel('&', "Save && close"));
  EXPECT_FALSE(IsAccel(0, "&File"));
  EXPECT_FALSE(IsAccel(0x146, "&File")) << "beyond a byte";
}

}  // namespace
}  // namespace velmora
