// velmora.exe: one instance, the main window restored from its stored form, the
// message loop; started with Windows it comes up in the tray only.
#include <windows.h>

#include <memory>

#include "app/main_form.h"
#include "framework/application.h"
#include "framework/win_string.h"
#include "skin/data/skin_manager_link.h"
#include "skin/forms/skin_manager.h"

using namespace velmora;

namespace {

const char MutexName[] = "Velmora.Backup.SingleInstance";
const char AlreadyRunning[] = "备份程序已经运行,请检查任务通知栏或系统进程!!";
const char Title[] = "VelmoraV2.1";

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  // Held, never closed, until the process ends.
  CreateMutexA(nullptr, TRUE, MutexName);
  if (GetLastError() == ERROR_ALREADY_EXISTS) {
    MessageBoxA(nullptr, AlreadyRunning, Title, MB_OK | MB_ICONWARNING);
    return 0;
  }
  Application.SetTitle(Title);

  // The skin data component of the main form makes the skin manager when it loads.
  UseSkinManager();
  std::unique_ptr<TForm1> form;
  try {
    form = std::make_unique<TForm1>(ModuleFileName());
  } catch (...) {
    Application.HandleException();
    return 1;
  }
  const int code = Application.Run(*form);
  form.reset();
  FreeSkinManager();
  return code;
}
