// Skinned menu items as pixels: the MenuItem element's normal and selected frames, the
// text colours (normal, selected, disabled), the check mark, the default item in bold,
// the separator, the shortcut column, right-to-left; foreign items read from a menu;
// nothing left behind by drawing.
#include "skin/forms/menu_item_painter.h"

#include <gtest/gtest.h>

#include <memory>

#include "framework/bitmap.h"
#include "framework/gdi_object.h"
#include "framework/menus.h"
#include "skin/data/skin_data.h"
#include "skin/skin_test_package.h"

namespace velmora {
namespace {

using test::Bytes;
using test::MakeBmp;

// MenuItem frames (10 x 20 each): normal, separator, disabled, selected, selected disabled.
constexpr std::uint32_t Frames[5] = {0xE0E8F0, 0x00A000, 0xC0C0C0, 0x3050A0, 0x808080};
constexpr COLORREF MenuText = RGB(0, 0, 200), HilightText = RGB(255, 255, 0), Shadow = RGB(150, 100, 50);
constexpr COLORREF MenuColour = RGB(250, 240, 230), Hilight = RGB(10, 120, 10);
constexpr int Width = 160, Height = 20;

constexpr COLORREF rgb(std::uint32_t c) { return RGB(c >> 16, (c >> 8) & 0xFF, c & 0xFF); }

std::unique_ptr<TSkinData> menuSkin(bool withElement) {
  std::string ini =
      "[Colours]\nMenuText=0 0 200\nHilightText=255 255 0\nButtonShadow=150 100 50\nMenu=250 240 230\n"
      "Hilight=10 120 10\n";
  std::vector<test::TTestEntry> bitmaps;
  if (withElement) {
    ini += "[MenuItem]\nImage=item.bmp\nLeftWidth=2\nRightWidth=2\nTopHeight=2\nBottomHeight=2\nTrans=1\n";
    // The separator frame has a magenta band at its top and bottom.
    bitmaps.push_back({"item.bmp", MakeBmp(50, 20, [](int x, int y) {
                         const int frame = x / 10;
                         if (frame == 1 && (y < 8 || y >= 12)) return 0xFF00FFu;
                         return Frames[frame];
                       })});
  }
  const Bytes block = test::SkinStreamBlock(test::PackSkin(ini, bitmaps));
  auto data = std::make_unique<TSkinData>(nullptr);
  EXPECT_TRUE(data->ReadBinaryProperty("SkinStream", block));
  return data;
}

TMenuItemView view(const char* caption) {
  TMenuItemView item;
  item.Caption = caption;
  return item;
}

TBitmap drawn(TSkinMenuItemPainter& painter, const TMenuItemView& item, bool selected) {
  TBitmap bitmap(Width, Height);
  MemoryDC dc;
  SelectScope select(dc, bitmap.Handle());
  painter.DrawItem(item, dc, {0, 0, Width, Height}, selected, nullptr);
  GdiFlush();
  return bitmap;
}

int count(const TBitmap& bitmap, COLORREF colour, int left = 0, int right = Width) {
  int n = 0;
  for (int y = 0; y < bitmap.Height(); ++y)
    for (int x = left; x < right; ++x) n += bitmap.Pixel(x, y) == colour;
  return n;
}

class MenuItemPainterTest : public testing::Test {
 protected:
  std::unique_ptr<TSkinData> Skin = menuSkin(true);
  TSkinMenuItemPainter Painter{Skin.get(), nullptr};
};

TEST_F(MenuItemPainterTest, NormalItemOnFrameOneInTheMenuTextColour) {
  const TBitmap pixels = drawn(Painter, view("Backup"), false);
  EXPECT_EQ(pixels.Pixel(Width - 3, Height / 2), rgb(Frames[0]));
  EXPECT_GT(count(pixels, MenuText), 10) << "the caption in the menu text colour";
}

TEST_F(MenuItemPainterTest, SelectedItemOnFrameFourInTheHighlightTextColour) {
  const TBitmap pixels = drawn(Painter, view("Backup"), true);
  EXPECT_EQ(pixels.Pixel(Width - 3, Height / 2), rgb(Frames[3]));
  EXPECT_GT(count(pixels, HilightText), 10);
  EXPECT_EQ(count(pixels, MenuText), 0);
}

TEST_F(MenuItemPainterTest, DisabledItemInTheShadowColour) {
  TMenuItemView item = view("Backup");
  item.Enabled = false;
  const TBitmap pixels = drawn(Painter, item, false);
  EXPECT_GT(count(pixels, Shadow), 10);
  EXPECT_EQ(count(pixels, MenuText), 0);
}

TEST_F(MenuItemPainterTest, CheckedItemShowsTheCheckMarkInTheGlyphCell) {
  TMenuItemView item = view("Backup");
  const TBitmap plain = drawn(Painter, item, false);
  item.Checked = true;
  const TBitmap checked = drawn(Painter, item, false);
  const COLORREF ink = GetSysColor(COLOR_BTNTEXT);
  // The glyph cell: one pixel after the element's 2-pixel margin, 16 wide.
  EXPECT_EQ(count(plain, ink, 3, 19), 0);
  EXPECT_GT(count(checked, ink, 3, 19), 5);
  EXPECT_EQ(count(checked, ink, 19, 22), 0) << "the mark stays in its cell";
}

TEST_F(MenuItemPainterTest, DefaultItemIsBold) {
  TMenuItemView item = view("Backup now");
  const int plain = count(drawn(Painter, item, false), MenuText);
  item.Default = true;
  const int bold = count(drawn(Painter, item, false), MenuText);
  EXPECT_GT(bold, plain + plain / 8);
}

TEST_F(MenuItemPainterTest, SeparatorIsFrameTwoWithItsMagentaLeftOut) {
  TMenuItemView item = view("-");
  item.Separator = true;
  const TBitmap pixels = drawn(Painter, item, false);
  EXPECT_EQ(pixels.Pixel(Width / 2, 10), rgb(Frames[1])) << "the line across the middle";
  EXPECT_EQ(pixels.Pixel(Width / 2, 2), MenuColour) << "the magenta band shows the menu colour";
  EXPECT_EQ(count(pixels, RGB(255, 0, 255)), 0);
  EXPECT_EQ(count(pixels, MenuText), 0) << "no caption";
}

TEST_F(MenuItemPainterTest, ShortCutEndsTenPixelsBeforeTheRightEdge) {
  TMenuItemView item = view("B");
  const TBitmap without = drawn(Painter, item, false);
  item.ShortCut = "Ctrl+B";
  const TBitmap with = drawn(Painter, item, false);
  EXPECT_EQ(count(without, MenuText, Width / 2, Width), 0);
  EXPECT_GT(count(with, MenuText, Width / 2, Width - 10), 10);
  EXPECT_EQ(count(with, MenuText, Width - 10, Width), 0);
}

TEST_F(MenuItemPainterTest, RightToLeftPutsTheGlyphRightAndTheCaptionAgainstIt) {
  TMenuItemView item = view("Backup");
  item.Checked = true;
  item.RightToLeft = true;
  const TBitmap pixels = drawn(Painter, item, false);
  const COLORREF ink = GetSysColor(COLOR_BTNTEXT);
  EXPECT_GT(count(pixels, ink, Width - 19, Width - 3), 5);
  EXPECT_EQ(count(pixels, ink, 0, 20), 0);
  EXPECT_GT(count(pixels, MenuText, Width / 2, Width - 22), 10) << "the caption right-aligned";
  EXPECT_EQ(count(pixels, MenuText, 0, Width / 3), 0);
}

TEST(MenuItemPainterWithoutElementTest, FilledWithMenuOrHighlightAndAnEtchedSeparator) {
  auto skin = menuSkin(false);
  TSkinMenuItemPainter painter(skin.get(), nullptr);
  EXPECT_EQ(drawn(painter, view("Backup"), false).Pixel(Width - 3, 3), MenuColour);
  EXPECT_EQ(drawn(painter, view("Backup"), true).Pixel(Width - 3, 3), Hilight);
  TMenuItemView separator = view("-");
  separator.Separator = true;
  const TBitmap line = drawn(painter, separator, false);
  EXPECT_NE(line.Pixel(Width / 2, 4), MenuColour) << "the etched line 4 pixels below the top";
  EXPECT_EQ(line.Pixel(Width / 2, 12), MenuColour);
}

TEST_F(MenuItemPainterTest, MeasuringAddsTheElementsRoom) {
  int width = 60, height = 19;
  Painter.MeasureItem(TSkinMenuItemKind::PopupComponentItem, false, width, height);
  EXPECT_EQ(width, 60 + 2 + 35);
  EXPECT_EQ(height, 19);
  Painter.MeasureForeignItem("", width, height);
  EXPECT_EQ(height, 8) << "an empty text is a separator";
  int textWidth = 0;
  Painter.MeasureForeignItem("Restore", textWidth, height);
  EXPECT_GT(textWidth, 26 + 2);
}

TEST_F(MenuItemPainterTest, DrawingFiveHundredTimesLeavesNoGdiObjectBehind) {
  TMenuItemView item = view("Backup");
  item.Checked = true;
  item.Default = true;
  item.ShortCut = "F5";
  // The check mark, the bold font and the fitted normal and selected frames are made once.
  drawn(Painter, item, true);
  drawn(Painter, item, false);
  const int before = GdiCounters::LiveTotal();
  for (int i = 0; i < 500; ++i) drawn(Painter, item, (i & 1) != 0);
  EXPECT_EQ(GdiCounters::LiveTotal(), before);
}

TEST(ForeignMenuItemTest, ReadFromTheMenuWithStatesShortCutAndSeparators) {
  struct MenuHandle {
    HMENU Handle = CreatePopupMenu();
    ~MenuHandle() { DestroyMenu(Handle); }
  } menu;
  AppendMenuA(menu.Handle, MF_STRING | MF_GRAYED, 0xF020, "最小化\tAlt+F9");
  AppendMenuA(menu.Handle, MF_STRING | MF_CHECKED, 0xF030, "Maximize");
  AppendMenuA(menu.Handle, MF_SEPARATOR, 0, nullptr);
  SetMenuDefaultItem(menu.Handle, 0xF030, FALSE);
  const TMenuItemView minimize = ViewOfForeignItem(menu.Handle, 0xF020);
  EXPECT_EQ(minimize.Caption, "最小化");
  EXPECT_EQ(minimize.ShortCut, "Alt+F9");
  EXPECT_FALSE(minimize.Enabled);
  EXPECT_FALSE(minimize.Separator);
  const TMenuItemView maximize = ViewOfForeignItem(menu.Handle, 0xF030);
  EXPECT_TRUE(maximize.Checked);
  EXPECT_TRUE(maximize.Default);
  EXPECT_TRUE(maximize.Enabled);
  EXPECT_TRUE(ViewOfForeignItem(menu.Handle, 0).Separator);
  // An item with a sub-menu is known by the sub-menu's handle.
  HMENU sub = CreatePopupMenu();
  AppendMenuA(menu.Handle, MF_POPUP, reinterpret_cast<UINT_PTR>(sub), "More");
  const UINT subId = static_cast<UINT>(reinterpret_cast<UINT_PTR>(sub));
  EXPECT_EQ(ForeignItemPosition(menu.Handle, subId), 3);
  EXPECT_EQ(ViewOfForeignItem(menu.Handle, subId).Caption, "More");
  EXPECT_EQ(ForeignItemPosition(menu.Handle, 0x7777), -1);
  EXPECT_TRUE(ViewOfForeignItem(nullptr, 5).Separator) << "no menu reads as an empty item";
}

}  // namespace
}  // namespace velmora
