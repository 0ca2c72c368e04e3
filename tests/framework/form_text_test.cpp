// The stored form's text: values of every kind, nesting, and refusal of bad text.
#include "framework/form_text.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

TEST(FormTextTest, ReadsObjectsPropertiesAndEveryValueKind) {
  const TFormObject form = ParseFormText(R"(object Form1: TForm1
  Left = 100
  Top = -5
  Caption = '数据备份'
  Hint = 'it''s'#13#10'two' +
    ' lines'
  Font.Name = 'MS Sans Serif'
  Visible = False
  BorderIcons = [biSystemMenu, biMinimize]
  Empty = []
  OnCreate = FormCreate
  Data = {
    0A1bFF
    00}
  Lines = (
    'one'
    'two')
  Bytes = #200#213
  // a comment
  object grp1: TGroupBox
    object edt: TEdit
      Text = ''
    end
  end
  object tmr1: TTimer
  end
end
)");
  EXPECT_EQ(form.Name, "Form1");
  EXPECT_EQ(form.ClassName, "TForm1");
  ASSERT_EQ(form.Properties.size(), 12u);
  const auto& p = form.Properties;
  EXPECT_EQ(p[0].Name, "Left");
  EXPECT_EQ(std::get<std::int64_t>(p[0].Value), 100);
  EXPECT_EQ(std::get<std::int64_t>(p[1].Value), -5);
  EXPECT_EQ(std::get<std::string>(p[2].Value), "数据备份");  // bytes kept as they are
  EXPECT_EQ(std::get<std::string>(p[3].Value), "it's\r\ntwo lines");
  EXPECT_EQ(p[4].Name, "Font.Name");
  EXPECT_EQ(std::get<TFormIdentifier>(p[5].Value).Text, "False");
  EXPECT_EQ(std::get<TFormSet>(p[6].Value).Items,
            (std::vector<std::string>{"biSystemMenu", "biMinimize"}));
  EXPECT_TRUE(std::get<TFormSet>(p[7].Value).Items.empty());
  EXPECT_EQ(std::get<TFormIdentifier>(p[8].Value).Text, "FormCreate");
  EXPECT_EQ(std::get<TFormBinary>(p[9].Value).Bytes,
            (std::vector<std::uint8_t>{0x0A, 0x1B, 0xFF, 0x00}));
  EXPECT_EQ(std::get<TFormStrings>(p[10].Value).Items, (std::vector<std::string>{"one", "two"}));
  EXPECT_EQ(std::get<std::string>(p[11].Value), "\xC8\xD5");
  ASSERT_EQ(form.Children.size(), 2u);
  EXPECT_EQ(form.Children[0].Name, "grp1");
  ASSERT_EQ(form.Children[0].Children.size(), 1u);
  EXPECT_EQ(std::get<std::string>(form.Children[0].Children[0].Properties[0].Value), "");
  EXPECT_EQ(form.Children[1].ClassName, "TTimer");
  EXPECT_EQ(form.Children[1].Line, 25);
}

TEST(FormTextTest, RefusesMalformedTextWithItsLine) {
  const struct {
    const char* text;
    int line;
  } cases[] = {
      {"", 1},
      {"object A: TA", 1},                        // no end
      {"object A: TA\n  X = \nend", 3},           // "end" is no value... but is an identifier
      {"object A: TA\n  X = 'open\nend", 2},      // unterminated string
      {"object A: TA\n  X = {0A0}\nend", 2},      // odd hex digits
      {"object A: TA\n  X = {0G}\nend", 2},
      {"object A: TA\n  X = [a, ]\nend", 2},
      {"object A: TA\n  X = 12ab\nend", 2},
      {"object A: TA\n  X = 99999999999999999999\nend", 2},
      {"object A: TA\n  X = #\nend", 2},
      {"object A: TA\n  X = 'a' +\nend", 3},
      {"object A: TA\nend\nextra", 3},
      {"object A: TA\n  = 1\nend", 2},
      {"object A: TA\n  X = ('a' 1)\nend", 2},
      {"object A: TA\n  X = #256\nend", 2},
  };
  for (const auto& c : cases) {
    try {
      ParseFormText(c.text);
      // "X = \nend" reads "end" as an identifier value and then misses the object's end.
      ADD_FAILURE() << "accepted: " << c.text;
    } catch (const EFormTextError& e) {
      EXPECT_EQ(e.Line(), c.line) << c.text << " -> " << e.what();
    }
  }
}

TEST(FormTextTest, RefusesNestingBeyondTheLimit) {
  std::string deep;
  for (int i = 0; i < 100; ++i) deep += "object A: TA\n";
  for (int i = 0; i < 100; ++i) deep += "end\n";
  EXPECT_THROW(ParseFormText(deep), EFormTextError);
  std::string fine;
  for (int i = 0; i < 10; ++i) fine += "object A: TA\n";
  for (int i = 0; i < 10; ++i) fine += "end\n";
  EXPECT_NO_THROW(ParseFormText(fine));
}

}  // namespace
}  // namespace velmora
