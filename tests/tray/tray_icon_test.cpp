// The tray icon, driven the way the shell drives it (notifications sent to the
// handler's window with the icon's identity), and against Wine's real notification
// area in the virtual desktop.
#include "tray/tray_icon.h"

#include <gtest/gtest.h>

#include <memory>

#include "framework/application.h"
#include "framework/form.h"
#include "support/test_support.h"

namespace velmora {
namespace {

using namespace std::chrono_literals;

void pumpFor(std::chrono::milliseconds time) { test::WaitUntil([] { return false; }, time); }

class TOwnerForm : public TForm {
 public:
  TOwnerForm() : TForm(nullptr) {
    SetCaption("TrayOwner");
    SetBounds(100, 100, 200, 150);
  }
  static const TClassInfo& StaticClassInfo() {
    static const TClassInfo info{"TOwnerForm", &TForm::StaticClassInfo(), {}, {}};
    return info;
  }
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
};

HICON makeIcon(COLORREF color) {
  BYTE andMask[32 * 4] = {};
  std::vector<DWORD> bits(32 * 32, 0xFF000000 | color);
  return CreateIcon(GetModuleHandleA(nullptr), 32, 32, 1, 32, andMask, reinterpret_cast<BYTE*>(bits.data()));
}

struct Fixture : testing::Test {
  Fixture() {
    Application.SetTitle("TrayIconTest");
    icon = new TTrayIcon(&form);
    menu = new TPopupMenu(&form);
    item = new TMenuItem(&form);
    item->SetCaption("item");
    item->OnClick = [this](TObjectSender) { journal.push_back("menu item"); };
    menu->Add(item);
    menu->OnPopup = [this](TObjectSender) {
      journal.push_back("menu");
      // The menu loop runs inside; close it from a timer tick.
      closer = std::make_unique<TSimpleTimer>(150, [](TObjectSender) { EndMenu(); });
      closer->OneShot = true;
      closer->Start();
    };
    icon->OnClick = [this](TObjectSender s) { journal.push_back(s == icon ? "click" : "click?"); };
    icon->OnMouseDown = [this](TObjectSender, TMouseButton b, TShiftState shift, int, int) {
      journal.push_back(std::string("down ") + (b == TMouseButton::mbLeft ? "left" : b == TMouseButton::mbRight ? "right" : "middle") +
                        ((shift & ssLeft) ? " +ssLeft" : "") + ((shift & ssRight) ? " +ssRight" : "") +
                        ((shift & ssMiddle) ? " +ssMiddle" : ""));
    };
    icon->OnMouseUp = [this](TObjectSender, TMouseButton, TShiftState, int, int) { journal.push_back("up"); };
    icon->OnBalloonHintClick = [this](TObjectSender) { journal.push_back("balloon click"); };
  }
  void notify(UINT mouse) {
    SendMessageA(TTrayIconHandler::Instance()->Window(), WM_TRAYNOTIFY, icon->IconId(), mouse);
  }
  bool inTray() {
    NOTIFYICONDATAA data = icon->IconData();
    return Shell_NotifyIconA(NIM_MODIFY, &data) != FALSE;
  }

  TOwnerForm form;
  TTrayIcon* icon;
  TPopupMenu* menu;
  TMenuItem* item;
  std::unique_ptr<TSimpleTimer> closer;
  std::vector<std::string> journal;
};

using TrayIconTest = Fixture;

TEST_F(TrayIconTest, RecordForTheShell) {
  const NOTIFYICONDATAA& data = icon->IconData();
  EXPECT_EQ(data.cbSize, static_cast<DWORD>(NOTIFYICONDATAA_V2_SIZE));
  EXPECT_EQ(data.hWnd, TTrayIconHandler::Instance()->Window());
  EXPECT_EQ(data.uID, icon->IconId());
  EXPECT_EQ(data.uFlags, 7u);
  EXPECT_EQ(data.uCallbackMessage, 0x800u);
  EXPECT_EQ(data.uVersion, 0u);
}

TEST_F(TrayIconTest, MouseNotificationsRaiseEventsWithTheirButton) {
  notify(WM_RBUTTONDOWN);
  notify(WM_RBUTTONUP);
  notify(WM_MBUTTONDOWN);
  EXPECT_EQ(journal, (std::vector<std::string>{"down right +ssRight", "up", "down middle +ssMiddle"}));
  // A right press opened nothing: no menu is set yet.
  icon->SetPopupMenu(menu);
  journal.clear();
  notify(WM_RBUTTONDOWN);
  EXPECT_EQ(journal, (std::vector<std::string>{"down right +ssRight", "menu"}));
  EXPECT_EQ(menu->PopupComponent(), icon);
}

TEST_F(TrayIconTest, LeftPressOpensTheMenuOnlyWithLeftPopup) {
  icon->SetPopupMenu(menu);
  notify(WM_LBUTTONDOWN);
  notify(WM_LBUTTONUP);
  EXPECT_EQ(journal, (std::vector<std::string>{"down left +ssLeft", "click", "up"}));
  journal.clear();
  icon->SetLeftPopup(true);
  notify(WM_LBUTTONDOWN);
  EXPECT_EQ(journal, (std::vector<std::string>{"down left +ssLeft", "menu"}));
}

TEST_F(TrayIconTest, DisabledIconIgnoresTheMouseButNotBalloons) {
  icon->SetPopupMenu(menu);
  icon->SetEnabled(false);
  notify(WM_RBUTTONDOWN);
  notify(WM_LBUTTONDOWN);
  notify(WM_LBUTTONUP);
  notify(0x405);
  EXPECT_EQ(journal, (std::vector<std::string>{"balloon click"}));
}

TEST_F(TrayIconTest, ClickWaitsForTheDoubleClickTimeWhenDoubleClicksAreWanted) {
  icon->OnDblClick = [this](TObjectSender) { journal.push_back("dblclick"); };
  notify(WM_LBUTTONDOWN);
  notify(WM_LBUTTONUP);
  EXPECT_EQ(journal, (std::vector<std::string>{"down left +ssLeft", "up"}));
  EXPECT_EQ(icon->ClickTimer().Interval(), GetDoubleClickTime());
  EXPECT_TRUE(test::WaitUntil([&] { return journal.size() == 3; }, 5s));
  EXPECT_EQ(journal.back(), "click");

  // A double-click: no click, and the menu's default item is clicked.
  icon->SetPopupMenu(menu);
  item->SetDefault(true);
  journal.clear();
  notify(WM_LBUTTONDOWN);
  notify(WM_LBUTTONUP);
  notify(WM_LBUTTONDBLCLK);
  notify(WM_LBUTTONUP);
  pumpFor(std::chrono::milliseconds(GetDoubleClickTime() + 300));
  EXPECT_EQ(journal, (std::vector<std::string>{"down left +ssLeft", "up", "dblclick", "menu item", "up"}));
}

TEST_F(TrayIconTest, EnterAndExit) {
  icon->OnMouseEnter = [this](TObjectSender) { journal.push_back("enter"); };
  icon->OnMouseExit = [this](TObjectSender) { journal.push_back("exit"); };
  icon->SetWantEnterExitEvents(true);
  EXPECT_TRUE(icon->ExitTimer().Active());
  SetCursorPos(300, 300);
  notify(WM_MOUSEMOVE);
  notify(WM_MOUSEMOVE);  // still inside: no second enter
  EXPECT_EQ(journal, (std::vector<std::string>{"enter"}));
  SetCursorPos(310, 320);  // the cursor moved away without a notification
  EXPECT_TRUE(test::WaitUntil([&] { return journal.size() == 2; }, 5s));
  EXPECT_EQ(journal.back(), "exit");
  notify(WM_MOUSEMOVE);
  EXPECT_EQ(journal.back(), "enter");
}

TEST_F(TrayIconTest, IconsCycleThroughTheList) {
  auto* list = new TImageList(&form);
  for (COLORREF c : {RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255)}) {
    OwnedIcon made(makeIcon(c));
    list->AddIcon(made.Get());
  }
  icon->SetIconList(list);
  icon->SetIconIndex(10);
  EXPECT_EQ(icon->IconIndex(), 2);
  icon->SetIconIndex(-4);  // no lower limit
  EXPECT_EQ(icon->IconIndex(), -4);

  std::vector<std::pair<int, int>> steps;  // (index before the step, NextIndex)
  icon->OnCycle = [&](TObjectSender, int next) { steps.push_back({icon->IconIndex(), next}); };
  icon->SetCycleInterval(30);
  icon->SetCycleIcons(true);
  EXPECT_TRUE(test::WaitUntil([&] { return steps.size() >= 4; }, 5s));
  icon->SetCycleIcons(false);
  EXPECT_EQ(steps[0], std::make_pair(0, 1));
  EXPECT_EQ(steps[1], std::make_pair(1, 2));
  EXPECT_EQ(steps[2], std::make_pair(2, 0));
  EXPECT_EQ(steps[3], std::make_pair(0, 1));

  // An interval of 0 never cycles.
  steps.clear();
  icon->SetCycleInterval(0);
  icon->SetCycleIcons(true);
  EXPECT_FALSE(icon->CycleTimer().Active());
  pumpFor(150ms);
  EXPECT_TRUE(steps.empty());
}

TEST_F(TrayIconTest, HintIsCutTo127AndEmptyWithoutShowHint) {
  icon->SetHint(std::string(200, 'h'));
  EXPECT_EQ(std::string(icon->IconData().szTip), std::string(127, 'h'));
  // A double-byte character that would straddle the limit is left out whole.
  icon->SetHint(std::string(126, 'h') + "当前");
  EXPECT_EQ(std::string(icon->IconData().szTip), std::string(126, 'h'));
  icon->SetShowHint(false);
  EXPECT_EQ(std::string(icon->IconData().szTip), "");
}

TEST_F(TrayIconTest, AddRefreshAndRemoveAgainstTheRealNotificationArea) {
  OwnedIcon picture(makeIcon(RGB(200, 100, 0)));
  TIcon source;
  source.AssignHandle(picture.Get());
  icon->SetIcon(&source);
  EXPECT_FALSE(icon->RefreshTrayIcon());  // not in the tray: fails harmlessly
  EXPECT_TRUE(icon->AddToTray());
  EXPECT_TRUE(icon->IconVisible());
  EXPECT_TRUE(icon->RefreshTrayIcon());
  EXPECT_TRUE(icon->RemoveFromTray());
  EXPECT_FALSE(icon->IconVisible());
  EXPECT_FALSE(inTray());
}

TEST_F(TrayIconTest, TaskbarCreatedBringsBackAVisibleIconOnly) {
  ASSERT_NE(TaskbarCreatedMessage(), 0u);
  form.Handle();
  icon->SetIconVisible(true);
  ASSERT_TRUE(inTray());
  // The taskbar forgot its icons.
  NOTIFYICONDATAA data = icon->IconData();
  Shell_NotifyIconA(NIM_DELETE, &data);
  ASSERT_FALSE(inTray());
  SendMessageA(form.Handle(), TaskbarCreatedMessage(), 0, 0);
  EXPECT_TRUE(inTray());

  icon->SetIconVisible(false);
  SendMessageA(form.Handle(), TaskbarCreatedMessage(), 0, 0);
  EXPECT_FALSE(inTray());
}

TEST_F(TrayIconTest, DestroyingTheComponentRemovesTheIcon) {
  icon->SetIconVisible(true);
  NOTIFYICONDATAA data = icon->IconData();
  ASSERT_TRUE(Shell_NotifyIconA(NIM_MODIFY, &data));
  delete icon;
  EXPECT_FALSE(Shell_NotifyIconA(NIM_MODIFY, &data));
}

TEST_F(TrayIconTest, MinimizingTheOwnerHidesItAndKeepsTheIcon) {
  icon->SetMinimizeToTray(true);
  int hidden = 0;
  Application.SetMainForm(form);
  form.Show();
  ASSERT_TRUE(IsWindowVisible(form.Handle()));
  SendMessageA(form.Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
  pumpFor(200ms);
  EXPECT_FALSE(IsWindowVisible(form.Handle()));
  EXPECT_TRUE(icon->IconVisible());
  EXPECT_TRUE(inTray());

  // With an OnMinimizeToTray handler the minimize is answered there, once.
  form.Show();
  icon->OnMinimizeToTray = [&](TObjectSender) { ++hidden; };
  SendMessageA(form.Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
  pumpFor(200ms);
  EXPECT_EQ(hidden, 1);
  EXPECT_FALSE(IsWindowVisible(form.Handle()));
  EXPECT_FALSE(IsIconic(form.Handle()));
}

TEST_F(TrayIconTest, HandlerWindowSurvivesCloseAndGoesWithTheLastIcon) {
  HWND window = TTrayIconHandler::Instance()->Window();
  SendMessageA(window, WM_CLOSE, 0, 0);
  EXPECT_TRUE(IsWindow(window));
  EXPECT_EQ(SendMessageA(window, WM_QUERYENDSESSION, 0, 0), 1);
  delete icon;
  EXPECT_EQ(TTrayIconHandler::Instance(), nullptr);
  EXPECT_FALSE(IsWindow(window));
  icon = new TTrayIcon(&form);
}

TEST_F(TrayIconTest, HookLeavesTheOwnersWindowProcAsItFoundIt) {
  TMessage probe{WM_USER + 77, 1, 2, 0};
  int seen = 0;
  TWndMethod inner = form.WindowProc;
  // A later layer on top of the tray's hook.
  form.WindowProc = [&](TMessage& m) {
    if (m.Msg == WM_USER + 77) ++seen;
    inner(m);
  };
  TWndMethod outer = form.WindowProc;
  delete icon;  // not in front: stays as a pass-through
  icon = new TTrayIcon(&form);
  form.WindowProc(probe);
  EXPECT_GE(seen, 1);
  form.WindowProc = outer;
}

}  // namespace
}  // namespace velmora
