// Cost of a skinned frame: the program's main window and the gallery window painted by
// the system (no skin manager) against the same windows skinned with our default skin,
// all in one run: a frame repaint (WM_NCPAINT) and a resize (SetWindowPos to a new size,
// which also rebuilds the skinned window's region). Ratios are skinned over unskinned.
//   frame_repaint_bench [repaints, default 500] [resizes, default 100]
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "app/main_form.h"
#include "bench/message_loop.h"
#include "gallery/gallery_form.h"
#include "skin/data/skin_manager_link.h"
#include "skin/forms/skin_manager.h"
#include "skin/forms/win_skin_form.h"

using namespace velmora;

namespace {

using Clock = std::chrono::steady_clock;

struct Figures {
  double RepaintMicros = 0, ResizeMicros = 0;
};

std::unique_ptr<TForm> makeMainWindow() { return std::make_unique<TForm1>(bench::ScratchProgramPath()); }
std::unique_ptr<TForm> makeGallery() { return std::make_unique<TGalleryForm>(); }

Figures measure(std::unique_ptr<TForm> (*make)(), bool skinned, int repaints, int resizes) {
  std::unique_ptr<TForm> form = make();
  form->Show();
  bench::Settle(600);
  const HWND window = form->Handle();
  if (skinned) {
    auto* manager = dynamic_cast<TSkinManage*>(SkinManager());
    TWinSkinForm* skin = manager ? manager->FindForm(window) : nullptr;
    if (!skin || skin->SkinState() != fssSkinned) {
      std::printf("the window was not skinned\n");
      std::exit(1);
    }
  }
  Figures f;
  auto start = Clock::now();
  for (int i = 0; i < repaints; ++i) SendMessageA(window, WM_NCPAINT, 1, 0);
  GdiFlush();
  f.RepaintMicros = std::chrono::duration<double, std::micro>(Clock::now() - start).count() / repaints;
  RECT r{};
  GetWindowRect(window, &r);
  const int width = r.right - r.left, height = r.bottom - r.top;
  start = Clock::now();
  for (int i = 0; i < resizes; ++i)
    SetWindowPos(window, nullptr, 0, 0, width + 1 + i % 40, height + 1 + i % 30,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  GdiFlush();
  f.ResizeMicros = std::chrono::duration<double, std::micro>(Clock::now() - start).count() / resizes;
  form.reset();
  bench::Settle(100);
  return f;
}

}  // namespace

int main(int argc, char** argv) {
  const int repaints = argc > 1 ? std::max(1, std::atoi(argv[1])) : 500;
  const int resizes = argc > 2 ? std::max(1, std::atoi(argv[2])) : 100;
  const Figures plain = measure(makeMainWindow, false, repaints, resizes);
  const Figures plainGallery = measure(makeGallery, false, repaints, resizes);
  UseSkinManager();
  const Figures skinned = measure(makeMainWindow, true, repaints, resizes);
  const Figures skinnedGallery = measure(makeGallery, true, repaints, resizes);
  FreeSkinManager();
  auto report = [](const char* what, const Figures& system, const Figures& skin) {
    std::printf("%s frame repaint: system %.1f us, skinned %.1f us, ratio %.2f\n", what, system.RepaintMicros,
                skin.RepaintMicros, skin.RepaintMicros / system.RepaintMicros);
    std::printf("%s resize: system %.1f us, skinned %.1f us, ratio %.2f\n", what, system.ResizeMicros,
                skin.ResizeMicros, skin.ResizeMicros / system.ResizeMicros);
  };
  report("main window", plain, skinned);
  report("gallery", plainGallery, skinnedGallery);
  return 0;
}
