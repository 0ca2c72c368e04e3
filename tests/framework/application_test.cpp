// The application's error box: its text rule, and the real box it shows.
#include "framework/application.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <thread>

#include "framework/exception.h"
#include "framework/form.h"
#include "framework/menus.h"
#include "support/test_support.h"

namespace velmora {
namespace {

TEST(ErrorBoxTextTest, PeriodOnlyWhenTheLastCharacterSortsAfterIt) {
  struct Case {
    const char* message;
    const char* shown;
  } const cases[] = {
      {"Disk full", "Disk full."},
      {"Unable to write to C:\\a.qvk", "Unable to write to C:\\a.qvk."},
      {"Failed to set data for 'Mirthwell'", "Failed to set data for 'Mirthwell'"},  // ' < .
      {"Done.", "Done."},
      {"Stop!", "Stop!"},
      {"a-", "a-"},
      {"a/", "a/."},   // "/" sorts after "."
      {"12", "12."},
      {"", ""},
      {"保存失败", "保存失败."},  // GBK bytes sort after "."
  };
  for (const auto& c : cases) EXPECT_EQ(ErrorBoxText(c.message), c.shown) << c.message;
}

struct SeenBox {
  std::string Text;
  LONG_PTR Style = 0;
  bool HasStopIcon = false;
  int Buttons = 0;
};

BOOL CALLBACK noteChild(HWND child, LPARAM seenBox) {
  auto& seen = *reinterpret_cast<SeenBox*>(seenBox);
  char cls[32] = {};
  GetClassNameA(child, cls, sizeof(cls));
  if (lstrcmpiA(cls, "Button") == 0 && IsWindowVisible(child)) ++seen.Buttons;
  // The icon is a static of the SS_ICON kind (its id differs between Windows and Wine).
  if (lstrcmpiA(cls, "Static") == 0 && (GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON &&
      SendMessageA(child, STM_GETICON, 0, 0) == reinterpret_cast<LRESULT>(LoadIconA(nullptr, IDI_HAND)))
    seen.HasStopIcon = true;
  return TRUE;
}

// Finds the box titled `title`, notes what it shows, and presses OK.
SeenBox answerBox(const std::string& title) {
  SeenBox seen;
  HWND box = nullptr;
  test::WaitUntil([&] { return (box = FindWindowA("#32770", title.c_str())) != nullptr; });
  if (!box) return seen;
  char text[512] = {};
  GetDlgItemTextA(box, 0xFFFF, text, sizeof(text));
  seen.Text = text;
  EnumChildWindows(box, noteChild, reinterpret_cast<LPARAM>(&seen));
  PostMessageA(box, WM_COMMAND, IDOK, 0);
  return seen;
}

TEST(ApplicationTest, ShowExceptionOpensAStopBoxTitledWithTheApplication) {
  Application.SetTitle("VelmoraTestTitle");
  SeenBox seen;
  std::thread watcher([&] { seen = answerBox("VelmoraTestTitle"); });
  try {
    throw EIniFileException("Unable to write to C:\\x.qvk");
  } catch (...) {
    Application.HandleException();
  }
  watcher.join();
  EXPECT_EQ(seen.Text, "Unable to write to C:\\x.qvk.");
  EXPECT_TRUE(seen.HasStopIcon);
  EXPECT_EQ(seen.Buttons, 1);
}

// Hooks on the application's window (the main form's window): added before there is a
// main window, called in order, one answering true keeps the message, one taking
// itself out inside a message is fine; the main form's going takes the hooks off it.
TEST(ApplicationTest, HooksSeeTheMainWindowsMessagesInOrder) {
  constexpr UINT WM_PROBE = WM_APP + 21;
  std::vector<std::string> seen;
  int second = 0;
  const int first = Application.HookMainWindow([&](TMessage& m) {
    if (m.Msg == WM_PROBE) seen.push_back("first " + std::to_string(m.WParam));
    return false;
  });
  second = Application.HookMainWindow([&](TMessage& m) {
    if (m.Msg != WM_PROBE) return false;
    seen.push_back("second " + std::to_string(m.WParam));
    if (m.WParam == 2) {
      m.Result = 42;
      return true;  // kept: the window never sees it
    }
    if (m.WParam == 3) Application.UnhookMainWindow(second);
    return false;
  });
  HWND window = nullptr;
  {
    TForm form(nullptr);
    form.WindowProc = [&, inner = form.WindowProc](TMessage& m) {
      if (m.Msg == WM_PROBE) seen.push_back("window " + std::to_string(m.WParam));
      inner(m);
    };
    Application.SetMainForm(form);
    window = form.Handle();
    SendMessageA(window, WM_PROBE, 1, 0);
    EXPECT_EQ(SendMessageA(window, WM_PROBE, 2, 0), 42);
    SendMessageA(window, WM_PROBE, 3, 0);
    SendMessageA(window, WM_PROBE, 4, 0);
    EXPECT_EQ(seen, (std::vector<std::string>{"first 1", "second 1", "window 1", "first 2", "second 2", "first 3",
                                              "second 3", "window 3", "first 4", "window 4"}));
    EXPECT_TRUE(TWindowSubclass::IsSubclassed(window));
  }
  EXPECT_EQ(Application.MainForm(), nullptr);
  EXPECT_FALSE(IsWindow(window));
  Application.UnhookMainWindow(first);
}

// The tray menu is owned by the application's own window: visible, of zero size, with
// no taskbar entry; the menu being tracked hears of the menu messages it gets.
TEST(ApplicationTest, ApplicationWindowOwnsMenusAndPassesTheirMessages) {
  HWND app = Application.Handle();
  ASSERT_TRUE(IsWindow(app));
  EXPECT_TRUE(IsWindowVisible(app));
  RECT r{};
  GetWindowRect(app, &r);
  EXPECT_EQ(r.right - r.left, 0);
  EXPECT_EQ(r.bottom - r.top, 0);
  EXPECT_TRUE(GetWindowLongPtrA(app, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
  EXPECT_NE(GetWindow(app, GW_OWNER), nullptr);

  struct TProbeMenu : TPopupMenu {
    using TPopupMenu::TPopupMenu;
    std::vector<UINT> Seen;
    bool OwnerMessage(TMessage& m) override {
      Seen.push_back(m.Msg);
      if (m.Msg == WM_INITMENUPOPUP) EndMenu();
      return false;
    }
  } menu(nullptr);
  auto* item = new TMenuItem(&menu);
  item->SetCaption("one");
  menu.Add(item);
  SetForegroundWindow(app);
  EXPECT_EQ(menu.Track(200, 200, app), nullptr);  // closed without a choice
  EXPECT_NE(std::find(menu.Seen.begin(), menu.Seen.end(), static_cast<UINT>(WM_INITMENUPOPUP)), menu.Seen.end());
  EXPECT_EQ(TPopupMenu::Tracking(), nullptr);
}

}  // namespace
}  // namespace velmora
