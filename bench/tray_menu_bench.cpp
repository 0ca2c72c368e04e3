// Cost of the skinned tray menu: the program's main window made without the skin
// manager and with it, and its tray menu pm1 opened, painted and closed again and again
// in each, in one run. The menu is closed as soon as its loop is idle, after a forced
// paint of its window. The ratio is skinned over unskinned.
//   tray_menu_bench [openings, default 300]
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "app/main_form.h"
#include "bench/message_loop.h"
#include "framework/application.h"
#include "framework/menus.h"
#include "framework/window_subclass.h"
#include "skin/data/skin_manager_link.h"
#include "skin/forms/skin_manager.h"

using namespace velmora;

namespace {

using Clock = std::chrono::steady_clock;

// Microseconds per opening of the main window's tray menu.
double measure(int openings, bool skinned) {
  auto form = std::make_unique<TForm1>(bench::ScratchProgramPath());
  form->Show();
  bench::Settle(600);
  auto* menu = dynamic_cast<TPopupMenu*>(form->FindComponent("pm1"));
  if (!menu) {
    std::printf("the main window has no tray menu\n");
    std::exit(1);
  }
  if (menu->OwnerDraw() != skinned) {
    std::printf(skinned ? "the tray menu was not skinned\n" : "the tray menu was skinned without a manager\n");
    std::exit(1);
  }
  const HWND owner = Application.Handle();
  // Once the menu's loop is idle its window is painted at once and the menu closed.
  TWindowSubclass closer;
  closer.Attach(owner, [](UINT msg, WPARAM wParam, LPARAM lParam, const TSubclassNext& next) {
    if (msg == WM_ENTERIDLE && wParam == MSGF_MENU) {
      UpdateWindow(reinterpret_cast<HWND>(lParam));
      EndMenu();
    }
    return next(msg, wParam, lParam);
  });
  SetForegroundWindow(owner);
  menu->Track(300, 300, owner);  // the first opening makes what later ones reuse
  const auto start = Clock::now();
  for (int i = 0; i < openings; ++i) menu->Track(300, 300, owner);
  GdiFlush();
  const double micros = std::chrono::duration<double, std::micro>(Clock::now() - start).count() / openings;
  closer.Detach();
  form.reset();
  bench::Settle(100);
  return micros;
}

}  // namespace

int main(int argc, char** argv) {
  const int openings = argc > 1 ? std::max(1, std::atoi(argv[1])) : 300;
  const double plain = measure(openings, false);
  UseSkinManager();
  const double skinned = measure(openings, true);
  FreeSkinManager();
  std::printf("tray menu open and draw: system %.1f us, skinned %.1f us, ratio %.2f\n", plain, skinned,
              skinned / plain);
  return 0;
}
