// The progress painter on real progress bars: the track and the bar from the skin's two
// frames up to the fill, counted from the low limit; a vertical bar fills from the
// bottom; the chunked style repeats its chunk; a bar too small for its chunks and a skin
// without a progress bitmap draw nothing of theirs.
#include "skin/controls/progress_painter.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <memory>

#include "framework/common_controls.h"
#include "framework/form.h"
#include "framework/gdi_object.h"
#include "skin/skin_test_package.h"

namespace velmora {
namespace {

using test::Bytes;
using test::MakeBmp;

constexpr std::uint32_t Track = 0x204060, Bar = 0x30C050, Chunk = 0xE08020, Face = 0xE0E4EA;
constexpr COLORREF rgb(std::uint32_t c) { return RGB(c >> 16, (c >> 8) & 0xFF, c & 0xFF); }

std::unique_ptr<TSkinData> skinWith(const std::string& progressSection, bool chunk) {
  std::string ini = "[Colours]\nButtonFace=224,228,234\n" + progressSection;
  std::vector<test::TTestEntry> files{
      {"progress.bmp", MakeBmp(20, 10, [](int x, int) { return x < 10 ? Track : Bar; })}};
  if (chunk) {
    ini += "[Progress.Chunk]\nImage=chunk.bmp\nTile=1\n";
    files.push_back({"chunk.bmp", MakeBmp(6, 8, [](int x, int) { return x < 4 ? Chunk : Face; })});
  }
  const Bytes package = test::PackSkin(ini, files);
  const test::Bytes block = test::SkinStreamBlock(package);
  auto data = std::make_unique<TSkinData>(nullptr);
  EXPECT_TRUE(data->ReadBinaryProperty("SkinStream", block));
  return data;
}

class ProgressPainterTest : public testing::Test {
 protected:
  TProgressBar& bar(int width, int height, bool vertical, int low, int high, int position) {
    auto* control = new TProgressBar(&Form);
    control->SetParent(&Form);
    control->SetBounds(10, 10, width, height);
    control->SetVertical(vertical);
    control->SetMin(low);
    control->SetMax(high);
    control->SetPosition(position);
    control->Handle();
    return *control;
  }
  TBitmap face(TWinControl& control) {
    TBitmap bitmap(control.Width(), control.Height());
    MemoryDC dc;
    SelectScope select(dc, bitmap.Handle());
    const RECT all{0, 0, control.Width(), control.Height()};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    SendMessageA(control.Handle(), WM_PAINT, reinterpret_cast<WPARAM>(dc.Get()), 0);
    GdiFlush();
    return bitmap;
  }
  void paint(TWinControl& control, TSkinData& data) { (new TSkinProgress(&control))->AttachControl(&List, &data, false); }

  // Declared before the form: the painters the form's controls free at the end still
  // reach the list and the skin.
  TSkinPainterList List;
  std::vector<std::unique_ptr<TSkinData>> Skins;
  TForm Form{nullptr};
  TSkinData* keep(std::unique_ptr<TSkinData> skin) {
    Skins.push_back(std::move(skin));
    return Skins.back().get();
  }
};

TEST_F(ProgressPainterTest, TrackAndBarFromTheLowLimit) {
  Form.SetBounds(0, 0, 300, 200);
  TSkinData* skin = keep(skinWith("[Progress]\nBitmap=progress.bmp\n", false));
  auto& control = bar(100, 12, false, 20, 100, 60);
  paint(control, *skin);
  TBitmap pixels = face(control);
  // (60 - 20) / (100 - 20) of 100 pixels: 50.
  EXPECT_EQ(pixels.Pixel(0, 6), rgb(Bar));
  EXPECT_EQ(pixels.Pixel(49, 6), rgb(Bar));
  EXPECT_EQ(pixels.Pixel(50, 6), rgb(Track));
  EXPECT_EQ(pixels.Pixel(99, 6), rgb(Track));
  SendMessageA(control.Handle(), PBM_SETPOS, 20, 0);
  EXPECT_EQ(face(control).Pixel(0, 6), rgb(Track)) << "at the low limit nothing is filled";
}

TEST_F(ProgressPainterTest, AVerticalBarFillsFromTheBottom) {
  Form.SetBounds(0, 0, 300, 200);
  TSkinData* skin = keep(skinWith("[Progress]\nBitmap=progress.bmp\n", false));
  auto& control = bar(14, 100, true, 0, 100, 25);
  paint(control, *skin);
  TBitmap pixels = face(control);
  EXPECT_EQ(pixels.Pixel(7, 99), rgb(Bar));
  EXPECT_EQ(pixels.Pixel(7, 75), rgb(Bar));
  EXPECT_EQ(pixels.Pixel(7, 74), rgb(Track));
  EXPECT_EQ(pixels.Pixel(7, 0), rgb(Track));
}

TEST_F(ProgressPainterTest, ChunksRepeatOverTheFillAndATinyBarDrawsNoChunk) {
  Form.SetBounds(0, 0, 300, 200);
  TSkinData* skin = keep(skinWith("[Progress]\nBitmap=progress.bmp\nStyle=1\n", true));
  auto& control = bar(100, 14, false, 0, 100, 30);
  paint(control, *skin);
  TBitmap pixels = face(control);
  // Chunks of 6 (4 coloured) from x = 2 over 30 pixels, in the middle row.
  EXPECT_EQ(pixels.Pixel(2, 7), rgb(Chunk));
  EXPECT_EQ(pixels.Pixel(6, 7), rgb(Face));
  EXPECT_EQ(pixels.Pixel(8, 7), rgb(Chunk));
  EXPECT_NE(pixels.Pixel(60, 7), rgb(Chunk)) << "nothing past the fill";

  auto& tiny = bar(100, 4, false, 0, 100, 50);
  paint(tiny, *skin);
  const int before = GdiCounters::LiveTotal();
  face(tiny);  // 4 pixels high: no room for the chunk's middle, no failure
  EXPECT_EQ(GdiCounters::LiveTotal(), before);
}

TEST_F(ProgressPainterTest, WithoutAProgressBitmapTheBarPaintsItself) {
  Form.SetBounds(0, 0, 300, 200);
  TSkinData* skin = keep(skinWith("", false));
  auto& control = bar(100, 12, false, 0, 100, 50);
  paint(control, *skin);
  TBitmap pixels = face(control);
  EXPECT_NE(pixels.Pixel(80, 6), rgb(Track));
  EXPECT_NE(pixels.Pixel(80, 6), RGB(0, 0, 0)) << "the control's own face is there";
}

}  // namespace
}  // namespace velmora
