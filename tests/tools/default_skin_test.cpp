// Our committed default skin (skins/default): its definition text gives every section
// the engine reads, every bitmap it names is there, and each strip divides into the
// frames the engine cuts it into. Also the program's own bitmaps in resources/.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "framework/bmp_image.h"
#include "skin/data/quick_ini.h"

namespace velmora {
namespace {

const std::filesystem::path Repo = VELMORA_SOURCE_DIR;
const std::filesystem::path SkinDir = Repo / "skins" / "default";

std::vector<std::uint8_t> readFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class DefaultSkin : public ::testing::Test {
 protected:
  void SetUp() override { FIni.LoadFromStream(readFile(SkinDir / "velmora.ini")); }

  // The bitmap a key names, loaded as the engine loads it; fails the test when absent.
  TBmpImage image(const std::string& section, const std::string& key) {
    const std::string name = FIni.ReadString(section, key, "");
    TBmpImage bmp;
    EXPECT_FALSE(name.empty()) << "[" << section << "] has no " << key;
    if (name.empty()) return bmp;
    EXPECT_TRUE(name.size() > 4 && name.compare(name.size() - 4, 4, ".bmp") == 0) << name;
    EXPECT_TRUE(bmp.LoadFromBytes(readFile(SkinDir / name))) << name << " is missing or no 24-bit BMP";
    EXPECT_EQ(bmp.SourceBitsPerPixel(), 24) << name;
    return bmp;
  }

  TQuickIni FIni;
};

struct TStrip {
  const char* Section;
  const char* Key;
  int Frames;  // as the engine cuts the bitmap
  bool Stacked = false;
};

// Every element the engine reads, with the frame count it uses.
const TStrip Strips[] = {
    {"Personality", "Left", 2},           {"Personality", "Right", 2},
    {"Personality", "Top", 2, true},      {"Personality", "Bottom", 2, true},
    {"Personality", "TextBack", 2},       {"Personality", "menuBar", 2},
    {"ButtonClose", "ButtonImage", 4},    {"ButtonMaximize", "ButtonImage", 4},
    {"ButtonRestore", "ButtonImage", 4},  {"ButtonMinimize", "ButtonImage", 4},
    {"ButtonHelp", "ButtonImage", 4},     {"ButtonSysMenu", "ButtonImage", 1},
    {"MDICONTROLS", "Image", 12},         {"Buttons", "Bitmap", 5},
    {"Buttons", "CheckButton", 12},       {"Buttons", "RadioButton", 8},
    {"Progress", "Bitmap", 2},            {"Progress.Chunk", "Image", 1},
    {"GroupBoxEdge", "Image", 2},         {"GroupBox", "Image", 1},
    {"Tabs", "Image", 5},                 {"Tabs", "Border", 1},
    {"Tab.Pane", "Image", 1},             {"StatusBarEdges", "Image", 3},
    {"ToolBars", "Image", 5},             {"ComboButton", "Image", 4},
    {"SunkEdge", "Image", 4},             {"ExtraImages", "Image", 5},
    {"Headerbar", "Image", 5},            {"MenuItem", "Image", 5},
    {"MenuBackground", "Image", 1},       {"Scrollbar", "Image", 23},
    {"HorzScroll", "Image", 4},           {"VertScroll", "Image", 4},
    {"HorzScrollThumb", "Image", 3},      {"VertScrollThumb", "Image", 3},
    {"Trackbar.ThumbHorz", "Image", 5},   {"Trackbar.ThumbVert", "Image", 5},
    {"Trackbar.ThumbLeft", "Image", 5},   {"Trackbar.ThumbRight", "Image", 5},
    {"Trackbar.ThumbUp", "Image", 5},     {"Trackbar.ThumbDown", "Image", 5},
    {"UpDown.Horz", "Image", 8},          {"UpDown.Horz", "GlyphImage", 8},
    {"UpDown.Vert", "Image", 8},          {"UpDown.Vert", "GlyphImage", 8},
    {"Track", "Image", 1},                {"TRACKVERT", "Image", 1},
};

TEST_F(DefaultSkin, EveryStripIsThereAndDividesIntoItsFrames) {
  for (const TStrip& s : Strips) {
    const TBmpImage bmp = image(s.Section, s.Key);
    if (bmp.Empty()) continue;
    const int along = s.Stacked ? bmp.Height() : bmp.Width();
    EXPECT_EQ(along % s.Frames, 0) << s.Section << " " << s.Key << ": " << along << " pixels for " << s.Frames
                                   << " frames";
  }
}

TEST_F(DefaultSkin, FrameCountsInTheTextMatchTheStrips) {
  // Where the text states a count, it is the one the strips are drawn for.
  EXPECT_EQ(FIni.ReadInteger("Buttons", "CheckButtonFrame", 0), 12);
  EXPECT_EQ(FIni.ReadInteger("Buttons", "RadioButtonFrame", 0), 8);
  for (const char* side : {"Left", "Right", "Top", "Bottom"})
    EXPECT_EQ(FIni.ReadInteger("Personality", std::string(side) + "Frame", 1), 2) << side;
  for (const char* button : {"ButtonClose", "ButtonMaximize", "ButtonRestore", "ButtonMinimize", "ButtonHelp"})
    EXPECT_EQ(FIni.ReadInteger(button, "frame", 0), 4) << button;
  EXPECT_EQ(FIni.ReadInteger("HorzScrollThumb", "FrameCount", 3), 3);
  EXPECT_EQ(FIni.ReadInteger("VertScrollThumb", "FrameCount", 3), 3);
  EXPECT_EQ(FIni.ReadInteger("Progress", "Style", 0), 0);
}

TEST_F(DefaultSkin, NameFontAndEveryColourSlot) {
  EXPECT_EQ(FIni.ReadString("TitlebarSkin", "SkinName", ""), "Velmora");
  EXPECT_GT(FIni.ReadInteger("Fonts", "FontHeight", 0), 0);
  for (const char* key : {"WindowText", "TitleTextActive", "TitleTextNoActive", "ButtonFace", "ButtonText",
                          "ButtonHilight", "Buttonlight", "ButtonShadow", "ButtonDkShadow", "HilightText", "Hilight",
                          "Menubar", "MenuBarText", "MenuText", "Menu", "Scrollbar"})
    EXPECT_FALSE(FIni.ReadString("Colours", key, "").empty()) << key;
  for (int i = 0; i < 10; ++i)
    EXPECT_FALSE(FIni.ReadString("Customcolors", "Color" + std::to_string(i), "").empty()) << i;
  int extra = 0;
  for (const std::string& section : FIni.ReadSections())
    if (section.rfind("Colour.", 0) == 0) {
      ++extra;
      EXPECT_FALSE(FIni.ReadString(section, "color", "").empty()) << section;
    }
  EXPECT_GE(extra, 2);
  // The caption text colours are given in full.
  for (const char* key : {"ActiveTextR", "ActiveTextG", "ActiveTextB", "InActiveTextR", "InActiveTextG", "InActiveTextB"})
    EXPECT_GE(FIni.ReadInteger("Personality", key, -1), 0) << key;
}

TEST_F(DefaultSkin, CaptionButtonsSitInTheTitleBar) {
  const TBmpImage top = image("Personality", "Top");
  const int titleHeight = top.Height() / 2;
  struct TButton {
    const char* Section;
    int Action;
  };
  for (const TButton b : {TButton{"ButtonClose", 0}, {"ButtonMaximize", 1}, {"ButtonRestore", 1}, {"ButtonMinimize", 2},
                          {"ButtonHelp", 4}, {"ButtonSysMenu", 3}}) {
    EXPECT_EQ(FIni.ReadInteger(b.Section, "Action", -99), b.Action) << b.Section;
    const TBmpImage bmp = image(b.Section, "ButtonImage");
    const int y = FIni.ReadInteger(b.Section, "Ycoord", -1);
    EXPECT_GE(y, 1) << b.Section;
    EXPECT_LE(y + bmp.Height(), titleHeight - 1) << b.Section;
  }
  // Maximise shows while not maximised, restore while maximised, in the same place.
  EXPECT_EQ(FIni.ReadInteger("ButtonMaximize", "Visibility", -1), 2);
  EXPECT_EQ(FIni.ReadInteger("ButtonRestore", "Visibility", -1), 1);
  EXPECT_EQ(FIni.ReadInteger("ButtonMaximize", "Xcoord", 0), FIni.ReadInteger("ButtonRestore", "Xcoord", 1));
}

TEST_F(DefaultSkin, RoundedTopCornersAreTransparent) {
  const TBmpImage top = image("Personality", "Top");
  const TBmpImage left = image("Personality", "Left");
  const TBmpImage right = image("Personality", "Right");
  const std::uint32_t magenta = 0xFF00FF;
  for (int frame = 0; frame < 2; ++frame) {
    const int y0 = frame * top.Height() / 2;
    EXPECT_EQ(top.Pixel(0, y0) & 0xFFFFFF, magenta);
    EXPECT_EQ(top.Pixel(top.Width() - 1, y0) & 0xFFFFFF, magenta);
    EXPECT_NE(top.Pixel(top.Width() / 2, y0 + 5) & 0xFFFFFF, magenta);
    // The side borders repeat the corner, so the window region keeps it round.
    const int lx = frame * left.Width() / 2, rx = (frame + 1) * right.Width() / 2 - 1;
    EXPECT_EQ(left.Pixel(lx, 0) & 0xFFFFFF, magenta);
    EXPECT_EQ(right.Pixel(rx, 0) & 0xFFFFFF, magenta);
    EXPECT_NE(left.Pixel(lx, left.Height() / 2) & 0xFFFFFF, magenta);
  }
  EXPECT_EQ(FIni.ReadInteger("Personality", "TopTrans", 0), 1);
  EXPECT_EQ(FIni.ReadInteger("Personality", "LeftTrans", 0), 1);
}

TEST_F(DefaultSkin, ScrollGlyphsHaveTheSystemArrowSize) {
  // The engine falls back to the system's arrows when the strip differs by more than 2.
  const TBmpImage bmp = image("Scrollbar", "Image");
  EXPECT_EQ(bmp.Height(), 17);
  EXPECT_EQ(bmp.Width(), 17 * 23);
}

TEST(ProgramBitmaps, MenuGlyphsAndTrackFallbacks) {
  const auto glaze = readFile(Repo / "resources" / "glazemenu.bmp");
  ASSERT_GE(glaze.size(), 62u);
  auto le32 = [&](std::size_t at) { return glaze[at] | glaze[at + 1] << 8 | glaze[at + 2] << 16 | glaze[at + 3] << 24; };
  EXPECT_EQ(le32(18), 64);
  EXPECT_EQ(le32(22), 16);
  EXPECT_EQ(glaze[28], 1);
  EXPECT_EQ(glaze.size(), 62u + 16 * 8);
  // Each 16 x 16 cell holds a black glyph on white.
  for (int cell = 0; cell < 4; ++cell) {
    int black = 0;
    for (int y = 0; y < 16; ++y)
      for (int x = cell * 16; x < cell * 16 + 16; ++x) black += !(glaze[62 + y * 8 + x / 8] >> (7 - x % 8) & 1);
    EXPECT_GT(black, 8) << cell;
    EXPECT_LT(black, 100) << cell;
  }
  TBmpImage track, trackVert;
  ASSERT_TRUE(track.LoadFromBytes(readFile(Repo / "resources" / "track.bmp")));
  ASSERT_TRUE(trackVert.LoadFromBytes(readFile(Repo / "resources" / "trackvert.bmp")));
  EXPECT_EQ(std::pair(track.Width(), track.Height()), std::pair(16, 4));
  EXPECT_EQ(std::pair(trackVert.Width(), trackVert.Height()), std::pair(4, 16));
  EXPECT_EQ(track.SourceBitsPerPixel(), 24);
}

}  // namespace
}  // namespace velmora
