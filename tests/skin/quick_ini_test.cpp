// The skin's definition text: line rules, case rules, first-wins, integers, colours.
#include "skin/data/quick_ini.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

TQuickIni load(std::string_view text) {
  TQuickIni ini;
  ini.LoadFromText(text);
  return ini;
}

TEST(QuickIniTest, LinesSectionsAndKeys) {
  const TQuickIni ini = load(
      "Orphan=1\r\n"
      "[Buttons]\r\n"
      "  Trans = 1  \r\n"
      "; a comment=2\r\n"
      "LeftWidth=\r\n"
      "LeftWidth=4\n"
      "Remark=3 ; not a comment\r"
      "NoEquals\n\r"
      "Image=Buttons.bmp\r\n"
      "[ Spaced ]\r\n"
      "Key=x\r\n"
      "[buttons]\r\n"
      "Later=unreachable\r\n"
      "[Colours]\r\n"
      "Face=237 235 233");
  EXPECT_EQ(ini.ReadString("Buttons", "trans", "d"), "1");
  EXPECT_EQ(ini.ReadString("BUTTONS", "TRANS", "d"), "1");
  EXPECT_EQ(ini.ReadInteger("Buttons", "Trans", 0), 1);
  EXPECT_EQ(ini.ReadInteger("Buttons", "LeftWidth", 9), 9);  // first line wins, and it is empty
  EXPECT_EQ(ini.ReadString("Buttons", "Remark", "d"), "3 ; not a comment");
  EXPECT_EQ(ini.ReadInteger("Buttons", "Remark", 7), 7);
  EXPECT_EQ(ini.ReadString("Buttons", "; a comment", "d"), "d");
  EXPECT_EQ(ini.ReadString("Buttons", "NoEquals", "d"), "d");
  EXPECT_EQ(ini.ReadString("Buttons", "Image", "d"), "Buttons.bmp");  // past the LF CR pair
  EXPECT_EQ(ini.ReadString("Buttons", "Later", "d"), "d");             // the second header is unreachable
  EXPECT_EQ(ini.ReadString("Buttons", "Orphan", "d"), "d");
  EXPECT_EQ(ini.ReadString("Spaced", "Key", "d"), "d");  // "[ Spaced ]" is not "Spaced"
  EXPECT_EQ(ini.ReadString(" Spaced ", "Key", "d"), "x");
  EXPECT_EQ(ini.ReadString("Colours", "Face", "d"), "237 235 233");  // no line break at the end
  EXPECT_EQ(ini.ReadString("Missing", "Face", "d"), "d");
  EXPECT_EQ(ini.ReadSections(), (std::vector<std::string>{"Buttons", "Spaced", "buttons", "Colours"}));
}

TEST(QuickIniTest, IntegerForms) {
  const TQuickIni ini = load("[N]\nA=0x1F\nB=0X1F\nC=$1F\nD=012\nE=-5\nF=1F\nG=0x\nH=99999999999\n");
  const struct {
    const char* key;
    int value;
  } cases[] = {{"A", 31}, {"B", 31}, {"C", 31}, {"D", 12}, {"E", -5}, {"F", -1}, {"G", -1}, {"H", -1}};
  for (const auto& c : cases) EXPECT_EQ(ini.ReadInteger("N", c.key, -1), c.value) << c.key;
}

TEST(QuickIniTest, EmptyTextGivesDefaults) {
  const TQuickIni ini = load("");
  EXPECT_EQ(ini.ReadString("A", "b", "d"), "d");
  EXPECT_TRUE(ini.ReadSections().empty());
}

TEST(QuickIniTest, ColourTextForm) {
  const struct {
    const char* text;
    std::uint32_t rgb;  // red in the low byte
  } cases[] = {
      {"237 235 233", 237 | 235 << 8 | 233 << 16},
      {"0,0,1", 1 << 16},
      {"255 0", 255},
      {"300 0 0", 44},
      {"", 0},
      {"r=1;g=2;b=3;a=4", 1 | 2 << 8 | 3 << 16},
      {"12", 12},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseColorText(c.text), c.rgb) << c.text;
}

}  // namespace
}  // namespace velmora
