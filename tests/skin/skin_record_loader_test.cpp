// Element records loaded from a small package made here: a record per procedure,
// image names, caption-button selection and frame guessing, tile clamping.
#include "skin/data/skin_record_loader.h"

#include <gtest/gtest.h>

#include "skin/data/lzh_packer.h"
#include "skin/data/skin_package.h"
#include "skin/data/skin_records_set.h"

namespace velmora {
namespace {

using Bytes = std::vector<std::uint8_t>;

// A 24-bit BMP, every pixel `colour` (0xRRGGBB).
Bytes bmp(int w, int h, std::uint32_t colour = 0x336699) {
  const std::size_t stride = ((static_cast<std::size_t>(w) * 24 + 31) / 32) * 4;
  Bytes b(54 + stride * static_cast<std::size_t>(h), 0);
  auto put = [&](std::size_t at, std::uint32_t v, int n) {
    for (int i = 0; i < n; ++i) b[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * i));
  };
  b[0] = 'B', b[1] = 'M';
  put(2, static_cast<std::uint32_t>(b.size()), 4);
  put(10, 54, 4), put(14, 40, 4), put(18, static_cast<std::uint32_t>(w), 4), put(22, static_cast<std::uint32_t>(h), 4);
  put(26, 1, 2), put(28, 24, 2);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) put(54 + stride * static_cast<std::size_t>(y) + static_cast<std::size_t>(3 * x), colour, 3);
  return b;
}

class RecordLoaderTest : public testing::Test {
 protected:
  RecordLoaderTest() {
    const std::vector<TSkinPackageEntry> entries = {
        {"img.bmp", bmp(8, 4)}, {"b126.bmp", bmp(126, 21)}, {"b60.bmp", bmp(60, 21)},
        {"mdi.bmp", bmp(48, 10)}, {"second.bmp", bmp(2, 2)}, {"buttons.bmp", bmp(40, 20)}};
    const Bytes image = BuildPackageImage(70000, entries);
    auto finder = lzh::MakeHashChainFinder();
    EXPECT_TRUE(FPackage.LoadPackage(lzh::PackGreedy(image, *finder)));
  }
  void ini(const char* text) { FIni.LoadFromText(text); }
  TSkinRecordLoader loader() const { return TSkinRecordLoader(FIni, FPackage, RGB(1, 2, 3)); }

  TSkinReader FPackage;
  TQuickIni FIni;
};

TEST_F(RecordLoaderTest, ImageNamesExactExtensionAndDirectoryParts) {
  ini("[A]\nImage=skins\\dir:img.bmp\n[B]\nImage=img.BMP\n[C]\nImage=missing.bmp\n");
  const auto a = loader().LoadImageElement("A");
  ASSERT_NE(a, nullptr);
  EXPECT_EQ(a->Map.Width(), 8);  // the bare file name was found
  const auto b = loader().LoadImageElement("B");
  ASSERT_NE(b, nullptr);  // the record exists...
  EXPECT_TRUE(b->Map.Empty());  // ...but capitals load nothing
  EXPECT_TRUE(loader().LoadImageElement("C")->Map.Empty());
  EXPECT_EQ(loader().LoadImageElement("NoSuchSection"), nullptr);
}

TEST_F(RecordLoaderTest, ImageElementKeysDefaultsAndTileClamping) {
  ini("[ExtraImages]\nImage=img.bmp\nLeftWidth=3\nFrame=5\nTile=2\nTrans=1\nNormalColour2=9 8 7\n"
      "[Progress]\nBitmap=img.bmp\nTile=2\nStyle=1\n"
      "[GroupBox]\nImage=img.bmp\nTile=2\nBackgroundLeftShift=6\n"
      "[Tabs]\nImage=img.bmp\nBorder=second.bmp\nFrame=9\n");
  const auto extra = loader().LoadImageElement("ExtraImages");
  EXPECT_EQ(extra->Name, "ExtraImages");
  EXPECT_EQ(extra->LeftWidth, 3);
  EXPECT_EQ(extra->Frame, 5);
  EXPECT_EQ(extra->Tile, 0);  // 2 becomes 0 for image elements
  EXPECT_EQ(extra->Trans, 1);
  EXPECT_EQ(extra->NormalColour, -1);
  EXPECT_EQ(extra->NormalColour2, RGB(9, 8, 7));
  EXPECT_EQ(extra->PressedColour2, RGB(1, 2, 3));  // the button text colour
  EXPECT_EQ(loader().LoadProgress()->Tile, 1);  // but 1 for the progress bar
  const auto group = loader().LoadGroupBox();
  EXPECT_EQ(group->Tile, 0);
  EXPECT_EQ(group->BackgroundLeftShift, 6);
  const auto tabs = loader().LoadImageElement2("Tabs", "Border");
  EXPECT_EQ(tabs->Map2.Width(), 2);
  EXPECT_EQ(tabs->Frame, 0);  // not read here
}

TEST_F(RecordLoaderTest, BordersTitleMenuBarAndButtons) {
  ini("[Personality]\nLeft=img.bmp\nLeftTopHeight=5\nLeftBotHeight=6\nLeftStretch=2\n"
      "Top=img.bmp\nTopTopHeight=7\nTopBotHeight=8\nTopFrame=2\n"
      "TextShift=4\nActiveTextR=10\nActiveTextG=20\nActiveTextB=30\nInActiveTextR=1\nInActiveTextG=-1\n"
      "menuBar=img.bmp\nTileMenu=5\n"
      "[Fonts]\nFontHeight=17\n"
      "[Buttons]\nBitmap=buttons.bmp\nCheckButton=img.bmp\nTile=2\nPressedColour2=1 1 1\n");
  TDataSkinBorder left("Left"), top("Top");
  loader().LoadBorder(left);
  loader().LoadBorder(top);
  EXPECT_EQ(left.TopHeight, 5);
  EXPECT_EQ(left.BottomHeight, 6);
  EXPECT_EQ(left.Tile, 1);  // "Stretch" 2 becomes 1
  EXPECT_EQ(left.Trans, 1);
  EXPECT_EQ(left.Frame, 1);
  EXPECT_EQ(top.LeftWidth, 7);  // the horizontal edge's ends
  EXPECT_EQ(top.RightWidth, 8);
  EXPECT_EQ(top.TopHeight, 0);
  EXPECT_EQ(top.Frame, 2);
  TDataSkinTitle title("Title");
  loader().LoadTitle(title);
  EXPECT_EQ(title.LeftWidth, 4);
  EXPECT_EQ(title.FontHeight, 17);
  EXPECT_EQ(title.ActiveText, RGB(10, 20, 30));
  EXPECT_EQ(title.InActiveText, NoTitleColour);  // a negative channel: not given
  const auto menu = loader().LoadMenuBar();
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(menu->Tile, 1);
  EXPECT_EQ(menu->LeftWidth, 1);
  TDataSkinButton buttons("Buttons");
  loader().LoadButtons(buttons);
  EXPECT_EQ(buttons.Map.Width(), 40);
  EXPECT_EQ(buttons.CheckMap.Width(), 8);
  EXPECT_TRUE(buttons.RadioMap.Empty());
  EXPECT_EQ(buttons.Tile, 0);
  EXPECT_TRUE(buttons.HasPressedColour2);
  EXPECT_FALSE(buttons.HasNormalColour2);
}

TEST_F(RecordLoaderTest, CaptionButtonsSelectionPositionsAndFrames) {
  ini("[Buttons]\nBitmap=buttons.bmp\n[Button.Radio]\n[BUTTON]\n"
      "[ButtonClose]\nAction=0\nButtonImage=b126.bmp\n"
      "[ButtonMax]\nAction=1\nVisibility=2\nXcoord=40\nYcoord=5\nButtonImage=b60.bmp\n"
      "[ButtonGone]\nAction=-1\n"
      "[ButtonKept]\nAction=-1\nVisibility=0\nButtonImage=b60.bmp\n"
      "[ButtonRestore]\nAction=4\nXcoord=99\n"
      "[ButtonHelp]\nAction=3\nButtonImage=b60.bmp\n"
      "[MDICONTROLS]\nImage=mdi.bmp\n");
  const auto buttons = loader().LoadSysButtons();
  ASSERT_EQ(buttons.size(), 5u + 3u);
  EXPECT_EQ(buttons[0]->Name, "BUTTONCLOSE");
  EXPECT_EQ(buttons[0]->Frame, 6);  // 126 x 21: 6.0 > 3.8
  EXPECT_EQ(buttons[1]->Frame, 3);  // 60 x 21
  EXPECT_EQ(buttons[2]->Name, "BUTTONKEPT");
  EXPECT_EQ(buttons[2]->Frame, 6);  // negative action
  EXPECT_EQ(buttons[2]->Visibility1, -1);
  EXPECT_EQ(buttons[3]->Xcoord, 40);  // Action 4 takes the remembered place
  EXPECT_EQ(buttons[3]->Ycoord, 5);
  EXPECT_EQ(buttons[3]->Frame, 6);  // no image
  EXPECT_TRUE(buttons[4]->Map.Empty());  // Action 3 drops its image
  for (int k = 0; k < 3; ++k) {
    const auto& mdi = *buttons[5 + static_cast<std::size_t>(k)];
    EXPECT_EQ(mdi.Action, 7 + k);
    EXPECT_EQ(mdi.Frame, 4);
    EXPECT_EQ(mdi.Align, 100);
    EXPECT_EQ(mdi.Map.Width(), 16);  // 48 / 12 * 4
    EXPECT_EQ(mdi.Xcoord, (3 - k) * (4 + 4));
  }
}

}  // namespace
}  // namespace velmora

namespace velmora {
namespace {

TEST_F(RecordLoaderTest, WholeSkinFrameCountsAndTabPaneMargins) {
  ini("[Tab.Pane]\nImage=img.bmp\nLeftWidth=10\nTopHeight=3\nFrame=7\n"
      "[Progress]\nBitmap=img.bmp\nStyle=1\n"
      "[Progress.Chunk]\nImage=img.bmp\nFrame=3\n"
      "[Headerbar]\nImage=img.bmp\nFrame=2\n"
      "[HorzScrollThumb]\nImage=img.bmp\nFrameCount=6\n"
      "[VertScrollThumb]\nImage=img.bmp\n"
      "[Scrollbar]\nImage=img.bmp\n"
      "[Buttons]\nCheckButton=b126.bmp\nRadioButton=img.bmp\n");
  TSkinRecords records;
  records.Load(loader());
  records.ApplyFrameCounts(FIni);
  ASSERT_NE(records.TabPane, nullptr);
  EXPECT_EQ(records.TabPane->LeftWidth, 4);  // 10 is clamped
  EXPECT_EQ(records.TabPane->TopHeight, 3);
  EXPECT_EQ(records.TabPane->Frame, 1);
  EXPECT_EQ(records.Progress->Frame, 1);       // Style 1
  EXPECT_EQ(records.ProgressChunk->Frame, 3);  // kept from the text
  EXPECT_EQ(records.Headerbar->Frame, 2);      // kept: not 0
  EXPECT_EQ(records.HorzScrollThumb->Frame, 6);
  EXPECT_EQ(records.VertScrollThumb->Frame, 3);
  EXPECT_EQ(records.Scrollbar->Frame, 23);
  EXPECT_EQ(records.Buttons->Frame, 5);
  EXPECT_EQ(records.Title->Frame, 2);
  EXPECT_EQ(records.Buttons->CheckButtonFrame, 126 / 16);  // 21 high
  EXPECT_EQ(records.Buttons->RadioButtonFrame, 4);         // 8 / 13 is below 4
  EXPECT_EQ(records.GroupBox, nullptr);                     // not in this skin
  EXPECT_EQ(records.SysButtons.size(), 3u);                 // only the three MDI buttons
}

}  // namespace
}  // namespace velmora
