// Owner-drawn menus: items switched to owner drawing keep their texts, ids and type
// bits; an owner-drawn pop-up menu measures and draws its items through their events,
// with the framework's measure first.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/application.h"
#include "framework/icons.h"
#include "framework/menus.h"
#include "framework/screen.h"

namespace velmora {
namespace {

static_assert(sizeof(void*) != 8 || sizeof(MENUITEMINFOA) == 80, "the x64 structure is 80 bytes");

struct MenuHandle {
  HMENU Handle = CreatePopupMenu();
  ~MenuHandle() { DestroyMenu(Handle); }
};

struct ReadItem {
  std::string Text;
  UINT Id = 0;
  UINT Type = 0;
  HMENU SubMenu = nullptr;
};

ReadItem readItem(HMENU menu, UINT position) {
  char text[80] = {};
  MENUITEMINFOA info{};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STRING | MIIM_SUBMENU;
  info.dwTypeData = text;
  info.cch = sizeof(text);
  EXPECT_TRUE(GetMenuItemInfoA(menu, position, TRUE, &info)) << position;
  return {text, info.wID, info.fType, info.hSubMenu};
}

TEST(MenuOwnerDrawTest, OwnerDrawnItemsKeepTextsIdsAndTypeBits) {
  MenuHandle menu, sub;
  AppendMenuA(menu.Handle, MF_STRING, 101, "立即备份");
  AppendMenuA(menu.Handle, MF_SEPARATOR, 0, nullptr);
  AppendMenuA(menu.Handle, MF_STRING, 102, "退出");
  MENUITEMINFOA radio{};
  radio.cbSize = sizeof(radio);
  radio.fMask = MIIM_FTYPE;
  GetMenuItemInfoA(menu.Handle, 102, FALSE, &radio);
  radio.fType |= MFT_RADIOCHECK;
  SetMenuItemInfoA(menu.Handle, 102, FALSE, &radio);
  AppendMenuA(sub.Handle, MF_STRING, 201, "Inner");
  AppendMenuA(menu.Handle, MF_POPUP, reinterpret_cast<UINT_PTR>(sub.Handle), "More");

  ASSERT_TRUE(MakeMenuOwnerDrawn(menu.Handle));

  const ReadItem first = readItem(menu.Handle, 0);
  EXPECT_EQ(first.Text, "立即备份");
  EXPECT_EQ(first.Id, 101u);
  EXPECT_TRUE(first.Type & MFT_OWNERDRAW);
  EXPECT_TRUE(readItem(menu.Handle, 1).Type & MFT_SEPARATOR) << "a separator stays one";
  const ReadItem exit = readItem(menu.Handle, 2);
  EXPECT_EQ(exit.Text, "退出");
  EXPECT_EQ(exit.Id, 102u);
  EXPECT_TRUE(exit.Type & MFT_RADIOCHECK) << "other type bits are kept";
  const ReadItem more = readItem(menu.Handle, 3);
  EXPECT_EQ(more.Text, "More");
  EXPECT_EQ(more.SubMenu, sub.Handle);
  const ReadItem inner = readItem(sub.Handle, 0);
  EXPECT_EQ(inner.Text, "Inner");
  EXPECT_EQ(inner.Id, 201u);
  EXPECT_TRUE(inner.Type & MFT_OWNERDRAW) << "sub-menus are switched too";
  char text[80] = {};
  EXPECT_GT(GetMenuStringA(menu.Handle, 101, text, sizeof(text), MF_BYCOMMAND), 0);
  EXPECT_STREQ(text, "立即备份");
}

TEST(MenuOwnerDrawTest, SwitchingTwiceChangesNothingAndBadMenusAreRefused) {
  MenuHandle menu;
  AppendMenuA(menu.Handle, MF_STRING, 7, "Seven");
  ASSERT_TRUE(MakeMenuOwnerDrawn(menu.Handle));
  ASSERT_TRUE(MakeMenuOwnerDrawn(menu.Handle));
  EXPECT_EQ(readItem(menu.Handle, 0).Text, "Seven");
  EXPECT_FALSE(MakeMenuOwnerDrawn(nullptr));
  EXPECT_FALSE(MakeMenuOwnerDrawn(reinterpret_cast<HMENU>(static_cast<INT_PTR>(0x7777))));
}

TEST(MenuOwnerDrawTest, DefaultMeasureWidensForTheShortCutAndHalvesSeparators) {
  TMenuItem item(nullptr), separator(nullptr);
  item.SetCaption("Open");
  separator.SetCaption("-");
  MemoryDC dc;
  SelectScope font(dc, Screen.MenuFont().Handle());
  int width = 0, height = 0;
  item.DefaultMeasure(dc, width, height);
  EXPECT_GT(width, MenuGlyphWidth);
  EXPECT_GE(height, GetSystemMetrics(SM_CYMENU));
  const int plain = width;
  item.SetShortCut("Ctrl+O");
  item.DefaultMeasure(dc, width, height);
  EXPECT_GT(width, plain + MenuShortCutGap);
  separator.DefaultMeasure(dc, width, height);
  EXPECT_EQ(height, std::max(GetSystemMetrics(SM_CYMENU) / 2, 4));
}

TEST(MenuOwnerDrawTest, ItemsFindTheirMenusImageList) {
  TPopupMenu menu(nullptr);
  TImageList images(nullptr);
  auto* parent = new TMenuItem(&menu);
  auto* child = new TMenuItem(&menu);
  menu.Add(parent);
  parent->Add(child);
  EXPECT_EQ(child->Images(), nullptr);
  menu.SetImages(&images);
  EXPECT_EQ(child->Images(), &images);
  EXPECT_EQ(parent->ParentMenu(), &menu);
}

TEST(MenuOwnerDrawTest, ScreenMenuFontIsTheSystemsMenuFont) {
  NONCLIENTMETRICSA metrics{};
  metrics.cbSize = sizeof(metrics);
  ASSERT_TRUE(SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0));
  EXPECT_EQ(Screen.MenuFont().Name(), std::string(metrics.lfMenuFont.lfFaceName));
  EXPECT_NE(Screen.MenuFont().Handle(), nullptr);
}

// An owner-drawn pop-up menu, opened for real: every visible item is measured (the
// framework's measure handed to the event) and drawn through its events, and the menu
// still knows each item by its command.
TEST(MenuOwnerDrawTest, PopupMenuMeasuresAndDrawsItsItemsThroughTheirEvents) {
  TPopupMenu menu(nullptr);
  menu.SetOwnerDraw(true);
  std::vector<std::string> measured, drawn;
  int handedWidth = -1;
  for (const char* caption : {"立即备份", "-", "退出"}) {
    auto* item = new TMenuItem(&menu);
    item->SetCaption(caption);
    item->OnMeasureItem = [&, item](TObjectSender sender, HDC, int& width, int& height) {
      EXPECT_EQ(sender, item);
      measured.push_back(item->Caption());
      if (!item->IsSeparator()) handedWidth = width;
      width += 40;
      height = 22;
    };
    item->OnDrawItem = [&, item](TObjectSender, HDC dc, const RECT& rect, bool) {
      EXPECT_NE(dc, nullptr);
      EXPECT_EQ(rect.bottom - rect.top, 22);
      drawn.push_back(item->Caption());
    };
    menu.Add(item);
  }
  HWND app = Application.Handle();
  SetForegroundWindow(app);
  const UINT_PTR timer = SetTimer(nullptr, 0, 500, [](HWND, UINT, UINT_PTR, DWORD) { EndMenu(); });
  EXPECT_EQ(menu.Track(100, 100, app), nullptr);
  KillTimer(nullptr, timer);
  EXPECT_EQ(measured, (std::vector<std::string>{"立即备份", "-", "退出"}));
  EXPECT_GT(handedWidth, MenuGlyphWidth) << "the event gets the framework's measure";
  EXPECT_EQ(drawn, (std::vector<std::string>{"立即备份", "-", "退出"}));
  EXPECT_EQ(menu.Handle(), nullptr) << "no handle once the menu is closed";
}

}  // namespace
}  // namespace velmora
