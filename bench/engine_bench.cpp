// The skin engine measured as a whole, each figure against its baseline in the same run:
//   1. a full repaint of the gallery (frame, client, every child) skinned against the
//      same window painted by the system;
//   2. a run-time skin switch of the gallery (the package loaded, every window and
//      control refreshed) against the gallery's first skinning (made, shown, skinned);
//   3. the start of velmora.exe until its first skinned paint is over against the start
//      of a bare Win32 window program until its first paint is over (both as processes
//      started here and timed from CreateProcess; the skin manager's own start delay is
//      part of the first figure).
//   engine_bench VELMORA_EXE BARE_EXE SECOND_SKIN [repaints, default 200] [starts, default 5]
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "bench/message_loop.h"
#include "framework/bitmap.h"
#include "framework/gdi_object.h"
#include "gallery/gallery_form.h"
#include "skin/data/skin_manager_link.h"
#include "skin/forms/skin_manager.h"
#include "skin/forms/skin_messages.h"
#include "skin/forms/win_skin_form.h"

using namespace velmora;

namespace {

using Clock = std::chrono::steady_clock;

double millisSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

TSkinManage* manager() { return dynamic_cast<TSkinManage*>(SkinManager()); }

bool skinned(HWND window) {
  TWinSkinForm* skin = manager() ? manager()->FindForm(window) : nullptr;
  return skin && skin->SkinState() == fssSkinned;
}

[[noreturn]] void fail(const char* what) {
  std::printf("%s\n", what);
  std::exit(1);
}

// Microseconds per full repaint of the gallery.
double galleryRepaint(bool withSkin, int repaints) {
  auto form = std::make_unique<TGalleryForm>();
  form->Show();
  bench::Settle(800);
  const HWND window = form->Handle();
  if (withSkin && !skinned(window)) fail("the gallery was not skinned");
  const UINT flags = RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW;
  RedrawWindow(window, nullptr, nullptr, flags);
  const auto start = Clock::now();
  for (int i = 0; i < repaints; ++i) RedrawWindow(window, nullptr, nullptr, flags);
  GdiFlush();
  const double micros = millisSince(start) * 1000.0 / repaints;
  form.reset();
  bench::Settle(100);
  return micros;
}

// The skinned controls that cost most to paint: microseconds per WM_PAINT into a memory
// DC, the eight dearest printed, so a slow painter shows by name.
void dearestPainters(int paints) {
  auto form = std::make_unique<TGalleryForm>();
  form->Show();
  bench::Settle(800);
  std::vector<std::pair<double, std::string>> costs;
  for (TComponent* component : form->Components()) {
    auto* control = dynamic_cast<TWinControl*>(component);
    if (!control || !control->HandleAllocated() || SendMessageA(control->Handle(), WM_SKINQUERY, 0, 0) != 1) continue;
    RECT r{};
    GetWindowRect(control->Handle(), &r);
    TBitmap target(std::max<int>(r.right - r.left, 1), std::max<int>(r.bottom - r.top, 1));
    MemoryDC dc;
    SelectScope select(dc, target.Handle());
    const auto start = Clock::now();
    for (int i = 0; i < paints; ++i) SendMessageA(control->Handle(), WM_PAINT, reinterpret_cast<WPARAM>(dc.Get()), 0);
    GdiFlush();
    costs.emplace_back(millisSince(start) * 1000.0 / paints, control->Name() + " (" + control->ClassName() + ")");
  }
  std::sort(costs.rbegin(), costs.rend());
  std::printf("dearest skinned controls to paint:\n");
  for (std::size_t i = 0; i < std::min<std::size_t>(costs.size(), std::getenv("VELMORA_ALL_COSTS") ? 99 : 8); ++i)
    std::printf("  %-36s %7.0f us\n", costs[i].second.c_str(), costs[i].first);
  form.reset();
  bench::Settle(100);
}

// Milliseconds from making the gallery to its window skinned with every control.
double firstSkinning(std::unique_ptr<TGalleryForm>& form) {
  const auto start = Clock::now();
  form = std::make_unique<TGalleryForm>();
  form->Show();
  while (!skinned(form->Handle()) || manager()->ActionPending()) {
    bench::Pump();
    if (millisSince(start) > 10000) fail("the gallery was not skinned in 10 s");
    Sleep(0);
  }
  return millisSince(start);
}

// Milliseconds for one switch: the package loaded and the refresh done at once (the
// skin data's own delay before the refresh is left out: it waits for nothing).
double skinSwitch(TGalleryForm& form, const std::string& path) {
  const auto start = Clock::now();
  if (!form.SwitchSkin(path)) fail("the second skin did not load");
  if (manager()->ActionPending()) manager()->DoAction();
  bench::Pump();
  return millisSince(start);
}

// Starts `exe` in its own folder and waits until `ready` says its window is up.
// Milliseconds from CreateProcess; the process is ended afterwards.
template <class Ready>
double startUntil(const std::string& exe, Ready ready, const std::string& arguments = {}) {
  std::string folder = exe.substr(0, exe.find_last_of('\\') + 1);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  std::string command = "\"" + exe + "\"" + (arguments.empty() ? "" : " " + arguments);
  const auto start = Clock::now();
  if (!CreateProcessA(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                      &process))
    fail(("cannot start " + exe).c_str());
  double elapsed = -1;
  while (millisSince(start) < 20000) {
    if (ready()) {
      elapsed = millisSince(start);
      break;
    }
    Sleep(1);
  }
  TerminateProcess(process.hProcess, 0);
  WaitForSingleObject(process.hProcess, 5000);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  if (elapsed < 0) fail(("no window from " + exe).c_str());
  Sleep(300);
  return elapsed;
}

HWND visibleWindow(const char* title) {
  HWND window = FindWindowA(nullptr, title);
  return window && IsWindowVisible(window) ? window : nullptr;
}

// Returns once the thread that owns `window` has finished the message it is handling.
bool roundTrip(HWND window) {
  DWORD_PTR ignored = 0;
  return SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 1000, &ignored) != 0;
}

BOOL CALLBACK findUnpainted(HWND child, LPARAM found) {
  if (!IsWindowVisible(child) || !GetUpdateRect(child, nullptr, FALSE)) return TRUE;
  *reinterpret_cast<bool*>(found) = true;
  return FALSE;
}

// The window's first paint is over when, after a message round trip to its thread,
// neither it nor a window inside it waits for a paint, and the paint that may still be
// running has returned.
bool painted(HWND window) {
  if (!roundTrip(window) || GetUpdateRect(window, nullptr, FALSE)) return false;
  bool unpainted = false;
  EnumChildWindows(window, findUnpainted, reinterpret_cast<LPARAM>(&unpainted));
  return !unpainted && roundTrip(window);
}

// The program's window is skinned when its buttons answer the skin's query; its first
// skinned paint is over when it is painted after that.
bool velmoraPainted() {
  HWND window = visibleWindow("\xCA\xFD\xBE\xDD\xB1\xB8\xB7\xDD");  // 数据备份 in GBK
  if (!window) return false;
  HWND button = FindWindowExA(window, nullptr, "TButton", nullptr);
  DWORD_PTR answer = 0;
  return button && SendMessageTimeoutA(button, WM_SKINQUERY, 0, 0, SMTO_ABORTIFHUNG, 200, &answer) &&
         answer == 1 && painted(window);
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// The lowest and highest of `values`, as "low-high".
std::string spread(const std::vector<double>& values) {
  const auto [low, high] = std::minmax_element(values.begin(), values.end());
  return std::to_string(static_cast<int>(*low + 0.5)) + "-" + std::to_string(static_cast<int>(*high + 0.5));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::printf("usage: engine_bench VELMORA_EXE BARE_EXE SECOND_SKIN [repaints] [starts]\n");
    return 2;
  }
  const std::string velmora = argv[1], bare = argv[2], second = argv[3];
  const int repaints = argc > 4 ? std::max(1, std::atoi(argv[4])) : 200;
  const int starts = argc > 5 ? std::max(1, std::atoi(argv[5])) : 5;

  const double plainRepaint = galleryRepaint(false, repaints);
  UseSkinManager();
  const double skinRepaint = galleryRepaint(true, repaints);
  std::printf("gallery full repaint: system %.0f us, skinned %.0f us, ratio %.2f (goal 2)\n", plainRepaint,
              skinRepaint, skinRepaint / plainRepaint);
  dearestPainters(repaints);

  std::vector<double> firsts, switches;
  for (int i = 0; i < 3; ++i) {
    std::unique_ptr<TGalleryForm> form;
    firsts.push_back(firstSkinning(form));
    bench::Settle(300);
    for (int j = 0; j < 4; ++j) switches.push_back(skinSwitch(*form, j % 2 == 0 ? second : std::string()));
    form.reset();
    bench::Settle(200);
  }
  FreeSkinManager();
  std::printf("gallery skin switch: %.1f ms, first skinning at start %.1f ms, ratio %.2f (goal 1.5)\n",
              median(switches), median(firsts), median(switches) / median(firsts));

  std::vector<double> programStarts, bareStarts, bareWithDlls;
  const auto barePainted = [] {
    HWND window = visibleWindow("Velmora bare window");
    return window && painted(window);
  };
  for (int i = 0; i < starts; ++i) {
    bareStarts.push_back(startUntil(bare, barePainted));
    bareWithDlls.push_back(startUntil(bare, barePainted, "--dlls"));
    programStarts.push_back(startUntil(velmora, velmoraPainted));
  }
  std::printf("start to the first skinned paint: velmora.exe %.0f ms, bare window program %.0f ms, ratio %.2f "
              "(goal 1.3)\n",
              median(programStarts), median(bareStarts), median(programStarts) / median(bareStarts));
  std::printf("  the bare program loading the same system libraries: %.0f ms; velmora.exe against it, ratio %.2f\n",
              median(bareWithDlls), median(programStarts) / median(bareWithDlls));
  std::printf("  every start (ms, lowest-highest): velmora.exe %s, bare %s, bare with the libraries %s\n",
              spread(programStarts).c_str(), spread(bareStarts).c_str(), spread(bareWithDlls).c_str());
  return 0;
}
