// Edit mask rules for the time field: positions, fitting, display, typing, clearing.
#include "framework/edit_mask.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

const TEditMask timeMask("!90:00:00;1;_", ':', '/');

TEST(EditMaskTest, TimeMaskPositions) {
  ASSERT_EQ(timeMask.Length(), 8);
  EXPECT_EQ(timeMask.At(0).Kind, TMaskPosition::OptionalDigit);
  EXPECT_EQ(timeMask.At(1).Kind, TMaskPosition::RequiredDigit);
  EXPECT_EQ(timeMask.At(2).Kind, TMaskPosition::Literal);
  EXPECT_EQ(timeMask.BlankChar(), '_');
  EXPECT_EQ(timeMask.EmptyValue(), "  :  :  ");
  // The separators are the locale's.
  EXPECT_EQ(TEditMask("!90:00:00;1;_", '.', '/').EmptyValue(), "  .  .  ");
}

TEST(EditMaskTest, ProgramTextIsFittedNotValidated) {
  const struct {
    const char* in;
    const char* value;
  } cases[] = {
      {"12:00:00", "12:00:00"}, {"99:99:99", "99:99:99"}, {" 9:30:00", " 9:30:00"},
      {"", "  :  :  "},         {"1", "1 :  :  "},        {"ab:cd:ef", "  :  :  "},
      {"12.34.56", "12:34:56"}, {"12:00:00:extra", "12:00:00"},
  };
  for (const auto& c : cases) EXPECT_EQ(timeMask.Fit(c.in), c.value) << c.in;
}

TEST(EditMaskTest, DisplayShowsBlanksAsUnderscoresAndTextKeepsBlanks) {
  const std::string value = " 9:30:  ";
  EXPECT_EQ(timeMask.Display(value), "_9:30:__");
  EXPECT_EQ(timeMask.Text(value), " 9:30:  ");
  EXPECT_EQ(TEditMask("!90:00:00;0;_", ':', '/').Text(value), " 930  ");
}

TEST(EditMaskTest, RequiredPositionsButNotTheFirstHourDigit) {
  EXPECT_EQ(timeMask.FirstMissing(" 9:30:00"), -1);
  EXPECT_EQ(timeMask.FirstMissing("12:00:00"), -1);
  EXPECT_EQ(timeMask.FirstMissing("1 :00:00"), 1);
  EXPECT_EQ(timeMask.FirstMissing("12:00:0 "), 7);
  EXPECT_EQ(timeMask.FirstMissing("  :  :  "), 1);
}

TEST(EditMaskTest, TypingOverwritesDigitsAndSkipsSeparators) {
  std::string value = timeMask.EmptyValue();
  int caret = 0;
  for (char c : std::string("235959")) caret = timeMask.TypeDigit(value, caret, c);
  EXPECT_EQ(value, "23:59:59");
  EXPECT_EQ(caret, 8);
  EXPECT_EQ(timeMask.TypeDigit(value, caret, '1'), -1);  // no room past the end
  EXPECT_EQ(timeMask.TypeDigit(value, 0, 'a'), -1);      // letters are refused
  EXPECT_EQ(value, "23:59:59");
  EXPECT_EQ(timeMask.TypeDigit(value, 2, '7'), 4);  // at a separator: the next digit
  EXPECT_EQ(value, "23:79:59");
}

TEST(EditMaskTest, ClearingEmptiesDigitPositionsOnly) {
  std::string value = "12:34:56";
  EXPECT_EQ(timeMask.Clear(value, 3, 3, true), 1);  // backspace after a separator
  EXPECT_EQ(value, "1 :34:56");
  EXPECT_EQ(timeMask.Clear(value, 2, 2, false), 2);  // delete at a separator: next digit
  EXPECT_EQ(value, "1 : 4:56");
  EXPECT_EQ(timeMask.Clear(value, 5, 8, false), 5);  // a selection
  EXPECT_EQ(value, "1 : 4:  ");
  EXPECT_EQ(timeMask.Clear(value, 0, 0, true), 0);  // nothing before the start
}

}  // namespace
}  // namespace velmora
