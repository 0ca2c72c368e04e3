// The gallery's menu bar in the skin: the window's own bar is gone and the skin draws
// the items; real keys (Alt, Alt with a letter, the arrows, Enter, Esc) and the mouse
// open the drop-downs, move across the bar and reach the items' commands.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "framework/gdi_object.h"
#include "framework/menus.h"
#include "framework/screen.h"
#include "gallery/gallery_form.h"
#include "gallery/mdi_demo.h"
#include "skin/data/skin_manager_link.h"
#include "skin/forms/skin_manager.h"
#include "skin/forms/win_skin_form.h"
#include "support/test_support.h"

namespace velmora {
namespace {

using namespace std::chrono_literals;

// The visible pop-up menu window nearest the top, or null.
HWND openDropDownWindow() {
  for (HWND w = GetTopWindow(nullptr); w; w = GetWindow(w, GW_HWNDNEXT)) {
    char className[16] = {};
    GetClassNameA(w, className, sizeof className);
    if (IsWindowVisible(w) && lstrcmpA(className, "#32768") == 0) return w;
  }
  return nullptr;
}

// The menu it shows, or null.
HMENU openDropDown() {
  const HWND window = openDropDownWindow();
  return window ? reinterpret_cast<HMENU>(SendMessageA(window, MN_GETHMENU, 0, 0)) : nullptr;
}

// A user at the keyboard and the mouse: a script run on another thread, so the menus'
// own loops on this thread see its input as a user's, and it watches what opens.
class User {
 public:
  void Keys(std::initializer_list<WORD> keys, bool alt = false) {
    if (alt) press(VK_MENU, true);
    for (WORD key : keys) {
      press(key, true);
      press(key, false);
    }
    if (alt) press(VK_MENU, false);
  }
  // Waits for the drop-down showing `menu` (null: for none) to be the open one.
  bool Sees(HMENU menu, std::chrono::milliseconds timeout = 5s) {
    const auto end = std::chrono::steady_clock::now() + timeout;
    while (std::chrono::steady_clock::now() < end) {
      if (openDropDown() == menu) {
        // The drop-down's first paint and highlight arrive before the next input.
        std::this_thread::sleep_for(150ms);
        return true;
      }
      std::this_thread::sleep_for(20ms);
    }
    return false;
  }

 private:
  static void press(WORD key, bool down) {
    test::KeyInput(key, down);
    std::this_thread::sleep_for(40ms);
  }
};

class MenuBarTest : public testing::Test {
 protected:
  void SetUp() override {
    UseSkinManager();
    Form = std::make_unique<TGalleryForm>();
    Form->Show();
    SetForegroundWindow(Form->Handle());
    ASSERT_TRUE(test::WaitUntil([&] { return skin() && skin()->SkinMenu() && skin()->SkinState() == fssSkinned; }));
    Bar = dynamic_cast<TMainMenu*>(Form->FindComponent("mnuMain"));
    ASSERT_NE(Bar, nullptr);
    // Each leaf item tells what was chosen (in place of the gallery's own commands).
    for (const char* name : {"miMessage", "miMdi", "miExit", "miChecked", "miDisabled", "miSub1", "miSub2",
                             "miSkinDefault", "miSkinSage", "miSkinOpen", "miAbout"}) {
      auto* item = dynamic_cast<TMenuItem*>(Form->FindComponent(name));
      ASSERT_NE(item, nullptr) << name;
      item->OnClick = [this, name](TObjectSender) {
        std::lock_guard<std::mutex> lock(FChosenLock);
        FChosen.push_back(name);
      };
    }
    test::WaitUntil([] { return false; }, 200ms);
  }
  void TearDown() override {
    Form.reset();
    FreeSkinManager();
    SetSkinManagerMaker({});
  }
  TWinSkinForm* skin() const {
    auto* manager = dynamic_cast<TSkinManage*>(SkinManager());
    return manager ? manager->FindForm(Form->Handle()) : nullptr;
  }
  HMENU dropDownOf(int index) const { return GetSubMenu(Bar->Handle(), index); }
  std::vector<std::string> chosen() {
    std::lock_guard<std::mutex> lock(FChosenLock);
    return FChosen;
  }
  // Runs `script` as the user while this thread handles the window's messages; whatever
  // the script leaves open is closed after it.
  void act(const std::function<void(User&)>& script) {
    std::atomic<bool> done{false};
    const HWND window = Form->Handle();
    std::thread user([&] {
      User u;
      script(u);
      for (int i = 0; i < 5 && openDropDown(); ++i) {
        PostMessageA(window, WM_CANCELMODE, 0, 0);
        std::this_thread::sleep_for(100ms);
      }
      done = true;
    });
    test::WaitUntil([&] { return done.load(); }, 60s);
    user.join();
    test::WaitUntil([&] { return !skin()->MenuTracking(); }, 5s);
  }

  std::unique_ptr<TGalleryForm> Form;
  TMainMenu* Bar = nullptr;

 private:
  std::mutex FChosenLock;
  std::vector<std::string> FChosen;
};

TEST_F(MenuBarTest, TheBarIsTheSkinsAndTheWindowHasNoMenuOfItsOwn) {
  EXPECT_EQ(GetMenu(Form->Handle()), nullptr) << "the real bar is taken away";
  TWinSkinMenu* menu = skin()->SkinMenu();
  ASSERT_EQ(menu->Count(), 4);
  const char* captions[] = {"&File", "&View", "&Skin", "&Help"};
  int right = 0;
  for (int i = 0; i < 4; ++i) {
    const TMenuBtn* button = menu->Button(i);
    EXPECT_EQ(button->Caption(), captions[i]);
    EXPECT_EQ(button->SubMenu(), dropDownOf(i));
    EXPECT_GE(button->Rect().left, right) << "items go left to right";
    right = button->Rect().right;
  }
  // The client area did not grow into the bar's room.
  RECT window{}, client{};
  GetWindowRect(Form->Handle(), &window);
  GetClientRect(Form->Handle(), &client);
  POINT origin{0, 0};
  ClientToScreen(Form->Handle(), &origin);
  EXPECT_GE(origin.y - window.top, menu->Button(0)->Rect().bottom);
  // What the screen shows of the bar is the skin's bar.
  const RECT item = menu->Button(0)->Rect();
  WindowDC screen(nullptr);
  const COLORREF systemMenu = GetSysColor(COLOR_MENU);
  int skinned = 0;
  for (int x = menu->BarRect().left + 2; x < menu->BarRect().right - 2; x += 7)
    if (GetPixel(screen, window.left + x, window.top + item.top + 2) != systemMenu) ++skinned;
  EXPECT_GT(skinned, 0) << "the bar shows the skin's background";
}

// The drop-downs' items are framework items without handlers of their own: the window
// measures and draws them in the skin, not in the system's look.
TEST_F(MenuBarTest, TheDropDownsItemsAreMeasuredAndDrawnInTheSkin) {
  auto* item = dynamic_cast<TMenuItem*>(Form->FindComponent("miChecked"));
  ASSERT_NE(item, nullptr);
  const RECT rect{0, 0, 150, 22};
  const auto drawn = [&](const std::function<void(HDC)>& draw) {
    TBitmap bitmap(rect.right, rect.bottom);
    {
      MemoryDC dc;
      SelectScope select(dc, bitmap.Handle());
      SelectScope font(dc, Screen.MenuFont().Handle());
      draw(dc);
    }
    std::vector<COLORREF> pixels;
    for (int y = 0; y < rect.bottom; ++y)
      for (int x = 0; x < rect.right; ++x) pixels.push_back(bitmap.Pixel(x, y));
    return pixels;
  };
  const auto byTheWindow = drawn([&](HDC dc) {
    DRAWITEMSTRUCT draw{};
    draw.CtlType = ODT_MENU;
    draw.itemID = item->Command();
    draw.itemState = ODS_SELECTED;
    draw.hwndItem = reinterpret_cast<HWND>(dropDownOf(1));
    draw.hDC = dc;
    draw.rcItem = rect;
    EXPECT_EQ(SendMessageA(Form->Handle(), WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw)), TRUE);
  });
  const auto inTheSkin = drawn([&](HDC dc) { skin()->DrawItem(*item, dc, rect, true); });
  const auto systemLook = drawn([&](HDC dc) { item->DefaultDraw(dc, rect, true); });
  EXPECT_TRUE(byTheWindow == inTheSkin) << "drawn as the skin draws it";
  EXPECT_FALSE(byTheWindow == systemLook) << "not in the system's look";

  MEASUREITEMSTRUCT measure{};
  measure.CtlType = ODT_MENU;
  measure.itemID = item->Command();
  EXPECT_EQ(SendMessageA(Form->Handle(), WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure)), TRUE);
  MemoryDC dc;
  SelectScope font(dc, Screen.MenuFont().Handle());
  int width = 0, height = 0;
  item->DefaultMeasure(dc, width, height);
  EXPECT_GT(static_cast<int>(measure.itemWidth), width) << "the skin's room for the glyph cell is added";
}

TEST_F(MenuBarTest, AltWithALetterOpensItsItemAndEnterChoosesTheFirstEntry) {
  bool opened = false, closed = false;
  act([&](User& u) {
    u.Keys({'F'}, true);
    opened = u.Sees(dropDownOf(0));
    u.Keys({VK_RETURN});
    closed = u.Sees(nullptr);
  });
  EXPECT_TRUE(opened);
  EXPECT_TRUE(closed);
  EXPECT_EQ(chosen(), std::vector<std::string>{"miMessage"});
}

TEST_F(MenuBarTest, ArrowsMoveAcrossTheBarBothWaysAndWrap) {
  struct Step {
    WORD Key;
    int Opens;
    const char* What;
  };
  const Step steps[] = {{VK_RIGHT, 1, "right moves to View"},
                        {VK_LEFT, 0, "left moves back to File"},
                        {VK_LEFT, 3, "left on the first opens the last"},
                        {VK_RIGHT, 0, "right on the last opens the first"},
                        {VK_LEFT, 3, "and left again to Help"}};
  std::vector<bool> seen;
  act([&](User& u) {
    u.Keys({'F'}, true);
    seen.push_back(u.Sees(dropDownOf(0)));
    for (const Step& step : steps) {
      u.Keys({step.Key});
      seen.push_back(u.Sees(dropDownOf(step.Opens)));
    }
    u.Keys({VK_RETURN});
    u.Sees(nullptr);
  });
  ASSERT_EQ(seen.size(), 6u);
  EXPECT_TRUE(seen[0]) << "Alt+F opens File";
  for (std::size_t i = 0; i < std::size(steps); ++i) EXPECT_TRUE(seen[i + 1]) << steps[i].What;
  EXPECT_EQ(chosen(), std::vector<std::string>{"miAbout"}) << "Enter in Help's drop-down";
}

TEST_F(MenuBarTest, RightOpensASubMenuInsteadOfMovingOn) {
  bool view = false, more = false;
  act([&](User& u) {
    u.Keys({'V'}, true);
    view = u.Sees(dropDownOf(1));
    // Up from the first entry wraps to "More", which has a sub-menu.
    u.Keys({VK_UP, VK_RIGHT});
    more = u.Sees(GetSubMenu(dropDownOf(1), 2));
    u.Keys({VK_DOWN, VK_RETURN});
    u.Sees(nullptr);
  });
  EXPECT_TRUE(view);
  EXPECT_TRUE(more) << "the sub-menu opened; the bar stayed on View";
  EXPECT_EQ(chosen(), std::vector<std::string>{"miSub2"});
}

TEST_F(MenuBarTest, EscapeClosesWithoutACommandAndAltAloneOpensTheFirstItem) {
  bool skinMenu = false, closed = false, first = false, closedAgain = false;
  act([&](User& u) {
    u.Keys({'S'}, true);
    skinMenu = u.Sees(dropDownOf(2));
    u.Keys({VK_ESCAPE});
    closed = u.Sees(nullptr);
    u.Keys({VK_MENU});
    first = u.Sees(dropDownOf(0));
    u.Keys({VK_ESCAPE});
    closedAgain = u.Sees(nullptr);
  });
  EXPECT_TRUE(skinMenu) << "Alt+S opens Skin";
  EXPECT_TRUE(closed);
  EXPECT_TRUE(first) << "Alt alone opens File";
  EXPECT_TRUE(closedAgain);
  EXPECT_TRUE(chosen().empty());
}

TEST_F(MenuBarTest, TheMouseOpensAnItemAndMovingAlongTheBarSwitchesDropDowns) {
  TWinSkinMenu* menu = skin()->SkinMenu();
  RECT window{};
  GetWindowRect(Form->Handle(), &window);
  const auto centre = [&](int index) {
    const RECT& r = menu->Button(index)->Rect();
    return POINT{window.left + (r.left + r.right) / 2, window.top + (r.top + r.bottom) / 2};
  };
  const POINT file = centre(0), skinItem = centre(2);
  ASSERT_TRUE(test::MoveCursorTo(file.x, file.y));
  bool clicked = false, moved = false;
  act([&](User& u) {
    test::MouseButton(MOUSEEVENTF_LEFTDOWN);
    test::MouseButton(MOUSEEVENTF_LEFTUP);
    clicked = u.Sees(dropDownOf(0));
    for (int step = 1; step <= 4; ++step) {
      test::MovePointerTo({file.x + (skinItem.x - file.x) * step / 4, file.y});
      std::this_thread::sleep_for(60ms);
    }
    moved = u.Sees(dropDownOf(2));
  });
  EXPECT_TRUE(clicked) << "a click opens File";
  EXPECT_TRUE(moved) << "moving over Skin opens its drop-down";
  EXPECT_TRUE(chosen().empty());
}

TEST_F(MenuBarTest, ARightToLeftBarRunsFromTheRightAndTurnsTheArrowKeys) {
  const HWND w = Form->Handle();
  SetWindowLongPtrA(w, GWL_EXSTYLE, GetWindowLongPtrA(w, GWL_EXSTYLE) | WS_EX_LEFTSCROLLBAR);
  TWinSkinMenu* menu = skin()->SkinMenu();
  menu->Layout();
  EXPECT_GT(menu->Button(0)->Rect().left, menu->Button(1)->Rect().left) << "File is right of View";
  EXPECT_GT(menu->Button(0)->Rect().right, (menu->BarRect().left + menu->BarRect().right) / 2);
  RedrawWindow(w, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  bool file = false, left = false, right = false;
  act([&](User& u) {
    u.Keys({'F'}, true);
    file = u.Sees(dropDownOf(0));
    u.Keys({VK_LEFT});
    left = u.Sees(dropDownOf(1));
    u.Keys({VK_RIGHT});
    right = u.Sees(dropDownOf(0));
  });
  EXPECT_TRUE(file);
  EXPECT_TRUE(left) << "left goes to the next item, View, which lies to the left";
  EXPECT_TRUE(right) << "right goes back to File";
  EXPECT_TRUE(chosen().empty());
}

TEST_F(MenuBarTest, ARebuiltBarForgetsTheItemUnderTheMouse) {
  const HWND w = Form->Handle();
  TWinSkinMenu* menu = skin()->SkinMenu();
  RECT window{};
  GetWindowRect(w, &window);
  const RECT file = menu->Button(0)->Rect();
  const LPARAM at = MAKELPARAM(window.left + file.left + 3, window.top + file.top + 3);
  SendMessageA(w, WM_NCMOUSEMOVE, HTMENU, at);
  ASSERT_EQ(skin()->HotObject(), menu->Button(0)) << "File is under the mouse";
  // The framework builds its bar again: the skin reads it again, with new items.
  Bar->AttachTo(w);
  EXPECT_EQ(skin()->HotObject(), nullptr);
  EXPECT_EQ(GetMenu(w), nullptr);
  ASSERT_EQ(menu->Count(), 4);
  EXPECT_EQ(menu->Button(0)->SubMenu(), GetSubMenu(Bar->Handle(), 0)) << "the new bar's drop-downs";
  // The hover timer and the next move find nothing freed.
  test::WaitUntil([] { return false; }, 400ms);
  SendMessageA(w, WM_NCMOUSEMOVE, HTMENU, at);
  EXPECT_EQ(skin()->HotObject(), menu->Button(0));
  bool opened = false;
  act([&](User& u) {
    u.Keys({'F'}, true);
    opened = u.Sees(dropDownOf(0));
  });
  EXPECT_TRUE(opened);
}

TEST_F(MenuBarTest, UnskinningGivesTheWindowItsBarBackAsItWas) {
  bool opened = false;
  act([&](User& u) {
    u.Keys({'H'}, true);
    opened = u.Sees(dropDownOf(3));
    u.Keys({VK_ESCAPE});
    u.Sees(nullptr);
  });
  EXPECT_TRUE(opened);
  RECT before{};
  GetClientRect(Form->Handle(), &before);
  skin()->Unskin();
  EXPECT_EQ(GetMenu(Form->Handle()), Bar->Handle());
  MENUITEMINFOA info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_FTYPE;
  ASSERT_TRUE(GetMenuItemInfoA(dropDownOf(0), 0, TRUE, &info));
  EXPECT_EQ(info.fType & MFT_OWNERDRAW, 0u) << "the drop-downs are the system's to draw again";
  RECT after{};
  GetClientRect(Form->Handle(), &after);
  EXPECT_EQ(after.bottom, before.bottom) << "the client area keeps its height with the system's bar";
}

// A plain Win32 MDI frame's bar (no framework menu behind it): skinned too, with the
// buttons of a maximised child in it, and drop-downs measured and drawn in the skin.
TEST_F(MenuBarTest, APlainMDIFramesBarShowsAMaximisedChildsButtonsAndItsDropDowns) {
  TMdiDemo demo(Form->Handle());
  ASSERT_TRUE(demo.Open());
  auto* manager = dynamic_cast<TSkinManage*>(SkinManager());
  const HWND frame = demo.Frame();
  SetForegroundWindow(frame);
  TWinSkinForm* frameSkin = nullptr;
  ASSERT_TRUE(test::WaitUntil([&] {
    frameSkin = manager->FindForm(frame);
    return frameSkin && frameSkin->SkinMenu() && frameSkin->SkinState() == fssSkinned;
  }));
  TWinSkinMenu* menu = frameSkin->SkinMenu();
  ASSERT_EQ(menu->Count(), 2);
  EXPECT_EQ(menu->Button(0)->Caption(), "&File");
  EXPECT_EQ(menu->Button(1)->Caption(), "&Window");
  EXPECT_EQ(menu->MainMenu(), nullptr);

  const HWND client = frameSkin->MDIClientWindow();
  const HWND child = reinterpret_cast<HWND>(SendMessageA(client, WM_MDIGETACTIVE, 0, 0));
  ASSERT_NE(child, nullptr);
  SendMessageA(client, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(child), 0);
  RedrawWindow(frame, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  test::WaitUntil([] { return false; }, 300ms);
  int inBar = 0;
  for (const auto& button : frameSkin->SysButtons()) {
    if (button->Data().Visibility != 100) continue;
    EXPECT_TRUE(button->Visible()) << "action " << button->Data().Action;
    const RECT& r = button->Rect();
    if (r.top >= menu->BarRect().top && r.bottom <= menu->BarRect().bottom && r.left > menu->Button(1)->Rect().right)
      ++inBar;
  }
  EXPECT_EQ(inBar, 3) << "minimise, restore and close of the child, right in the bar";

  // The Window drop-down opens with its items measured (two commands, a separator and
  // the children), and Enter on its first entry cascades the children.
  RECT window{};
  GetWindowRect(frame, &window);
  const RECT item = menu->Button(1)->Rect();
  const POINT at{window.left + (item.left + item.right) / 2, window.top + (item.top + item.bottom) / 2};
  const HMENU windowMenu = menu->Button(1)->SubMenu();
  int height = 0;
  bool opened = false;
  act([&](User& u) {
    test::MovePointerTo(at);
    std::this_thread::sleep_for(200ms);
    test::MouseButton(MOUSEEVENTF_LEFTDOWN);
    test::MouseButton(MOUSEEVENTF_LEFTUP);
    opened = u.Sees(windowMenu);
    RECT r{};
    if (const HWND dropDown = openDropDownWindow(); dropDown && GetWindowRect(dropDown, &r)) height = r.bottom - r.top;
    u.Keys({VK_RETURN});
    u.Sees(nullptr);
  });
  EXPECT_TRUE(opened);
  EXPECT_GT(height, 4 * 14) << "every entry has its height";
  EXPECT_TRUE(test::WaitUntil([&] { return !IsZoomed(child); })) << "Cascade was chosen";
  EXPECT_TRUE(chosen().empty()) << "no command of the gallery's own bar";
}

}  // namespace
}  // namespace velmora
