// The header painter: hover rectangles and the item under the mouse (table), and on a
// real list view's column header the items from the skin's frames, the one under the
// mouse in frame 2, the strip beyond the last item in frame 1, the texts drawn.
#include "skin/controls/header_painter.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <memory>

#include "framework/gdi_object.h"
#include "skin/skin_test_package.h"

namespace velmora {
namespace {

using test::Bytes;
using test::MakeBmp;

constexpr std::uint32_t Normal = 0x5060A0, Hot = 0xA06050;
constexpr COLORREF rgb(std::uint32_t c) { return RGB(c >> 16, (c >> 8) & 0xFF, c & 0xFF); }

TEST(HeaderPainterTest, HoverRectanglesAndTheItemUnderThePoint) {
  EXPECT_EQ(TSkinHeader::HoverRect({10, 0, 110, 20}).left, 13);
  EXPECT_EQ(TSkinHeader::HoverRect({10, 0, 110, 20}).right, 107);
  const std::vector<RECT> rects{TSkinHeader::HoverRect({0, 0, 100, 20}), TSkinHeader::HoverRect({100, 0, 180, 20})};
  struct Case {
    POINT At;
    int Item;
  };
  const Case cases[] = {{{50, 10}, 0}, {{98, 10}, -1}, {{101, 10}, -1}, {{103, 10}, 1}, {{200, 10}, -1}, {{50, 30}, -1}};
  for (const Case& c : cases) EXPECT_EQ(TSkinHeader::ItemAt(rects, c.At), c.Item) << c.At.x << "," << c.At.y;
}

TEST(HeaderPainterTest, ItemsFromTheSkinAndTheHotOne) {
  INITCOMMONCONTROLSEX classes{sizeof classes, ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&classes);
  const std::string ini = "[Headerbar]\nImage=header.bmp\nFrame=5\nNormalColour2=250 250 0\n";
  const Bytes package =
      test::PackSkin(ini, {{"header.bmp", MakeBmp(50, 16, [](int x, int) { return x / 10 == 1 ? Hot : Normal; })}});
  const test::Bytes block = test::SkinStreamBlock(package);
  TSkinData data(nullptr);
  ASSERT_TRUE(data.ReadBinaryProperty("SkinStream", block));

  const HWND list = CreateWindowExA(0, WC_LISTVIEWA, "", WS_POPUP | WS_VISIBLE | LVS_REPORT, 0, 0, 400, 200, nullptr,
                                    nullptr, nullptr, nullptr);
  ASSERT_NE(list, nullptr);
  for (const char* title : {"File", "Size"}) {
    LVCOLUMNA column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.cx = 120;
    column.pszText = const_cast<char*>(title);
    SendMessageA(list, LVM_INSERTCOLUMNA, 9, reinterpret_cast<LPARAM>(&column));
  }
  const HWND header = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
  ASSERT_NE(header, nullptr);
  TSkinPainterList painters;  // outlives the painter, which leaves it when freed
  TComponent owner(nullptr);
  (new TSkinHeader(&owner))->AttachHandle(header, &data, &painters);
  RECT window{};
  GetWindowRect(header, &window);
  const int width = window.right - window.left, height = window.bottom - window.top;
  auto face = [&] {
    TBitmap bitmap(width, height);
    MemoryDC dc;
    SelectScope select(dc, bitmap.Handle());
    SendMessageA(header, WM_PAINT, reinterpret_cast<WPARAM>(dc.Get()), 0);
    GdiFlush();
    return bitmap;
  };
  TBitmap pixels = face();
  EXPECT_EQ(pixels.Pixel(2, height / 2), rgb(Normal));
  EXPECT_EQ(pixels.Pixel(300, height / 2), rgb(Normal)) << "the strip beyond the last item";
  int ink = 0;
  for (int x = 0; x < 120; ++x)
    for (int y = 0; y < height; ++y) ink += pixels.Pixel(x, y) == RGB(250, 250, 0);
  EXPECT_GT(ink, 5) << "\"File\" in the element's text colour";

  SendMessageA(header, WM_MOUSEMOVE, 0, MAKELPARAM(60, height / 2));
  pixels = face();
  EXPECT_EQ(pixels.Pixel(2, height / 2), rgb(Hot)) << "the item under the mouse";
  EXPECT_EQ(pixels.Pixel(122, height / 2), rgb(Normal));
  SendMessageA(header, WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(face().Pixel(2, height / 2), rgb(Normal));
  DestroyWindow(list);
}

}  // namespace
}  // namespace velmora
