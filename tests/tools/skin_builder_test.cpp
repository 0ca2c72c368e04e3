// The default skin's builder: the definition text it writes reads back through the
// engine's own definition-text reader, and mistakes in the generator are refused.
#include "default_skin/skin_builder.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "skin/data/quick_ini.h"

namespace velmora::tools {
namespace {

TEST(SkinBuilder, DefinitionTextReadsBack) {
  TSkinBuilder skin("A test skin");
  skin.Note("Buttons", "push buttons");
  skin.Key("Buttons", "LeftWidth", 5).Colour("Colours", "ButtonFace", Rgb(233, 237, 243));
  skin.Image("Buttons", "Bitmap", "buttons.bmp", TRaster(10, 2));
  skin.Key("Buttons", "Trans", 1);
  const std::string text = skin.DefinitionText();
  EXPECT_NE(text.find("; push buttons\n[Buttons]\nLeftWidth=5\nBitmap=buttons.bmp\nTrans=1\n"), std::string::npos) << text;
  TQuickIni ini;
  ini.LoadFromText(text);
  EXPECT_EQ(ini.ReadSections(), (std::vector<std::string>{"Buttons", "Colours"}));
  EXPECT_EQ(ini.ReadInteger("Buttons", "LeftWidth", 0), 5);
  EXPECT_EQ(ini.ReadString("Buttons", "Bitmap", ""), "buttons.bmp");
  EXPECT_EQ(ParseColorText(ini.ReadString("Colours", "ButtonFace", "")), 0xF3EDE9u);
  ASSERT_EQ(skin.Images().size(), 1u);
  EXPECT_EQ(skin.Images().at("buttons.bmp").Width(), 10);
}

TEST(SkinBuilder, RefusesMistakes) {
  TSkinBuilder skin("A test skin");
  skin.Key("A", "Key", 1);
  EXPECT_THROW(skin.Key("A", "Key", 2), std::logic_error);  // the reader would keep the first
  skin.Image("A", "Image", "a.bmp", TRaster(1, 1));
  EXPECT_THROW(skin.Image("B", "Image", "a.bmp", TRaster(1, 1)), std::logic_error);
  EXPECT_THROW(skin.Image("B", "Image", "b.BMP", TRaster(1, 1)), std::logic_error);  // the engine loads only .bmp
  EXPECT_THROW(skin.Image("B", "Image", "b.png", TRaster(1, 1)), std::logic_error);
}

}  // namespace
}  // namespace velmora::tools
