// Pop-up menu windows in the skin, with real menus under Wine: the window answers the
// skin query while skinned and gets its procedure back; an open menu of the form shows
// the skin's edge and items (normal, selected, separator) on the screen and in WM_PRINT;
// the system-drawn texts stay the items'; opening it 500 times leaves no GDI object.
#include "skin/forms/pop_menu_skin.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "framework/application.h"
#include "framework/menus.h"
#include "skin/forms/form_skin_fixture.h"
#include "skin/forms/skin_messages.h"

namespace velmora::test {
namespace {

class PopMenuSkinTest : public FormSkinTest {
 protected:
  void SetUp() override {
    FormSkinTest::SetUp();
    RegisterComponentClass(TPopupMenu::StaticClassInfo());
    RegisterComponentClass(TMenuItem::StaticClassInfo());
  }
  TPopupMenu& ShowWithMenu() {
    ShowSkinnedText(MenuSkinnedFormText(
        "  object pm: TPopupMenu\n    object i1: TMenuItem\n      Caption = 'Open'\n    end\n"
        "    object i2: TMenuItem\n      Caption = '-'\n    end\n"
        "    object i3: TMenuItem\n      Caption = 'Exit'\n    end\n  end\n"));
    auto* menu = dynamic_cast<TPopupMenu*>(Form->FindComponent("pm"));
    EXPECT_NE(menu, nullptr);
    return *menu;
  }
  // Opens `menu` from the form and calls `look` with the menu window on each tick until
  // it answers true, then closes the menu.
  void WhileOpen(TPopupMenu& menu, const std::function<bool(HWND)>& look) {
    static std::function<bool(HWND)>* current = nullptr;
    current = const_cast<std::function<bool(HWND)>*>(&look);
    const UINT_PTR timer = SetTimer(nullptr, 0, 20, [](HWND, UINT, UINT_PTR, DWORD) {
      HWND window = FindWindowA(MAKEINTATOM(32768), nullptr);
      if (window && IsWindowVisible(window) && current && (*current)(window)) EndMenu();
    });
    SetForegroundWindow(Form->Handle());
    RECT r{};
    GetWindowRect(Form->Handle(), &r);
    menu.Track(r.left + 40, r.top + 60, Form->Handle());
    KillTimer(nullptr, timer);
    current = nullptr;
  }
};

std::vector<COLORREF> onScreen(HWND window, SIZE& size) {
  RECT r{};
  GetWindowRect(window, &r);
  size = {r.right - r.left, r.bottom - r.top};
  TBitmap bitmap(size.cx, size.cy);
  {
    MemoryDC dc;
    SelectScope select(dc, bitmap.Handle());
    WindowDC screen(nullptr);
    BitBlt(dc, 0, 0, size.cx, size.cy, screen, r.left, r.top, SRCCOPY);
    GdiFlush();
  }
  std::vector<COLORREF> pixels;
  for (int y = 0; y < size.cy; ++y)
    for (int x = 0; x < size.cx; ++x) pixels.push_back(bitmap.Pixel(x, y));
  return pixels;
}

HWND makeMenuWindow() {
  return CreateWindowExA(0, MAKEINTATOM(32768), "", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr,
                         GetModuleHandleA(nullptr), nullptr);
}

TEST_F(PopMenuSkinTest, MenuWindowAnswersTheQueryAndGetsItsProcedureBack) {
  ShowWithMenu();
  TSkinManage& manager = Manager();
  HWND window = makeMenuWindow();
  ASSERT_TRUE(manager.IsPopup(window));
  const auto classProc = GetClassLongPtrA(window, GCLP_WNDPROC);
  EXPECT_EQ(SendMessageA(window, WM_SKINQUERY, 0, 0), 1);
  EXPECT_TRUE(TWindowSubclass::IsSubclassed(window));
  EXPECT_FALSE(manager.AddPopup(window)) << "never skinned twice";
  ASSERT_TRUE(manager.RemovePopup(window));
  EXPECT_EQ(SendMessageA(window, WM_SKINQUERY, 0, 0), 0);
  EXPECT_EQ(GetWindowLongPtrA(window, GWLP_WNDPROC), classProc) << "its own procedure is back";
  DestroyWindow(window);

  // Destroyed while skinned: the record and its skin go with the window.
  window = makeMenuWindow();
  ASSERT_TRUE(manager.IsPopup(window));
  DestroyWindow(window);
  EXPECT_FALSE(manager.IsPopup(window));
  EXPECT_TRUE(manager.Popups().empty());
}

TEST_F(PopMenuSkinTest, FormsPopupMenuBecomesOwnerDrawnAndIsGivenBack) {
  TPopupMenu& menu = ShowWithMenu();
  EXPECT_TRUE(menu.OwnerDraw());
  EXPECT_TRUE(menu.Items()[0]->OnDrawItem != nullptr);
  SkinOf(Form->Handle())->Unskin();
  EXPECT_FALSE(menu.OwnerDraw());
  EXPECT_TRUE(menu.Items()[0]->OnDrawItem == nullptr);
}

TEST_F(PopMenuSkinTest, OpenMenuShowsTheSkinsEdgeAndItems) {
  TPopupMenu& menu = ShowWithMenu();
  std::vector<COLORREF> first, selected, printed;
  SIZE size{};
  RECT items[3]{};
  RECT window{};
  int step = 0;
  // A few ticks after it shows, the menu is on the screen: look, then select the first
  // item and look again a few ticks later.
  WhileOpen(menu, [&](HWND menuWindow) {
    if (++step < 4) return false;
    if (step == 4) {
      UpdateWindow(menuWindow);
      first = onScreen(menuWindow, size);
      GetWindowRect(menuWindow, &window);
      for (int i = 0; i < 3; ++i) GetMenuItemRect(menuWindow, menu.Handle(), i, &items[i]);
      PostMessageA(menuWindow, WM_KEYDOWN, VK_DOWN, 0);
      return false;
    }
    if (step < 9) return false;
    UpdateWindow(menuWindow);
    selected = onScreen(menuWindow, size);
    TBitmap print(size.cx, size.cy);
    {
      MemoryDC dc;
      SelectScope select(dc, print.Handle());
      SendMessageA(menuWindow, WM_PRINT, reinterpret_cast<WPARAM>(dc.Get()), PRF_CLIENT | PRF_NONCLIENT);
      GdiFlush();
    }
    printed = {print.Pixel(0, 0), print.Pixel(1, size.cy / 2), print.Pixel(size.cx - 1, size.cy - 1)};
    return true;
  });
  ASSERT_FALSE(first.empty());
  ASSERT_FALSE(selected.empty());
  auto at = [&](const std::vector<COLORREF>& pixels, int x, int y) { return pixels[y * size.cx + x]; };
  EXPECT_EQ(at(first, 0, 0), MenuEdge) << "the skin's edge, not the system's";
  EXPECT_EQ(at(first, 1, size.cy / 2), MenuEdge);
  EXPECT_EQ(at(first, size.cx - 1, size.cy - 1), MenuEdge);
  auto local = [&](const RECT& r) {
    return RECT{r.left - window.left, r.top - window.top, r.right - window.left, r.bottom - window.top};
  };
  const RECT open = local(items[0]), separator = local(items[1]);
  ASSERT_GT(open.bottom, open.top);
  const int y = (open.top + open.bottom) / 2;
  EXPECT_EQ(at(first, open.right - 4, y), MenuItemFrames[0]) << "an item on frame 1";
  EXPECT_EQ(at(selected, open.right - 4, y), MenuItemFrames[3]) << "the selected item on frame 4";
  int ink = 0;
  for (int x = open.left; x < open.right; ++x) ink += at(first, x, y) == MenuTextColour || at(first, x, y - 1) == MenuTextColour;
  EXPECT_GT(ink, 2) << "the caption in the skin's menu text colour";
  EXPECT_EQ(at(first, (separator.left + separator.right) / 2, (separator.top + separator.bottom) / 2),
            MenuItemFrames[1])
      << "the separator from frame 2";
  EXPECT_EQ(printed, (std::vector<COLORREF>{MenuEdge, MenuEdge, MenuEdge})) << "WM_PRINT shows the skin too";
}

TEST_F(PopMenuSkinTest, FiveHundredOpeningsLeaveNoGdiObjectBehind) {
  TPopupMenu& menu = ShowWithMenu();
  auto openOnce = [&] {
    WhileOpen(menu, [](HWND window) {
      UpdateWindow(window);
      return true;
    });
  };
  openOnce();
  const int before = GdiCounters::LiveTotal();
  for (int i = 0; i < 500; ++i) openOnce();
  EXPECT_EQ(GdiCounters::LiveTotal(), before);
  EXPECT_TRUE(Manager().Popups().empty());
}

}  // namespace
}  // namespace velmora::test
