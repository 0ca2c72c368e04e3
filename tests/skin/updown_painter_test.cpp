// The up-down painter: the frame of each half by state (table), and on a real up-down
// control the halves from the skin, hot under the cursor, pressed while the button is
// down, disabled, across for a horizontal one.
#include "skin/controls/updown_painter.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <memory>

#include "framework/common_controls.h"
#include "framework/form.h"
#include "framework/gdi_object.h"
#include "skin/skin_test_package.h"
#include "support/test_support.h"

namespace velmora {
namespace {

using test::Bytes;
using test::MakeBmp;

// One colour per frame: up/left half 1-4, down/right half 5-8.
constexpr std::uint32_t Frames[8] = {0x101080, 0x102080, 0x103080, 0x104080, 0x801010, 0x802010, 0x803010, 0x804010};
constexpr COLORREF rgb(std::uint32_t c) { return RGB(c >> 16, (c >> 8) & 0xFF, c & 0xFF); }

TEST(UpDownPainterTest, HalfFrames) {
  struct Case {
    int Half, Under;
    bool Pressed, Enabled;
    int Frame;
  };
  const Case cases[] = {
      {0, -1, false, true, 1}, {1, -1, false, true, 5}, {0, 0, false, true, 4}, {1, 0, false, true, 5},
      {0, 0, true, true, 2},   {1, 1, true, true, 6},   {0, 0, true, false, 3}, {1, -1, false, false, 7},
  };
  for (const Case& c : cases)
    EXPECT_EQ(TSkinUpDown::HalfFrame(c.Half, c.Under, c.Pressed, c.Enabled), c.Frame)
        << "half " << c.Half << " under " << c.Under << " pressed " << c.Pressed << " enabled " << c.Enabled;
}

std::unique_ptr<TSkinData> spinSkin() {
  const std::string ini = "[UpDown.Vert]\nImage=v.bmp\n[UpDown.Horz]\nImage=h.bmp\n";
  const auto strip = [](int x, int) { return Frames[x / 10]; };
  const Bytes package = test::PackSkin(ini, {{"v.bmp", MakeBmp(80, 10, strip)}, {"h.bmp", MakeBmp(80, 10, strip)}});
  const test::Bytes block = test::SkinStreamBlock(package);
  auto data = std::make_unique<TSkinData>(nullptr);
  EXPECT_TRUE(data->ReadBinaryProperty("SkinStream", block));
  return data;
}

TEST(UpDownPainterTest, HalvesFollowTheCursorThePressAndTheState) {
  // The list and the skin outlive the form, whose controls free their painters.
  TSkinPainterList list;
  auto skin = spinSkin();
  TForm form(nullptr);
  form.SetBounds(100, 100, 300, 200);
  auto* spin = new TUpDown(&form);
  spin->SetParent(&form);
  spin->SetBounds(20, 20, 20, 40);
  form.Handle();
  ShowWindow(form.Handle(), SW_SHOW);
  auto* painter = new TSkinUpDown(spin);
  painter->AttachControl(&list, skin.get(), false);
  const HWND h = spin->Handle();
  auto moveTo = [](int x, int y) { test::MoveCursorTo(x, y); };
  auto face = [&] {
    TBitmap bitmap(20, 40);  // the control may keep a narrower width of its own
    MemoryDC dc;
    SelectScope select(dc, bitmap.Handle());
    SendMessageA(h, WM_PAINT, reinterpret_cast<WPARAM>(dc.Get()), 0);
    GdiFlush();
    return bitmap;
  };
  POINT away{0, 0};
  ClientToScreen(h, &away);
  moveTo(away.x + 200, away.y + 200);
  TBitmap pixels = face();
  EXPECT_EQ(pixels.Pixel(10, 10), rgb(Frames[0]));
  EXPECT_EQ(pixels.Pixel(10, 30), rgb(Frames[4]));

  moveTo(away.x + 8, away.y + 5);  // over the up half
  EXPECT_EQ(face().Pixel(10, 10), rgb(Frames[3])) << "hot";
  SendMessageA(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 5));
  EXPECT_EQ(face().Pixel(10, 10), rgb(Frames[1])) << "pressed";
  EXPECT_EQ(face().Pixel(10, 30), rgb(Frames[4])) << "the other half stays normal";
  SendMessageA(h, WM_LBUTTONUP, 0, MAKELPARAM(10, 5));
  EXPECT_EQ(face().Pixel(10, 10), rgb(Frames[3])) << "released, still hot";

  EnableWindow(h, FALSE);
  pixels = face();
  EXPECT_EQ(pixels.Pixel(10, 10), rgb(Frames[2]));
  EXPECT_EQ(pixels.Pixel(10, 30), rgb(Frames[6]));

  // Across: left and right halves (of the width the control keeps), shown disabled so
  // that no cursor position counts.
  painter->Horizontal = true;
  EnableWindow(h, FALSE);
  RECT window{};
  GetWindowRect(h, &window);
  const int width = window.right - window.left;
  pixels = face();
  EXPECT_EQ(pixels.Pixel(width / 4, 20), rgb(Frames[2]));
  EXPECT_EQ(pixels.Pixel(width * 3 / 4, 20), rgb(Frames[6]));
}

}  // namespace
}  // namespace velmora
