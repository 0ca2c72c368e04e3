// The skin preview: frame counts as the engine gives them, and the sheet drawn from a
// package (magenta as a checker board, clear refusals of what is no skin).
#include "skin_preview.h"

#include <gtest/gtest.h>

#include <map>
#include <stdexcept>

#include "bmp_writer.h"
#include "skin/data/lzh_packer.h"
#include "skin/data/skin_package.h"

namespace velmora::tools {
namespace {

TQuickIni iniOf(const std::string& text) {
  TQuickIni ini;
  ini.LoadFromText(text);
  return ini;
}

std::map<std::string, int> framesByKey(const std::vector<TSkinElement>& elements) {
  std::map<std::string, int> out;
  for (const auto& e : elements) out[e.Section + "." + e.Key] = e.Frames;
  return out;
}

TEST(SkinElements, FrameCountsAsTheEngineGivesThem) {
  const std::map<std::string, std::pair<int, int>> sizes = {
      {"wide.bmp", {126, 21}}, {"narrow.bmp", {60, 21}}, {"check.bmp", {156, 13}}, {"radio.bmp", {64, 16}}};
  const TImageSize size = [&](const std::string& name) -> std::optional<std::pair<int, int>> {
    const auto found = sizes.find(name);
    if (found == sizes.end()) return std::nullopt;
    return found->second;
  };
  const auto frames = framesByKey(SkinElements(iniOf(R"(
[Personality]
Left=l.bmp
LeftFrame=2
Top=t.bmp
TopFrame=3
TextBack=tb.bmp
[ButtonWide]
ButtonImage=wide.bmp
[ButtonNarrow]
ButtonImage=narrow.bmp
[ButtonGiven]
ButtonImage=narrow.bmp
frame=4
[ButtonHidden]
Action=-1
ButtonImage=wide.bmp
[ButtonKept]
Action=-1
Visibility=0
ButtonImage=narrow.bmp
[ButtonIcon]
Action=3
ButtonImage=narrow.bmp
[Buttons]
Bitmap=b.bmp
CheckButton=check.bmp
RadioButton=radio.bmp
[Progress]
Bitmap=p.bmp
Style=1
[Progress.Chunk]
Image=c.bmp
Frame=3
[Headerbar]
Image=h.bmp
Frame=2
[Scrollbar]
Image=s.bmp
Frame=7
[VertScrollThumb]
Image=v.bmp
FrameCount=2
[Track]
Image=tr.bmp
)"), size));
  const std::map<std::string, int> expected = {
      {"Personality.Left", 2},           {"Personality.Top", 3},
      {"Personality.TextBack", 2},       {"ButtonWide.ButtonImage", 6},
      {"ButtonNarrow.ButtonImage", 3},   {"ButtonGiven.ButtonImage", 4},
      {"ButtonKept.ButtonImage", 6},     {"Buttons.Bitmap", 5},
      {"Buttons.CheckButton", 12},       {"Buttons.RadioButton", 4},
      {"Progress.Bitmap", 1},            {"Progress.Chunk.Image", 3},
      {"Headerbar.Image", 2},            {"Scrollbar.Image", 23},
      {"VertScrollThumb.Image", 2},      {"Track.Image", 1},
  };
  EXPECT_EQ(frames, expected);
}

TEST(SkinElements, TopAndBottomBordersStackTheirFrames) {
  const auto elements = SkinElements(iniOf("[Personality]\nTop=t.bmp\nBottom=b.bmp\nLeft=l.bmp\n"),
                                     [](const std::string&) { return std::nullopt; });
  ASSERT_EQ(elements.size(), 3u);
  for (const auto& e : elements) EXPECT_EQ(e.Stacked, e.Key != "Left") << e.Key;
}

std::vector<std::uint8_t> packageOf(const std::vector<TSkinPackageEntry>& entries) {
  return TLZHPacker::Pack(BuildPackageImage(NewestPackageVersion, entries));
}

std::vector<std::uint8_t> textOf(const std::string& s) { return {s.begin(), s.end()}; }

TEST(SkinPreview, DrawsMagentaAsACheckerBoard) {
  TRaster strip(8, 4, Magenta);  // two frames, all transparent
  const auto sheet = RenderSkinPreview(
      packageOf({{"skin.ini", textOf("[TitlebarSkin]\nSkinName=T\n[MenuBackground]\nImage=m.bmp\n")},
                 {"m.bmp", Bmp24(strip)}}),
      "test");
  EXPECT_EQ(sheet.Width(), 1200);
  EXPECT_GT(sheet.Height(), 100);
  bool sawChecker = false;
  for (int y = 0; y < sheet.Height(); ++y)
    for (int x = 0; x < sheet.Width(); ++x) {
      ASSERT_NE(sheet.Get(x, y), Magenta) << x << "," << y;
      sawChecker = sawChecker || sheet.Get(x, y) == Rgb(150, 155, 164);
    }
  EXPECT_TRUE(sawChecker);
}

TEST(SkinPreview, MoreElementsMakeATallerSheet) {
  const TRaster frame(10, 10, Rgb(1, 2, 3));
  const auto small = RenderSkinPreview(packageOf({{"s.ini", textOf("[Track]\nImage=a.bmp\n")}, {"a.bmp", Bmp24(frame)}}), "");
  const auto large = RenderSkinPreview(
      packageOf({{"s.ini", textOf("[Track]\nImage=a.bmp\n[TRACKVERT]\nImage=a.bmp\n")}, {"a.bmp", Bmp24(frame)}}), "");
  EXPECT_GT(large.Height(), small.Height());
}

TEST(SkinPreview, RefusesWhatIsNoSkin) {
  EXPECT_THROW(RenderSkinPreview(textOf("not a package at all"), ""), std::runtime_error);
  EXPECT_THROW(RenderSkinPreview({}, ""), std::runtime_error);
  EXPECT_THROW(RenderSkinPreview(packageOf({{"a.bmp", textOf("BM")}}), ""), std::runtime_error);
  // Bitmaps that are missing or damaged are shown as such, not a failure.
  EXPECT_NO_THROW(RenderSkinPreview(packageOf({{"s.ini", textOf("[Track]\nImage=gone.bmp\n[TRACKVERT]\nImage=bad.bmp\n")},
                                               {"bad.bmp", textOf("BMxxxx")}}),
                                    ""));
}

}  // namespace
}  // namespace velmora::tools
