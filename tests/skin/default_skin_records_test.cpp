// Our default skin as the engine reads it: the package the build packed, loaded into
// element records. Every record a skin can give is there with its bitmap, and every
// bitmap divides into the frames the engine cuts it into.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "skin/data/skin_records_set.h"
#include "support/test_support.h"

namespace velmora {
namespace {

class DefaultSkinRecords : public testing::Test {
 protected:
  void SetUp() override {
    std::ifstream in(test::WindowsPathOfUnixPath(VELMORA_DEFAULT_SKIN_PATH), std::ios::binary);
    const std::vector<std::uint8_t> stored((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ASSERT_FALSE(stored.empty()) << "the packed default skin is missing: " << VELMORA_DEFAULT_SKIN_PATH;
    ASSERT_TRUE(FPackage.LoadPackage(stored));
    std::vector<std::uint8_t> text;
    std::string name;
    FPackage.ExtractEntryContaining(".ini", text, name);
    FIni.LoadFromStream(text);
    FRecords.Load(TSkinRecordLoader(FIni, FPackage, RGB(33, 41, 54)));
    FRecords.ApplyFrameCounts(FIni);
  }

  TSkinReader FPackage;
  TQuickIni FIni;
  TSkinRecords FRecords;
};

// A record with a bitmap that divides into its frames (across, or down for the top
// and bottom borders).
void expectFrames(const TDataSkinObject* record, const char* what, bool stacked = false) {
  ASSERT_NE(record, nullptr) << what << " is absent";
  ASSERT_FALSE(record->Map.Empty()) << what << " has no bitmap";
  ASSERT_GE(record->Frame, 1) << what;
  const int along = stacked ? record->Map.Height() : record->Map.Width();
  EXPECT_EQ(along % record->Frame, 0) << what << ": " << along << " pixels, " << record->Frame << " frames";
}

TEST_F(DefaultSkinRecords, EveryElementIsThereAndDividesIntoItsFrames) {
  EXPECT_EQ(FPackage.Header().PackageVersion, 70000u);
  const struct {
    const TDataSkinObject* Record;
    const char* Name;
    int Frames;  // 0: as the text says
  } elements[] = {
      {FRecords.Buttons.get(), "Buttons", 5},          {FRecords.Title.get(), "Title", 2},
      {FRecords.Progress.get(), "Progress", 2},        {FRecords.ProgressChunk.get(), "Progress.Chunk", 1},
      {FRecords.MenuBar.get(), "menuBar", 2},          {FRecords.GroupBoxEdge.get(), "GroupBoxEdge", 2},
      {FRecords.GroupBox.get(), "GroupBox", 1},        {FRecords.Tabs.get(), "Tabs", 5},
      {FRecords.StatusBarEdges.get(), "StatusBarEdges", 3}, {FRecords.TabPane.get(), "Tab.Pane", 1},
      {FRecords.ToolBars.get(), "ToolBars", 5},        {FRecords.ComboButton.get(), "ComboButton", 4},
      {FRecords.SunkEdge.get(), "SunkEdge", 4},        {FRecords.ExtraImages.get(), "ExtraImages", 5},
      {FRecords.Headerbar.get(), "Headerbar", 5},      {FRecords.MenuItem.get(), "MenuItem", 5},
      {FRecords.MenuBackground.get(), "MenuBackground", 1}, {FRecords.Scrollbar.get(), "Scrollbar", 23},
      {FRecords.HorzScroll.get(), "HorzScroll", 4},    {FRecords.VertScroll.get(), "VertScroll", 4},
      {FRecords.HorzScrollThumb.get(), "HorzScrollThumb", 3}, {FRecords.VertScrollThumb.get(), "VertScrollThumb", 3},
      {FRecords.TrackbarThumbHorz.get(), "Trackbar.ThumbHorz", 5}, {FRecords.TrackbarThumbVert.get(), "Trackbar.ThumbVert", 5},
      {FRecords.TrackbarThumbLeft.get(), "Trackbar.ThumbLeft", 5}, {FRecords.TrackbarThumbRight.get(), "Trackbar.ThumbRight", 5},
      {FRecords.TrackbarThumbUp.get(), "Trackbar.ThumbUp", 5}, {FRecords.TrackbarThumbDown.get(), "Trackbar.ThumbDown", 5},
      {FRecords.UpDownHorz.get(), "UpDown.Horz", 8},   {FRecords.UpDownVert.get(), "UpDown.Vert", 8},
      {FRecords.Track.get(), "Track", 1},              {FRecords.TrackVert.get(), "TRACKVERT", 1},
  };
  for (const auto& e : elements) {
    expectFrames(e.Record, e.Name);
    if (e.Record) EXPECT_EQ(e.Record->Frame, e.Frames) << e.Name;
  }
  EXPECT_FALSE(FRecords.Tabs->Map2.Empty()) << "Tabs Border";
  EXPECT_FALSE(FRecords.UpDownHorz->Map2.Empty()) << "UpDown.Horz GlyphImage";
  EXPECT_FALSE(FRecords.UpDownVert->Map2.Empty()) << "UpDown.Vert GlyphImage";
}

TEST_F(DefaultSkinRecords, WindowFrameThicknessAndCaption) {
  for (const TDataSkinBorder* side : {FRecords.BorderLeft.get(), FRecords.BorderRight.get()}) {
    expectFrames(side, side->Name.c_str());
    EXPECT_EQ(side->Map.Width() / side->Frame, 4) << side->Name;
    EXPECT_EQ(side->Trans, 1) << side->Name;
  }
  for (const TDataSkinBorder* side : {FRecords.BorderTop.get(), FRecords.BorderBottom.get()})
    expectFrames(side, side->Name.c_str(), true);
  EXPECT_EQ(FRecords.BorderTop->Map.Height() / FRecords.BorderTop->Frame, 30);
  EXPECT_EQ(FRecords.BorderBottom->Map.Height() / FRecords.BorderBottom->Frame, 4);
  // The rounded corner: magenta outside it, in the title bar and in the side border
  // that runs under it.
  EXPECT_EQ(FRecords.BorderTop->Map.Pixel(0, 0), RGB(255, 0, 255));
  EXPECT_EQ(FRecords.BorderLeft->Map.Pixel(0, 0), RGB(255, 0, 255));
  EXPECT_NE(FRecords.BorderLeft->Map.Pixel(0, 40), RGB(255, 0, 255));
  EXPECT_FALSE(FRecords.Title->Map.Empty());
  EXPECT_EQ(FRecords.Title->ActiveText, RGB(255, 255, 255));
  EXPECT_NE(FRecords.Title->InActiveText, NoTitleColour);
  EXPECT_EQ(FRecords.Buttons->CheckButtonFrame, 12);
  EXPECT_EQ(FRecords.Buttons->RadioButtonFrame, 8);
  EXPECT_EQ(FRecords.Buttons->CheckMap.Width() % 12, 0);
  EXPECT_EQ(FRecords.Buttons->RadioMap.Width() % 8, 0);
}

TEST_F(DefaultSkinRecords, CaptionButtonsAndTheMdiButtons) {
  // Close, maximise, restore, minimise, help, the window icon; then the three MDI buttons.
  ASSERT_EQ(FRecords.SysButtons.size(), 9u);
  for (const auto& b : FRecords.SysButtons) {
    ASSERT_FALSE(b->Map.Empty()) << b->Name;
    EXPECT_EQ(b->Map.Width() % b->Frame, 0) << b->Name;
  }
  auto find = [&](const char* name) -> const TDataSkinSysButton& {
    for (const auto& b : FRecords.SysButtons)
      if (b->Name == name) return *b;
    ADD_FAILURE() << name;
    return *FRecords.SysButtons.front();
  };
  EXPECT_EQ(find("BUTTONCLOSE").Action, 0);
  EXPECT_EQ(find("BUTTONCLOSE").Frame, 4);
  // The help button takes the maximise button's place.
  EXPECT_EQ(find("BUTTONHELP").Xcoord, find("BUTTONMAXIMIZE").Xcoord);
  EXPECT_EQ(find("BUTTONSYSMENU").Action, 3);
  for (int k = 0; k < 3; ++k) {
    const TDataSkinSysButton& mdi = *FRecords.SysButtons[6 + static_cast<std::size_t>(k)];
    EXPECT_EQ(mdi.Action, 7 + k);
    EXPECT_EQ(mdi.Frame, 4);
    EXPECT_EQ(mdi.Xcoord, (3 - k) * (mdi.Map.Width() / 4 + 4));
  }
}

}  // namespace
}  // namespace velmora
