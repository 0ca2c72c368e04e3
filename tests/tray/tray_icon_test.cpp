// The tray icon, driven the way the shell drives it (notifications sent to the
// handler's window with the icon's identity), and against Wine's real notification
// area in the virtual desktop.
#include "tray/tray_icon.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
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

// Counts how often a minimize reaches HideToTray.
class TCountingTrayIcon : public TTrayIcon {
 public:
  using TTrayIcon::TTrayIcon;
  int HideToTrayCalls = 0;

 protected:
  void DoHideToTray() override {
    ++HideToTrayCalls;
    TTrayIcon::DoHideToTray();
  }
};

// A menu that records the menu messages its owner window passes to it.
class TRecordingMenu : public TPopupMenu {
 public:
  using TPopupMenu::TPopupMenu;
  std::vector<UINT> OwnerMessages;
  bool OwnerMessage(TMessage& message) override {
    OwnerMessages.push_back(message.Msg);
    return false;
  }
};

HICON makeIcon(COLORREF color) {
  BYTE andMask[32 * 4] = {};
  std::vector<DWORD> bits(32 * 32, 0xFF000000 | color);
  return CreateIcon(GetModuleHandleA(nullptr), 32, 32, 1, 32, andMask, reinterpret_cast<BYTE*>(bits.data()));
}

struct Fixture : testing::Test {
  Fixture() {
    Application.SetTitle("TrayIconTest");
    icon = new TCountingTrayIcon(&form);
    menu = new TRecordingMenu(&form);
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

  ~Fixture() override { Application.SetShowMainForm(true); }

  TOwnerForm form;
  TCountingTrayIcon* icon;
  TRecordingMenu* menu;
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

// The shell broadcasts "TaskbarCreated" to every top-level window when its taskbar comes
// back; the program's window is hidden in the tray at that moment.
TEST_F(TrayIconTest, TaskbarCreatedBroadcastBringsBackAVisibleIconOnly) {
  ASSERT_NE(TaskbarCreatedMessage(), 0u);
  Application.SetMainForm(form);
  auto broadcast = [] {
    DWORD_PTR answer = 0;
    SendMessageTimeoutA(HWND_BROADCAST, TaskbarCreatedMessage(), 0, 0, SMTO_ABORTIFHUNG, 5000, &answer);
  };
  icon->SetIconVisible(true);
  ASSERT_TRUE(inTray());
  // The taskbar forgot its icons.
  NOTIFYICONDATAA data = icon->IconData();
  Shell_NotifyIconA(NIM_DELETE, &data);
  ASSERT_FALSE(inTray());
  broadcast();
  EXPECT_TRUE(inTray());
  EXPECT_TRUE(icon->IconVisible());

  icon->SetIconVisible(false);
  broadcast();
  EXPECT_FALSE(inTray());
  EXPECT_FALSE(icon->IconVisible());
}

TEST_F(TrayIconTest, DestroyingTheComponentRemovesTheIcon) {
  icon->SetIconVisible(true);
  NOTIFYICONDATAA data = icon->IconData();
  ASSERT_TRUE(Shell_NotifyIconA(NIM_MODIFY, &data));
  delete icon;
  EXPECT_FALSE(Shell_NotifyIconA(NIM_MODIFY, &data));
}

// The main window is both the application's window and the tray icon's owner: however
// it is minimized, HideToTray runs once; the window is hidden and the icon stays.
TEST_F(TrayIconTest, EachMinimizeReachesHideToTrayOnce) {
  struct Case {
    const char* name;
    bool handler;       // OnMinimizeToTray set
    bool systemCommand;  // the caption's button (SC_MINIMIZE), else ShowWindow as at start-up
    int handlerCalls;
    bool iconic;         // the window minimized before it was hidden
  } const cases[] = {
      {"caption button, no handler", false, true, 0, true},
      {"start minimized, no handler", false, false, 0, true},
      {"caption button, handler", true, true, 1, false},
      {"start minimized, handler", true, false, 0, true},
  };
  Application.SetMainForm(form);
  icon->SetMinimizeToTray(true);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    int handlerCalls = 0;
    icon->OnMinimizeToTray = c.handler ? TNotifyEvent([&](TObjectSender) { ++handlerCalls; }) : nullptr;
    icon->HideToTrayCalls = 0;
    icon->SetIconVisible(false);
    form.Show();
    ShowWindow(form.Handle(), SW_RESTORE);
    ASSERT_TRUE(IsWindowVisible(form.Handle()));
    if (c.systemCommand)
      SendMessageA(form.Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    else
      ShowWindow(form.Handle(), SW_MINIMIZE);
    pumpFor(100ms);
    EXPECT_EQ(icon->HideToTrayCalls, 1);
    EXPECT_EQ(handlerCalls, c.handlerCalls);
    EXPECT_FALSE(IsWindowVisible(form.Handle()));
    EXPECT_EQ(IsIconic(form.Handle()) != FALSE, c.iconic);
    EXPECT_TRUE(icon->IconVisible());
    EXPECT_TRUE(inTray());
  }

  // Restoring from the system menu shows the main form again.
  SendMessageA(form.Handle(), WM_SYSCOMMAND, SC_RESTORE, 0);
  EXPECT_TRUE(IsWindowVisible(form.Handle()));

  // Without MinimizeToTray a minimize is just a minimize.
  icon->SetMinimizeToTray(false);
  icon->HideToTrayCalls = 0;
  ShowWindow(form.Handle(), SW_RESTORE);
  SendMessageA(form.Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
  EXPECT_EQ(icon->HideToTrayCalls, 0);
  EXPECT_TRUE(IsWindowVisible(form.Handle()));
  EXPECT_TRUE(IsIconic(form.Handle()));
}

TEST_F(TrayIconTest, StartupAnswerHidesTheMainWindowAndLoadedAppliesStoredProperties) {
  Application.SetMainForm(form);
  form.Show();
  auto* stored = new TTrayIcon(&form);
  bool asked = false;
  stored->OnStartup = [&](TObjectSender sender, bool& showMainForm) {
    asked = sender == stored && showMainForm;
    showMainForm = false;
  };
  // As the stored form sets them: applied once loading is done.
  stored->BeginLoading();
  stored->SetIconVisible(true);
  stored->SetHint("stored");
  NOTIFYICONDATAA data = stored->IconData();
  EXPECT_FALSE(Shell_NotifyIconA(NIM_MODIFY, &data));  // not added while loading
  stored->EndLoading();
  EXPECT_TRUE(asked);
  EXPECT_FALSE(Application.ShowMainForm());
  EXPECT_FALSE(IsWindowVisible(form.Handle()));
  data = stored->IconData();
  EXPECT_STREQ(data.szTip, "stored");
  EXPECT_TRUE(Shell_NotifyIconA(NIM_MODIFY, &data));
  delete stored;
}

TEST_F(TrayIconTest, HandlerWindowSurvivesCloseAndGoesWithTheLastIcon) {
  HWND window = TTrayIconHandler::Instance()->Window();
  SendMessageA(window, WM_CLOSE, 0, 0);
  EXPECT_TRUE(IsWindow(window));
  EXPECT_EQ(SendMessageA(window, WM_QUERYENDSESSION, 0, 0), 1);
  delete icon;
  EXPECT_EQ(TTrayIconHandler::Instance(), nullptr);
  EXPECT_FALSE(IsWindow(window));
  icon = new TCountingTrayIcon(&form);
  EXPECT_TRUE(IsWindow(TTrayIconHandler::Instance()->Window()));
  EXPECT_NE(TTrayIconHandler::Instance()->Window(), window);
}

// Another layer (the skin's, later) on the same window: the tray icon's subclass comes
// off in either order and the window keeps working.
TEST_F(TrayIconTest, OwnerSubclassComesOffInEitherOrder) {
  HWND window = form.Handle();
  const LONG_PTR classProcedure = GetClassLongPtrA(window, GCLP_WNDPROC);
  for (bool trayFirst : {true, false}) {
    SCOPED_TRACE(trayFirst ? "tray icon freed first" : "other layer taken out first");
    if (!icon) icon = new TCountingTrayIcon(&form);
    int seen = 0;
    TWindowSubclass later;
    ASSERT_TRUE(later.Attach(window, [&](UINT msg, WPARAM wParam, LPARAM lParam, const TSubclassNext& next) {
      if (msg == WM_USER + 77) ++seen;
      return next(msg, wParam, lParam);
    }));
    if (trayFirst) {
      delete icon;  // not in front: its procedure stays as a pass-through
      icon = nullptr;
      SendMessageA(window, WM_USER + 77, 0, 0);
      EXPECT_EQ(seen, 1);
      later.Detach();
    } else {
      later.Detach();
      delete icon;
      icon = nullptr;
    }
    EXPECT_EQ(GetWindowLongPtrA(window, GWLP_WNDPROC), classProcedure);
    EXPECT_FALSE(TWindowSubclass::IsSubclassed(window));
    // Still a working window.
    SetWindowTextA(window, "after");
    char text[16] = {};
    GetWindowTextA(window, text, sizeof(text));
    EXPECT_STREQ(text, "after");
  }
  icon = new TCountingTrayIcon(&form);
}

// The tray menu belongs to the application's own window, which is visible with zero
// size and made the foreground window: the menu hears of its owner's menu messages, and
// the chosen item is clicked once the menu is closed; that click may free the tray icon.
TEST_F(TrayIconTest, ChosenMenuItemIsClickedAfterTheMenu) {
  icon->SetPopupMenu(menu);
  menu->OnPopup = [this](TObjectSender) {
    closer = std::make_unique<TSimpleTimer>(100, [](TObjectSender) {
      HWND menuWindow = FindWindowA("#32768", nullptr);
      if (!menuWindow) return;
      PostMessageA(menuWindow, WM_KEYDOWN, VK_DOWN, 0);
      PostMessageA(menuWindow, WM_KEYDOWN, VK_RETURN, 0);
    });
    closer->Start();
  };
  item->OnClick = [this](TObjectSender) {
    journal.push_back(TPopupMenu::Tracking() ? "click inside the menu" : "click after the menu");
    delete icon;
    icon = nullptr;
  };
  SendMessageA(TTrayIconHandler::Instance()->Window(), WM_TRAYNOTIFY,
               static_cast<UINT>(reinterpret_cast<UINT_PTR>(icon)), WM_RBUTTONDOWN);
  closer.reset();
  EXPECT_EQ(journal, (std::vector<std::string>{"down right +ssRight", "click after the menu"}));
  EXPECT_EQ(icon, nullptr);
  EXPECT_NE(std::find(menu->OwnerMessages.begin(), menu->OwnerMessages.end(), WM_INITMENUPOPUP),
            menu->OwnerMessages.end());
  EXPECT_EQ(TTrayIconHandler::Instance(), nullptr);  // the last icon took the handler with it
  icon = new TCountingTrayIcon(&form);
}

// Shift comes from the keyboard as the notification is handled, X and Y from the cursor.
TEST_F(TrayIconTest, ShiftAndPositionOfMouseEvents) {
  struct Case {
    BYTE key;
    TShiftState expected;
  } const cases[] = {{0, ssLeft}, {VK_SHIFT, ssShift | ssLeft}, {VK_CONTROL, ssCtrl | ssLeft}};
  TShiftState shift = 0;
  POINT where{};
  icon->OnMouseDown = [&](TObjectSender, TMouseButton, TShiftState s, int x, int y) {
    shift = s;
    where = {x, y};
  };
  SetCursorPos(321, 234);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.key);
    if (c.key) keybd_event(c.key, 0, 0, 0);
    test::WaitUntil([&] { return !c.key || GetAsyncKeyState(c.key) < 0; }, 5s);
    notify(WM_LBUTTONDOWN);
    if (c.key) keybd_event(c.key, 0, KEYEVENTF_KEYUP, 0);
    test::WaitUntil([&] { return !c.key || GetAsyncKeyState(c.key) >= 0; }, 5s);
    EXPECT_EQ(shift, c.expected);
    EXPECT_EQ(where.x, 321);
    EXPECT_EQ(where.y, 234);
    notify(WM_LBUTTONUP);
  }
}


// An event handler may free the tray icon (a click that closes the main window): the
// notification stops there and nothing after it touches the component.
TEST_F(TrayIconTest, HandlerThatFreesTheIconEndsTheNotification) {
  struct Case {
    const char* name;
    std::function<void(Fixture&, TNotifyEvent)> setUp;  // installs `freeIcon` on an event
    std::vector<UINT> notifications;
    bool waitForTimer;  // the freeing event is raised by a timer tick
  };
  const Case cases[] = {
      {"mouse down", [](Fixture& f, TNotifyEvent free) {
         f.icon->SetLeftPopup(true);
         f.icon->OnMouseDown = [free](TObjectSender s, TMouseButton, TShiftState, int, int) { free(s); };
       }, {WM_LBUTTONDOWN, WM_LBUTTONUP}, false},
      {"click at once", [](Fixture& f, TNotifyEvent free) { f.icon->OnClick = free; },
       {WM_LBUTTONDOWN, WM_LBUTTONUP}, false},
      {"click after the double-click time", [](Fixture& f, TNotifyEvent free) {
         f.icon->OnDblClick = [](TObjectSender) {};
         f.icon->OnClick = free;
       }, {WM_LBUTTONDOWN, WM_LBUTTONUP}, true},
      {"double-click with a default item", [](Fixture& f, TNotifyEvent free) {
         f.item->SetDefault(true);
         f.icon->OnDblClick = free;
       }, {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}, false},
      {"mouse enter", [](Fixture& f, TNotifyEvent free) {
         f.icon->SetWantEnterExitEvents(true);
         f.icon->OnMouseEnter = free;
       }, {WM_MOUSEMOVE, WM_MOUSEMOVE}, false},
      {"cycle", [](Fixture& f, TNotifyEvent free) {
         auto* list = new TImageList(&f.form);
         OwnedIcon made(makeIcon(RGB(1, 2, 3)));
         list->AddIcon(made.Get());
         f.icon->SetIconList(list);
         f.icon->OnCycle = [free](TObjectSender s, int) { free(s); };
         f.icon->SetCycleInterval(20);
         f.icon->SetCycleIcons(true);
       }, {}, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    if (!icon) icon = new TCountingTrayIcon(&form);
    icon->SetPopupMenu(menu);
    journal.clear();
    bool freed = false;
    c.setUp(*this, [&](TObjectSender sender) {
      ASSERT_EQ(sender, icon);
      delete icon;
      icon = nullptr;
      freed = true;
    });
    const HWND window = TTrayIconHandler::Instance()->Window();
    const UINT id = icon->IconId();
    for (UINT mouse : c.notifications)
      if (IsWindow(window)) SendMessageA(window, WM_TRAYNOTIFY, id, mouse);
    if (c.waitForTimer) {
      EXPECT_TRUE(test::WaitUntil([&] { return freed; }, 10s));
    }
    EXPECT_TRUE(freed);
    EXPECT_EQ(TTrayIconHandler::Instance(), nullptr);
    // Neither the menu nor its default item followed the freeing event.
    EXPECT_EQ(std::count(journal.begin(), journal.end(), "menu"), 0);
    EXPECT_EQ(std::count(journal.begin(), journal.end(), "menu item"), 0);
    item->SetDefault(false);
  }
  icon = new TCountingTrayIcon(&form);
}

// PopupAtCursor handles the messages already waiting before it opens the menu; one of
// them may free the tray icon or its menu, and then no menu opens.
TEST_F(TrayIconTest, MessageHandledBeforeTheMenuOpensMayFreeTheIconOrTheMenu) {
  constexpr UINT FreeMessage = WM_USER + 99;
  for (bool freeMenu : {true, false}) {
    SCOPED_TRACE(freeMenu ? "the menu freed" : "the icon freed");
    if (!menu) {
      menu = new TRecordingMenu(&form);
      menu->OnPopup = [this](TObjectSender) { journal.push_back("menu"); };
    }
    icon->SetPopupMenu(menu);
    journal.clear();
    TWindowSubclass freer;
    ASSERT_TRUE(freer.Attach(form.Handle(), [&](UINT msg, WPARAM wParam, LPARAM lParam, const TSubclassNext& next) {
      if (msg == FreeMessage) {
        if (freeMenu) {
          delete menu;
          menu = nullptr;
        } else {
          delete icon;
          icon = nullptr;
        }
        return LRESULT(0);
      }
      return next(msg, wParam, lParam);
    }));
    PostMessageA(form.Handle(), FreeMessage, 0, 0);
    SendMessageA(TTrayIconHandler::Instance()->Window(), WM_TRAYNOTIFY, icon->IconId(), WM_RBUTTONDOWN);
    EXPECT_EQ(journal, (std::vector<std::string>{"down right +ssRight"}));
    if (freeMenu) {
      EXPECT_EQ(menu, nullptr);
      EXPECT_EQ(icon->PopupMenu(), nullptr);
    } else {
      EXPECT_EQ(icon, nullptr);
      icon = new TCountingTrayIcon(&form);
    }
  }
}

// The stored form: the menu with its items as children, handlers bound by name, and the
// tray icon with its menu, hint and picture (the bytes of an .ico file).
std::string hexOf(const std::vector<std::uint8_t>& bytes) {
  static const char digits[] = "0123456789ABCDEF";
  std::string text;
  for (std::uint8_t b : bytes) {
    text += digits[b >> 4];
    text += digits[b & 15];
  }
  return text;
}

std::vector<std::uint8_t> icoFile() {
  std::vector<std::uint8_t> bytes;
  auto put16 = [&](unsigned v) { bytes.insert(bytes.end(), {std::uint8_t(v), std::uint8_t(v >> 8)}); };
  auto put32 = [&](unsigned v) { put16(v & 0xFFFF); put16(v >> 16); };
  const unsigned imageSize = 40 + 32 * 32 * 4 + 32 * 4;
  put16(0); put16(1); put16(1);                                   // icon file, one image
  bytes.insert(bytes.end(), {32, 32, 0, 0}); put16(1); put16(32);  // 32 x 32, 32 bits
  put32(imageSize); put32(22);
  put32(40); put32(32); put32(64); put16(1); put16(32);            // the image's header
  for (int i = 0; i < 6; ++i) put32(0);
  for (int i = 0; i < 32 * 32; ++i) put32(0xFF2080C0);              // opaque colour
  for (int i = 0; i < 32; ++i) put32(0);                            // AND mask
  return bytes;
}

std::string storedForm(const std::string& iconHex) {
  return "object TrayForm: TOwnerForm\n"
         "  Caption = 'TrayForm'\n"
         "  object pm1: TPopupMenu\n"
         "    object N2: TMenuItem\n"
         "      Caption = '显示界面'\n"
         "      Default = True\n"
         "      OnClick = N2Click\n"
         "    end\n"
         "    object N4: TMenuItem\n"
         "      Caption = '退出'\n"
         "      OnClick = N4Click\n"
         "    end\n"
         "  end\n"
         "  object cltrycn1: TTrayIcon\n"
         "    Hint = '数据库备份'\n"
         "    PopupMenu = pm1\n"
         "    IconVisible = True\n"
         "    MinimizeToTray = True\n"
         "    Icon.Data = {" + iconHex + "}\n"
         "  end\n"
         "end\n";
}

TEST_F(TrayIconTest, StoredFormMakesTheMenuAndTheIcon) {
  RegisterComponentClass(TTrayIcon::StaticClassInfo());
  TOwnerForm stored;
  std::vector<std::string> clicked;
  stored.RegisterMethod("N2Click", TNotifyEvent([&](TObjectSender) { clicked.push_back("N2"); }));
  stored.RegisterMethod("N4Click", TNotifyEvent([&](TObjectSender) { clicked.push_back("N4"); }));
  stored.LoadFromDefinition(storedForm(hexOf(icoFile())));

  auto* pm1 = dynamic_cast<TPopupMenu*>(stored.FindComponent("pm1"));
  auto* tray = dynamic_cast<TTrayIcon*>(stored.FindComponent("cltrycn1"));
  ASSERT_TRUE(pm1 && tray);
  ASSERT_EQ(pm1->Items().size(), 2u);
  EXPECT_EQ(pm1->Items()[0]->Caption(), "显示界面");
  EXPECT_EQ(pm1->Items()[1]->Caption(), "退出");
  EXPECT_EQ(pm1->DefaultItem(), pm1->Items()[0]);
  EXPECT_EQ(tray->PopupMenu(), pm1);
  EXPECT_TRUE(tray->MinimizeToTray());
  EXPECT_STREQ(tray->IconData().szTip, "数据库备份");
  ASSERT_FALSE(tray->Icon()->Empty());
  ICONINFO info{};
  ASSERT_TRUE(GetIconInfo(tray->Icon()->Handle(), &info));
  BITMAP colour{};
  GetObjectA(info.hbmColor, sizeof(colour), &colour);
  GdiObject<HBITMAP> colourBits(info.hbmColor), maskBits(info.hbmMask);
  EXPECT_EQ(colour.bmWidth, 32);
  EXPECT_EQ(tray->IconData().hIcon, tray->Icon()->Handle());
  NOTIFYICONDATAA data = tray->IconData();
  EXPECT_TRUE(Shell_NotifyIconA(NIM_MODIFY, &data));  // in the tray once loaded

  // A double-click on the icon clicks the default item.
  SendMessageA(TTrayIconHandler::Instance()->Window(), WM_TRAYNOTIFY, tray->IconId(), WM_LBUTTONDBLCLK);
  EXPECT_EQ(clicked, (std::vector<std::string>{"N2"}));
}

// Bad picture bytes in a stored form leave the icon empty; the form still loads.
TEST_F(TrayIconTest, BadStoredIconBytesLeaveTheIconEmpty) {
  RegisterComponentClass(TTrayIcon::StaticClassInfo());
  std::vector<std::uint8_t> good = icoFile();
  auto withEntry = [&](std::size_t at, std::uint32_t value) {
    std::vector<std::uint8_t> bytes = good;
    for (std::size_t i = 0; i < 4; ++i) bytes.at(at + i) = std::uint8_t(value >> (8 * i));
    return bytes;
  };
  std::vector<std::uint8_t> zeroImage = good;
  for (std::size_t i = 22; i < zeroImage.size(); ++i) zeroImage.at(i) = 0;
  std::vector<std::uint8_t> hugeImage = withEntry(22 + 8, 0x7FFFFFF0);  // the header's height
  const struct {
    const char* name;
    std::vector<std::uint8_t> bytes;
  } cases[] = {
      {"two bytes", {0, 1}},
      {"a cursor file", withEntry(2, 2)},
      {"no entry for the count", std::vector<std::uint8_t>(good.begin(), good.begin() + 6)},
      {"offset past the end", withEntry(6 + 12, 0xFFFFFFF0)},
      {"size past the end", withEntry(6 + 8, static_cast<std::uint32_t>(good.size()))},
      {"image too small", withEntry(6 + 8, 8)},
      {"image of zeros", zeroImage},
      {"image header too tall", hugeImage},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TOwnerForm stored;
    stored.RegisterMethod("N2Click", TNotifyEvent([](TObjectSender) {}));
    stored.RegisterMethod("N4Click", TNotifyEvent([](TObjectSender) {}));
    EXPECT_NO_THROW(stored.LoadFromDefinition(storedForm(hexOf(c.bytes))));
    auto* tray = dynamic_cast<TTrayIcon*>(stored.FindComponent("cltrycn1"));
    ASSERT_NE(tray, nullptr);
    EXPECT_TRUE(tray->Icon()->Empty());
    EXPECT_EQ(tray->IconData().hIcon, tray->Icon()->Handle());
  }
}

}  // namespace
}  // namespace velmora
