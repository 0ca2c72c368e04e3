// velmora.exe entry. Until the main window exists this loads the settings, keeps the
// start-with-Windows value in step, and offers to run a backup at once.
#include <windows.h>

#include "app/export_job.h"
#include "app/settings_store.h"
#include "framework/application.h"
#include "framework/win_string.h"

using namespace velmora;

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  Application.SetTitle("VelmoraV2.1");
  try {
    TSettingsStore store(ModuleFileName());
    store.LoadSettings(BackupSettings);
    store.ApplyStartWithWindows(BackupSettings.StarUp);

    const std::string summary = "用户名: " + BackupSettings.UserName +
                                "\r\n服务名: " + BackupSettings.DataBase +
                                "\r\n备份路径: " + BackupSettings.DataPath +
                                "\r\n备份时间: " + BackupSettings.ExpTime +
                                "\r\n\r\n立即备份?";
    if (Application.ShowMessageBox(summary, {}, MB_YESNO | MB_ICONQUESTION) == IDYES)
      RunManualBackup();
  } catch (...) {
    Application.HandleException();
    return 1;
  }
  return 0;
}
