// The application's error box: its text rule, and the real box it shows.
#include "framework/application.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "framework/exception.h"
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

}  // namespace
}  // namespace velmora
