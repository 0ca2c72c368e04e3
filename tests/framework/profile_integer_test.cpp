// Integer reading of profile values, including the start-with-Windows flag forms.
#include "framework/profile_integer.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

struct IntegerCase {
  const char* text;
  std::int32_t expected;  // with a default of -99
};

TEST(ProfileIntegerTest, ReadsEveryForm) {
  const IntegerCase cases[] = {
      {"0", 0},          {"1", 1},           {"7", 7},          {"-12", -12},
      {"+5", 5},         {"  42", 42},       {"0x1", 1},        {"0X1F", 31},
      {"0xff", 255},     {"$1F", 31},        {"$ff", 255},      {"-$10", -16},
      {"0xFFFFFFFF", -1}, {"$80000000", INT32_MIN},
      {"2147483647", INT32_MAX}, {"-2147483648", INT32_MIN},
      // Unreadable: the default.
      {"", -99},         {"yes", -99},       {"true", -99},     {"0x", -99},
      {"0xZZ", -99},     {"$", -99},         {"1 ", -99},       {"1.0", -99},
      {"2147483648", -99}, {"0x123456789", -99}, {"-", -99},    {"12abc", -99},
      {"-0x1", -99},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ProfileIntegerOr(c.text, -99), c.expected) << "text: \"" << c.text << "\"";
  }
}

TEST(ProfileIntegerTest, TwoCharacterHexPrefixIsNotHexadecimal) {
  // "0x" alone is not more than two characters, so it is read as an integer and fails.
  EXPECT_EQ(ProfileIntegerOr("0x", 5), 5);
  // "0x0" is hexadecimal zero.
  EXPECT_EQ(ProfileIntegerOr("0x0", 5), 0);
}

}  // namespace
}  // namespace velmora
