// The status bar painter on a real status bar: each panel's edge frame by its border
// kind (lowered, raised, none), the text in the element's text colour, simple mode as
// one lowered panel, the size grip from the extra images.
#include "skin/controls/statusbar_painter.h"

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

constexpr std::uint32_t Lowered = 0x406080, Raised = 0x80A040, Flat = 0xC0C0C8, Grip = 0xD02020, Ink = 0x0000F0;
constexpr COLORREF rgb(std::uint32_t c) { return RGB(c >> 16, (c >> 8) & 0xFF, c & 0xFF); }

std::unique_ptr<TSkinData> statusSkin() {
  const std::string ini =
      "[Colours]\nButtonFace=224,228,234\n[StatusBarEdges]\nImage=edges.bmp\nNormalColour2=240 0 0\n"
      "[ExtraImages]\nImage=extra.bmp\n";
  const Bytes package = test::PackSkin(
      ini, {{"edges.bmp", MakeBmp(30, 12, [](int x, int) { return x < 10 ? Lowered : x < 20 ? Raised : Flat; })},
            {"extra.bmp", MakeBmp(50, 10, [](int x, int) { return x < 40 ? 0x000000u : Grip; })}});
  const test::Bytes block = test::SkinStreamBlock(package);
  auto data = std::make_unique<TSkinData>(nullptr);
  EXPECT_TRUE(data->ReadBinaryProperty("SkinStream", block));
  return data;
}

TEST(StatusBarPainterTest, PanelsByBorderKindTextSimpleModeAndGrip) {
  // The list and the skin outlive the form, whose controls free their painters.
  TSkinPainterList list;
  auto skin = statusSkin();
  TForm form(nullptr);
  form.SetBounds(0, 0, 400, 200);
  auto* bar = new TStatusBar(&form);
  bar->SetParent(&form);
  ASSERT_TRUE(bar->ReadStringsProperty("Panels.Strings", {"Ready=100", "Two=100", "Three"}));
  const HWND h = bar->Handle();
  (new TSkinStatusBar(bar))->AttachControl(&list, skin.get(), false);
  SendMessageA(h, SB_SETTEXTA, 1 | SBT_POPOUT, reinterpret_cast<LPARAM>("Two"));
  SendMessageA(h, SB_SETTEXTA, 2 | SBT_NOBORDERS, reinterpret_cast<LPARAM>(""));

  RECT window{};
  GetWindowRect(h, &window);
  const int width = window.right - window.left, height = window.bottom - window.top;
  auto face = [&] {
    TBitmap bitmap(width, height);
    MemoryDC dc;
    SelectScope select(dc, bitmap.Handle());
    SendMessageA(h, WM_PAINT, reinterpret_cast<WPARAM>(dc.Get()), 0);
    GdiFlush();
    return bitmap;
  };
  RECT panels[3]{};
  for (int i = 0; i < 3; ++i) SendMessageA(h, SB_GETRECT, i, reinterpret_cast<LPARAM>(&panels[i]));
  TBitmap pixels = face();
  const int y = (panels[0].top + panels[0].bottom) / 2;
  EXPECT_EQ(pixels.Pixel(panels[0].right - 3, y), rgb(Lowered)) << "a plain panel is lowered";
  EXPECT_EQ(pixels.Pixel(panels[1].right - 3, y), rgb(Raised)) << "a pop-out panel is raised";
  EXPECT_EQ(pixels.Pixel(panels[2].left + 3, y), rgb(Flat)) << "a borderless panel is flat";
  int ink = 0;
  for (int x = panels[0].left; x < panels[0].right; ++x)
    for (int yy = panels[0].top; yy < panels[0].bottom; ++yy) ink += pixels.Pixel(x, yy) == RGB(240, 0, 0);
  EXPECT_GT(ink, 5) << "\"Ready\" in the element's text colour";
  EXPECT_EQ(pixels.Pixel(width - 2, height - 2), rgb(Grip)) << "the size grip";

  SendMessageA(h, SB_SIMPLE, TRUE, 0);
  pixels = face();
  EXPECT_EQ(pixels.Pixel(panels[1].right - 3, y), rgb(Lowered)) << "simple mode: one lowered panel";
  EXPECT_EQ(pixels.Pixel(width - 2, height - 2), rgb(Grip));
}

}  // namespace
}  // namespace velmora
