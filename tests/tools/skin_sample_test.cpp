// The preview's sample window: nine-part fitting, and a window put together from a
// small skin of plain colours, checked pixel by pixel.
#include "skin_sample.h"

#include <gtest/gtest.h>

#include <map>

#include "bmp_writer.h"

namespace velmora::tools {
namespace {

TEST(NinePartSource, EndsOneToOneMiddleStretched) {
  struct TCase {
    int D, Length, FrameLength, Start, End, Expected;
  };
  const TCase cases[] = {
      {0, 30, 9, 3, 3, 0},  {2, 30, 9, 3, 3, 2},  {3, 30, 9, 3, 3, 3},  {26, 30, 9, 3, 3, 5},
      {27, 30, 9, 3, 3, 6}, {29, 30, 9, 3, 3, 8}, {4, 5, 9, 3, 3, 7},   {0, 5, 9, 3, 3, 0},
      {5, 9, 9, 2, 2, 5},   {10, 20, 4, 0, 0, 2}, {19, 20, 4, 0, 0, 3}, {0, 0, 4, 0, 0, 0},
  };
  for (const TCase& c : cases)
    EXPECT_EQ(NinePartSource(c.D, c.Length, c.FrameLength, c.Start, c.End), c.Expected)
        << c.D << " of " << c.Length << " from " << c.FrameLength << " (" << c.Start << ", " << c.End << ")";
}

class SampleWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    add("right.bmp", solid(4, 10, Rgb(0, 0, 200)));
    TRaster top = solid(8, 20, Rgb(0, 160, 0));
    top.Set(0, 0, Magenta);
    add("top.bmp", top);
    add("bottom.bmp", solid(8, 4, Rgb(220, 200, 0)));
    add("button.bmp", solid(10, 10, Rgb(255, 255, 255)));
    add("maxonly.bmp", solid(10, 10, Rgb(0, 0, 0)));
    TRaster left = solid(4, 10, Rgb(200, 0, 0));
    left.Set(0, 0, Magenta);
    add("left.bmp", left);
    FIni.LoadFromText(
        "[Personality]\nLeft=left.bmp\nRight=right.bmp\nTop=top.bmp\nBottom=bottom.bmp\n"
        "[Colours]\nButtonFace=10 20 30\n"
        "[ButtonX]\nAction=0\nAlign=1\nXcoord=30\nYcoord=2\nframe=1\nButtonImage=button.bmp\n"
        "[ButtonMaxOnly]\nAction=1\nAlign=1\nXcoord=60\nYcoord=2\nVisibility=1\nframe=1\nButtonImage=maxonly.bmp\n");
  }

  static TRaster solid(int w, int h, TColor c) { return TRaster(w, h, c); }
  void add(const std::string& name, const TRaster& picture) {
    FImages[name].LoadFromBytes(Bmp24(picture));
  }
  TRaster render(bool active) {
    const TImageLookup lookup = [this](const std::string& name) -> const TBmpImage* {
      const auto found = FImages.find(name);
      return found == FImages.end() ? nullptr : &found->second;
    };
    return RenderSampleWindow(FIni, lookup, active);
  }

  TQuickIni FIni;
  std::map<std::string, TBmpImage> FImages;
};

TEST_F(SampleWindow, BordersButtonsAndClientWhereTheSkinPutsThem) {
  const TRaster w = render(true);
  ASSERT_EQ(w.Width(), SampleWindowWidth);
  ASSERT_EQ(w.Height(), SampleWindowHeight);
  EXPECT_EQ(w.Get(1, 150), Rgb(200, 0, 0));
  EXPECT_EQ(w.Get(SampleWindowWidth - 2, 150), Rgb(0, 0, 200));
  EXPECT_EQ(w.Get(SampleWindowWidth / 2, 3), Rgb(0, 160, 0));
  EXPECT_EQ(w.Get(SampleWindowWidth / 2, SampleWindowHeight - 2), Rgb(220, 200, 0));
  // Right-aligned: Xcoord from the right edge; a button shown only when maximised is not.
  EXPECT_EQ(w.Get(SampleWindowWidth - 30 + 5, 7), Rgb(255, 255, 255));
  EXPECT_EQ(w.Get(SampleWindowWidth - 60 + 5, 7), Rgb(0, 160, 0));
  // Magenta in both corner pieces leaves the corner to what is behind the window.
  EXPECT_NE(w.Get(0, 0), Magenta);
  EXPECT_NE(w.Get(0, 0), Rgb(200, 0, 0));
  EXPECT_NE(w.Get(0, 0), Rgb(0, 160, 0));
  // The client area has the face colour where no control is drawn.
  EXPECT_EQ(w.Get(300, 280), Rgb(10, 20, 30));
}

}  // namespace
}  // namespace velmora::tools
